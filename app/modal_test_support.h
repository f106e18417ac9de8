#pragma once
// Test support: acting inside a modal window's message loop, which does not return until the window
// has gone.
#include <functional>

namespace app_test {

// Runs the steps on this thread once the next modal loop handles messages (or, when none comes, at
// the next handling of messages); afterwards every modal window still open is destroyed, so the loop
// always ends.
void RunInsideNextModalLoop(std::function<void()> steps);

}  // namespace app_test
