#include "lattice/core/MbcsText.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace mbcs = lattice::mbcs;
using lattice::LeadByteTable;

namespace {

const LeadByteTable& big5 = LeadByteTable::Cp950();

// Big5 characters used below, written as bytes.
const std::string kTai = "\xA5\x78";   // trail byte 'x'
const std::string kJi = "\xA5\x41";    // trail byte 'A'
const std::string kDian = "\xB9\x71";  // trail byte 'q'
const std::string kGong = "\xA4\xBD";  // both bytes lead-capable

std::string Upper(std::string s)
{
    mbcs::MakeUpper(s.data(), s.size(), big5);
    return s;
}

TEST(MbcsText, UpperCasingChangesOnlySingleByteLetters)
{
    EXPECT_EQ(Upper("abc xyz 09 @[`{"), "ABC XYZ 09 @[`{");
    EXPECT_EQ(Upper(kTai + "a" + kDian + "q"), kTai + "A" + kDian + "Q");
    EXPECT_EQ(Upper(kGong + kTai), kGong + kTai);
    // A lone lead byte at the end stands alone and nothing past it is touched.
    std::string withGuard = "a\xA5" "a";
    mbcs::MakeUpper(withGuard.data(), 2, big5);
    EXPECT_EQ(withGuard, "A\xA5" "a");
    // Without lead bytes every byte is a character.
    std::string single = kTai;
    mbcs::MakeUpper(single.data(), single.size(), LeadByteTable());
    EXPECT_EQ(single, "\xA5X");
}

struct FindCase {
    const char* name;
    std::string text;
    std::string needle;
    std::size_t start;
    std::size_t expected;
};

TEST(MbcsText, FindNeverStartsOnATrailByte)
{
    const std::vector<FindCase> cases = {
        {"plain", "hello world", "world", 0, 6},
        {"from start", "abcabc", "abc", 1, 3},
        {"empty needle", "abc", "", 2, 2},
        {"empty needle at end", "abc", "", 3, 3},
        {"start past end", "abc", "", 4, mbcs::npos},
        {"needle longer", "ab", "abc", 0, mbcs::npos},
        {"trail byte equals needle", kTai, "x", 0, mbcs::npos},
        {"trail then real", kTai + "x", "x", 0, 2},
        {"trail starts a longer needle", kJi + "B", "AB", 0, mbcs::npos},
        {"pairs of lead-capable bytes", kGong + kGong + kTai, kTai, 0, 4},
        {"needle across a pair boundary", kGong + kGong, "\xBD\xA4", 0, mbcs::npos},
        {"double-byte needle", "ab" + kDian + "cd", kDian, 0, 2},
        {"lone lead byte at end", "ab\xA5", "\xA5", 0, 2},
        {"after a skipped trail", kTai + "ax", "x", 0, 3},
    };
    for (const FindCase& c : cases)
        EXPECT_EQ(mbcs::Find(c.text, c.needle, c.start, big5), c.expected) << c.name;
}

TEST(MbcsText, FindCountsCharactersFromTheStartOfTheText)
{
    // Starting the search on a trail byte does not make it a character start.
    const std::string text = kTai + "x";
    EXPECT_EQ(mbcs::Find(text, "x", 1, big5), 2u);
}

TEST(MbcsText, FindAgreesWithACharacterWalk)
{
    // Every byte value as text and needle: compare with a walk that steps
    // over whole characters from the start.
    std::string text;
    for (int i = 0; i < 600; ++i)
        text.push_back(static_cast<char>((i * 131 + 7) % 256));
    for (int b = 0; b < 256; ++b) {
        const std::string needle(1, static_cast<char>(b));
        std::size_t expected = mbcs::npos;
        for (std::size_t i = 0; i < text.size(); i += big5.IsLead(text[i]) ? 2 : 1) {
            if (text[i] == needle[0]) {
                expected = i;
                break;
            }
        }
        EXPECT_EQ(mbcs::Find(text, needle, 0, big5), expected) << "byte " << b;
    }
}

TEST(MbcsText, FindByteAndFindBytePairScanEveryAlignment)
{
    // Lone halves of the pair everywhere: only the whole pair is found.
    std::string text;
    for (int i = 0; i < 20; ++i)
        text += i % 3 == 0 ? "\x80." : ".\x81";
    for (std::size_t at = 0; at + 1 < text.size(); ++at) {
        std::string t = text;
        t[at] = '\x7F';
        EXPECT_EQ(mbcs::FindByte(t.data(), t.size(), '\x7F'), at);
        EXPECT_EQ(mbcs::FindByte(t.data(), at, '\x7F'), mbcs::npos);
        t[at + 1] = '\x81';
        t[at] = '\x80';
        EXPECT_EQ(mbcs::FindBytePair(t.data(), t.size(), '\x80', '\x81'), at);
        EXPECT_EQ(mbcs::FindBytePair(t.data(), at + 1, '\x80', '\x81'), mbcs::npos) << "the pair is cut off";
    }
    EXPECT_EQ(mbcs::FindBytePair("a", 1, 'a', 'a'), mbcs::npos);
}

TEST(MbcsText, CompareUsesUnsignedByteOrder)
{
    EXPECT_LT(mbcs::Compare("ABC", "abc"), 0);
    EXPECT_LT(mbcs::Compare("ab", "abc"), 0);
    EXPECT_GT(mbcs::Compare("b", "abc"), 0);
    EXPECT_EQ(mbcs::Compare("", ""), 0);
    EXPECT_GT(mbcs::Compare(kTai, "z"), 0);
    EXPECT_LT(mbcs::Compare(kGong, kTai), 0);
}

} // namespace
