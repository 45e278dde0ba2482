// Building a full catalogue of display lines: 131072 service lines from
// generated IDs and names, by the byte writer and, for scale, by snprintf.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>
#include <vector>

#include "lattice/core/SymbolCatalogueGenerator.h"
#include "lattice/core/SymbolLine.h"

namespace {

const std::size_t kLines = 131072;

struct Inputs {
    std::vector<std::string> ids, names;
    Inputs()
    {
        lattice::SymbolCatalogueGenerator generator(kLines, {16, 1, 109});
        ids.reserve(kLines);
        names.reserve(kLines);
        for (std::size_t i = 0; i < kLines; ++i) {
            ids.push_back(generator.SymbolId(i));
            names.push_back(generator.SymbolName(i));
        }
    }
};

const Inputs& TheInputs()
{
    static const Inputs inputs;
    return inputs;
}

void BM_ServiceLines(benchmark::State& state)
{
    const Inputs& in = TheInputs();
    for (auto _ : state) {
        std::vector<std::string> lines;
        lines.reserve(kLines);
        for (std::size_t i = 0; i < kLines; ++i)
            lines.push_back(lattice::symbols::ServiceLine("TSE", in.ids[i], in.names[i]));
        benchmark::DoNotOptimize(lines.data());
    }
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * kLines));
}
BENCHMARK(BM_ServiceLines)->Unit(benchmark::kMillisecond);

void BM_ServiceLinesBySnprintf(benchmark::State& state)
{
    const Inputs& in = TheInputs();
    for (auto _ : state) {
        std::vector<std::string> lines;
        lines.reserve(kLines);
        char buffer[256];
        for (std::size_t i = 0; i < kLines; ++i) {
            const int n = std::snprintf(buffer, sizeof buffer, "[%s]%-8s %s", "TSE", in.ids[i].c_str(),
                                        in.names[i].c_str());
            lines.emplace_back(buffer, static_cast<std::size_t>(n));
        }
        benchmark::DoNotOptimize(lines.data());
    }
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * kLines));
}
BENCHMARK(BM_ServiceLinesBySnprintf)->Unit(benchmark::kMillisecond);

} // namespace
