// Matching and preselection are checked against a plain reference search
// by fuzz_search_match; these are the sort and the catalogue's own rule.
#include "lattice/core/SearchData.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace search = lattice::search;

namespace {

const lattice::LeadByteTable& big5 = lattice::LeadByteTable::Cp950();
// Big5 characters: the trail bytes of kTai and kBracket are 'x' and '['; both of kGong's bytes lead.
const std::string kTai = "\xA5\x78", kBracket = "\xA4\x5B", kGong = "\xA4\xBD";

TEST(SearchData, SortingAndTheCatalogueRule)
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

    // The catalogue's rule preselects the first bracketed line matched at byte four.
    search::UpperCasedData data;
    for (const std::string& s : {"[" + kTai + "]9999    2330x", std::string("2330 abc"), std::string("abcd2330"),
                                 kBracket + "ab2330", "[" + kTai + "]2330    " + kGong, "[" + kTai + "]2330"})
        data.Add(s, big5);
    search::MatchResult result;
    data.Match("2330", big5, result, {4, '['});
    EXPECT_EQ(result.hits, (std::vector<std::uint32_t>{0, 1, 2, 3, 4, 5}));
    EXPECT_EQ(result.preselectIndex, 4u);
    EXPECT_STREQ(data.CStr(1), "2330 ABC"); // stored upper-cased and terminated
    data.Match("", big5, result, {4, '['}); // everything listed, nothing at byte 4
    EXPECT_EQ(result.preselectIndex, search::MatchResult::kNone);
}

} // namespace
