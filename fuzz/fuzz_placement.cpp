// The placement and packing arithmetic of the print preview and the
// hyperlink, checked by what a result must satisfy rather than by
// recomputing it: a fitted picture stays in its frame, keeps its content's
// shape and fills the frame along one side; the paper is centred in the
// background and turned to its orientation; the date strip shows a
// calendar date's fields zero-padded; a link fitted to its text keeps its
// frame and the edge or centre its alignment names; a packed picture's padded row is the smallest multiple
// of 4 bytes that holds width x bit count bits, its image whole rows, and
// its pixels start behind the header and a table of 2^bits entries (none
// above 8 bits); whatever fails leaves the image size as it was.
//
// Input: rectangles and sizes as the window code passes them, mostly small,
// now and then anywhere in GDI's coordinate space; the last 10 bytes are
// also a picture's width and height (4 bytes each, signed) and bit count.
#include "lattice/core/LinkPlacement.h"
#include "lattice/core/PackedDib.h"
#include "lattice/core/PrintLayout.h"

#include "FuzzInput.h"

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace core = lattice::core;

namespace {

core::IntRect ReadRect(FuzzInput& in)
{
    const int left = in.Coordinate(), top = in.Coordinate();
    // Sizes, not corners, so that most rectangles are proper ones.
    const int width = in.Bool() ? in.Range(-3, 3000) : in.Coordinate();
    const int height = in.Bool() ? in.Range(-3, 3000) : in.Coordinate();
    return {left, top, left + width, top + height};
}

void CheckShowArea(const core::IntRect& content, const core::IntRect& frame, double dMargin, bool bStretch)
{
    const core::IntRect rc = core::CalcShowArea(content, frame, dMargin, bStretch);
    const long long W = content.Width(), H = content.Height(), FW = frame.Width(), FH = frame.Height();
    const bool bEmpty = FW <= 0 || FH <= 0 || (!bStretch && (W <= 0 || H <= 0));
    if (bEmpty) {
        if (!(rc == core::IntRect{frame.left, frame.top, frame.left, frame.top}))
            std::abort();
        return;
    }
    // The margin comes off both sides alike, from the frame's corner.
    const long long w = rc.right - frame.left + (rc.left - frame.left);
    const long long h = rc.bottom - frame.top + (rc.top - frame.top);
    if (rc.left < frame.left || rc.top < frame.top || rc.left > rc.right || rc.top > rc.bottom || w > FW || h > FH)
        std::abort();
    if (bStretch) {
        if (w != FW || h != FH)
            std::abort();
        return;
    }
    // One side fills the frame (within the truncation), and the shape is the
    // content's within one pixel on each side.
    if ((w < FW - 1 && h < FH - 1) || w < 0 || h < 0)
        std::abort();
    const long long skew = w * H - h * W;
    if (skew > W + H || -skew > W + H)
        std::abort();

    // The perfect rectangle is the same fit from (0,0) with a 5 % margin.
    const core::IntRect frameAtOrigin{0, 0, frame.Width(), frame.Height()};
    if (!(core::PerfectRect(frame, content) == core::CalcShowArea(content, frameAtOrigin, 0.05, false)))
        std::abort();
}

void CheckPaper(const core::IntRect& background, int w, int h, short nOrientation)
{
    const core::PaperPlacement placed = core::PlacePaper(background, w, h, nOrientation);
    const core::IntRect& paper = placed.paper;
    const bool bTurned = paper.Width() != w || paper.Height() != h;
    if (bTurned && (paper.Width() != h || paper.Height() != w))
        std::abort();
    if ((nOrientation == core::kOrientPortrait && paper.Height() < paper.Width()) ||
        (nOrientation == core::kOrientLandscape && paper.Height() > paper.Width()) ||
        (nOrientation != core::kOrientPortrait && nOrientation != core::kOrientLandscape && bTurned))
        std::abort();
    // Centred: the gap is halved toward zero, so the gaps on either side
    // differ by the odd pixel, on the side the halving left it.
    const long long gapX = (paper.left - background.left) - (static_cast<long long>(background.right) - paper.right);
    const long long gapY = (paper.top - background.top) - (static_cast<long long>(background.bottom) - paper.bottom);
    if (gapX != -((static_cast<long long>(background.Width()) - paper.Width()) % 2) ||
        gapY != -((static_cast<long long>(background.Height()) - paper.Height()) % 2))
        std::abort();
    if (!(placed.shadow == core::IntRect{paper.left + 3, paper.top + 3, paper.right + 3, paper.bottom + 3}))
        std::abort();
}

void CheckStrip(int nYear, int nMonth, int nDay, int nHour, int nMinute)
{
    const std::string text = core::InformationStripText(nYear, nMonth, nDay, nHour, nMinute);
    if (text.size() >= 64)
        std::abort();
    // A calendar date and time reads "yyyy/mm/dd hh:mm", every field zero-padded.
    const bool bCalendar = nYear >= 1601 && nYear <= 9999 && nMonth >= 1 && nMonth <= 12 && nDay >= 1 && nDay <= 31 &&
                           nHour >= 0 && nHour <= 23 && nMinute >= 0 && nMinute <= 59;
    char szExpected[64];
    std::snprintf(szExpected, sizeof szExpected, "%04d/%02d/%02d %02d:%02d", nYear, nMonth, nDay, nHour, nMinute);
    if (bCalendar && text != szExpected)
        std::abort();
}

void CheckLink(FuzzInput& in)
{
    const core::IntRect w = ReadRect(in);
    const core::LinkRect window{w.left, w.top, w.right, w.bottom};
    // The client lies inside the window, a frame of a few pixels around it.
    const int frameX = in.Range(0, 8), frameY = in.Range(0, 8);
    const int clientWidth = w.Width() - frameX, clientHeight = w.Height() - frameY;
    const int textWidth = in.Range(0, 4000), textHeight = in.Range(0, 200);
    const std::uint8_t style = in.Byte();
    const core::LinkAlignment align{(style & 1) != 0, (style & 2) != 0, (style & 4) != 0};
    const core::LinkRect rc = core::FitLinkToText(window, clientWidth, clientHeight, textWidth, textHeight, align);

    // The new client is the text, the frame unchanged; a centred axis moves
    // both edges by half the difference, rounded toward zero, so it misses by
    // the odd pixel it cannot split, on the side of the old size.
    const long long dx = (static_cast<long long>(rc.right) - rc.left - frameX) - textWidth;
    const long long dy = (static_cast<long long>(rc.bottom) - rc.top - frameY) - textHeight;
    const long long oddX = (w.Width() - frameX - textWidth) % 2, oddY = (w.Height() - frameY - textHeight) % 2;
    if (dx != (align.bCenter ? oddX : 0) || dy != (align.bCenterImage ? oddY : 0))
        std::abort();
    const bool bKeptX = align.bCenter ? static_cast<long long>(rc.left) + rc.right == static_cast<long long>(window.left) + window.right
                        : align.bRight ? rc.right == window.right
                                       : rc.left == window.left;
    const bool bKeptY = align.bCenterImage ? static_cast<long long>(rc.top) + rc.bottom == static_cast<long long>(window.top) + window.bottom
                                           : rc.top == window.top;
    if (!bKeptX || !bKeptY)
        std::abort();
}

void CheckPacking(const std::uint8_t* data)
{
    std::int32_t nWidth, nHeight;
    std::uint16_t nBits;
    std::memcpy(&nWidth, data, 4);
    std::memcpy(&nHeight, data + 4, 4);
    std::memcpy(&nBits, data + 8, 2);

    core::DibHeader h = core::MakeDibHeader(nWidth, nHeight, 1, nBits);
    const std::uint32_t nTable = core::DibColorTableEntries(nBits);
    if (core::DibPixelOffset(h) != 40 + 4 * nTable || nTable != (nBits <= 8 ? 1u << nBits : 0u))
        std::abort();
    if (!core::CompleteDibImageSize(h)) {
        if (h.nSizeImage != 0)
            std::abort();
        return;
    }
    if (nWidth <= 0 || nHeight <= 0 || nBits == 0)
        std::abort();
    const std::uint64_t nRowBytes = h.nSizeImage / std::uint64_t(nHeight);
    const std::uint64_t nBitsInRow = std::uint64_t(nWidth) * nBits;
    if (h.nSizeImage % nHeight != 0 || nRowBytes % 4 != 0 || nRowBytes * 8 < nBitsInRow ||
        (nRowBytes - 4) * 8 >= nBitsInRow)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzInput in(data, size);
    const std::uint8_t flags = in.Byte();
    const core::IntRect content = ReadRect(in);
    const core::IntRect frame = ReadRect(in);
    const double dMargin = in.Range(0, 45) / 100.0;
    CheckShowArea(content, frame, dMargin, (flags & 1) != 0);

    const core::IntRect background = ReadRect(in);
    const int paperWidth = in.Range(0, 5000), paperHeight = in.Range(0, 5000);
    CheckPaper(background, paperWidth, paperHeight, static_cast<short>(in.Range(-1, 3)));

    const int nYear = (flags & 2) ? in.Range(INT_MIN, INT_MAX) : in.Range(1601, 9999);
    CheckStrip(nYear, in.Range(0, 13), in.Range(0, 32), in.Range(-1, 24), in.Range(-1, 60));

    CheckLink(in);
    if (size >= 10)
        CheckPacking(data + size - 10);
    return 0;
}
