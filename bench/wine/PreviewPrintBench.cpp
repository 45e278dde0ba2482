// Printing from the preview: the time from OK in the system's print dialog
// to the job handed to the queue (the print dialog's window gone, then the
// printer DC, the page, the packed picture stretched onto it and the end of
// the job, which spools it to the scheduler), for pictures of 800 x 600 and
// 1920 x 1080, beside packing the same picture alone.
#include <string>

#include "BenchClock.h"
#include "ModalClicks.h"
#include "MXPrintPreviewWnd.h"
#include "PackedPicture.h"
#include "PrintedPaper.h"

namespace {

CWinApp theBenchApp("bench_preview_print");

HWND g_hPreview = NULL;
double g_dPrintDialogGone = 0; // when the print dialog owned by the preview was destroyed

LRESULT CALLBACK WatchDestroy(int nCode, WPARAM wParam, LPARAM lParam)
{
    const CWPSTRUCT* pMsg = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (nCode == HC_ACTION && pMsg->message == WM_DESTROY && ::GetWindow(pMsg->hwnd, GW_OWNER) == g_hPreview)
        g_dPrintDialogGone = NowMilliseconds();
    return ::CallNextHookEx(NULL, nCode, wParam, lParam);
}

// A picture of w x h with something on every row, as a view would hold.
void DrawView(CDC& dc, int w, int h)
{
    dc.FillSolidRect(CRect(0, 0, w, h), RGB(255, 255, 255));
    for (int x = 0; x < w; x += 16)
        dc.FillSolidRect(CRect(x, 0, x + 8, h), RGB((x * 7) & 255, (x * 3) & 255, 200));
}

void Measure(int w, int h)
{
    CClientDC screen(NULL);
    CDC view;
    view.CreateCompatibleDC(&screen);
    CBitmap bmp;
    bmp.CreateCompatibleBitmap(&screen, w, h);
    CBitmap* pOld = view.SelectObject(&bmp);
    DrawView(view, w, h);

    const double dPack = BestOf(5, [&] {
        view.SelectObject(pOld); // a bitmap is read for packing while no DC holds it
        PackedPicture packed;
        packed.Pack(static_cast<HBITMAP>(bmp.m_hObject), NULL);
        view.SelectObject(&bmp);
    });

    const double dPrint = Best(3, [&] {
        MXPrintPreviewWnd preview(NULL);
        preview.vSetColorDefault(true);
        preview.CreateByID(NULL);
        preview.vCpyViewDCToDlgDC(&view, CRect(0, 0, w, h), false);
        preview.ShowWindow(SW_SHOW);
        PumpUntilIdle();
        g_hPreview = preview.m_hWnd;
        modal_clicks::Start({{[] { return modal_clicks::SystemPrintDialogOf(g_hPreview); }, IDOK}});
        preview.SendMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        const double dDone = NowMilliseconds();
        modal_clicks::Stop();
        preview.DestroyWindow();
        printed_paper::WaitForIdleQueue();
        return dDone - g_dPrintDialogGone;
    });
    view.SelectObject(pOld);
    PrintVsFloor((std::to_string(w) + " x " + std::to_string(h) + " OK to the job queued (floor: packing)").c_str(),
                 dPrint, dPack);
}

} // namespace

int main()
{
    if (printed_paper::PrintDir().empty()) {
        std::printf("bench_preview_print: no print queue in this session\n");
        return 0;
    }
    HHOOK hHook = ::SetWindowsHookExA(WH_CALLWNDPROC, WatchDestroy, NULL, ::GetCurrentThreadId());
    Measure(800, 600);
    Measure(1920, 1080);
    ::UnhookWindowsHookEx(hHook);
    return 0;
}
