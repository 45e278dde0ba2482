#include "lattice/core/MbcsText.h"

#include <gtest/gtest.h>

#include <string>

namespace mbcs = lattice::mbcs;

namespace {

const lattice::LeadByteTable& big5 = lattice::LeadByteTable::Cp950();
// Big5 characters: kTai's trail byte is 'x', kJi's is 'A', kDian's is 'q'; both of kGong's bytes are lead-capable.
const std::string kTai = "\xA5\x78", kJi = "\xA5\x41", kDian = "\xB9\x71", kGong = "\xA4\xBD";

TEST(MbcsText, UpperCasingChangesOnlySingleByteLetters)
{
    std::string s = "abc xyz 09 @[`{" + kTai + "a" + kDian + "q" + kGong + kTai;
    mbcs::MakeUpper(s.data(), s.size(), big5);
    EXPECT_EQ(s, "ABC XYZ 09 @[`{" + kTai + "A" + kDian + "Q" + kGong + kTai);
    // A lone lead byte at the end stands alone and nothing past it is touched.
    std::string withGuard = "a\xA5" "a";
    mbcs::MakeUpper(withGuard.data(), 2, big5);
    EXPECT_EQ(withGuard, "A\xA5" "a");
}

TEST(MbcsText, FindNeverStartsOnATrailByte)
{
    const struct {
        std::string text, needle;
        std::size_t start, expected;
    } rows[] = {
        {"abc", "", 3, 3},
        {"abc", "", 4, mbcs::npos},
        {"ab", "abc", 0, mbcs::npos},
        {kTai, "x", 0, mbcs::npos},
        {kTai + "ax", "x", 0, 3},
        {kTai + "x", "x", 1, 2}, // a start on a trail byte does not make it a character start
        {kJi + "B", "AB", 0, mbcs::npos},
        {kGong + kGong + kTai, kTai, 0, 4},
        {kGong + kGong, "\xBD\xA4", 0, mbcs::npos},
        {"ab\xA5", "\xA5", 0, 2}, // a lone lead byte at the end stands alone
    };
    for (const auto& row : rows)
        EXPECT_EQ(mbcs::Find(row.text, row.needle, row.start, big5), row.expected) << "needle " << row.needle;
}

TEST(MbcsText, FindAgreesWithACharacterWalk)
{
    std::string text;
    for (int i = 0; i < 600; ++i)
        text.push_back(static_cast<char>((i * 131 + 7) % 256));
    for (int b = 0; b < 256; ++b) {
        const char c = static_cast<char>(b);
        std::size_t expected = mbcs::npos;
        for (std::size_t i = 0; i < text.size() && expected == mbcs::npos; i += big5.IsLead(text[i]) ? 2 : 1)
            expected = text[i] == c ? i : mbcs::npos;
        EXPECT_EQ(mbcs::Find(text, std::string(1, c), 0, big5), expected) << "byte " << b;
    }
}

TEST(MbcsText, FindByteAndFindBytePairScanEveryAlignmentButNotPastTheEnd)
{
    std::string text; // lone halves of the pair everywhere: only the whole pair is found
    for (int i = 0; i < 20; ++i)
        text += i % 3 == 0 ? "\x80." : ".\x81";
    for (std::size_t at = 0; at + 1 < text.size(); ++at) {
        std::string t = text;
        t[at] = '\x7F';
        EXPECT_EQ(mbcs::FindByte(t.data(), t.size(), '\x7F'), at);
        EXPECT_EQ(mbcs::FindByte(t.data(), at, '\x7F'), mbcs::npos);
        t[at] = '\x80';
        t[at + 1] = '\x81';
        EXPECT_EQ(mbcs::FindBytePair(t.data(), t.size(), '\x80', '\x81'), at);
        EXPECT_EQ(mbcs::FindBytePair(t.data(), at + 1, '\x80', '\x81'), mbcs::npos);
    }
}

TEST(MbcsText, CompareUsesUnsignedByteOrder)
{
    EXPECT_LT(mbcs::Compare("ABC", "abc"), 0);
    EXPECT_GT(mbcs::Compare(kTai, "z"), 0);
    EXPECT_LT(mbcs::Compare(kGong, kTai), 0);
}

} // namespace
