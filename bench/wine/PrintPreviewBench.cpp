// The print preview on screen-compatible pictures of 800 x 600 and
// 1920 x 1080, each figure beside its floor from the same run: the gray
// conversion and the colour exchange beside one block read and write of the
// same bitmap (the floor either can reach), and the time from OK in the
// system's print dialog to the job handed to the queue beside packing the
// same picture alone.
#include <string>
#include <vector>

#include "BenchClock.h"
#include "ModalClicks.h"
#include "PackedPicture.h"
#include "PreviewHost.h"
#include "PrintedPaper.h"

namespace {

CWinApp theBenchApp("bench_print_preview");

// The host's list colours that the exchange takes, in its table's order.
const COLORREF kList[] = {RGB(0, 0, 0), RGB(24, 24, 48), RGB(220, 220, 220), RGB(255, 255, 0), RGB(0, 192, 0)};

// A chart as the host paints it: its list background, a grid, an axis,
// and price lines in its list colours.
void DrawChart(CDC& dc, int w, int h)
{
    dc.FillSolidRect(CRect(0, 0, w, h), kList[0]);
    for (int x = 0; x < w; x += 40)
        dc.FillSolidRect(CRect(x, 0, x + 1, h), kList[1]);
    dc.FillSolidRect(CRect(0, h - 60, w, h - 59), kList[2]);
    const COLORREF lines[] = {kList[3], kList[4], RGB(255, 64, 64)};
    for (int i = 0; i < 3; ++i) {
        CPen pen(PS_SOLID, 2, lines[i]);
        CPen* pOld = dc.SelectObject(&pen);
        dc.MoveTo(0, h / 2);
        for (int x = 0; x < w; x += 8)
            dc.LineTo(x, h / 2 + ((x * (i + 3) * 7919) % (h / 3)) - h / 6);
        dc.SelectObject(pOld);
    }
}

HWND g_hPreview = NULL;
double g_dPrintDialogGone = 0; // when the print dialog owned by the preview was destroyed

LRESULT CALLBACK WatchDestroy(int nCode, WPARAM wParam, LPARAM lParam)
{
    const CWPSTRUCT* pMsg = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (nCode == HC_ACTION && pMsg->message == WM_DESTROY && ::GetWindow(pMsg->hwnd, GW_OWNER) == g_hPreview)
        g_dPrintDialogGone = NowMilliseconds();
    return ::CallNextHookEx(NULL, nCode, wParam, lParam);
}

void Measure(MXPrintPreviewWnd& transforms, int w, int h)
{
    Canvas pic(w, h);
    const CRect rc(0, 0, w, h);
    const std::string size = std::to_string(w) + " x " + std::to_string(h);

    // The floor: the whole bitmap read into memory and written back. Each
    // run works on a freshly drawn chart, as the transforms get it (a bitmap
    // read just before comes back faster than one GDI has just drawn into).
    BITMAPINFO bi = {{sizeof(BITMAPINFOHEADER), w, h, 1, 32, BI_RGB, 0, 0, 0, 0, 0}, {}};
    std::vector<DWORD> bits(static_cast<size_t>(w) * h);
    const HBITMAP hBitmap = static_cast<HBITMAP>(pic.bmp.m_hObject);
    const auto onFreshChart = [&](auto work) {
        return [&, work] { return DrawChart(pic.dc, w, h), MillisecondsOf(work); };
    };
    const auto blockCopy = onFreshChart([&] {
        ::GetDIBits(pic.dc.m_hDC, hBitmap, 0, h, bits.data(), &bi, DIB_RGB_COLORS);
        ::SetDIBits(pic.dc.m_hDC, hBitmap, 0, h, bits.data(), &bi, DIB_RGB_COLORS);
    });
    Compare(size + " gray conversion", "block GetDIBits/SetDIBits", 10,
            onFreshChart([&] { transforms.vConvertToBW(&pic.dc, rc, 0.0, false); }), blockCopy);
    Compare(size + " colour exchange", "block GetDIBits/SetDIBits", 10,
            onFreshChart([&] { transforms.vConvertSpecialColor(&pic.dc, rc); }), blockCopy);

    if (printed_paper::PrintDir().empty()) {
        std::printf("%s printing: no print queue in this session\n", size.c_str());
        return;
    }
    // OK in the system's print dialog (its window gone) to the job spooled:
    // the printer DC, the page, the packed picture stretched onto it and the
    // end of the job; beside packing the same picture alone.
    DrawChart(pic.dc, w, h);
    const auto print = [&] {
        MXPrintPreviewWnd preview(NULL);
        preview.vSetColorDefault(true);
        preview.CreateByID(NULL);
        preview.vCpyViewDCToDlgDC(&pic.dc, rc, false);
        preview.ShowWindow(SW_SHOW);
        PumpUntilIdle();
        g_hPreview = preview.m_hWnd;
        modal_clicks::Start({{[] { return modal_clicks::SystemPrintDialogOf(g_hPreview); }, IDOK}});
        preview.SendMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        const double dDone = NowMilliseconds();
        modal_clicks::Stop();
        printed_paper::WaitForIdleQueue();
        return dDone - g_dPrintDialogGone;
    };
    const auto pack = [&] {
        pic.Release(); // a bitmap is read for packing while no DC holds it
        const double dPack = MillisecondsOf([&] { PackedPicture().Pack(hBitmap, NULL); });
        return pic.dc.SelectObject(&pic.bmp), dPack;
    };
    Compare(size + " OK to the job queued", "packing the picture alone", 3, print, pack);
}

} // namespace

int main()
{
    SettingsStub::Reset();
    const char* keys[] = {"BACKGROUND", "BACKGROUNDSLASH", "NORMALTEXT", "NORMALNUMBER", "DOWN"};
    for (int i = 0; i < 5; ++i)
        SettingsStub::SetColor(CString("COLOR_LISTCTL_") + keys[i], kList[i]);
    MXPrintPreviewWnd transforms(NULL);
    transforms.vSetExchangeColor();
    HHOOK hHook = ::SetWindowsHookExA(WH_CALLWNDPROC, WatchDestroy, NULL, ::GetCurrentThreadId());
    Measure(transforms, 800, 600);
    Measure(transforms, 1920, 1080);
    ::UnhookWindowsHookEx(hHook);
    return 0;
}
