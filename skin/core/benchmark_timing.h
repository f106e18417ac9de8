#pragma once
// For the benchmarks: a routine run many times, timed with the performance counter. The median shows
// the cost on a machine shared with other work; the mean and the worst run are printed beside it.
#include <windows.h>

#include <algorithm>
#include <functional>
#include <vector>

struct Timing {
    double mean = 0;    // milliseconds
    double median = 0;
    double worst = 0;
};

inline double Milliseconds(const LARGE_INTEGER& start, const LARGE_INTEGER& end)
{
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(end.QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// Runs the routine `runs` times; `between`, when given, runs untimed before each run.
inline Timing Measure(int runs, const std::function<void()>& run, const std::function<void()>& between = {})
{
    std::vector<double> times;
    Timing t;
    for (int i = 0; i < runs; ++i) {
        if (between)
            between();
        LARGE_INTEGER start, end;
        QueryPerformanceCounter(&start);
        run();
        QueryPerformanceCounter(&end);
        times.push_back(Milliseconds(start, end));
        t.mean += times.back() / runs;
    }
    if (times.empty())
        return t;
    std::sort(times.begin(), times.end());
    t.median = times[times.size() / 2];
    t.worst = times.back();
    return t;
}

// How many messages a second the window's procedures get through: `count` WM_NULL sent one after
// another, a message every skinned procedure passes on to the one it replaced.
inline double MessagesPerSecond(HWND window, int count)
{
    LARGE_INTEGER start, end;
    QueryPerformanceCounter(&start);
    for (int i = 0; i < count; ++i)
        SendMessageA(window, WM_NULL, 0, 0);
    QueryPerformanceCounter(&end);
    const double ms = Milliseconds(start, end);
    return ms > 0 ? 1000.0 * count / ms : 0;
}

// Handles what waits in the thread's queue, then waits a moment with nothing to do, as a message loop
// does between two paints. Wine hands a window's pixels to the X server when its thread goes idle, or
// at every EndPaint and ReleaseDC of a thread that has not been idle for 50 ms, which a loop of paints
// alone never is: run between timed paints, this keeps that upload, the display server's work, out of
// the paint's figure.
inline void GoIdle()
{
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageA(&message);
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
}
