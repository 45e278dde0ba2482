// Matching, preselection and the stored upper-cased strings are checked
// against a plain reference search by fuzz_search_match (its seed
// catalogue_rule is the catalogue's own rule); this is the sort.
#include "lattice/core/SearchData.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace search = lattice::search;

namespace {

// Big5 characters: kTai's trail byte is 'x'; both of kGong's bytes lead.
const std::string kTai = "\xA5\x78", kGong = "\xA4\xBD";

TEST(SearchData, SortIsByBytesAndDropsExactDuplicates)
{
    const std::vector<std::string> rows[][2] = {
        {{}, {}},
        {{"abc", "b", "", "ABC", "a", "abc", "ab", "", "b", "A"}, {"", "A", "ABC", "a", "ab", "abc", "b"}},
        {{kTai, "z", kGong, kTai}, {"z", kGong, kTai}}, // Big5 lead bytes are above ASCII
    };
    for (const auto& row : rows) {
        std::vector<std::string> data = row[0];
        search::SortUniqueByBytes(data, [](const std::string& s) { return std::string_view(s); });
        EXPECT_EQ(data, row[1]) << "first input: " << (row[0].empty() ? "<none>" : row[0][0]);
    }
}

} // namespace
