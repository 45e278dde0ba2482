#include "lattice/core/LinkPlacement.h"

namespace lattice::core {

namespace {

// Moves both edges toward each other by half of (current - wanted); a
// negative half grows the span. C++ division rounds toward zero.
void CentreSpan(int& nLow, int& nHigh, int nWanted)
{
    const int nHalf = ((nHigh - nLow) - nWanted) / 2;
    nLow += nHalf;
    nHigh -= nHalf;
}

} // namespace

LinkRect FitLinkToText(const LinkRect& window, int clientWidth, int clientHeight, int textWidth,
                       int textHeight, const LinkAlignment& align)
{
    LinkRect rc = window;
    const int nWidth = textWidth + (window.right - window.left) - clientWidth;
    const int nHeight = textHeight + (window.bottom - window.top) - clientHeight;

    if (align.bCenterImage)
        CentreSpan(rc.top, rc.bottom, nHeight);
    else
        rc.bottom = rc.top + nHeight;

    if (align.bCenter)
        CentreSpan(rc.left, rc.right, nWidth);
    else if (align.bRight)
        rc.left = rc.right - nWidth;
    else
        rc.right = rc.left + nWidth;
    return rc;
}

} // namespace lattice::core
