#pragma once
// The request to stop a program that runs until it is stopped
// (reelmark-cli watch). The system asks through Ctrl+C, SIGTERM (what a
// service manager sends) and SIGHUP (its terminal went), on Windows through
// Ctrl+C, Ctrl+Break, the console closing, log-off and shut-down; a test or
// another thread asks with Request. A wait for anything else waits on it
// too (FolderWatch::Wait, WaitFor), so a request ends it at once.
#include <atomic>

class StopSignal {
public:
    StopSignal();
    // Stops taking the system's requests; a closing console (Windows) that
    // waited for the program to finish its work may end it now.
    ~StopSignal();
    StopSignal(const StopSignal&) = delete;
    StopSignal& operator=(const StopSignal&) = delete;

    // From now on, until this object goes, the system's requests to stop
    // the program request it (one object at a time takes them).
    void TakeSystemRequests();
    // From any thread or signal handler; a second request changes nothing.
    void Request();
    bool Requested() const { return requested_; }
    // Waits until the request comes or the seconds have passed; true when
    // it has come.
    bool WaitFor(double seconds) const;

    // What a wait waits on beside its own: a descriptor that becomes
    // readable, on Windows an event that is set.
#ifdef _WIN32
    void* Event() const { return event_; }
#else
    int Descriptor() const { return pipe_[0]; }
#endif

private:
    std::atomic<bool> requested_{false};
    bool taking_ = false;
#ifdef _WIN32
    void* event_ = nullptr;
#else
    int pipe_[2] = {-1, -1};
#endif
};
