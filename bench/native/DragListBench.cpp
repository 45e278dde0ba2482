// The drop arithmetic of the drag list at the sizes a host's lists reach.
#include "lattice/core/DragListLayout.h"

#include <benchmark/benchmark.h>

#include <vector>

namespace {

using namespace lattice::core;

// Every tenth of 10000 items selected, dropped near the middle.
std::vector<int> EveryTenth(int nCount)
{
    std::vector<int> selected;
    for (int i = 0; i < nCount; i += 10)
        selected.push_back(i);
    return selected;
}

void BM_ReorderThousandOfTenThousand(benchmark::State& state)
{
    const std::vector<int> selected = EveryTenth(10000);
    for (auto _ : state)
        benchmark::DoNotOptimize(ReorderForDrop(10000, selected, 5003));
}
BENCHMARK(BM_ReorderThousandOfTenThousand);

void BM_InsertPositionAfterRemoval(benchmark::State& state)
{
    const std::vector<int> selected = EveryTenth(10000);
    int nPos = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(InsertPosAfterRemoval(selected, nPos));
        nPos = (nPos + 7919) % 10001;
    }
}
BENCHMARK(BM_InsertPositionAfterRemoval);

void BM_InsertPositionFromNearest(benchmark::State& state)
{
    NearestItemQuery query{10000, 9999, false, true, 170000, 169990};
    for (auto _ : state) {
        query.nProbeY ^= 1;
        benchmark::DoNotOptimize(InsertPosFromNearest(query));
    }
}
BENCHMARK(BM_InsertPositionFromNearest);

} // namespace
