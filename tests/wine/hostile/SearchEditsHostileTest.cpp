// The two search edits called in the wrong state; afterwards each must still
// find, choose and tell its host.
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

template <class Edit> bool CreateEdit(Edit& edit, CWnd& host)
{
    return edit.Create(kEditStyle, CRect(10, 10, 210, 32), &host, 1) != FALSE;
}

// The choice keys, the wheel and the list's own registered messages, as
// they may reach an edit whose popup list does not exist yet.
void KeysAndListMessages(CWnd& edit, const char* pszEnter, const char* pszHide)
{
    for (const char* psz : {pszEnter, pszHide})
        edit.SendMessage(::RegisterWindowMessageA(psz));
    edit.SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-WHEEL_DELTA)));
    edit.SendMessage(WM_KEYDOWN, VK_DOWN), edit.SendMessage(WM_KEYDOWN, VK_RETURN);
}

TEST(HostileCalls, SearchEdit)
{
    HostileTable<CSearchEdit> table;
    table.create = CreateEdit<CSearchEdit>;
    table.mainRoad = [](CSearchEdit& edit) {
        std::vector<CString> data = {"2330 TSMC", "2303 UMC"};
        CString strChosen;
        edit.SetSearchData(data, 1), edit.SetNofityWnd(&HostWindow::Get()), edit.SetWindowText("2303");
        edit.SendMessage(WM_KEYDOWN, VK_RETURN), PumpUntilIdle();
        EXPECT_EQ(edit.GetSelectedData(strChosen), 1);
        EXPECT_STREQ(strChosen, "2303 UMC");
        EXPECT_EQ(HostWindow::Get().Count("EDITMSG_SEARCH_SELECTED"), 1);
        edit.SetWindowText("23"), PumpUntilIdle(); // the user types on: the list is up again
    };
    typedef CSearchEdit& E;
    table.rows = {
        {"GetSelectedData: 0 before a choice, the argument untouched", [](E e, Phase phase) {
             CString s("kept"); // the destroyed edit was used first
             EXPECT_EQ(e.GetSelectedData(s), phase == Phase::Destroyed);
             EXPECT_STREQ(s, phase == Phase::Destroyed ? "2303 UMC" : "kept"); }},
        {"EnterProcess on no text forgets the choice", [](E e, Phase) { CString s; e.EnterProcess(); EXPECT_EQ(e.GetSelectedData(s), 0); }},
        {"SetSearchData of nothing", [](E e, Phase) { std::vector<CString> none; e.SetSearchData(none, 0), e.SetSearchData(none, 1); }},
        {"SetNofityWnd(NULL)", [](E e, Phase) { e.SetNofityWnd(NULL); }},
        {"PreTranslateMessage(NULL)", [](E e, Phase) { EXPECT_FALSE(e.PreTranslateMessage(NULL)); }},
        {"keys and the list's messages", [](E e, Phase) { KeysAndListMessages(e, "EDITMSG_INPUT_ENTER", "EDITMSG_HIDE_DATALIST"); }},
        {"no list left up without the edit", [](E, Phase phase) { EXPECT_TRUE(phase == Phase::Live || ShownPopupOfThread() == NULL); }},
    };
    RunHostileTable(table);
}

TEST(HostileCalls, SymbolSearchEdit)
{
    BackendStub::Reset();
    BackendStub::SetServices({16});
    BackendStub::SetContracts(16, {"2330", "2303"}, {"TSMC", "UMC"});
    BackendStub::SetLangString("IDS_TOOLBAR_NOMATCH", "no match");
    typedef CSymbolSearchEdit Edit;
    HostileTable<Edit> table;
    table.create = CreateEdit<Edit>;
    table.mainRoad = [](Edit& edit) {
        CSymbolInfo chosen;
        edit.SetType(Edit::TYPE_SYMBOL), edit.ResetSymbolFile(), edit.SetNofityWnd(&HostWindow::Get()), edit.SetWindowText("2303");
        edit.SendMessage(WM_KEYDOWN, VK_RETURN), PumpUntilIdle(), edit.GetSelectedSymbol(chosen);
        EXPECT_EQ(chosen.GetService(), 16);
        EXPECT_STREQ(chosen.GetSymbol(), "2303");
        EXPECT_EQ(HostWindow::Get().Count("g_uMsgSearchInputSelected"), 1);
        edit.SetWindowText("zzz");
        const HWND hTip = ::FindWindowA(NULL, "no match");
        EXPECT_TRUE(::IsWindowVisible(hTip)) << "the no-match tip";
        edit.SendMessage(WM_KEYDOWN, VK_ESCAPE), ::ShowWindow(hTip, SW_HIDE);
    };
    typedef CSymbolSearchEdit& E;
    table.rows = {
        {"SetType beyond the four", [](E e, Phase) { e.SetType(static_cast<Edit::TYPE>(-1)), e.SetType(static_cast<Edit::TYPE>(INT_MAX)); }},
        {"ResetSymbolFile", [](E e, Phase) { e.ResetSymbolFile(); }},
        {"SetSearchData of nothing", [](E e, Phase) { std::vector<CSymbolInfo> none; e.SetSearchData(none); }},
        {"EnterProcess on no text forgets the choice", [](E e, Phase) {
             CSymbolInfo given, read;
             given.SetService(109), given.SetSymbol("TXO"), e.SetSelectedSymbol(given), e.EnterProcess(), e.GetSelectedSymbol(read);
             EXPECT_EQ(read.GetService(), 0);
             EXPECT_STREQ(read.GetSymbol(), ""); }},
        {"InitialPopupList", [](E e, Phase) { e.InitialPopupList(); }},
        {"ShowList takes no focus and shows nothing without a window", [](E e, Phase phase) {
             HostWindow::Get().SetFocus(), e.ShowList(INT_MIN);
             EXPECT_TRUE(phase == Phase::Live || (::GetFocus() == HostWindow::Get().m_hWnd && ShownPopupOfThread() == NULL)); }},
        {"SetFont of no font, of an empty one", [](E e, Phase) { CFont empty; e.SetFont(NULL), e.SetFont(&empty, FALSE); }},
        {"SetNofityWnd(NULL)", [](E e, Phase) { e.SetNofityWnd(NULL); }},
        {"PreTranslateMessage(NULL)", [](E e, Phase) { EXPECT_FALSE(e.PreTranslateMessage(NULL)); }},
        {"keys and the list's messages", [](E e, Phase) { KeysAndListMessages(e, "g_uMsgEnter", "g_uMsgHideList"); }},
    };
    RunHostileTable(table);
}

} // namespace
