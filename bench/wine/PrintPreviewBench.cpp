// The preview's colour transforms on screen-compatible pictures of 800 x 600
// and 1920 x 1080: the gray conversion and the colour exchange, beside one
// block read and write of the same bitmap (the floor either can reach),
// measured in the same run.
#include <string>
#include <vector>

#include "BenchClock.h"
#include "MXPrintPreviewWnd.h"
#include "SettingsStub.h"

namespace {

CWinApp theBenchApp("bench_print_preview");

const COLORREF kBackground = RGB(0, 0, 0), kSlash = RGB(24, 24, 48), kText = RGB(220, 220, 220),
               kNumber = RGB(255, 255, 0), kDown = RGB(0, 192, 0), kUp = RGB(255, 64, 64);

// A chart as the host paints it: its list background, a grid, an axis,
// and price lines in its list colours.
void DrawChart(CDC& dc, int w, int h)
{
    dc.FillSolidRect(CRect(0, 0, w, h), kBackground);
    for (int x = 0; x < w; x += 40)
        dc.FillSolidRect(CRect(x, 0, x + 1, h), kSlash);
    dc.FillSolidRect(CRect(0, h - 60, w, h - 59), kText);
    const COLORREF lines[] = {kNumber, kDown, kUp};
    for (int i = 0; i < 3; ++i) {
        CPen pen(PS_SOLID, 2, lines[i]);
        CPen* pOld = dc.SelectObject(&pen);
        dc.MoveTo(0, h / 2);
        for (int x = 0; x < w; x += 8)
            dc.LineTo(x, h / 2 + ((x * (i + 3) * 7919) % (h / 3)) - h / 6);
        dc.SelectObject(pOld);
    }
}

void Measure(MXPrintPreviewWnd& preview, int w, int h)
{
    CClientDC screen(NULL);
    CDC dc;
    dc.CreateCompatibleDC(&screen);
    CBitmap bmp;
    bmp.CreateCompatibleBitmap(&screen, w, h);
    CBitmap* pOld = dc.SelectObject(&bmp);
    const CRect rc(0, 0, w, h);

    // The floor: the whole bitmap read into memory and written back, on a
    // freshly drawn chart as the transforms get it (a bitmap read just
    // before comes back faster than one GDI has just drawn into).
    BITMAPINFO bi = {};
    bi.bmiHeader = {sizeof(BITMAPINFOHEADER), w, h, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    std::vector<DWORD> bits(static_cast<size_t>(w) * h);
    const HBITMAP hBitmap = static_cast<HBITMAP>(bmp.m_hObject);
    const auto onFreshChart = [&](auto work) {
        return Best(10, [&] { return DrawChart(dc, w, h), MillisecondsOf(work); });
    };
    const double dFloor = onFreshChart([&] {
        ::GetDIBits(dc.m_hDC, hBitmap, 0, h, bits.data(), &bi, DIB_RGB_COLORS);
        ::SetDIBits(dc.m_hDC, hBitmap, 0, h, bits.data(), &bi, DIB_RGB_COLORS);
    });

    // Each transform on a fresh chart, the drawing not timed.
    const double dGray = onFreshChart([&] { preview.vConvertToBW(&dc, rc, 0.0, false); });
    const double dExchange = onFreshChart([&] { preview.vConvertSpecialColor(&dc, rc); });
    const std::string size = std::to_string(w) + " x " + std::to_string(h);
    PrintVsFloor((size + " gray conversion (floor: block copy)").c_str(), dGray, dFloor);
    PrintVsFloor((size + " colour exchange (floor: block copy)").c_str(), dExchange, dFloor);
    dc.SelectObject(pOld);
}

} // namespace

int main()
{
    SettingsStub::Reset();
    SettingsStub::SetColor("COLOR_LISTCTL_BACKGROUND", kBackground);
    SettingsStub::SetColor("COLOR_LISTCTL_BACKGROUNDSLASH", kSlash);
    SettingsStub::SetColor("COLOR_LISTCTL_NORMALTEXT", kText);
    SettingsStub::SetColor("COLOR_LISTCTL_NORMALNUMBER", kNumber);
    SettingsStub::SetColor("COLOR_LISTCTL_DOWN", kDown);
    MXPrintPreviewWnd preview(NULL);
    preview.vSetExchangeColor();
    Measure(preview, 800, 600);
    Measure(preview, 1920, 1080);
    return 0;
}
