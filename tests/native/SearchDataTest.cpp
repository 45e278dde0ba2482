#include "lattice/core/SearchData.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace search = lattice::search;
using lattice::LeadByteTable;

namespace {

const LeadByteTable& big5 = LeadByteTable::Cp950();

// Big5 characters as bytes.
const std::string kTai = "\xA5\x78";  // trail byte 'x'
const std::string kJi = "\xA5\x41";   // trail byte 'A'
const std::string kGong = "\xA4\xBD"; // both bytes lead-capable

std::vector<std::string> Sorted(std::vector<std::string> data)
{
    search::SortUniqueByBytes(data, [](const std::string& s) { return std::string_view(s); });
    return data;
}

TEST(SearchData, SortingIsStrictlyAscendingByBytes)
{
    struct Row {
        std::vector<std::string> in, out;
    };
    const Row rows[] = {
        {{}, {}},
        {{"b", "a", "b", "A"}, {"A", "a", "b"}},
        {{"abc", "ABC", "abc", "ab"}, {"ABC", "ab", "abc"}},
        {{"", "", "a"}, {"", "a"}},
        // Big5 lead bytes are above every ASCII byte.
        {{kTai, "z", kGong, kTai}, {"z", kGong, kTai}},
        {{kJi + "1", kJi}, {kJi, kJi + "1"}},
    };
    for (const Row& row : rows)
        EXPECT_EQ(Sorted(row.in), row.out) << "first input: " << (row.in.empty() ? "<none>" : row.in[0]);
}

struct MatchRow {
    std::vector<std::string> data;
    std::string typed;
    std::vector<std::uint32_t> hits;
    std::size_t prefix;
};

constexpr std::size_t kNone = search::MatchResult::kNone;

TEST(SearchData, MatchingFindsContainedTextWithoutRegardToCase)
{
    const MatchRow rows[] = {
        {{"xab", "abc", "ab"}, "ab", {0, 1, 2}, 1},
        {{"ab", "abx"}, "a", {0, 1}, 0},
        {{"xab"}, "ab", {0}, kNone},
        {{"Apple", "banana", "APRICOT"}, "ap", {0, 2}, 0},
        {{"q", "w"}, "", {0, 1}, 0},
        {{"q", "w"}, "e", {}, kNone},
        {{}, "", {}, kNone},
        // Trail bytes are not matches: the 'x' of kTai, the 'A' of kJi.
        {{kTai, kJi, "x" + kTai}, "x", {2}, 2},
        {{kTai + "a", kJi + "A"}, "a", {0, 1}, kNone},
        // A Big5 character matches itself, also inside a longer text.
        {{"1" + kGong, kGong + kTai, kTai}, kGong, {0, 1}, 1},
        // A lone lead byte at the end stands alone.
        {{"ab\xA5", "\xA5"}, "\xA5", {0, 1}, 1},
        // A key longer than the string.
        {{"ab"}, "abc", {}, kNone},
    };
    for (const MatchRow& row : rows) {
        search::UpperCasedData data;
        for (const std::string& s : row.data)
            data.Add(s, big5);
        search::MatchResult result;
        data.Match(search::UpperCopy(row.typed, big5), big5, result);
        EXPECT_EQ(result.hits, row.hits) << "typed \"" << row.typed << "\"";
        EXPECT_EQ(result.prefixIndex, row.prefix) << "typed \"" << row.typed << "\"";
    }
}

TEST(SearchData, KeepsEachStringUpperCasedAndTerminated)
{
    search::UpperCasedData data;
    data.Add("xab", big5);
    data.Add("", big5);
    data.Add(kTai + "q", big5);
    ASSERT_EQ(data.Size(), 3u);
    EXPECT_EQ(data.At(0), "XAB");
    EXPECT_EQ(data.At(1), "");
    EXPECT_EQ(data.At(2), kTai + "Q");
    EXPECT_STREQ(data.CStr(0), "XAB");
    EXPECT_STREQ(data.CStr(1), "");
    data.Clear();
    EXPECT_EQ(data.Size(), 0u);
}

TEST(SearchData, LargeAndOddInputs)
{
    search::UpperCasedData data;
    const std::string longText(1 << 20, 'a');
    data.Add(longText + "Z", big5);
    data.Add(std::string(1, '\xA5'), big5);
    search::MatchResult result;
    data.Match("AZ", big5, result);
    EXPECT_EQ(result.hits, (std::vector<std::uint32_t>{0}));
    data.Match(longText, big5, result); // lower-case key finds nothing
    EXPECT_TRUE(result.hits.empty());

    search::UpperCasedData many;
    many.Reserve(1000000, 8000000);
    for (int i = 0; i < 1000000; ++i)
        many.Add(std::to_string(i), big5);
    many.Match("99999", big5, result);
    EXPECT_EQ(result.hits.size(), 19u); // 99999, x99999 and 99999x
    EXPECT_EQ(result.prefixIndex, 99999u);
}

} // namespace
