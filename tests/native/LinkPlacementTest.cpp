#include "lattice/core/LinkPlacement.h"

#include <gtest/gtest.h>

using lattice::core::FitLinkToText;
using lattice::core::LinkAlignment;
using lattice::core::LinkRect;

namespace {

bool operator==(const LinkRect& a, const LinkRect& b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

struct FitRow {
    LinkAlignment align;
    int textWidth, textHeight;
    LinkRect expected;
};

} // namespace

// A 100x30 window at (10,20) with a 2-pixel frame on each side (client
// 96x26): the frame is kept, and the alignment says which edges move.
TEST(LinkPlacement, AlignmentDecidesWhichEdgesMove)
{
    const LinkRect window = {10, 20, 110, 50};
    const FitRow rows[] = {
        {{false, false, false}, 40, 12, {10, 20, 54, 36}},  // left edge and top stay
        {{false, false, true}, 40, 12, {66, 20, 110, 36}},  // right edge stays
        {{false, true, false}, 40, 12, {38, 20, 82, 36}},   // both sides move by 28
        {{false, true, true}, 40, 12, {38, 20, 82, 36}},    // centre wins over right
        {{true, false, false}, 40, 12, {10, 27, 54, 43}},   // top and bottom move by 7
        {{true, true, false}, 41, 13, {37, 26, 83, 44}},    // odd differences: 55/2=27, 13/2=6
        {{false, true, false}, 200, 12, {-42, 20, 162, 36}}, // a wider text grows both sides
        {{true, false, false}, 40, 41, {10, 13, 54, 57}},   // taller: -15/2 rounds toward zero, -7
    };
    for (const FitRow& row : rows) {
        const LinkRect got = FitLinkToText(window, 96, 26, row.textWidth, row.textHeight, row.align);
        EXPECT_TRUE(got == row.expected) << "text " << row.textWidth << "x" << row.textHeight << " got "
                                         << got.left << "," << got.top << "," << got.right << "," << got.bottom;
    }
}
