#include "lattice/core/SymbolCatalogueGenerator.h"

#include <gtest/gtest.h>

#include <set>

using lattice::SymbolCatalogueGenerator;

TEST(SymbolCatalogueGenerator, BlocksCoverEveryIndexOnceWithRemainderToTheFirstServices)
{
    struct Row {
        std::size_t total;
        std::size_t services;
    } rows[] = {{0, 3}, {1, 3}, {2, 3}, {10, 3}, {131072, 4}, {131073, 4}, {200000, 7}};
    for (const Row& row : rows) {
        std::vector<unsigned char> services;
        for (std::size_t s = 0; s < row.services; ++s)
            services.push_back(static_cast<unsigned char>(s + 1));
        SymbolCatalogueGenerator gen(row.total, services);

        std::size_t sum = 0;
        for (std::size_t s = 0; s < row.services; ++s) {
            EXPECT_EQ(gen.FirstOf(s), sum) << row.total;
            sum += gen.CountOf(s);
            if (s > 0)
                EXPECT_LE(gen.CountOf(s), gen.CountOf(s - 1)) << row.total;
            EXPECT_LE(gen.CountOf(0) - gen.CountOf(s), 1u) << row.total;
            // ServiceOf agrees with the block bounds at both ends of a block.
            if (gen.CountOf(s) > 0) {
                EXPECT_EQ(gen.ServiceOf(gen.FirstOf(s)), services[s]) << row.total;
                EXPECT_EQ(gen.ServiceOf(gen.FirstOf(s) + gen.CountOf(s) - 1), services[s]) << row.total;
            }
        }
        EXPECT_EQ(sum, row.total);
    }
}

TEST(SymbolCatalogueGenerator, IdsAreUniqueOfOneWidthAndNamesCarryThem)
{
    SymbolCatalogueGenerator small(10, {16});
    EXPECT_EQ(small.SymbolId(0), "0000");
    EXPECT_EQ(small.SymbolId(9), "0009");

    // Past 131072 symbols the IDs grow to six digits, all alike in width.
    SymbolCatalogueGenerator big(131073, {16, 1, 109});
    EXPECT_EQ(big.IdWidth(), 6u);
    EXPECT_EQ(big.SymbolId(131072), "131072");
    std::set<std::string> seen;
    for (std::size_t i = 0; i < big.Total(); ++i) {
        std::string id = big.SymbolId(i);
        ASSERT_EQ(id.size(), 6u);
        ASSERT_TRUE(seen.insert(id).second) << id;
    }

    SymbolCatalogueGenerator million(1000001, {16});
    EXPECT_EQ(million.SymbolId(1000000), "1000000");
    EXPECT_EQ(million.SymbolId(7), "0000007");

    std::string name = big.SymbolName(6);
    EXPECT_EQ(name, "\xE5\x8D\x8A\xE5\xB0\x8E\xE9\xAB\x94" "000006"); // 半導體000006
    EXPECT_EQ(big.SymbolName(6), SymbolCatalogueGenerator(131073, {16, 1, 109}).SymbolName(6));
}
