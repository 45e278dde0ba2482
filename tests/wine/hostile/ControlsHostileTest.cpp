// The drag list, the print preview, the link, the hover button and the
// off-screen DC called in the wrong state, with NULL pointers and with
// negative or huge sizes; each must then still do its main job.
#include <afxwin.h>
#include <gtest/gtest.h>

#include <climits>

#include "CDragListBoxEx.h"
#include "CHoverButton.h"
#include "CMemDrawDC.h"
#include "CXHyperLink.h"
#include "HostileCalls.h"
#include "MXPrintPreviewWnd.h"

namespace {

const CPoint kFarAway(INT_MIN / 2, INT_MAX / 2);
const CRect kHuge(0, 0, INT_MAX, INT_MAX);
const COLORREF kRed = RGB(255, 0, 0);

UINT Registered(const char* pszName) { return ::RegisterWindowMessageA(pszName); }

// Thread timers are posted without a window; a control must never start one.
bool ThreadTimerPending()
{
    ::Sleep(80);
    MSG msg;
    return ::PeekMessageA(&msg, reinterpret_cast<HWND>(-1), WM_TIMER, WM_TIMER, PM_NOREMOVE) != FALSE;
}

TEST(HostileCalls, DragListBox)
{
    HostileTable<CDragListBoxEx> table;
    table.create = [](CDragListBoxEx& list, CWnd& host) {
        return list.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | WS_VSCROLL, CRect(10, 10, 210, 200), &host, 1) != FALSE;
    };
    // The user drags the second of five items down to the fourth.
    table.mainRoad = [](CDragListBoxEx& list, CWnd&) {
        list.ResetContent();
        for (const char* psz : {"A0", "A1", "A2", "A3", "A4"})
            list.AddString(psz);
        CRect rcFrom, rcTo;
        list.GetItemRect(1, &rcFrom), list.GetItemRect(3, &rcTo);
        list.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(rcFrom.left + 5, rcFrom.top + 2));
        list.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(rcTo.left + 5, rcTo.bottom - 2));
        list.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(rcTo.left + 5, rcTo.bottom - 2));
        PumpUntilIdle();
        CString strSecond;
        list.GetText(1, strSecond);
        EXPECT_STREQ(strSecond, "A2") << "A1 moved down";
        EXPECT_EQ(list.GetCount(), 5);
        EXPECT_EQ(HostWindow::Get().Count(Registered("DRAGLISTBOX_MSG_DRAG_END")), 1);
    };
    table.rows = {
        {"BeginDrag while disabled", [](CDragListBoxEx& list, Phase) {
             list.SetDragEnable(false);
             EXPECT_FALSE(list.BeginDrag(kFarAway));
             list.SetDragEnable(true);
         }},
        {"BeginDrag, EndDrag", [](CDragListBoxEx& list, Phase phase) {
             EXPECT_EQ(list.BeginDrag(kFarAway) != FALSE, phase == Phase::Live);
             list.EndDrag();
         }},
        {"Dragging far away starts no thread timer", [](CDragListBoxEx& list, Phase) {
             EXPECT_EQ(list.Dragging(kFarAway), 0u);
             EXPECT_FALSE(ThreadTimerPending());
             list.CancelDrag(kFarAway);
         }},
        {"Dropped far away", [](CDragListBoxEx& list, Phase) { list.Dropped(kFarAway); }},
        {"EndDrag while idle", [](CDragListBoxEx& list, Phase) { list.EndDrag(); }},
        {"PreTranslateMessage(NULL)", [](CDragListBoxEx& list, Phase) { EXPECT_FALSE(list.PreTranslateMessage(NULL)); }},
    };
    RunHostileTable(table);
}

TEST(HostileCalls, PrintPreview)
{
    typedef MXPrintPreviewWnd Preview;
    HostileTable<Preview> table;
    table.make = [] { return std::unique_ptr<Preview>(new Preview(&HostWindow::Get())); };
    table.create = [](Preview& preview, CWnd& host) {
        preview.CreateByID(&host);
        return preview.m_hWnd != NULL;
    };
    // The host copies a view, draws its own colour picture and reads it back.
    table.mainRoad = [](Preview& preview, CWnd& host) {
        CClientDC view(&host);
        preview.vCpyViewDCToDlgDC(&view, CRect(0, 0, 200, 150), true);
        EXPECT_EQ(preview.szGetMemoryDCSize(), CSize(200, 110));
        CDC* pDC = preview.dcGetMemoryDC(true);
        ASSERT_TRUE(pDC != NULL);
        pDC->FillSolidRect(CRect(0, 0, 20, 20), kRed);
        EXPECT_EQ(pDC->GetPixel(10, 10), kRed);
        preview.vMemoryDCDrawDone(true);
    };
    table.rows = {
        {"the drawing area: none before initialisation", [](Preview& preview, Phase phase) {
             const CSize sizes[] = {CSize(0, -40), CSize(800, 560), CSize(200, 110)};
             EXPECT_EQ(preview.szGetMemoryDCSize(), sizes[static_cast<int>(phase)]);
         }},
        {"vSetColorDefault", [](Preview& preview, Phase) { preview.vSetColorDefault(true); }},
        {"CreateByID over a live window", [](Preview& preview, Phase phase) {
             const HWND hBefore = preview.m_hWnd;
             if (phase == Phase::Live) {
                 preview.CreateByID(&HostWindow::Get());
             }
             EXPECT_EQ(preview.m_hWnd, hBefore);
         }},
        {"a picture drawn and finished", [](Preview& preview, Phase) {
             EXPECT_TRUE(preview.dcGetMemoryDC(false) != NULL);
             preview.vMemoryDCDrawDone(false);
             preview.vEraseMemoryDC(true, 0xFFFFFFFF);
         }},
        {"vCpyViewDCToDlgDC from no view, of no area, of a huge one", [](Preview& preview, Phase) {
             CClientDC screen(NULL);
             preview.vCpyViewDCToDlgDC(NULL, CRect(0, 0, 10, 10), true);
             preview.vCpyViewDCToDlgDC(&screen, CRect(10, 10, -10, -10), false);
             preview.vCpyViewDCToDlgDC(&screen, kHuge, true);
             EXPECT_EQ(preview.szGetMemoryDCSize(), CSize(INT_MAX, INT_MAX - 40)) << "the size is taken as given";
         }},
        {"the colour transforms on no DC and over a huge rectangle", [](Preview& preview, Phase) {
             CDC mem; // its 1 x 1 monochrome bitmap takes the pixel by pixel road
             mem.CreateCompatibleDC(NULL);
             preview.vSetExchangeColor();
             preview.vConvertSpecialColor(NULL, kHuge);
             preview.vConvertSpecialColor(&mem, kHuge);
             preview.vConvertToBW(NULL, kHuge, 0.0, true);
             preview.vConvertToBW(&mem, kHuge, 0.0, true);
         }},
        {"PreTranslateMessage(NULL)", [](Preview& preview, Phase) { EXPECT_FALSE(preview.PreTranslateMessage(NULL)); }},
    };
    RunHostileTable(table);
}

TEST(HostileCalls, HyperLink)
{
    HostileTable<CXHyperLink> table;
    table.create = [](CXHyperLink& link, CWnd& host) {
        return link.Create("Quotes", WS_CHILD | WS_VISIBLE, CRect(10, 10, 200, 30), &host, 1) != FALSE;
    };
    // The user clicks the link; the parent hears of it.
    table.mainRoad = [](CXHyperLink& link, CWnd& host) {
        link.SetURL("http://quotes.invalid/");
        link.SetNotifyParent(TRUE);
        link.EnableURL(FALSE);
        host.SendMessage(WM_COMMAND, MAKEWPARAM(1, STN_CLICKED), reinterpret_cast<LPARAM>(link.m_hWnd));
        EXPECT_EQ(HostWindow::Get().Count(Registered("WM_XHYPERLINK_CLICKED")), 1);
        EXPECT_STREQ(link.GetURL(), "http://quotes.invalid/");
    };
    table.rows = {
        {"SetURL empty, then huge", [](CXHyperLink& link, Phase) {
             link.SetURL("");
             link.SetURL(CString('x', 100000));
             EXPECT_EQ(link.GetURL().GetLength(), 100000);
         }},
        {"SetWindowTextA(NULL), then a huge text", [](CXHyperLink& link, Phase) {
             link.SetWindowTextA(NULL);
             link.SetWindowTextA(CString('y', 100000));
         }},
        {"colours of 0xFFFFFFFF", [](CXHyperLink& link, Phase) {
             link.SetColours(0xFFFFFFFF, 0xFFFFFFFF);
             EXPECT_EQ(link.GetHoverColour(), ::GetSysColor(COLOR_HIGHLIGHT));
             link.SetBackgroundColour(0xFFFFFFFF);
         }},
        {"SetUnderline(INT_MIN)", [](CXHyperLink& link, Phase) { link.SetUnderline(INT_MIN); }},
        {"SetLinkCursor(NULL) loads the hand", [](CXHyperLink& link, Phase) {
             link.SetLinkCursor(NULL);
             EXPECT_TRUE(link.GetLinkCursor() != NULL);
         }},
        {"ChangeFont with an empty font", [](CXHyperLink& link, Phase) {
             CFont empty;
             link.ChangeFont(empty);
         }},
        {"GotoURL(NULL) opens nothing", [](CXHyperLink&, Phase) {
             EXPECT_EQ(reinterpret_cast<INT_PTR>(CXHyperLink::GotoURL(NULL, SW_SHOW)), 36);
         }},
        {"EnableTooltip", [](CXHyperLink& link, Phase) { link.EnableTooltip(TRUE); }},
        {"PreTranslateMessage(NULL)", [](CXHyperLink& link, Phase) { EXPECT_FALSE(link.PreTranslateMessage(NULL)); }},
        {"DestroyWindow of no window", [](CXHyperLink& link, Phase phase) {
             if (phase != Phase::Live) {
                 EXPECT_FALSE(link.DestroyWindow());
             }
         }},
    };
    RunHostileTable(table);
}

TEST(HostileCalls, HoverButton)
{
    typedef CHoverButton Button;
    HostileTable<Button> table;
    table.create = [](Button& button, CWnd& host) {
        return button.Create("", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, CRect(10, 10, 60, 60), &host, 1) != FALSE;
    };
    // The host loads the library's pair, sizes the button and disables it.
    table.mainRoad = [](Button& button, CWnd&) {
        button.LoadTAIEXButtonBitmaps();
        button.SizeToContent();
        CRect rc;
        button.GetWindowRect(&rc);
        EXPECT_EQ(rc.Size(), CSize(18, 18));
        button.SetButtonState(Button::BTN_DISABLED);
        EXPECT_FALSE(button.IsWindowEnabled());
        button.SetButtonState(Button::BTN_NORMAL);
        EXPECT_TRUE(button.IsWindowEnabled());
    };
    table.rows = {
        {"LoadBitmaps of no name and of no resource", [](Button& button, Phase) {
             EXPECT_FALSE(button.LoadBitmaps(static_cast<const char*>(NULL)));
             EXPECT_FALSE(button.LoadBitmaps(0xFFFFu, 0xFFFEu));
         }},
        {"SizeToContent with nothing loaded", [](Button& button, Phase) { button.SizeToContent(); }},
        {"SetButtonState beyond the four", [](Button& button, Phase) {
             button.SetButtonState(static_cast<Button::BUTTON_STATE>(-7));
             EXPECT_EQ(button.GetButtonState(), Button::BTN_NORMAL);
         }},
        {"DrawItem of nothing, and of no DC", [](Button& button, Phase) {
             DRAWITEMSTRUCT dis = {};
             dis.rcItem = kHuge;
             button.DrawItem(NULL);
             button.DrawItem(&dis);
         }},
        {"the pair loaded and sized", [](Button& button, Phase) {
             button.LoadTAIEXButtonBitmaps();
             button.SizeToContent();
         }},
    };
    RunHostileTable(table);
}

// The off-screen DC has no window: its wrong states are its arguments.
TEST(HostileCalls, MemDrawDC)
{
    const struct {
        const char* pszName;
        bool bTarget;
        CRect rect;
        bool bCopies;
    } rows[] = {
        {"no target", false, CRect(0, 0, 40, 40), false},
        {"an empty rectangle", true, CRect(20, 20, 20, 40), false},
        {"an inverted rectangle", true, CRect(40, 40, 0, 0), false},
        {"a rectangle too large for a bitmap", true, CRect(0, 0, 1 << 17, 1 << 17), false},
        {"a rectangle partly off the target", true, CRect(-20, -20, 40, 40), true},
    };
    HostWindow& host = HostWindow::Get();
    for (const auto& row : rows) {
        SCOPED_TRACE(row.pszName);
        for (int nTime = 0; nTime < 2; ++nTime) {
            CClientDC target(&host);
            target.FillSolidRect(CRect(0, 0, 60, 60), RGB(255, 255, 255));
            {
                CMemDrawDC mem(row.bTarget ? &target : NULL, row.rect);
                mem->FillSolidRect(CRect(0, 0, 100, 100), kRed);
                mem.ForceBitBlt(SRCCOPY);
                mem.ForceBitBlt(SRCCOPY);
            }
            PumpUntilIdle();
            EXPECT_EQ(target.GetPixel(0, 0), row.bCopies ? kRed : RGB(255, 255, 255));
        }
    }
}

} // namespace
