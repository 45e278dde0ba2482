// The colour exchange on real bitmaps and DCs: the host's current list
// colours, one block where the DC allows it, pixel by pixel elsewhere, with
// the same result.
#include "PreviewHost.h"

#include <algorithm>
#include <random>

namespace {

const COLORREF kBackground = RGB(0, 0, 0), kSlash = RGB(24, 24, 48), kText = RGB(220, 220, 220),
               kNumber = RGB(255, 255, 0), kDown = RGB(0, 192, 0);

class PrintColourTransforms : public PreviewHostTest {
protected:
    void SetUp() override
    {
        PreviewHostTest::SetUp();
        SettingsStub::SetColor("COLOR_LISTCTL_BACKGROUND", kBackground);
        SettingsStub::SetColor("COLOR_LISTCTL_BACKGROUNDSLASH", kSlash);
        SettingsStub::SetColor("COLOR_LISTCTL_NORMALTEXT", kText);
        SettingsStub::SetColor("COLOR_LISTCTL_NORMALNUMBER", kNumber);
        SettingsStub::SetColor("COLOR_LISTCTL_DOWN", kDown);
    }
};

} // namespace

TEST_F(PrintColourTransforms, ExchangeTakesTheHostsCurrentColoursAndWalksFromTheCorner)
{
    const COLORREF row[] = {kBackground, kSlash, kText, kNumber, kDown, kDown + 1};
    Canvas canvas(6, 2);
    for (int x = 0; x < 12; ++x)
        canvas.dc.SetPixel(x % 6, x / 6, row[x % 6]);
    m_dlg.vConvertSpecialColor(&canvas.dc, CRect(0, 0, 6, 2)); // no table yet: nothing
    EXPECT_EQ(canvas.Read().At(0, 0), kBackground);

    SettingsStub::ClearCalls();
    m_dlg.vSetExchangeColor();
    EXPECT_EQ(SettingsStub::ColorKeysAsked(),
              (std::vector<CString>{"COLOR_LISTCTL_BACKGROUND", "COLOR_LISTCTL_BACKGROUNDSLASH",
                                    "COLOR_LISTCTL_NORMALTEXT", "COLOR_LISTCTL_NORMALNUMBER", "COLOR_LISTCTL_DOWN"}));
    // The walk starts at (0,0) whatever rc's corner, and ends above rc.bottom.
    m_dlg.vConvertSpecialColor(&canvas.dc, CRect(3, 0, 6, 1));
    const COLORREF exchanged[] = {0xFFFFFF, 0xFFFFFF, 0, 0, 0xAAAAAA, kDown + 1};
    const Pixels px = canvas.Read();
    for (int x = 0; x < 6; ++x)
        EXPECT_TRUE(px.At(x, 0) == exchanged[x] && px.At(x, 1) == row[x]) << x;

    // The host's colours of the moment: down now equals background, whose row wins.
    SettingsStub::SetColor("COLOR_LISTCTL_DOWN", kBackground);
    m_dlg.vSetExchangeColor();
    m_dlg.vConvertSpecialColor(&canvas.dc, CRect(0, 0, 6, 2));
    EXPECT_EQ(canvas.Read().At(0, 1), 0xFFFFFFu);
}

TEST_F(PrintColourTransforms, BlockAndPixelByPixelExchangeAgreeOnRandomPictures)
{
    m_dlg.vSetExchangeColor();
    // Table colours, their neighbours one step off in each channel (which a
    // 16-bit screen would round onto them) and anything else.
    std::vector<COLORREF> palette;
    for (COLORREF cr : {kBackground, kSlash, kText, kNumber, kDown}) {
        palette.push_back(cr);
        for (int shift : {0, 8, 16}) {
            palette.push_back(cr ^ (1u << shift));
            palette.push_back(cr ^ (4u << shift));
        }
    }
    std::mt19937 rng(4);
    const int w = 257, h = 131;
    for (const CRect& rc : {CRect(0, 0, w, h), CRect(9, 9, 100, 60), CRect(0, 0, 5000, 5000)}) {
        Canvas block(w, h), single(w, h);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                const COLORREF cr = rng() % 3 == 0 ? (rng() & 0xFFFFFF) : palette[rng() % palette.size()];
                block.dc.SetPixel(x, y, cr);
                single.dc.SetPixel(x, y, cr);
            }
        // A clip region keeps the exchange from reading the bitmap as a
        // block: it must walk the DC.
        CRgn clip;
        clip.CreateRectRgn(0, 0, w, h);
        ::SelectClipRgn(single.dc.m_hDC, static_cast<HRGN>(clip.m_hObject));
        const Pixels before = block.Read();
        m_dlg.vConvertSpecialColor(&block.dc, rc);
        m_dlg.vConvertSpecialColor(&single.dc, rc);
        const Pixels a = block.Read(), b = single.Read();
        int nChanged = 0, nDiffer = 0;
        for (size_t i = 0; i < a.colours.size(); ++i) {
            nChanged += a.colours[i] != before.colours[i];
            nDiffer += a.colours[i] != b.colours[i];
        }
        EXPECT_GT(nChanged, 100);
        EXPECT_EQ(nDiffer, 0) << "rectangle right " << rc.right << " bottom " << rc.bottom;
    }

    // A 16-bit picture rounds colours: it takes the per-pixel walk, and
    // gives what GetPixel and SetPixel give.
    Canvas sixteen(64, 16, 16), reference(64, 16, 16);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 64; ++x) {
            const COLORREF cr = palette[(x + y) % palette.size()];
            sixteen.dc.SetPixel(x, y, cr);
            reference.dc.SetPixel(x, y, cr);
        }
    const COLORREF find[] = {kBackground, kSlash, kText, kNumber, kDown}, repl[] = {0xFFFFFF, 0xFFFFFF, 0, 0, 0xAAAAAA};
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 64; ++x) {
            const COLORREF* pHit = std::find(find, find + 5, reference.dc.GetPixel(x, y));
            if (pHit != find + 5)
                reference.dc.SetPixel(x, y, repl[pHit - find]);
        }
    m_dlg.vConvertSpecialColor(&sixteen.dc, CRect(0, 0, 64, 16));
    EXPECT_EQ(sixteen.Read().colours, reference.Read().colours);
}
