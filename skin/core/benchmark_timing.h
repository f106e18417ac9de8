#pragma once
// Timing the steps of a benchmark with the performance counter: mean and worst in milliseconds.
#include <windows.h>

#include <algorithm>

struct Timing {
    double mean = 0;
    double worst = 0;
};

inline double Milliseconds(const LARGE_INTEGER& start, const LARGE_INTEGER& end)
{
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(end.QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// Runs the step `count` times.
template <class Step>
Timing TimeSteps(int count, Step step)
{
    Timing t;
    for (int i = 0; i < count; ++i) {
        LARGE_INTEGER start, end;
        QueryPerformanceCounter(&start);
        step();
        QueryPerformanceCounter(&end);
        const double ms = Milliseconds(start, end);
        t.mean += ms / count;
        t.worst = std::max(t.worst, ms);
    }
    return t;
}
