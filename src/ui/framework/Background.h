#pragma once
// A task on a thread of its own whose end the window can ask about without
// waiting, and the milliseconds the window times its loads with. Neither a
// timed wait on a future nor the standard clocks are used: with mingw-w64
// they bring winpthread's clock functions, and ANSI imports with them,
// into the programs.
#include <windows.h>

#include <atomic>
#include <future>
#include <memory>
#include <utility>

template <typename Result>
class Background {
public:
    template <typename Task>
    void Start(Task task)
    {
        auto done = std::make_shared<std::atomic<bool>>(false);
        done_ = done;
        future_ = std::async(std::launch::async, [task = std::move(task), done]() mutable {
            Result result = task();
            done->store(true);
            return result;
        });
    }
    // A task was started and its result not taken yet.
    bool Valid() const { return future_.valid(); }
    // Its result is there (Get then waits for nothing worth telling).
    bool Ready() const { return done_ && done_->load(); }
    Result Get() { return future_.get(); }
    void Wait() const { future_.wait(); }

private:
    std::future<Result> future_;
    std::shared_ptr<std::atomic<bool>> done_;
};

// Milliseconds from a fixed moment, for measuring how long something took.
inline double NowMilliseconds()
{
    LARGE_INTEGER count;
    LARGE_INTEGER frequency;
    ::QueryPerformanceCounter(&count);
    ::QueryPerformanceFrequency(&frequency);
    return static_cast<double>(count.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}
