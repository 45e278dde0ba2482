// Placement rules (fit inside the frame, centring, turning, the 5 % fit,
// empty frames) are checked for any input by fuzz_placement, which pins the
// paper's place exactly; these are the fixed placements of the picture and
// the strip that the preview and the printout must reproduce.
#include "lattice/core/PrintLayout.h"

#include <gtest/gtest.h>

using namespace lattice::core;

namespace lattice::core {
std::ostream& operator<<(std::ostream& os, const IntRect& r)
{
    return os << "(" << r.left << "," << r.top << ")-(" << r.right << "," << r.bottom << ")";
}
} // namespace lattice::core

TEST(PrintLayout, PictureInItsFrameAndTheDateStrip)
{
    struct Row {
        IntRect content, frame;
        double dMargin;
        bool bStretch;
        IntRect expected;
    };
    const Row rows[] = {
        // Fitted to the width, 2 % of the fitted size off each side (the
        // frame's offset and the fit's scale are checked by fuzz_placement).
        {{0, 0, 800, 600}, {0, 0, 300, 366}, 0.02, false, {6, 4, 294, 221}},
        // Stretched: the frame minus 2 %, the aspect ratio lost.
        {{0, 0, 800, 600}, {0, 0, 300, 366}, 0.02, true, {6, 7, 294, 359}},
        // Fitted to the height when that quotient is the greater.
        {{0, 0, 600, 800}, {0, 0, 300, 300}, 0.0, false, {0, 0, 225, 300}},
        // Odd sizes truncate toward zero: 333 / (1001/333) = 110.77...
        {{0, 0, 1001, 333}, {0, 0, 333, 333}, 0.05, false, {16, 5, 317, 105}},
    };
    for (const Row& r : rows)
        EXPECT_EQ(CalcShowArea(r.content, r.frame, r.dMargin, r.bStretch), r.expected)
            << "content " << r.content << " frame " << r.frame << (r.bStretch ? " stretched" : "");

    // The date strip of an 800 x 600 picture and a 150 x 24 text, at the
    // lower right (its text is checked for every date by fuzz_placement).
    EXPECT_EQ(InformationTextRect({0, 564, 800, 600}, 150, 24), (IntRect{644, 566, 797, 595}));
}
