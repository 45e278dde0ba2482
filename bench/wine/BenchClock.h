// The Wine benchmarks' clock, the performance counter in milliseconds, how
// they take a figure from several runs (the lowest: on a busy machine a run
// now and then takes twice as long and the lowest is the least disturbed),
// and the set-up and printing every benchmark shares.
#pragma once

#include <afxwin.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "MessagePump.h"

// steady_clock reads the performance counter here (through winpthreads).
inline double NowMilliseconds()
{
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now().time_since_epoch()).count();
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

// How long one run of `work` takes, and the lowest of nRuns runs.
template <class Work>
double MillisecondsOf(Work work)
{
    const double t0 = NowMilliseconds();
    work();
    return NowMilliseconds() - t0;
}
template <class Work>
double BestOf(int nRuns, Work work)
{
    return Best(nRuns, [&] { return MillisecondsOf(work); });
}

// One keystroke: the text set as typing would, pumped until the list is painted.
inline double Keystroke(CWnd& edit, const char* pszText)
{
    return MillisecondsOf([&] {
        edit.SetWindowText(pszText);
        PumpUntilIdle();
    });
}

// A plain list box's share of a keystroke, the floor of the edits' lists:
// redraw off, emptied, refilled by `fill`, redraw on and painted.
template <class Fill>
double TimeRefill(HWND hList, Fill fill)
{
    return MillisecondsOf([&] {
        ::SendMessageA(hList, WM_SETREDRAW, FALSE, 0);
        ::SendMessageA(hList, LB_RESETCONTENT, 0, 0);
        fill();
        ::SendMessageA(hList, WM_SETREDRAW, TRUE, 0);
        ::InvalidateRect(hList, NULL, TRUE);
        PumpUntilIdle();
    });
}

// A visible top-level window for the edits under test.
class BenchFrame : public CWnd {
public:
    BenchFrame() { CreateEx(0, NULL, "bench", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 40, 40, 500, 400, NULL, NULL); }
    ~BenchFrame() override { DestroyWindow(); }
};

// One figure beside its floor from the same run, and their ratio.
inline void PrintVsFloor(const char* pszWhat, double dFigure, double dFloor)
{
    std::printf("%-50s %9.2f ms  floor %9.2f ms  (%.2fx)\n", pszWhat, dFigure, dFloor, dFigure / dFloor);
    std::fflush(stdout);
}

// The lowest, middle and highest of several figures: the distance from the
// lowest to the highest shows how much the machine's load added.
inline void PrintSpread(const char* pszWhat, std::vector<double> figures, const char* pszUnit, double dScale)
{
    std::sort(figures.begin(), figures.end());
    std::printf("%-46s %9.2f %9.2f %9.2f %s\n", pszWhat, figures.front() * dScale,
                figures[figures.size() / 2] * dScale, figures.back() * dScale, pszUnit);
}
