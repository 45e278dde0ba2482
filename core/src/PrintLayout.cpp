#include "lattice/core/PrintLayout.h"

#include <cstdio>
#include <utility>

namespace lattice::core {

namespace {

// Truncation toward zero that stays defined for values no int can hold.
int TruncToInt(double d)
{
    if (!(d > -2147483648.0))
        return d != d ? 0 : -2147483647 - 1;
    if (!(d < 2147483648.0))
        return 2147483647;
    return static_cast<int>(d);
}

struct FittedSize {
    int width;
    int height;
};

// Fits W x H into FW x FH keeping the aspect ratio: divides both by the
// greater of W / FW and H / FH (on a tie the two are the same number).
FittedSize Fit(const IntRect& content, const IntRect& frame)
{
    const double W = content.Width(), H = content.Height();
    const double FW = frame.Width(), FH = frame.Height();
    if (W <= 0 || H <= 0 || FW <= 0 || FH <= 0)
        return {0, 0};
    const double rx = W / FW, ry = H / FH;
    const double ratio = ry > rx ? ry : rx;
    return {TruncToInt(W / ratio), TruncToInt(H / ratio)};
}

} // namespace

IntRect CalcShowArea(const IntRect& content, const IntRect& frame, double dMargin, bool bStretch)
{
    FittedSize size = bStretch ? FittedSize{frame.Width(), frame.Height()} : Fit(content, frame);
    if (bStretch && (size.width <= 0 || size.height <= 0))
        size = {0, 0};
    const int dx = TruncToInt(size.width * dMargin);
    const int dy = TruncToInt(size.height * dMargin);
    return {frame.left + dx, frame.top + dy, frame.left + size.width - dx, frame.top + size.height - dy};
}

IntRect PerfectRect(const IntRect& frame, const IntRect& content)
{
    const FittedSize size = Fit(content, frame);
    const int mx = TruncToInt(size.width * 0.05);
    const int my = TruncToInt(size.height * 0.05);
    return {mx, my, size.width - mx, size.height - my};
}

PaperPlacement PlacePaper(const IntRect& background, int nPaperWidth, int nPaperHeight, short nOrientation)
{
    int w = nPaperWidth, h = nPaperHeight;
    if ((nOrientation == kOrientPortrait && h < w) || (nOrientation == kOrientLandscape && h > w))
        std::swap(w, h);
    const int left = (background.Width() - w) / 2 + background.left;
    const int top = (background.Height() - h) / 2 + background.top;
    const IntRect paper = {left, top, left + w, top + h};
    return {paper, {paper.left + 3, paper.top + 3, paper.right + 3, paper.bottom + 3}};
}

std::string InformationStripText(int nYear, int nMonth, int nDay, int nHour, int nMinute)
{
    char sz[64];
    std::snprintf(sz, sizeof(sz), "%04d/%02d/%02d %02d:%02d", nYear, nMonth, nDay, nHour, nMinute);
    return sz;
}

IntRect InformationTextRect(const IntRect& rc, int cx, int cy)
{
    return {rc.right - 6 - cx, rc.bottom - 10 - cy, rc.right - 3, rc.bottom - 5};
}

} // namespace lattice::core
