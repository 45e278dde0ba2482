// The colour exchange on real bitmaps and DCs: the host's list colours
// exchanged, one block where the DC allows it, pixel by pixel elsewhere, with
// the same result. (Which colours win and where the walk ends is the core's,
// tested natively in PrintColoursTest.)
#include "PreviewHost.h"

#include <algorithm>
#include <random>

TEST_F(PreviewHostTest, ColourExchangeInOneBlockAndPixelByPixelGiveTheSamePrintedColours)
{
    // The host's five list colours and what each becomes on paper.
    const COLORREF kTable[] = {RGB(0, 0, 0), RGB(24, 24, 48), RGB(220, 220, 220), RGB(255, 255, 0), RGB(0, 192, 0)};
    const COLORREF kPrinted[] = {0xFFFFFF, 0xFFFFFF, 0, 0, 0xAAAAAA};
    const char* keys[] = {"BACKGROUND", "BACKGROUNDSLASH", "NORMALTEXT", "NORMALNUMBER", "DOWN"};
    for (int i = 0; i < 5; ++i)
        SettingsStub::SetColor(CString("COLOR_LISTCTL_") + keys[i], kTable[i]);
    m_dlg.vSetExchangeColor();
    // Table colours, their neighbours one step off in each channel (which a
    // 16-bit picture rounds onto them) and anything else.
    std::vector<COLORREF> palette;
    for (COLORREF cr : kTable)
        for (int shift : {0, 8, 16})
            palette.insert(palette.end(), {cr, cr ^ (1u << shift), cr ^ (4u << shift)});
    std::mt19937 rng(4);
    const int w = 257, h = 131;
    // The screen's own 32 bits, walked whole, from the corner to a rectangle
    // inside (the walk starts at (0,0) whatever its corner) and past its
    // ends; and a 16-bit picture, whose rounding a block read must not bypass.
    const struct { CRect rc; int nBits; } cases[] = {
        {CRect(0, 0, w, h), 0}, {CRect(9, 9, 100, 60), 0}, {CRect(0, 0, 5000, 5000), 0}, {CRect(0, 0, w, h), 16}};
    for (const auto& c : cases) {
        Canvas block(w, h, c.nBits), single(w, h, c.nBits);
        std::vector<COLORREF> before;
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                block.dc.SetPixel(x, y, rng() % 3 == 0 ? (rng() & 0xFFFFFF) : palette[rng() % palette.size()]);
                before.push_back(block.At(x, y));
            }
        single.dc.BitBlt(0, 0, w, h, &block.dc, 0, 0, SRCCOPY);
        // A clip region keeps the exchange from reading the bitmap as a
        // block: it must walk the DC with GetPixel and SetPixel.
        CRgn clip;
        clip.CreateRectRgn(0, 0, w, h);
        ::SelectClipRgn(single.dc.m_hDC, static_cast<HRGN>(clip.m_hObject));
        m_dlg.vConvertSpecialColor(&block.dc, c.rc);
        m_dlg.vConvertSpecialColor(&single.dc, c.rc);
        int nChanged = 0, nWrong = 0;
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                // A 16-bit picture reads back rounded: there both paths only agree.
                const COLORREF was = before[static_cast<size_t>(y) * w + x], a = block.At(x, y);
                const size_t row = std::find(kTable, kTable + 5, was) - kTable;
                const bool bWalked = x < c.rc.right && y < c.rc.bottom && row < 5;
                nWrong += a != single.At(x, y) || (!c.nBits && a != (bWalked ? kPrinted[row] : was));
                nChanged += a != was;
            }
        EXPECT_GT(nChanged, 100);
        EXPECT_EQ(nWrong, 0) << c.nBits << " bits, rectangle right " << c.rc.right << " bottom " << c.rc.bottom;
    }
}
