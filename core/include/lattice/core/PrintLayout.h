// Placement arithmetic of the print preview, apart from any window: where a
// picture sits in a frame (on the simulated paper or on a printer page), and
// where the paper and its shadow sit in the gray preview area.
#pragma once

#include <string>

namespace lattice::core {

// A rectangle as Windows keeps it: right and bottom are exclusive.
struct IntRect {
    int left;
    int top;
    int right;
    int bottom;

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool operator==(const IntRect& other) const
    {
        return left == other.left && top == other.top && right == other.right && bottom == other.bottom;
    }
};

// The picture's place in a frame. Stretched, it fills the frame; otherwise it
// keeps the content's aspect ratio at the largest size that fits. Either way
// dMargin of the fitted width and height (truncated) comes off each side, and
// the result sits at the frame's top-left corner, not centred. A frame or a
// content without area gives an empty rectangle at the frame's corner.
IntRect CalcShowArea(const IntRect& content, const IntRect& frame, double dMargin, bool bStretch);

// The content fitted into the frame the same way, with a 5 % margin, relative
// to (0,0): (mx, my, fittedWidth - mx, fittedHeight - my).
IntRect PerfectRect(const IntRect& frame, const IntRect& content);

// Paper orientations as a printer's settings hold them.
const short kOrientPortrait = 1;
const short kOrientLandscape = 2;

struct PaperPlacement {
    IntRect paper;
    IntRect shadow; // the paper moved by (3, 3)
};

// The paper, of the size nPaperWidth x nPaperHeight, turned to the
// orientation (portrait makes it at least as tall as wide, landscape at
// least as wide as tall, any other value leaves it) and centred in the
// background, halving with truncation toward zero.
PaperPlacement PlacePaper(const IntRect& background, int nPaperWidth, int nPaperHeight, short nOrientation);

// The information strip below a picture: the local date and time as
// "2026/01/05 09:07", and where that text goes in the strip rc for a text
// of cx x cy pixels (the lower right corner, a few pixels in).
std::string InformationStripText(int nYear, int nMonth, int nDay, int nHour, int nMinute);
IntRect InformationTextRect(const IntRect& rc, int cx, int cy);

} // namespace lattice::core
