#include "lattice/core/PrintLayout.h"

#include <gtest/gtest.h>

#include <random>

using namespace lattice::core;

namespace lattice::core {
std::ostream& operator<<(std::ostream& os, const IntRect& r)
{
    return os << "(" << r.left << "," << r.top << ")-(" << r.right << "," << r.bottom << ")";
}
} // namespace lattice::core

TEST(PrintLayout, PicturePlacementOnPaperAndPage)
{
    struct Row {
        IntRect content, frame;
        double dMargin;
        bool bStretch;
        IntRect expected;
    };
    const Row rows[] = {
        // Fitted to the width, 2 % off each side, at the frame's corner.
        {{0, 0, 800, 600}, {0, 0, 300, 366}, 0.02, false, {6, 4, 294, 221}},
        {{0, 0, 800, 600}, {65, 30, 365, 396}, 0.02, false, {71, 34, 359, 251}},
        // Stretched: the frame minus 2 %, the aspect ratio lost.
        {{0, 0, 800, 600}, {0, 0, 300, 366}, 0.02, true, {6, 7, 294, 359}},
        // A printer page: fitted 4800 x 3600, and stretched, with 1 %.
        {{0, 0, 800, 600}, {0, 0, 4800, 6600}, 0.01, false, {48, 36, 4752, 3564}},
        {{0, 0, 800, 600}, {0, 0, 4800, 6600}, 0.01, true, {48, 66, 4752, 6534}},
        // Fitted to the height when that quotient is the greater.
        {{0, 0, 600, 800}, {0, 0, 300, 300}, 0.0, false, {0, 0, 225, 300}},
        // Odd sizes truncate toward zero: 333 / (1001/333) = 110.77...
        {{0, 0, 1001, 333}, {0, 0, 333, 333}, 0.05, false, {16, 5, 317, 105}},
        // A frame or content without area gives an empty place at the corner.
        {{0, 0, 800, 600}, {10, 20, 10, 400}, 0.02, false, {10, 20, 10, 20}},
        {{0, 0, 0, 600}, {10, 20, 300, 400}, 0.02, false, {10, 20, 10, 20}},
        {{0, 0, 800, 600}, {10, 20, 0, 0}, 0.02, true, {10, 20, 10, 20}},
    };
    for (const Row& r : rows)
        EXPECT_EQ(CalcShowArea(r.content, r.frame, r.dMargin, r.bStretch), r.expected)
            << "content " << r.content << " frame " << r.frame << (r.bStretch ? " stretched" : "");

    // The 5 % fit, relative to (0,0) whatever the frame's position.
    EXPECT_EQ(PerfectRect({100, 100, 400, 466}, {0, 0, 800, 600}), (IntRect{15, 11, 285, 214}));
    EXPECT_EQ(PerfectRect({0, 0, 0, 0}, {0, 0, 800, 600}), (IntRect{0, 0, 0, 0}));
}

TEST(PrintLayout, PaperTurnsOnlyWhenItMustAndIsCentred)
{
    const IntRect background = {0, 41, 510, 472};
    // Portrait paper 308 x 406 in the 510 x 431 area.
    PaperPlacement portrait = PlacePaper(background, 308, 406, kOrientPortrait);
    EXPECT_EQ(portrait.paper, (IntRect{101, 53, 409, 459}));
    EXPECT_EQ(portrait.shadow, (IntRect{104, 56, 412, 462}));

    // Landscape swaps a paper taller than wide; a second landscape keeps it.
    PaperPlacement landscape = PlacePaper(background, 308, 406, kOrientLandscape);
    EXPECT_EQ(landscape.paper, (IntRect{52, 102, 458, 410}));
    EXPECT_EQ(PlacePaper(background, landscape.paper.Width(), landscape.paper.Height(), kOrientLandscape).paper,
              landscape.paper);
    // Back to portrait, and an unknown orientation leaves the paper as it is.
    EXPECT_EQ(PlacePaper(background, 406, 308, kOrientPortrait).paper, portrait.paper);
    EXPECT_EQ(PlacePaper(background, 406, 308, 0).paper, landscape.paper);

    // Halving truncates toward zero, also when the paper is larger than the area.
    EXPECT_EQ(PlacePaper({0, 0, 11, 11}, 4, 4, kOrientPortrait).paper, (IntRect{3, 3, 7, 7}));
    EXPECT_EQ(PlacePaper({0, 0, 10, 10}, 13, 13, kOrientPortrait).paper, (IntRect{-1, -1, 12, 12}));
}

TEST(PrintLayout, InformationStripIsZeroPaddedAtTheLowerRight)
{
    EXPECT_EQ(InformationStripText(2026, 1, 5, 9, 7), "2026/01/05 09:07");
    EXPECT_EQ(InformationStripText(987, 12, 31, 23, 59), "0987/12/31 23:59");
    // The strip of an 800 x 600 picture and a 150 x 24 text.
    EXPECT_EQ(InformationTextRect({0, 564, 800, 600}, 150, 24), (IntRect{644, 566, 797, 595}));
}

TEST(PrintLayout, FittedPictureNeverLeavesItsFrame)
{
    std::mt19937 rng(12);
    std::uniform_int_distribution<int> size(1, 5000), pos(-2000, 2000);
    std::uniform_real_distribution<double> margin(0.0, 0.4);
    for (int i = 0; i < 20000; ++i) {
        const IntRect content = {0, 0, size(rng), size(rng)};
        const int x = pos(rng), y = pos(rng);
        const IntRect frame = {x, y, x + size(rng), y + size(rng)};
        const bool bStretch = (i & 1) != 0;
        const IntRect r = CalcShowArea(content, frame, margin(rng), bStretch);
        ASSERT_TRUE(r.left >= frame.left && r.top >= frame.top && r.right <= frame.right &&
                    r.bottom <= frame.bottom && r.left <= r.right && r.top <= r.bottom)
            << "content " << content << " frame " << frame << " gave " << r;
        // Unstretched, one side of the fitted size reaches the frame, within
        // a pixel of the double division.
        if (!bStretch) {
            const IntRect fitted = CalcShowArea(content, frame, 0.0, false);
            ASSERT_TRUE(fitted.Width() >= frame.Width() - 1 || fitted.Height() >= frame.Height() - 1)
                << "content " << content << " frame " << frame << " gave " << fitted;
        }
    }
}
