#include "platform/StopSignal.h"

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <csignal>

namespace {

// The object that takes the signals; a handler may only touch atomics.
std::atomic<StopSignal*> taker{nullptr};
static_assert(std::atomic<StopSignal*>::is_always_lock_free, "a signal handler needs a lock-free pointer");

constexpr int kSignals[] = {SIGINT, SIGTERM, SIGHUP};
struct sigaction earlier[sizeof kSignals / sizeof kSignals[0]];

void OnSignal(int)
{
    const int saved = errno;
    if (StopSignal* signal = taker.load())
        signal->Request();
    errno = saved;
}

}  // namespace

StopSignal::StopSignal()
{
    // A pipe that never empties once a byte is in it: every later wait on
    // it ends at once. Both ends are non-blocking: a request never waits.
    if (::pipe(pipe_) == 0) {
        for (const int end : pipe_) {
            ::fcntl(end, F_SETFL, ::fcntl(end, F_GETFL) | O_NONBLOCK);
            ::fcntl(end, F_SETFD, FD_CLOEXEC);
        }
    }
}

StopSignal::~StopSignal()
{
    if (taking_) {
        for (size_t i = 0; i < sizeof kSignals / sizeof kSignals[0]; ++i)
            sigaction(kSignals[i], &earlier[i], nullptr);
        taker.store(nullptr);
    }
    for (const int end : pipe_) {
        if (end >= 0)
            ::close(end);
    }
}

void StopSignal::TakeSystemRequests()
{
    taker.store(this);
    taking_ = true;
    struct sigaction action = {};
    action.sa_handler = OnSignal;
    sigemptyset(&action.sa_mask);
    for (size_t i = 0; i < sizeof kSignals / sizeof kSignals[0]; ++i)
        sigaction(kSignals[i], &action, &earlier[i]);
}

void StopSignal::Request()
{
    requested_ = true;
    const char byte = 1;
    // A full pipe holds a byte already.
    [[maybe_unused]] const ssize_t wrote = ::write(pipe_[1], &byte, 1);
}

bool StopSignal::WaitFor(double seconds) const
{
    using Clock = std::chrono::steady_clock;
    const Clock::time_point end = Clock::now() + std::chrono::duration_cast<Clock::duration>(
                                                     std::chrono::duration<double>(seconds > 0 ? seconds : 0));
    while (!requested_) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(end - Clock::now()).count();
        if (left <= 0)
            break;
        pollfd wait = {pipe_[0], POLLIN, 0};
        ::poll(&wait, 1, static_cast<int>(left < 1000000 ? left : 1000000));
    }
    return requested_;
}
