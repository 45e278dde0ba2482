#include "lattice/core/SearchData.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace search = lattice::search;

namespace {

const lattice::LeadByteTable& big5 = lattice::LeadByteTable::Cp950();
// Big5 characters: kTai's trail byte is 'x', kJi's is 'A'; both of kGong's bytes are lead-capable.
const std::string kTai = "\xA5\x78", kJi = "\xA5\x41", kGong = "\xA4\xBD";
constexpr std::size_t kNone = search::MatchResult::kNone;

TEST(SearchData, SortingIsStrictlyAscendingByBytesWithDuplicatesDropped)
{
    const std::vector<std::string> rows[][2] = {
        {{}, {}},
        {{"b", "a", "b", "A"}, {"A", "a", "b"}},
        {{"abc", "ABC", "abc", "ab"}, {"ABC", "ab", "abc"}},
        {{"", "", "a"}, {"", "a"}},
        {{kTai, "z", kGong, kTai}, {"z", kGong, kTai}}, // Big5 lead bytes are above ASCII
        {{kJi + "1", kJi}, {kJi, kJi + "1"}},
    };
    for (const auto& row : rows) {
        std::vector<std::string> data = row[0];
        search::SortUniqueByBytes(data, [](const std::string& s) { return std::string_view(s); });
        EXPECT_EQ(data, row[1]) << "first input: " << (row[0].empty() ? "<none>" : row[0][0]);
    }
}

TEST(SearchData, MatchingIsCaseBlindAndNeverStartsOnATrailByte)
{
    const std::string longText(1 << 20, 'a');
    const struct {
        std::vector<std::string> data;
        std::string typed;
        std::vector<std::uint32_t> hits;
        std::size_t prefix;
    } rows[] = {
        {{"xab", "abc", "ab"}, "ab", {0, 1, 2}, 1},
        {{"ab", "abx"}, "a", {0, 1}, 0},
        {{"xab"}, "ab", {0}, kNone},
        {{"Apple", "banana", "APRICOT"}, "ap", {0, 2}, 0},
        {{"q", "w"}, "", {0, 1}, 0},
        {{"q", "w"}, "e", {}, kNone},
        {{}, "", {}, kNone},
        {{kTai, kJi, "x" + kTai}, "x", {2}, 2},             // trail bytes are not matches
        {{kTai + "a", kJi + "A"}, "a", {0, 1}, kNone},
        {{"1" + kGong, kGong + kTai, kTai}, kGong, {0, 1}, 1}, // a Big5 character matches itself
        {{"ab\xA5", "\xA5"}, "\xA5", {0, 1}, 1},             // a lone lead byte at the end stands alone
        {{"ab"}, "abc", {}, kNone},                           // key longer than the string
        {{longText + "Z", "\xA5"}, "az", {0}, kNone},
    };
    for (const auto& row : rows) {
        search::UpperCasedData data;
        for (const std::string& s : row.data)
            data.Add(s, big5);
        search::MatchResult result;
        data.Match(search::UpperCopy(row.typed, big5), big5, result);
        EXPECT_EQ(result.hits, row.hits) << "typed \"" << row.typed.substr(0, 20) << "\"";
        EXPECT_EQ(result.preselectIndex, row.prefix) << "typed \"" << row.typed.substr(0, 20) << "\"";
    }
}

TEST(SearchData, CatalogueRulePreselectsTheFirstBracketedLineMatchedAtByteFour)
{
    const std::string kTrailBracket = "\xA4\x5B"; // a Big5 character whose second byte is '['
    search::UpperCasedData data;
    for (const std::string& s : {"[" + kTai + "]9999    2330x", std::string("2330 abc"), std::string("abcd2330"),
                                 kTrailBracket + "ab2330", "[" + kTai + "]2330    " + kGong, "[" + kTai + "]2330"})
        data.Add(s, big5);
    search::MatchResult result;
    const search::Preselection rule{4, '['};
    data.Match("2330", big5, result, rule);
    EXPECT_EQ(result.hits, (std::vector<std::uint32_t>{0, 1, 2, 3, 4, 5}));
    EXPECT_EQ(result.preselectIndex, 4u);
    data.Match("", big5, result, rule); // everything listed, nothing at byte 4
    EXPECT_EQ(result.hits.size(), 6u);
    EXPECT_EQ(result.preselectIndex, kNone);
}

TEST(SearchData, StoresUpperCasedTerminatedStringsAndScalesToAMillion)
{
    search::UpperCasedData data;
    for (const std::string& s : {std::string("xab"), std::string(), kTai + "q"})
        data.Add(s, big5);
    ASSERT_EQ(data.Size(), 3u);
    EXPECT_EQ(data.At(2), kTai + "Q");
    EXPECT_STREQ(data.CStr(0), "XAB");
    EXPECT_STREQ(data.CStr(1), "");
    search::MatchResult result;
    data.Match("xab", big5, result); // the key is expected upper-cased already
    EXPECT_TRUE(result.hits.empty());
    data.Clear();
    data.Reserve(1000000, 8000000);
    for (int i = 0; i < 1000000; ++i)
        data.Add(std::to_string(i), big5);
    data.Match("99999", big5, result);
    EXPECT_EQ(result.hits.size(), 19u); // 99999, x99999 and 99999x
    EXPECT_EQ(result.preselectIndex, 99999u);
}

} // namespace
