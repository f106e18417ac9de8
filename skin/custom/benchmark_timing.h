#pragma once
// Timing of the custom controls' benchmarks: a run repeated, its median and its worst time.
#include <windows.h>

#include <algorithm>
#include <functional>
#include <vector>

// The median shows the cost on a machine shared with other work; the worst is printed beside it.
struct BenchmarkTiming {
    double median = 0;
    double worst = 0;
};

inline BenchmarkTiming MeasureRuns(int runs, const std::function<void()>& run)
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
    return BenchmarkTiming{times[times.size() / 2], times.back()};
}
