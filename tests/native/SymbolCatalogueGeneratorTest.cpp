#include "lattice/core/SymbolCatalogueGenerator.h"

#include <gtest/gtest.h>

#include <set>

using lattice::SymbolCatalogueGenerator;

// The benchmarks' catalogue: blocks cover every index once; past 131072 symbols IDs are six digits, all unique.
TEST(SymbolCatalogueGenerator, BlocksCoverEveryIndexAndIdsAreUniqueOfOneWidth)
{
    const std::vector<unsigned char> services = {16, 1, 109};
    SymbolCatalogueGenerator gen(131073, services);
    std::set<std::string> ids;
    for (std::size_t i = 0; i < gen.Total(); ++i)
        ASSERT_TRUE(ids.insert(gen.SymbolId(i)).second && gen.SymbolId(i).size() == 6u) << gen.SymbolId(i);
    std::size_t next = 0;
    for (std::size_t s = 0; s < services.size(); ++s) {
        ASSERT_EQ(gen.FirstOf(s), next);
        next += gen.CountOf(s);
        EXPECT_EQ(gen.ServiceOf(gen.FirstOf(s)), services[s]) << s;
        EXPECT_EQ(gen.ServiceOf(next - 1), services[s]) << s;
    }
    EXPECT_EQ(next, 131073u);
}
