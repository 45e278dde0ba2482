// The drag list, the print preview, the link, the hover button and the
// off-screen DC called in the wrong state, with NULL pointers and with
// negative or huge sizes; afterwards each must still do its main job.
#include <afxwin.h>
#include <gtest/gtest.h>

#include <climits>
#include <string>
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
const COLORREF kRed = RGB(255, 0, 0), kWhite = RGB(255, 255, 255);

TEST(HostileCalls, DragListBox)
{
    RunHostileTable<CDragListBoxEx>({
        [](auto& list, CWnd& host) { return list.Create(WS_CHILD | WS_VISIBLE, CRect(10, 10, 210, 200), &host, 1) != FALSE; },
        [](auto& list) { // the user drags the second of five items down past the fourth
            CRect rcFrom, rcTo;
            list.ResetContent();
            for (const char* psz : {"A0", "A1", "A2", "A3", "A4"})
                list.AddString(psz);
            list.GetItemRect(1, &rcFrom), list.GetItemRect(3, &rcTo);
            list.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, rcFrom.top + 2));
            list.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(5, rcTo.bottom - 2));
            list.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(5, rcTo.bottom - 2)), PumpUntilIdle();
            EXPECT_EQ(ListBoxLines(list.m_hWnd), (std::vector<std::string>{"A0", "A2", "A3", "A1", "A4"}));
            EXPECT_EQ(HostWindow::Get().Count("DRAGLISTBOX_MSG_DRAG_END"), 1);
        }, {
            {"BeginDrag while disabled", [](auto& l, Phase) { l.SetDragEnable(false); EXPECT_FALSE(l.BeginDrag(kFarAway)); l.SetDragEnable(true); }},
            {"BeginDrag, EndDrag", [](auto& l, Phase phase) { EXPECT_EQ(l.BeginDrag(kFarAway) != FALSE, phase == Phase::Live); l.EndDrag(); }},
            {"Dragging far away starts no thread timer", [](auto& l, Phase) { // posted without a window, it would never stop
                 MSG msg;
                 EXPECT_EQ(l.Dragging(kFarAway), 0u);
                 ::Sleep(80);
                 EXPECT_FALSE(::PeekMessageA(&msg, reinterpret_cast<HWND>(-1), WM_TIMER, WM_TIMER, PM_NOREMOVE));
                 l.CancelDrag(kFarAway); }},
            {"Dropped far away, EndDrag while idle", [](auto& l, Phase) { l.Dropped(kFarAway), l.EndDrag(); }},
        }});
}

TEST(HostileCalls, PrintPreview)
{
    RunHostileTable<MXPrintPreviewWnd>({
        [](auto& preview, CWnd& host) { return preview.CreateByID(&host), preview.m_hWnd != NULL; },
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
                 p.dcGetMemoryDC(false);
                 EXPECT_TRUE(p.dcGetMemoryDC(false) != NULL); p.vMemoryDCDrawDone(false), p.vEraseMemoryDC(true, 0xFFFFFFFF); }},
            {"a view copied from no DC, of no area, of a huge one", [](auto& p, Phase) {
                 CClientDC screen(NULL);
                 p.vCpyViewDCToDlgDC(NULL, CRect(0, 0, 10, 10), true), p.vCpyViewDCToDlgDC(&screen, CRect(10, 10, -10, -10), false);
                 p.vCpyViewDCToDlgDC(&screen, kHuge, true); }},
            {"the colour transforms on no DC and over a huge rectangle", [](auto& p, Phase) {
                 CDC mem; // its 1 x 1 monochrome bitmap takes the pixel by pixel road
                 mem.CreateCompatibleDC(NULL), p.vSetExchangeColor(), p.vConvertSpecialColor(NULL, kHuge), p.vConvertSpecialColor(&mem, kHuge);
                 p.vConvertToBW(NULL, kHuge, 0.0, true), p.vConvertToBW(&mem, kHuge, 0.0, true); }},
        },
        [] { return std::unique_ptr<MXPrintPreviewWnd>(new MXPrintPreviewWnd(&HostWindow::Get())); }});
}

// The window that the first tool of the thread's only tooltip belongs to.
HWND WindowOfTheTooltipsTool()
{
    std::vector<HWND> tooltips = WindowsOfThread();
    tooltips.erase(std::remove_if(tooltips.begin(), tooltips.end(), [](HWND hWnd) {
        char szClass[32] = "";
        return ::GetClassNameA(hWnd, szClass, sizeof(szClass)) == 0 || ::lstrcmpiA(szClass, TOOLTIPS_CLASSA) != 0;
    }), tooltips.end());
    TOOLINFOA ti = {};
    ti.cbSize = TTTOOLINFOA_V1_SIZE;
    return tooltips.size() == 1 && ::SendMessageA(tooltips[0], TTM_ENUMTOOLSA, 0, reinterpret_cast<LPARAM>(&ti)) ? ti.hwnd : NULL;
}

TEST(HostileCalls, HyperLink)
{
    RunHostileTable<CXHyperLink>({
        [](auto& link, CWnd& host) { return link.Create("Quotes", WS_CHILD | WS_VISIBLE, CRect(10, 10, 200, 30), &host, 1) != FALSE; },
        [](auto& link) { // the user clicks the link; the parent hears of it
            link.SetURL("http://quotes.invalid/"), link.SetNotifyParent(TRUE), link.EnableURL(FALSE);
            HostWindow::Get().SendMessage(WM_COMMAND, MAKEWPARAM(1, STN_CLICKED), reinterpret_cast<LPARAM>(link.m_hWnd));
            EXPECT_EQ(HostWindow::Get().Count("WM_XHYPERLINK_CLICKED"), 1);
            EXPECT_STREQ(link.GetURL(), "http://quotes.invalid/");
            EXPECT_EQ(WindowOfTheTooltipsTool(), link.m_hWnd) << "the tooltip shows this window's target";
        }, {
            {"URL and text empty, NULL, then huge", [](auto& h, Phase) {
                 h.SetURL(""), h.SetURL(CString('x', 100000)), h.SetWindowTextA(NULL), h.SetWindowTextA(CString('y', 100000)); }},
            {"colours of 0xFFFFFFFF, SetUnderline(INT_MIN), an empty font", [](auto& h, Phase) {
                 CFont empty;
                 h.SetColours(0xFFFFFFFF, 0xFFFFFFFF), h.SetBackgroundColour(0xFFFFFFFF), h.SetUnderline(INT_MIN), h.EnableTooltip(TRUE), h.ChangeFont(empty);
                 EXPECT_EQ(h.GetHoverColour(), ::GetSysColor(COLOR_HIGHLIGHT)); }},
            {"SetLinkCursor(NULL) loads the hand", [](auto& h, Phase) { h.SetLinkCursor(NULL); EXPECT_TRUE(h.GetLinkCursor() != NULL); }},
            {"GotoURL(NULL) opens nothing", [](auto&, Phase) { EXPECT_EQ(reinterpret_cast<INT_PTR>(CXHyperLink::GotoURL(NULL, SW_SHOW)), 36); }},
            {"DestroyWindow of no window", [](auto& h, Phase phase) { EXPECT_TRUE(phase == Phase::Live || !h.DestroyWindow()); }},
        }});
}

TEST(HostileCalls, HoverButton)
{
    typedef CHoverButton B;
    RunHostileTable<B>({
        [](B& button, CWnd& host) { return button.Create("", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, CRect(10, 10, 60, 60), &host, 1) != FALSE; },
        [](B& button) { // the host loads the library's pair, sizes the button and disables it
            CRect rc;
            button.LoadTAIEXButtonBitmaps(), button.SizeToContent(), button.GetWindowRect(&rc);
            EXPECT_EQ(rc.Size(), CSize(18, 18));
            button.SetButtonState(B::BTN_DISABLED);
            EXPECT_FALSE(button.IsWindowEnabled());
        }, {
            {"LoadBitmaps of no name, of no resource, sized with nothing loaded", [](B& b, Phase) {
                 EXPECT_FALSE(b.LoadBitmaps(static_cast<const char*>(NULL)));
                 EXPECT_FALSE(b.LoadBitmaps(0xFFFFu, 0xFFFEu)); b.SizeToContent(); }},
            {"SetButtonState beyond the four", [](B& b, Phase) {
                 b.SetButtonState(static_cast<B::BUTTON_STATE>(-7)); EXPECT_EQ(b.GetButtonState(), B::BTN_NORMAL); }},
            {"DrawItem of nothing, of no DC", [](B& b, Phase) { DRAWITEMSTRUCT dis = {}; dis.rcItem = kHuge; b.DrawItem(NULL), b.DrawItem(&dis); }},
            {"the pair loaded and sized", [](B& b, Phase) { b.LoadTAIEXButtonBitmaps(), b.SizeToContent(); }},
        }});
}

// The off-screen DC has no window: its wrong states are its arguments. A
// surface that cannot be made copies nothing onto the target.
TEST(HostileCalls, MemDrawDC)
{
    // Each row: whether there is a target, the rectangle, the target's corner after drawing and copying.
    const struct { const char* pszName; bool bTarget; CRect rect; COLORREF crAfter; } rows[] = {
        {"no target", false, CRect(0, 0, 40, 40), kWhite},
        {"an inverted rectangle", true, CRect(40, 40, 0, 0), kWhite},
        {"a rectangle too large for a bitmap", true, CRect(0, 0, 1 << 17, 1 << 17), kWhite},
        {"a rectangle partly off the target", true, CRect(-20, -20, 40, 40), kRed},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.pszName);
        CClientDC target(&HostWindow::Get());
        target.FillSolidRect(CRect(0, 0, 60, 60), kWhite);
        CMemDrawDC(row.bTarget ? &target : NULL, row.rect)->FillSolidRect(CRect(0, 0, 100, 100), kRed); // never copied
        CMemDrawDC mem(row.bTarget ? &target : NULL, row.rect);
        mem->FillSolidRect(CRect(0, 0, 100, 100), kRed), mem.ForceBitBlt(SRCCOPY), mem.ForceBitBlt(SRCCOPY);
        EXPECT_EQ(target.GetPixel(0, 0), row.crAfter);
    }
}

} // namespace
