#include "lattice/core/InputFilter.h"

#include <gtest/gtest.h>

#include <string>

using namespace lattice::core;

TEST(InputFilter, AcceptedSetOverEveryByteValue)
{
    // Every value 0..127 against the set written out by character class.
    const std::string kAllowedPunctuation = "()-_";
    for (int c = 0; c < 128; ++c) {
        const bool expected = c == 8 || (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') ||
                              (c >= 'a' && c <= 'z') || kAllowedPunctuation.find(static_cast<char>(c)) != std::string::npos;
        EXPECT_EQ(IsAllowedInputChar(c), expected) << "char " << c;
    }
    // Values outside 0..127 (a signed char's negative bytes, wide values) pass.
    for (int c : {-128, -1, 128, 255, 0x10000})
        EXPECT_TRUE(IsAllowedInputChar(c)) << "char " << c;
}

TEST(InputFilter, WalkSkipsDoubleByteCharactersWholeAndStopsAtTheFirstRefusal)
{
    struct Row { std::string text; std::size_t refusedAt; };
    const Row rows[] = {
        {"", kNoRefusedByte},
        {"Ab_09-(x)", kNoRefusedByte},
        {"ab c", 2},
        {"a.b/c", 1},
        {"\xA4\x40", kNoRefusedByte},      // Big5 character with the trail byte '@'
        {"\xA1\x7E\xA5\x5C", kNoRefusedByte}, // trail bytes '~' and '\\'
        {"\xA4\x40@", 2},                  // the same byte standing alone is refused
        {"x\xA4", kNoRefusedByte},         // a lead byte at the end stands alone
        {"\x81\x20 ", 2},                  // only the byte after the lead is skipped
        {std::string("a\0b", 3), 1},       // an embedded zero is a refused byte
    };
    for (const Row& r : rows)
        EXPECT_EQ(FindRefusedByte(r.text.data(), r.text.size(), IsAllowedInputChar), r.refusedAt)
            << "text \"" << r.text << "\"";

    // A wider set, as a derived edit would give, is asked for every single byte.
    std::string asked;
    const auto widened = [&](int c) { asked += static_cast<char>(c); return c == '.' || IsAllowedInputChar(c); };
    EXPECT_EQ(FindRefusedByte("1.5\xA4\x40 m", 7, widened), 5u);
    EXPECT_EQ(asked, "1.5 ");
}
