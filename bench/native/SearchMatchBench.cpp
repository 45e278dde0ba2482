// Matching alone: one keystroke's scan of the upper-cased search data, for
// a narrowing key (a few hundred hits at 16384 strings) and for the empty
// text that lists everything; and the same over a symbol catalogue of service
// lines.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

#include "lattice/core/SearchData.h"
#include "lattice/core/SymbolCatalogueGenerator.h"
#include "lattice/core/SymbolLine.h"

namespace {

const lattice::LeadByteTable& big5 = lattice::LeadByteTable::Cp950();

// One of 64 Big5 characters (lead 0xA4, trail 0x40..0x7F) per string.
std::string Syllable(int n)
{
    return std::string{'\xA4', static_cast<char>(0x40 + n % 64)};
}

lattice::search::UpperCasedData MakeData(int nCount)
{
    lattice::search::UpperCasedData data;
    data.Reserve(static_cast<std::size_t>(nCount), static_cast<std::size_t>(nCount) * 24);
    char code[16];
    for (int i = 0; i < nCount; ++i) {
        std::snprintf(code, sizeof(code), "s%06d ", i);
        data.Add(code + Syllable(i * 7) + Syllable(i) + "\xA5\x78" "co", big5);
    }
    return data;
}

void BM_MatchNarrowing(benchmark::State& state)
{
    const auto data = MakeData(static_cast<int>(state.range(0)));
    lattice::search::MatchResult result;
    const std::string key = Syllable(5) + "\xA5\x78";
    for (auto _ : state) {
        data.Match(key, big5, result);
        benchmark::DoNotOptimize(result.hits.data());
    }
    state.counters["hits"] = static_cast<double>(result.hits.size());
}

void BM_MatchEverything(benchmark::State& state)
{
    const auto data = MakeData(static_cast<int>(state.range(0)));
    lattice::search::MatchResult result;
    for (auto _ : state) {
        data.Match("", big5, result);
        benchmark::DoNotOptimize(result.hits.data());
    }
    state.counters["hits"] = static_cast<double>(result.hits.size());
}

// The symbol edit's catalogue: service lines "[service]ID      name" over two
// services with one-character Big5 names, as the edit matches them.
lattice::search::UpperCasedData MakeCatalogue(int nCount)
{
    const lattice::SymbolCatalogueGenerator generator(static_cast<std::size_t>(nCount), {16, 1});
    lattice::search::UpperCasedData data;
    data.Reserve(generator.Total(), generator.Total() * 32);
    for (std::size_t i = 0; i < generator.Total(); ++i) {
        const std::string service = generator.ServiceOf(i) == 16 ? "\xA4\x57" : "\xC2\x64";
        const std::string id = generator.SymbolId(i);
        data.Add(lattice::symbols::ServiceLine(service, id, Syllable(static_cast<int>(i)) + Syllable(static_cast<int>(i / 64)) + id), big5);
    }
    return data;
}

void BM_MatchCatalogue(benchmark::State& state, const char* key)
{
    const auto data = MakeCatalogue(static_cast<int>(state.range(0)));
    lattice::search::MatchResult result;
    const lattice::search::Preselection rule{4, '['};
    for (auto _ : state) {
        data.Match(key, big5, result, rule);
        benchmark::DoNotOptimize(result.hits.data());
    }
    state.counters["hits"] = static_cast<double>(result.hits.size());
}

} // namespace

BENCHMARK_CAPTURE(BM_MatchCatalogue, narrowing, "1234")->Arg(131072)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_MatchCatalogue, everything, "")->Arg(131072)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_MatchNarrowing)->Arg(1000)->Arg(16384)->Arg(131072)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_MatchEverything)->Arg(1000)->Arg(16384)->Arg(131072)->Unit(benchmark::kMicrosecond);
