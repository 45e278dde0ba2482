// The drag list, the print preview, the link, the hover button and the
// off-screen DC called in the wrong state, with NULL pointers and with
// negative or huge sizes; afterwards each must still do its main job.

#include <climits>
#include <string>
#include <utility>
#include <vector>

#include "CDragListBoxEx.h"
#include "CHoverButton.h"
#include "CMemDrawDC.h"
#include "CXHyperLink.h"
#include "HostileCalls.h"
#include "MXPrintPreviewWnd.h"
#include "ModalClicks.h"
#include "WindowReadback.h"

namespace {

const CPoint kFarAway(INT_MIN / 2, INT_MAX / 2);
const CRect kHuge(0, 0, INT_MAX, INT_MAX);
const COLORREF kRed = RGB(255, 0, 0);

TEST(HostileCalls, DragListBox)
{
    RunHostileTable<CDragListBoxEx>({
        [](auto& list) { // the user drags the second of five items down past the fourth
            for (const char* psz : {"A0", "A1", "A2", "A3", "A4"})
                list.AddString(psz);
            const int nHeight = list.GetItemHeight(0);
            list.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, nHeight + 2));
            list.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(5, 4 * nHeight - 2));
            list.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(5, 4 * nHeight - 2)), PumpUntilIdle();
            EXPECT_EQ(ListBoxLines(list.m_hWnd), (std::vector<std::string>{"A0", "A2", "A3", "A1", "A4"}));
            EXPECT_EQ(HostWindow::Get().Count("DRAGLISTBOX_MSG_DRAG_END"), 1);
        }, {
            {"BeginDrag, EndDrag", [](auto& l, Phase phase) { EXPECT_EQ(l.BeginDrag(kFarAway) != FALSE, phase == Phase::Live); l.EndDrag(); }},
            {"Dragging far away starts no thread timer", [](auto& l, Phase) { // posted without a window, it would never stop
                 MSG msg;
                 EXPECT_EQ(l.Dragging(kFarAway), 0u);
                 EXPECT_FALSE((::Sleep(80), ::PeekMessageA(&msg, reinterpret_cast<HWND>(-1), WM_TIMER, WM_TIMER, PM_NOREMOVE)));
                 l.CancelDrag(kFarAway); }},
            {"Dropped far away, EndDrag while idle", [](auto& l, Phase) { l.Dropped(kFarAway), l.EndDrag(); }},
        }});
}

TEST(HostileCalls, PrintPreview)
{
    RunHostileTable<MXPrintPreviewWnd>({
        // The host copies a view, then draws its own colour picture; the user
        // presses OK and is asked for a printer (and cancels).
        [](auto& preview) {
            CClientDC view(&HostWindow::Get());
            preview.vCpyViewDCToDlgDC(&view, CRect(0, 0, 200, 150), true); // the picture's size
            CDC* pDC = preview.dcGetMemoryDC(true);
            pDC->FillSolidRect(CRect(0, 0, 20, 20), kRed);
            EXPECT_EQ(pDC->GetPixel(10, 10), kRed);
            preview.vMemoryDCDrawDone(true);
            modal_clicks::Start({{[&preview] { return modal_clicks::SystemPrintDialogOf(preview.m_hWnd); }, IDCANCEL}});
            preview.SendMessage(WM_COMMAND, IDOK), modal_clicks::Stop();
            EXPECT_EQ(modal_clicks::StepsClicked(), 1) << "OK asks for a printer";
        }, {
            {"vSetColorDefault, CreateByID over a live window", [](auto& p, Phase) {
                 const HWND hBefore = p.m_hWnd;
                 p.vSetColorDefault(true), hBefore != NULL ? p.CreateByID(&HostWindow::Get()) : void();
                 EXPECT_EQ(p.m_hWnd, hBefore); }},
            {"a picture asked for twice, finished, erased", [](auto& p, Phase) {
                 EXPECT_TRUE((p.dcGetMemoryDC(false), p.dcGetMemoryDC(false)) != NULL); p.vMemoryDCDrawDone(false), p.vEraseMemoryDC(true, 0xFFFFFFFF); }},
            {"a view copied from no DC, of no area, of a huge one", [](auto& p, Phase) {
                 CClientDC screen(NULL);
                 p.vCpyViewDCToDlgDC(NULL, CRect(0, 0, 10, 10), true), p.vCpyViewDCToDlgDC(&screen, CRect(10, 10, -10, -10), false);
                 p.vCpyViewDCToDlgDC(&screen, kHuge, true); }},
            {"the colour transforms on no DC and over a huge rectangle", [](auto& p, Phase) {
                 CDC mem; // its 1 x 1 monochrome bitmap takes the pixel by pixel road
                 mem.CreateCompatibleDC(NULL), p.vSetExchangeColor(), p.vConvertSpecialColor(NULL, kHuge), p.vConvertSpecialColor(&mem, kHuge);
                 p.vConvertToBW(NULL, kHuge, 0.0, true), p.vConvertToBW(&mem, kHuge, 0.0, true); }},
        },
        [](auto& preview, CWnd& host) { return preview.CreateByID(&host), preview.m_hWnd != NULL; },
        [] { return std::unique_ptr<MXPrintPreviewWnd>(new MXPrintPreviewWnd(&HostWindow::Get())); }});
}

// The window that the first tool of the thread's only tooltip belongs to.
HWND WindowOfTheTooltipsTool()
{
    const std::vector<HWND> tooltips = WindowsOfThread([](HWND hWnd) {
        char szClass[32] = "";
        return ::GetClassNameA(hWnd, szClass, sizeof(szClass)) != 0 && ::lstrcmpiA(szClass, TOOLTIPS_CLASSA) == 0;
    });
    TOOLINFOA ti = {};
    ti.cbSize = TTTOOLINFOA_V1_SIZE;
    return tooltips.size() == 1 && ::SendMessageA(tooltips[0], TTM_ENUMTOOLSA, 0, reinterpret_cast<LPARAM>(&ti)) ? ti.hwnd : NULL;
}

TEST(HostileCalls, HyperLink)
{
    RunHostileTable<CXHyperLink>({
        [](auto& link) { // the user clicks the link; the parent hears of it
            link.SetURL("http://quotes.invalid/"), link.SetNotifyParent(TRUE), link.EnableURL(FALSE);
            HostWindow::Get().SendMessage(WM_COMMAND, MAKEWPARAM(1, STN_CLICKED), reinterpret_cast<LPARAM>(link.m_hWnd));
            EXPECT_EQ(HostWindow::Get().Count("WM_XHYPERLINK_CLICKED"), 1);
            EXPECT_EQ(WindowOfTheTooltipsTool(), link.m_hWnd) << "the tooltip shows this window's target";
        }, {
            {"URL and text empty, NULL, then huge", [](auto& h, Phase) {
                 h.SetURL(""), h.SetURL(CString('x', 100000)), h.SetWindowTextA(NULL), h.SetWindowTextA(CString('y', 100000)); }},
            {"colours of 0xFFFFFFFF, SetUnderline(INT_MIN), an empty font", [](auto& h, Phase) {
                 CFont empty;
                 h.SetColours(0xFFFFFFFF, 0xFFFFFFFF), h.SetBackgroundColour(0xFFFFFFFF), h.SetUnderline(INT_MIN), h.EnableTooltip(TRUE), h.ChangeFont(empty);
                 EXPECT_EQ(h.GetHoverColour(), ::GetSysColor(COLOR_HIGHLIGHT)); }},
            {"DestroyWindow of no window", [](auto& h, Phase phase) { EXPECT_TRUE(phase == Phase::Live || !h.DestroyWindow()); }},
        }});
}

TEST(HostileCalls, HoverButton)
{
    typedef CHoverButton B;
    RunHostileTable<B>({
        [](B& button) { // the host loads the library's pair and sizes the button
            CRect rc;
            button.LoadTAIEXButtonBitmaps(), button.SizeToContent(), button.GetWindowRect(&rc);
            EXPECT_EQ(rc.Size(), CSize(18, 18));
        }, {
            {"LoadBitmaps of no name, sized with nothing loaded", [](B& b, Phase) { EXPECT_FALSE(b.LoadBitmaps(static_cast<const char*>(NULL))); b.SizeToContent(); }},
            {"SetButtonState(-7)", [](B& b, Phase) { b.SetButtonState(static_cast<B::BUTTON_STATE>(-7)); EXPECT_EQ(b.GetButtonState(), B::BTN_NORMAL); }},
            {"DrawItem of nothing, of no DC", [](B& b, Phase) { DRAWITEMSTRUCT dis = {}; dis.rcItem = kHuge; b.DrawItem(NULL), b.DrawItem(&dis); }},
            {"the pair loaded and sized", [](B& b, Phase) { b.LoadTAIEXButtonBitmaps(), b.SizeToContent(); }},
        },
        [](B& button, CWnd& host) { return button.Create("", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, CRect(10, 10, 60, 60), &host, 1) != FALSE; }});
}

// The off-screen DC has no window: its wrong states are its arguments (no
// target, empty and inverted rectangles: MemDrawDCTest). A surface that
// cannot be made copies nothing onto the target.
TEST(HostileCalls, MemDrawDC)
{
    // Each row: the rectangle, the target's corner after drawing on two
    // surfaces and copying one twice. The target is blackened without
    // touching its background colour, white, which is what the memory DC's
    // own 1 x 1 monochrome bitmap would copy.
    const std::pair<CRect, COLORREF> rows[] = {
        {CRect(0, 0, 1 << 17, 1 << 17), RGB(0, 0, 0)}, // too large for a bitmap
        {CRect(-20, -20, 40, 40), kRed},               // partly off the target
    };
    CClientDC target(&HostWindow::Get());
    for (const auto& row : rows) {
        ::PatBlt(target.m_hDC, 0, 0, 60, 60, BLACKNESS);
        CMemDrawDC(&target, row.first)->FillSolidRect(CRect(0, 0, 100, 100), kRed); // never copied
        CMemDrawDC mem(&target, row.first);
        mem->FillSolidRect(CRect(0, 0, 100, 100), kRed), mem.ForceBitBlt(SRCCOPY), mem.ForceBitBlt(SRCCOPY);
        EXPECT_EQ(target.GetPixel(0, 0), row.second) << "from " << row.first.left;
    }
}

} // namespace
