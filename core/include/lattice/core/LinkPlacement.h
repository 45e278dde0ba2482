// Arithmetic of the hyperlink control apart from any window: the rectangle
// that fits a link's window to its text, keeping the edge or centre that the
// static control's alignment style names.
#pragma once

namespace lattice::core {

struct LinkRect {
    int left;
    int top;
    int right;
    int bottom;
};

// Which alignment styles the static control carries.
struct LinkAlignment {
    bool bCenterImage; // SS_CENTERIMAGE: centred vertically
    bool bCenter;      // SS_CENTER: centred horizontally (wins over bRight)
    bool bRight;       // SS_RIGHT: right-aligned
};

// The window rectangle (parent coordinates) that fits a text of
// textWidth x textHeight, given the current window rectangle and client
// size; the frame (window minus client) is kept. A centred axis moves both
// edges by half the difference, halved as a signed integer rounding toward
// zero, so an odd difference leaves the window one pixel off the exact fit.
// Otherwise the top edge stays, and the left edge stays unless the text is
// right-aligned, in which case the right edge stays.
LinkRect FitLinkToText(const LinkRect& window, int clientWidth, int clientHeight, int textWidth,
                       int textHeight, const LinkAlignment& align);

} // namespace lattice::core
