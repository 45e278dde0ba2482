// The two search edits called in the wrong state: each row runs twice
// before the window exists, with it, and after it was destroyed; then the
// edit must still find, choose and tell its host.
#include <afxwin.h>
#include <gtest/gtest.h>

#include <climits>
#include <vector>

#include "BackendStub.h"
#include "CSearchEdit.h"
#include "CSymbolSearchEdit.h"
#include "HostileCalls.h"

namespace {

const DWORD kEditStyle = WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL;
const CRect kEditRect(10, 10, 210, 32);
const char kNoMatch[] = "no match";

// The library's registered messages, asked of the system by name as a host does.
UINT Registered(const char* pszName) { return ::RegisterWindowMessageA(pszName); }

// The key and the wheel reach an edit whose popup list does not exist yet,
// and so do the list's own registered messages.
template <class Edit> void ListMessagesWithoutList(Edit& edit, UINT uEnter, UINT uHide)
{
    for (UINT uMsg : {uEnter, uHide})
        edit.SendMessage(uMsg);
    edit.SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-WHEEL_DELTA)));
    edit.SendMessage(WM_KEYDOWN, VK_DOWN);
}

bool PreTranslateWithoutMessage(CWnd& wnd) { return wnd.PreTranslateMessage(NULL) != FALSE; }

// What the edit shows on the desktop beside the host: none of its popups
// may stay up once its window is gone.
HWND ShownPopupOfThread()
{
    struct Find {
        static BOOL CALLBACK Next(HWND hWnd, LPARAM lParam)
        {
            if (hWnd == HostWindow::Get().m_hWnd || !::IsWindowVisible(hWnd))
                return TRUE;
            *reinterpret_cast<HWND*>(lParam) = hWnd;
            return FALSE;
        }
    };
    HWND hShown = NULL;
    ::EnumThreadWindows(::GetCurrentThreadId(), Find::Next, reinterpret_cast<LPARAM>(&hShown));
    return hShown;
}

TEST(HostileCalls, SearchEdit)
{
    HostileTable<CSearchEdit> table;
    table.create = [](CSearchEdit& edit, CWnd& host) { return edit.Create(kEditStyle, kEditRect, &host, 1) != FALSE; };
    table.mainRoad = [](CSearchEdit& edit, CWnd& host) {
        std::vector<CString> data = {"2330 TSMC", "2303 UMC"};
        edit.SetSearchData(data, 1);
        edit.SetNofityWnd(&host);
        edit.SetWindowText("2303");
        edit.SendMessage(WM_KEYDOWN, VK_RETURN);
        PumpUntilIdle();
        CString strChosen;
        EXPECT_EQ(edit.GetSelectedData(strChosen), 1);
        EXPECT_STREQ(strChosen, "2303 UMC");
        EXPECT_EQ(HostWindow::Get().Count(Registered("EDITMSG_SEARCH_SELECTED")), 1);
    };
    table.rows = {
        {"GetSelectedData: 0 before a choice, the argument untouched", [](CSearchEdit& edit, Phase phase) {
             CString strData("kept");
             EXPECT_EQ(edit.GetSelectedData(strData), phase == Phase::Destroyed ? 1 : 0);
             EXPECT_STREQ(strData, phase == Phase::Destroyed ? "2303 UMC" : "kept");
         }},
        {"EnterProcess on an empty text forgets the choice", [](CSearchEdit& edit, Phase) {
             edit.EnterProcess();
             CString strData;
             EXPECT_EQ(edit.GetSelectedData(strData), 0);
         }},
        {"SetSearchData with no strings", [](CSearchEdit& edit, Phase) {
             std::vector<CString> none;
             edit.SetSearchData(none, 0);
             edit.SetSearchData(none, 1);
         }},
        {"SetNofityWnd(NULL)", [](CSearchEdit& edit, Phase) { edit.SetNofityWnd(NULL); }},
        {"PreTranslateMessage(NULL)", [](CSearchEdit& edit, Phase) { EXPECT_FALSE(PreTranslateWithoutMessage(edit)); }},
        {"the list's messages without a list", [](CSearchEdit& edit, Phase) {
             ListMessagesWithoutList(edit, Registered("EDITMSG_INPUT_ENTER"), Registered("EDITMSG_HIDE_DATALIST"));
         }},
        {"nothing left on the screen", [](CSearchEdit&, Phase phase) {
             if (phase != Phase::Live) {
                 EXPECT_EQ(ShownPopupOfThread(), static_cast<HWND>(NULL));
             }
         }},
    };
    RunHostileTable(table);
}

TEST(HostileCalls, SymbolSearchEdit)
{
    BackendStub::Reset();
    BackendStub::SetServices({16});
    BackendStub::SetServiceName(16, "L");
    BackendStub::SetContracts(16, {"2330", "2303"}, {"TSMC", "UMC"});
    BackendStub::SetLangString("IDS_TOOLBAR_NOMATCH", kNoMatch);
    typedef CSymbolSearchEdit Edit;

    HostileTable<Edit> table;
    table.create = [](Edit& edit, CWnd& host) { return edit.Create(kEditStyle, kEditRect, &host, 1) != FALSE; };
    table.mainRoad = [](Edit& edit, CWnd& host) {
        edit.SetType(Edit::TYPE_SYMBOL);
        edit.ResetSymbolFile();
        edit.SetNofityWnd(&host);
        edit.SetWindowText("2303");
        edit.SendMessage(WM_KEYDOWN, VK_RETURN);
        PumpUntilIdle();
        CSymbolInfo chosen;
        edit.GetSelectedSymbol(chosen);
        EXPECT_EQ(chosen.GetService(), 16);
        EXPECT_STREQ(chosen.GetSymbol(), "2303");
        EXPECT_EQ(HostWindow::Get().Count(Registered("g_uMsgSearchInputSelected")), 1);
        edit.SetWindowText("zzz");
        const HWND hTip = ::FindWindowA(NULL, kNoMatch);
        EXPECT_TRUE(hTip != NULL && ::IsWindowVisible(hTip)) << "the no-match tip shows";
        edit.SendMessage(WM_KEYDOWN, VK_ESCAPE);
        ::ShowWindow(hTip, SW_HIDE);
    };
    table.rows = {
        {"SetType beyond the four types", [](Edit& edit, Phase) {
             edit.SetType(static_cast<Edit::TYPE>(-1));
             edit.SetType(static_cast<Edit::TYPE>(INT_MAX));
         }},
        {"ResetSymbolFile", [](Edit& edit, Phase) { edit.ResetSymbolFile(); }},
        {"SetSearchData with no records", [](Edit& edit, Phase) {
             std::vector<CSymbolInfo> none;
             edit.SetSearchData(none);
         }},
        {"SetSelectedSymbol, read back", [](Edit& edit, Phase) {
             CSymbolInfo given, read;
             given.SetService(109);
             given.SetSymbol("TXO");
             edit.SetSelectedSymbol(given);
             edit.GetSelectedSymbol(read);
             EXPECT_EQ(read.GetService(), 109);
             EXPECT_STREQ(read.GetSymbol(), "TXO");
         }},
        {"EnterProcess on an empty text forgets the choice", [](Edit& edit, Phase) {
             edit.EnterProcess();
             CSymbolInfo read;
             edit.GetSelectedSymbol(read);
             EXPECT_EQ(read.GetService(), 0);
             EXPECT_STREQ(read.GetSymbol(), "");
         }},
        {"InitialPopupList", [](Edit& edit, Phase) { edit.InitialPopupList(); }},
        {"ShowList takes no focus and shows nothing without the edit", [](Edit& edit, Phase phase) {
             HostWindow::Get().SetFocus();
             edit.ShowList(INT_MIN);
             if (phase == Phase::Live)
                 return;
             EXPECT_EQ(::GetFocus(), HostWindow::Get().m_hWnd);
             EXPECT_EQ(ShownPopupOfThread(), static_cast<HWND>(NULL));
         }},
        {"SetFont with no font and with an empty one", [](Edit& edit, Phase) {
             CFont empty;
             edit.SetFont(NULL);
             edit.SetFont(&empty, FALSE);
         }},
        {"SetNofityWnd(NULL)", [](Edit& edit, Phase) { edit.SetNofityWnd(NULL); }},
        {"PreTranslateMessage(NULL)", [](Edit& edit, Phase) { EXPECT_FALSE(PreTranslateWithoutMessage(edit)); }},
        {"the list's messages without a list", [](Edit& edit, Phase) {
             ListMessagesWithoutList(edit, Registered("g_uMsgEnter"), Registered("g_uMsgHideList"));
         }},
    };
    RunHostileTable(table);
}

} // namespace
