// Every function is checked against a plain reference for arbitrary bytes by
// fuzz_mbcs_text; these rows pin the cases real Big5 text brings.
#include "lattice/core/MbcsText.h"

#include <gtest/gtest.h>

#include <string>

namespace mbcs = lattice::mbcs;

namespace {

const lattice::LeadByteTable& big5 = lattice::LeadByteTable::Cp950();
// Big5 characters: kTai's trail byte is 'x', kJi's is 'A', kDian's is 'q'; both of kGong's bytes are lead-capable.
const std::string kTai = "\xA5\x78", kJi = "\xA5\x41", kDian = "\xB9\x71", kGong = "\xA4\xBD";

TEST(MbcsText, TrailBytesAreNeitherUpperCasedNorFound)
{
    std::string s = "abc xyz 09 @[`{" + kTai + "a" + kDian + "q" + kGong + kTai;
    mbcs::MakeUpper(s.data(), s.size(), big5);
    EXPECT_EQ(s, "ABC XYZ 09 @[`{" + kTai + "A" + kDian + "Q" + kGong + kTai);

    const struct {
        std::string text, needle;
        std::size_t start, expected;
    } rows[] = {
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

} // namespace
