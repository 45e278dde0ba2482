// The Wine benchmarks' clock, their window and their one way of taking a
// figure: the figure and its floor timed in alternate runs, so that both see
// the same machine load, and printed as lowest / median / highest. The times
// are wall-clock: on a busy machine every figure grows with its floor, so
// compare a figure with its floor rather than with another run's figure.
#pragma once

#include <afxwin.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "MessagePump.h"

// steady_clock reads the performance counter here (through winpthreads).
inline double NowMilliseconds()
{
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

template <class Work> double MillisecondsOf(Work work)
{
    const double t0 = NowMilliseconds();
    work();
    return NowMilliseconds() - t0;
}

// Runs `figure` and `floor` alternately nRuns times each, so that both see
// the same load; each returns its own milliseconds, leaving its set-up
// untimed. Prints both as lowest / median / highest, dScale and pszUnit
// turning milliseconds into the printed unit, with the ratio of the lowest
// runs, the least disturbed by the machine's load.
inline bool g_bBenchHeader = false;
template <class Figure, class Floor>
void Compare(const std::string& what, const std::string& floorWhat, int nRuns, Figure figure, Floor floor,
             double dScale = 1, const char* pszUnit = "ms")
{
    if (!std::exchange(g_bBenchHeader, true))
        std::printf("%-50s %9s %9s %9s\n", "", "lowest", "median", "highest");
    std::vector<double> runs[2];
    for (int r = 0; r < nRuns; ++r)
        runs[0].push_back(figure() * dScale), runs[1].push_back(floor() * dScale);
    for (std::vector<double>& v : runs)
        std::sort(v.begin(), v.end());
    for (int i = 0; i < 2; ++i)
        std::printf(i ? "%-50s %9.2f %9.2f %9.2f %s\n" : "%-50s %9.2f %9.2f %9.2f %s  (%.2fx floor)\n",
                    (i ? "  floor: " + floorWhat : what).c_str(), runs[i].front(), runs[i][runs[i].size() / 2],
                    runs[i].back(), pszUnit, runs[0].front() / runs[1].front());
    std::fflush(stdout);
}

// A visible top-level window for the controls under test.
class BenchFrame : public CWnd {
public:
    BenchFrame() { CreateEx(0, NULL, "bench", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 20, 20, 640, 440, NULL, NULL); }
    ~BenchFrame() override { DestroyWindow(); }
};
