#pragma once
// The worker threads that fill MainWindow's combination and nickname lists. A worker reaches the
// window only through a FormRef and checks the shared stop flag at every row; StopGeneratorWorkers
// ends them all, and the window's may-close handler calls it first, so no worker outlives the units
// and the connection it uses.
#include <atomic>
#include <functional>

namespace forms {
class Form;
class FormRef;
}  // namespace forms

using GeneratorWork = std::function<void(const std::atomic<bool>& stop)>;

// Starts a worker (from the user-interface thread or from a worker). False when it could not be
// started, also while StopGeneratorWorkers is waiting. `afterLast`, when given, runs on the worker's
// thread after its work when no other worker is running any more (not when it could not start).
bool StartGeneratorWorker(GeneratorWork work, std::function<void()> afterLast = nullptr);

// Workers that fill a list of MainWindow keep 按钮生成 disabled while any of them runs, so that no
// second run mixes its rows into a list: StartListWorker disables the button at once (call it on the
// user-interface thread) and StartFurtherListWorker adds a worker from a running one; the worker that
// ends last enables the button again. False when the worker could not be started (the button is then
// enabled again unless another worker runs).
bool StartListWorker(forms::Form& window, GeneratorWork work);
bool StartFurtherListWorker(const forms::FormRef& window, GeneratorWork work);

// Sets the stop flag and waits until every worker has ended, processing pending messages meanwhile
// (a worker waits for the user-interface thread at every call through its FormRef). Call it on the
// user-interface thread. Afterwards new workers may start again.
void StopGeneratorWorkers();

// Workers started whose work has not yet returned.
int RunningGeneratorWorkers();
