// The walk over a text is checked against a character-by-character reading
// by fuzz_input_filter, with this set as its judge.
#include "lattice/core/InputFilter.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cstring>

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
