#include "lattice/core/InputFilter.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cstring>
#include <string>

using namespace lattice::core;

TEST(InputFilter, AcceptedSetOverEveryByteValue)
{
    for (int c = 0; c < 128; ++c) {
        const bool expected = c == 8 || isalnum(c) || (c != 0 && std::strchr("()-_", c) != nullptr);
        EXPECT_EQ(IsAllowedInputChar(c), expected) << "char " << c;
    }
    for (int c : {-128, -1, 128, 255}) // outside 0..127: a signed char's high bytes, wide values
        EXPECT_TRUE(IsAllowedInputChar(c)) << "char " << c;
}

TEST(InputFilter, WalkSkipsDoubleByteCharactersWholeAndStopsAtTheFirstRefusal)
{
    const std::pair<std::string, std::size_t> rows[] = {
        {"", kNoRefusedByte},     {"Ab_09-(x)", kNoRefusedByte}, {"ab c", 2}, {"a.b/c", 1},
        {"\xA4\x40\xA1\x7E", kNoRefusedByte}, // Big5 characters with the trail bytes '@' and '~'
        {"\xA4\x40@", 2},         // the same byte standing alone is refused
        {"x\xA4", kNoRefusedByte}, // a lead byte at the end stands alone
        {"\x81\x20 ", 2},         // only the one byte after the lead is skipped
        {std::string("a\0b", 3), 1},
    };
    for (const auto& [text, refusedAt] : rows)
        EXPECT_EQ(FindRefusedByte(text.data(), text.size(), IsAllowedInputChar), refusedAt) << text;

    std::string asked; // a derived edit's wider set is asked for every single byte
    const auto widened = [&](int c) { return asked += static_cast<char>(c), c == '.' || IsAllowedInputChar(c); };
    EXPECT_EQ(FindRefusedByte("1.5\xA4\x40 m", 7, widened), 5u);
    EXPECT_EQ(asked, "1.5 ");
}
