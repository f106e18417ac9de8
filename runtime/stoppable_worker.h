#pragma once
// One worker thread that ends cooperatively: the owner starts it with a body, signals it to stop and
// joins it; the body checks the signal and waits on it instead of sleeping, so a stop wakes it at
// once. A worker can be started again once the previous run has been joined. Nothing here ends a
// thread by force.
#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <system_error>
#include <thread>

class StoppableWorker {
public:
    StoppableWorker() = default;
    // Signals and joins a run still going.
    ~StoppableWorker();
    StoppableWorker(const StoppableWorker&) = delete;
    StoppableWorker& operator=(const StoppableWorker&) = delete;

    // Runs body(*this) on a new thread with the stop signal cleared. False, starting nothing, while an
    // earlier run has not been joined or when no thread can be made.
    bool Start(std::function<void(StoppableWorker&)> body);
    // Sets the stop signal and wakes a waiting body. Does not wait.
    void RequestStop();
    bool StopRequested() const;
    // From the body: waits until the stop signal or the time-out; true when the stop was signalled.
    bool WaitFor(std::chrono::milliseconds timeout);
    // From the body: waits until the stop signal.
    void WaitForStop();
    // Waits for the run to end and forgets the thread; nothing when no run is to be joined. Any thread
    // but the worker's own may call it, several at once.
    void Join();
    // A run was started and has not been joined yet (it may have finished its body).
    bool Joinable() const;

private:
    mutable std::mutex mutex_;
    std::condition_variable wake_;
    bool stop_ = false;
    mutable std::mutex joinMutex_;  // one joiner at a time, and no start during a join
    std::thread thread_;
};

inline StoppableWorker::~StoppableWorker()
{
    RequestStop();
    Join();
}

inline bool StoppableWorker::Start(std::function<void(StoppableWorker&)> body)
{
    std::lock_guard<std::mutex> joinLock(joinMutex_);
    if (thread_.joinable() || !body)
        return false;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        stop_ = false;
    }
    try {
        thread_ = std::thread([this, run = std::move(body)]() { run(*this); });
    } catch (const std::system_error&) {
        return false;
    }
    return true;
}

inline void StoppableWorker::RequestStop()
{
    {
        std::lock_guard<std::mutex> lock(mutex_);
        stop_ = true;
    }
    wake_.notify_all();
}

inline bool StoppableWorker::StopRequested() const
{
    std::lock_guard<std::mutex> lock(mutex_);
    return stop_;
}

inline bool StoppableWorker::WaitFor(std::chrono::milliseconds timeout)
{
    std::unique_lock<std::mutex> lock(mutex_);
    return wake_.wait_for(lock, timeout, [this] { return stop_; });
}

inline void StoppableWorker::WaitForStop()
{
    std::unique_lock<std::mutex> lock(mutex_);
    wake_.wait(lock, [this] { return stop_; });
}

inline void StoppableWorker::Join()
{
    std::lock_guard<std::mutex> joinLock(joinMutex_);
    if (thread_.joinable())
        thread_.join();
}

inline bool StoppableWorker::Joinable() const
{
    std::lock_guard<std::mutex> joinLock(joinMutex_);
    return thread_.joinable();
}
