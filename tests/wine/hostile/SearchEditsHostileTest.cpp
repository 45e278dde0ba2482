// The two search edits called in the wrong state; afterwards each must still
// find, choose and tell its host.

#include <climits>
#include <vector>

#include "BackendStub.h"
#include "CSearchEdit.h"
#include "CSymbolSearchEdit.h"
#include "HostileCalls.h"

namespace {

// The choice keys, the wheel and the list's own registered messages, as
// they may reach an edit whose popup list does not exist yet.
void KeysAndListMessages(CWnd& edit, const char* pszEnter, const char* pszHide)
{
    edit.SendMessage(::RegisterWindowMessageA(pszEnter)), edit.SendMessage(::RegisterWindowMessageA(pszHide));
    edit.SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-WHEEL_DELTA)));
    edit.SendMessage(WM_KEYDOWN, VK_DOWN), edit.SendMessage(WM_KEYDOWN, VK_RETURN);
}

// The host's own identifier of the hide message, registered by name, takes
// down the list that typing on brought up again.
void HiddenByTheHostsMessage(CWnd& edit, const char* pszHide)
{
    edit.SetWindowText("23"), PumpUntilIdle();
    EXPECT_FALSE(NoPopupShown()) << "typing on brings the list up again";
    edit.SendMessage(::RegisterWindowMessageA(pszHide));
    EXPECT_TRUE(NoPopupShown()) << "the host's " << pszHide << " hides the list";
}

// The main jobs complete a choice with the host's identifier of the enter
// message, as a host's list would, and hear of it under the host's
// identifier of the chosen message.
TEST(HostileCalls, SearchEdit)
{
    RunHostileTable<CSearchEdit>({[](CSearchEdit& edit) {
        std::vector<CString> data = {"2330 TSMC", "2303 UMC"};
        CString strChosen;
        edit.SetSearchData(data, 1), edit.SetNofityWnd(&HostWindow::Get()), edit.SetWindowText("2303");
        edit.SendMessage(::RegisterWindowMessageA("EDITMSG_INPUT_ENTER")), PumpUntilIdle();
        EXPECT_EQ(edit.GetSelectedData(strChosen), 1);
        EXPECT_STREQ(strChosen, "2303 UMC");
        EXPECT_EQ(HostWindow::Get().Count("EDITMSG_SEARCH_SELECTED"), 1);
        HiddenByTheHostsMessage(edit, "EDITMSG_HIDE_DATALIST");
        edit.SetWindowText("2"), PumpUntilIdle(); // left up for the window's destruction
    }, {
        {"EnterProcess on no text forgets the choice", [](auto& e, Phase) { CString s; e.EnterProcess(); EXPECT_EQ(e.GetSelectedData(s), 0); }},
        {"SetSearchData of nothing, SetNofityWnd(NULL)", [](auto& e, Phase) {
             std::vector<CString> none;
             e.SetSearchData(none, 0), e.SetSearchData(none, 1), e.SetNofityWnd(NULL); }},
        {"keys and the list's messages", [](auto& e, Phase) { KeysAndListMessages(e, "EDITMSG_INPUT_ENTER", "EDITMSG_HIDE_DATALIST"); }},
        {"no list left up without the edit", [](auto&, Phase phase) { EXPECT_TRUE(phase == Phase::Live || NoPopupShown()); }},
    }});
}

TEST(HostileCalls, SymbolSearchEdit)
{
    BackendStub::Reset();
    BackendStub::SetServices({16});
    BackendStub::SetContracts(16, {"2330", "2303"}, {"TSMC", "UMC"});
    BackendStub::SetLangString("IDS_TOOLBAR_NOMATCH", "no match");
    typedef CSymbolSearchEdit Edit;
    RunHostileTable<Edit>({[](Edit& edit) {
        CSymbolInfo chosen;
        edit.SetType(Edit::TYPE_SYMBOL), edit.ResetSymbolFile(), edit.SetNofityWnd(&HostWindow::Get()), edit.SetWindowText("2303");
        edit.SendMessage(::RegisterWindowMessageA("g_uMsgEnter")), PumpUntilIdle(), edit.GetSelectedSymbol(chosen);
        EXPECT_STREQ(chosen.GetSymbol(), "2303");
        EXPECT_EQ(HostWindow::Get().Count("g_uMsgSearchInputSelected"), 1);
        HiddenByTheHostsMessage(edit, "g_uMsgHideList");
        edit.SetWindowText("zzz");
        const HWND hTip = ::FindWindowA(NULL, "no match");
        EXPECT_TRUE(::IsWindowVisible(hTip)) << "the no-match tip";
        edit.SendMessage(WM_KEYDOWN, VK_ESCAPE), ::ShowWindow(hTip, SW_HIDE);
    }, {
        {"SetType beyond the four, ResetSymbolFile, SetSearchData, SetNofityWnd and SetFont of nothing", [](auto& e, Phase) {
             std::vector<CSymbolInfo> none;
             CFont empty;
             e.SetType(static_cast<Edit::TYPE>(-1)), e.SetType(static_cast<Edit::TYPE>(INT_MAX)), e.ResetSymbolFile();
             e.SetSearchData(none), e.SetNofityWnd(NULL), e.SetFont(NULL), e.SetFont(&empty, FALSE); }},
        {"EnterProcess on no text forgets the choice", [](auto& e, Phase) {
             CSymbolInfo given, read;
             given.SetService(109), given.SetSymbol("TXO"), e.SetSelectedSymbol(given), e.EnterProcess(), e.GetSelectedSymbol(read);
             EXPECT_EQ(read.GetService(), 0); }},
        {"InitialPopupList and ShowList take no focus and show nothing without a window", [](auto& e, Phase phase) {
             e.InitialPopupList(), HostWindow::Get().SetFocus(), e.ShowList(INT_MIN);
             EXPECT_TRUE(phase == Phase::Live || (::GetFocus() == HostWindow::Get().m_hWnd && NoPopupShown())); }},
        {"keys and the list's messages", [](auto& e, Phase) { KeysAndListMessages(e, "g_uMsgEnter", "g_uMsgHideList"); }},
    }});
}

} // namespace
