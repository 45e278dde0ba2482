#include "lattice/core/SearchData.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace search = lattice::search;

namespace {

const lattice::LeadByteTable& big5 = lattice::LeadByteTable::Cp950();
// Big5 characters: the trail bytes of kTai, kJi and kBracket are 'x', 'A' and '['; both of kGong's bytes lead.
const std::string kTai = "\xA5\x78", kJi = "\xA5\x41", kBracket = "\xA4\x5B", kGong = "\xA4\xBD";
constexpr std::size_t kNone = search::MatchResult::kNone;

TEST(SearchData, SortingIsStrictlyAscendingByBytesWithDuplicatesDropped)
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

TEST(SearchData, MatchingIsCaseBlindAndNeverStartsOnATrailByte)
{
    const struct {
        std::vector<std::string> data;
        std::string typed;
        std::vector<std::uint32_t> hits;
        std::size_t prefix;
    } rows[] = {
        {{"xab", "abc", "ab"}, "ab", {0, 1, 2}, 1},
        {{"Apple", "banana", "APRICOT"}, "ap", {0, 2}, 0},
        {{"q", "w"}, "", {0, 1}, 0},
        {{}, "", {}, kNone},
        {{kTai, kJi, "x" + kTai}, "x", {2}, 2},             // trail bytes are not matches
        {{kTai + "a", kJi + "A"}, "a", {0, 1}, kNone},
        {{"1" + kGong, kGong + kTai, kTai}, kGong, {0, 1}, 1}, // a Big5 character matches itself
        {{"ab\xA5", "\xA5"}, "\xA5", {0, 1}, 1},             // a lone lead byte at the end stands alone
        {{"ab"}, "abc", {}, kNone},                           // key longer than the string
    };
    for (const auto& row : rows) {
        search::UpperCasedData data;
        for (const std::string& s : row.data)
            data.Add(s, big5);
        search::MatchResult result;
        data.Match(search::UpperCopy(row.typed, big5), big5, result);
        EXPECT_EQ(result.hits, row.hits) << "typed \"" << row.typed << "\"";
        EXPECT_EQ(result.preselectIndex, row.prefix) << "typed \"" << row.typed << "\"";
    }
}

TEST(SearchData, CatalogueRulePreselectsTheFirstBracketedLineMatchedAtByteFour)
{
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
    EXPECT_EQ(result.preselectIndex, kNone);
}

} // namespace
