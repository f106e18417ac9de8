#include "app/generator_workers.h"

#include <windows.h>

#include <list>
#include <memory>
#include <mutex>
#include <thread>

#include "runtime/forms/form_runtime.h"

namespace {

struct Worker {
    std::thread thread;
    std::atomic<bool> done{false};
};

struct Workers {
    std::mutex lock;
    std::list<std::shared_ptr<Worker>> list;
    std::atomic<bool> stop{false};
    int stopping = 0;  // callers of StopGeneratorWorkers still waiting (a wait may run inside another)
};

Workers& State()
{
    static Workers workers;
    return workers;
}

// Joins the workers that have ended; the caller holds the lock.
void JoinEnded(std::list<std::shared_ptr<Worker>>& list)
{
    for (auto it = list.begin(); it != list.end();) {
        if ((*it)->done.load()) {
            if ((*it)->thread.joinable())
                (*it)->thread.join();
            it = list.erase(it);
        } else {
            ++it;
        }
    }
}

}  // namespace

bool StartGeneratorWorker(GeneratorWork work)
{
    Workers& state = State();
    std::lock_guard<std::mutex> hold(state.lock);
    if (state.stopping > 0 || !work)
        return false;
    JoinEnded(state.list);
    auto worker = std::make_shared<Worker>();
    try {
        worker->thread = std::thread([worker, work = std::move(work), &state] {
            work(state.stop);
            worker->done = true;
        });
    } catch (...) {
        return false;
    }
    state.list.push_back(worker);
    return true;
}

void StopGeneratorWorkers()
{
    Workers& state = State();
    {
        std::lock_guard<std::mutex> hold(state.lock);
        ++state.stopping;
        state.stop = true;
    }
    for (;;) {
        {
            std::lock_guard<std::mutex> hold(state.lock);
            JoinEnded(state.list);
            if (state.list.empty())
                break;
        }
        forms::ProcessPendingMessages();
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
    }
    std::lock_guard<std::mutex> hold(state.lock);
    if (--state.stopping == 0)
        state.stop = false;
}

int RunningGeneratorWorkers()
{
    Workers& state = State();
    std::lock_guard<std::mutex> hold(state.lock);
    int running = 0;
    for (const auto& worker : state.list)
        running += worker->done.load() ? 0 : 1;
    return running;
}
