#pragma once
// The worker threads that fill MainWindow's combination and nickname lists. A worker reaches the
// window only through a FormRef and checks the shared stop flag at every row; StopGeneratorWorkers
// ends them all, and the window's may-close handler calls it first, so no worker outlives the units
// and the connection it uses.
#include <atomic>
#include <functional>

using GeneratorWork = std::function<void(const std::atomic<bool>& stop)>;

// Starts a worker (from the user-interface thread or from a worker). False when it could not be
// started, also while StopGeneratorWorkers is waiting.
bool StartGeneratorWorker(GeneratorWork work);

// Sets the stop flag and waits until every worker has ended, processing pending messages meanwhile
// (a worker waits for the user-interface thread at every call through its FormRef). Call it on the
// user-interface thread. Afterwards new workers may start again.
void StopGeneratorWorkers();

// Workers started and not yet ended.
int RunningGeneratorWorkers();
