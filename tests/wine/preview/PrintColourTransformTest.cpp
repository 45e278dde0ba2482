// The print colour transforms on real bitmaps and DCs: the exchange of the
// host's list colours (one block where the DC allows it, pixel by pixel
// elsewhere, with the same result) and the gray conversion.
#include "PreviewHost.h"

#include <random>

namespace {

const COLORREF kBackground = RGB(0, 0, 0), kSlash = RGB(24, 24, 48), kText = RGB(220, 220, 220),
               kNumber = RGB(255, 255, 0), kDown = RGB(0, 192, 0);

// A memory DC with a bitmap of its own selected.
struct Canvas {
    CDC dc;
    CBitmap bmp;
    CBitmap* pOld = nullptr;

    // A bitmap compatible with the screen (32 bits here), or a DIB section
    // of the given bit count.
    Canvas(int w, int h, int nBitCount = 0)
    {
        CClientDC screen(NULL);
        dc.CreateCompatibleDC(&screen);
        if (nBitCount == 0) {
            bmp.CreateCompatibleBitmap(&screen, w, h);
        } else {
            BITMAPINFO bi = {};
            bi.bmiHeader = {sizeof(BITMAPINFOHEADER), w, h, 1, static_cast<WORD>(nBitCount), BI_RGB, 0, 0, 0, 0, 0};
            void* pBits = nullptr;
            bmp.Attach(::CreateDIBSection(screen.m_hDC, &bi, DIB_RGB_COLORS, &pBits, NULL, 0));
        }
        pOld = dc.SelectObject(&bmp);
    }
    ~Canvas() { dc.SelectObject(pOld); }
    Pixels Read()
    {
        dc.SelectObject(pOld);
        Pixels px = ReadPixels(static_cast<HBITMAP>(bmp.m_hObject));
        dc.SelectObject(&bmp);
        return px;
    }
};

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

TEST_F(PrintColourTransforms, ExchangeTakesTheHostsCurrentColoursFirstRowWinning)
{
    const COLORREF row[] = {kBackground, kSlash, kText, kNumber, kDown, kDown + 1, RGB(1, 2, 3), kText};
    Canvas canvas(8, 2);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 8; ++x)
            canvas.dc.SetPixel(x, y, row[x]);

    // No table yet: nothing changes.
    m_dlg.vConvertSpecialColor(&canvas.dc, CRect(0, 0, 8, 2));
    EXPECT_EQ(canvas.Read().At(0, 0), kBackground);

    SettingsStub::ClearCalls();
    m_dlg.vSetExchangeColor();
    const std::vector<CString> asked = {"COLOR_LISTCTL_BACKGROUND", "COLOR_LISTCTL_BACKGROUNDSLASH",
                                        "COLOR_LISTCTL_NORMALTEXT", "COLOR_LISTCTL_NORMALNUMBER",
                                        "COLOR_LISTCTL_DOWN"};
    EXPECT_EQ(SettingsStub::ColorKeysAsked(), asked);
    EXPECT_EQ(SettingsStub::SettingCFGCount(), 5u);

    // Only the top row: the walk starts at (0,0) and ends above rc.bottom.
    m_dlg.vConvertSpecialColor(&canvas.dc, CRect(3, 0, 8, 1));
    const COLORREF exchanged[] = {0xFFFFFF, 0xFFFFFF, 0, 0, 0xAAAAAA, kDown + 1, RGB(1, 2, 3), 0};
    Pixels px = canvas.Read();
    for (int x = 0; x < 8; ++x) {
        EXPECT_EQ(px.At(x, 0), exchanged[x]) << x;
        EXPECT_EQ(px.At(x, 1), row[x]) << x;
    }

    // The host's down colour now equals its background: the background's row wins.
    SettingsStub::SetColor("COLOR_LISTCTL_DOWN", kBackground);
    m_dlg.vSetExchangeColor();
    m_dlg.vConvertSpecialColor(&canvas.dc, CRect(0, 0, 8, 2));
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
    const COLORREF find[] = {kBackground, kSlash, kText, kNumber, kDown};
    const COLORREF repl[] = {0xFFFFFF, 0xFFFFFF, 0, 0, 0xAAAAAA};
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 64; ++x) {
            const COLORREF cr = reference.dc.GetPixel(x, y);
            for (int i = 0; i < 5; ++i)
                if (cr == find[i]) {
                    reference.dc.SetPixel(x, y, repl[i]);
                    break;
                }
        }
    m_dlg.vConvertSpecialColor(&sixteen.dc, CRect(0, 0, 64, 16));
    EXPECT_EQ(sixteen.Read().colours, reference.Read().colours);
}

TEST_F(PrintColourTransforms, GrayConversionOfTheSelectedBitmap)
{
    const COLORREF row[] = {RGB(255, 0, 0), RGB(0, 255, 0), RGB(0, 0, 255), RGB(255, 255, 255), RGB(0, 0, 0)};
    for (int nBitCount : {0, 24}) {
        Canvas canvas(5, 4, nBitCount);
        for (int y = 0; y < 4; ++y)
            for (int x = 0; x < 5; ++x)
                canvas.dc.SetPixel(x, y, row[x]);
        // Half the height with inversion: the lower half is inverted first.
        m_dlg.m_nMemHeight = 4;
        m_dlg.vConvertToBW(&canvas.dc, CRect(0, 0, 5, 2), 0.0, true);
        const Pixels px = canvas.Read();
        const int upper[] = {76, 150, 28, 255, 0}, lower[] = {178, 104, 226, 255, 0};
        for (int x = 0; x < 5; ++x) {
            EXPECT_EQ(px.At(x, 0), RGB(upper[x], upper[x], upper[x])) << nBitCount << " bits, x " << x;
            EXPECT_EQ(px.At(x, 3), RGB(lower[x], lower[x], lower[x])) << nBitCount << " bits, x " << x;
        }
    }

    // Other layouts, and DCs without a picture, are left as they are.
    Canvas sixteen(4, 4, 16);
    sixteen.dc.FillSolidRect(CRect(0, 0, 4, 4), RGB(255, 0, 0));
    m_dlg.vConvertToBW(&sixteen.dc, CRect(0, 0, 4, 4), 0.0, false);
    EXPECT_EQ(sixteen.Read().At(1, 1), RGB(255, 0, 0));
    CClientDC screen(NULL);
    CDC bare;
    bare.CreateCompatibleDC(&screen);
    m_dlg.vConvertToBW(&bare, CRect(0, 0, 4, 4), 0.0, false);
    m_dlg.vConvertSpecialColor(&bare, CRect(0, 0, 4, 4));
}
