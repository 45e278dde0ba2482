// The Wine benchmarks' clock, the performance counter in milliseconds, and
// how they take a figure from several runs: the lowest, since on a busy
// machine a run now and then takes twice as long and the lowest run is the
// least disturbed.
#pragma once

#include <windows.h>

#include <algorithm>
#include <vector>

inline double NowMilliseconds()
{
    static const LONGLONG frequency = [] {
        LARGE_INTEGER f;
        ::QueryPerformanceFrequency(&f);
        return f.QuadPart;
    }();
    LARGE_INTEGER t;
    ::QueryPerformanceCounter(&t);
    return static_cast<double>(t.QuadPart) * 1000.0 / static_cast<double>(frequency);
}

// The lowest of nRuns figures that `timed` returns.
template <class Timed>
double Best(int nRuns, Timed timed)
{
    double dBest = timed();
    for (int r = 1; r < nRuns; ++r)
        dBest = std::min(dBest, timed());
    return dBest;
}

// How long one run of `work` takes.
template <class Work>
double MillisecondsOf(Work work)
{
    const double t0 = NowMilliseconds();
    work();
    return NowMilliseconds() - t0;
}

// The lowest time of nRuns runs of `work`.
template <class Work>
double BestOf(int nRuns, Work work)
{
    return Best(nRuns, [&] { return MillisecondsOf(work); });
}

// The lowest, middle and highest of several figures. On a busy machine the
// lowest is the least disturbed run and the distance to the highest shows
// how much the load added.
struct Spread {
    double dLow;
    double dMedian;
    double dHigh;
};

inline Spread SpreadOf(std::vector<double> figures)
{
    if (figures.empty())
        return {0, 0, 0};
    std::sort(figures.begin(), figures.end());
    return {figures.front(), figures[figures.size() / 2], figures.back()};
}
