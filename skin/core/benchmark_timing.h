#pragma once
// For the benchmarks: a routine run many times, timed with the performance counter. The median shows
// the cost on a machine shared with other work; the worst run is printed beside it.
#include <windows.h>

#include <algorithm>
#include <functional>
#include <vector>

struct Timing {
    double median = 0;  // milliseconds
    double worst = 0;
};

inline Timing Measure(int runs, const std::function<void()>& run)
{
    LARGE_INTEGER frequency, start, end;
    QueryPerformanceFrequency(&frequency);
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        QueryPerformanceCounter(&start);
        run();
        QueryPerformanceCounter(&end);
        times.push_back(1000.0 * static_cast<double>(end.QuadPart - start.QuadPart) /
                        static_cast<double>(frequency.QuadPart));
    }
    std::sort(times.begin(), times.end());
    return Timing{times[times.size() / 2], times.back()};
}
