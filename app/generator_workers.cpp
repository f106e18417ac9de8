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
    int running = 0;   // workers whose work has not returned; a worker started by another counts before it ends
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

bool StartGeneratorWorker(GeneratorWork work, std::function<void()> afterLast)
{
    Workers& state = State();
    std::lock_guard<std::mutex> hold(state.lock);
    if (state.stopping > 0 || !work)
        return false;
    JoinEnded(state.list);
    auto worker = std::make_shared<Worker>();
    try {
        worker->thread = std::thread([worker, work = std::move(work), afterLast = std::move(afterLast), &state] {
            work(state.stop);
            bool last = false;
            {
                std::lock_guard<std::mutex> hold(state.lock);
                last = --state.running == 0;
            }
            if (last && afterLast)
                afterLast();
            worker->done = true;
        });
    } catch (...) {
        return false;
    }
    ++state.running;
    state.list.push_back(worker);
    return true;
}

namespace {

// On the user-interface thread, where a run may have started a worker since the last one ended.
void EnableGenerateButton(const forms::FormRef& window)
{
    window.Call([](forms::Form& form) {
        if (RunningGeneratorWorkers() == 0)
            form.Get("按钮生成").SetEnabled(true);
    });
}

}  // namespace

bool StartListWorker(forms::Form& window, GeneratorWork work)
{
    forms::Unit& button = window.Get("按钮生成");
    button.SetEnabled(false);
    if (StartFurtherListWorker(forms::FormRef(window), std::move(work)))
        return true;
    if (RunningGeneratorWorkers() == 0)
        button.SetEnabled(true);
    return false;
}

bool StartFurtherListWorker(const forms::FormRef& window, GeneratorWork work)
{
    return StartGeneratorWorker(std::move(work), [window] { EnableGenerateButton(window); });
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
    return state.running;
}
