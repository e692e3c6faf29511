#pragma once
// Times a piece of work several times after one warm-up run and prints the median and the fastest
// run in milliseconds, for the benchmarks that time work inside one process.

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace pelaconf::bench {

// False when a run failed.
inline bool PrintMedianAndFastest(int runs, const std::function<bool()>& work) {
    if (!work()) {
        return false;
    }
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    std::vector<double> times;
    for (int run = 0; run < std::max(1, runs); ++run) {
        LARGE_INTEGER started, ended;
        QueryPerformanceCounter(&started);
        const bool done = work();
        QueryPerformanceCounter(&ended);
        if (!done) {
            return false;
        }
        times.push_back(1000.0 * static_cast<double>(ended.QuadPart - started.QuadPart) /
                        static_cast<double>(frequency.QuadPart));
    }
    std::sort(times.begin(), times.end());
    std::printf("%.1f %.1f\n", times[times.size() / 2], times.front());
    return true;
}

} // namespace pelaconf::bench
