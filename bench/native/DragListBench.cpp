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

// The list as the drop sees it, over a vector: what the reorder costs apart
// from the list box's own deletes and inserts.
struct VectorList {
    using Item = std::size_t;
    std::vector<Item> items;
    int Count() const { return static_cast<int>(items.size()); }
    Item Take(int i)
    {
        const Item item = items[static_cast<std::size_t>(i)];
        items.erase(items.begin() + i);
        return item;
    }
    void Put(int i, Item item) { items.insert(items.begin() + i, item); }
};

void BM_ReorderThousandOfTenThousand(benchmark::State& state)
{
    const std::vector<int> selected = EveryTenth(10000);
    VectorList list;
    for (std::size_t i = 0; i < 10000; ++i)
        list.items.push_back(i);
    // Each round drops whatever now sits at every tenth index: the same work.
    for (auto _ : state)
        benchmark::DoNotOptimize(ReorderForDrop(list, selected, 5003));
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
