// CSearchEdit in a real dialog: the user types, browses and chooses through
// the host's pump, and the host hears of each choice.
#include <afxwin.h>
#include <gtest/gtest.h>
#include <string>
#include <utility>
#include <vector>

#include "CSearchEdit.h"
#include "MessagePump.h"
#include "SearchForm.h"
#include "SyntheticInput.h"
#include "WindowReadback.h"

namespace {

UINT g_uSelectedMsg = ::RegisterWindowMessageA("EDITMSG_SEARCH_SELECTED");

class HostDialog : public CDialog {
public:
    int m_nSelected = 0; // "EDITMSG_SEARCH_SELECTED" received
    int m_nParentChanges = 0;

protected:
    afx_msg LRESULT OnSearchSelected(WPARAM, LPARAM) { return ++m_nSelected, 0; }
    afx_msg void OnFirstChange() { ++m_nParentChanges; }
    void OnOK() override {}
    void OnCancel() override {}
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(HostDialog, CDialog)
    ON_REGISTERED_MESSAGE(g_uSelectedMsg, OnSearchSelected)
    ON_EN_CHANGE(IDC_SEARCH_FIRST, OnFirstChange)
END_MESSAGE_MAP()

// The popup list of a search edit, found where it must be: under it.
HWND ListUnder(const CWnd& edit)
{
    RECT rcEdit, rc;
    edit.GetWindowRect(&rcEdit);
    for (HWND h = ::FindWindowExA(NULL, NULL, "ListBox", NULL); h != NULL; h = ::FindWindowExA(NULL, h, "ListBox", NULL))
        if ((::GetWindowLongA(h, GWL_EXSTYLE) & WS_EX_TOOLWINDOW) && ::GetWindowRect(h, &rc) &&
            rc.left == rcEdit.left && rc.top == rcEdit.bottom)
            return h;
    return NULL;
}
bool Shown(HWND hList) { return hList != NULL && ::IsWindowVisible(hList); }
void SetText(CWnd& wnd, const char* psz) { wnd.SetWindowText(psz), PumpUntilIdle(); }
using Strings = std::vector<std::string>;

class SearchEditTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dlg.Create(IDD_SEARCH_FORM));
        AfxGetApp()->m_pMainWnd = &m_dlg;
        ASSERT_TRUE(m_edit.SubclassDlgItem(IDC_SEARCH_FIRST, &m_dlg));
        ASSERT_TRUE(m_second.SubclassDlgItem(IDC_SEARCH_SECOND, &m_dlg));
        m_edit.SetNofityWnd(&m_dlg);
        // The last text seen is shared by all search edits of the process:
        // leave a value that no test types.
        m_second.SetWindowText("~~ reset by the fixture ~~");
        ActivateForInput(m_dlg.m_hWnd);
        m_edit.SetFocus();
        PumpUntilIdle();
    }
    void TearDown() override
    {
        AfxGetApp()->m_pMainWnd = NULL;
        m_dlg.DestroyWindow();
        PumpUntilIdle();
    }

    // The helpers below act on m_pEdit: the first search edit unless a test switches.
    void SetData(std::vector<CString> data, int bSort = 0) { m_pEdit->SetSearchData(data, bSort); }
    void FocusEdit() { m_pEdit->SetFocus(), PumpUntilIdle(); }
    // New data, and the user clears the edit and types afresh.
    void Retype(std::vector<CString> data, const char* psz, int bSort = 0)
    {
        SetData(data, bSort);
        SetText(*m_pEdit, "");
        FocusEdit();
        Type(psz);
    }
    HWND List() { return ListUnder(*m_pEdit); }
    LRESULT ToList(UINT uMsg, WPARAM wParam = 0, LPARAM lParam = 0) { return ::SendMessageA(List(), uMsg, wParam, lParam); }
    Strings Items() { return ListBoxLines(List()); }
    int Selection() { return static_cast<int>(ToList(LB_GETCURSEL)); }
    int ItemHeight() { return static_cast<int>(ToList(LB_GETITEMHEIGHT)); }
    std::string Text() { return WindowTextOf(m_pEdit->m_hWnd); }
    std::string Chosen()
    {
        CString str("unchanged");
        return m_pEdit->GetSelectedData(str) ? std::string(str) : std::string("<none>");
    }
    // "text|GetSelectedData|notifications": what the user sees and the host heard.
    std::string Outcome() { return Text() + "|" + Chosen() + "|" + std::to_string(m_dlg.m_nSelected); }
    // "selection text/item count": browsing must move the selection, not refill the list.
    std::string Browsing() { return std::to_string(Selection()) + " " + Text() + "/" + std::to_string(Items().size()); }
    std::pair<int, int> Sel() { std::pair<int, int> sel(-1, -1); return m_edit.GetSel(sel.first, sel.second), sel; }
    void Type(const char* psz) { TypeText(psz), PumpUntilIdle(); }
    void Press(WORD vk) { PressKey(vk), PumpUntilIdle(); }
    // A single click, far enough in time from the previous one not to make a double click.
    void Click(POINT pt)
    {
        static DWORD s_dwLastClick = 0;
        const DWORD dwGap = ::GetDoubleClickTime() + 50, dwSince = ::GetTickCount() - s_dwLastClick;
        if (dwSince < dwGap)
            PumpFor(dwGap - dwSince);
        PumpFor(150); // let a list that was just shown settle on the desktop
        MouseMoveTo(pt);
        PumpFor(50);
        ClickAt(pt);
        s_dwLastClick = ::GetTickCount();
        PumpUntilIdle();
    }
    void ClickItem(int nItem)
    {
        RECT rc;
        ToList(LB_GETITEMRECT, nItem, reinterpret_cast<LPARAM>(&rc));
        POINT pt = {(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2};
        ::ClientToScreen(List(), &pt);
        Click(pt);
    }

    HostDialog m_dlg;
    CSearchEdit m_edit;
    CSearchEdit m_second;
    CSearchEdit* m_pEdit = &m_edit;
};

TEST_F(SearchEditTest, TypingShowsMatchesPreselectsAPrefixAndEnterChooses)
{
    SetData({"xab", "abc", "ab"});
    EXPECT_EQ(List(), static_cast<HWND>(NULL)) << "no list before the first change";
    Type("ab");
    ASSERT_TRUE(Shown(List()));
    EXPECT_EQ(Items(), (Strings{"XAB", "ABC", "AB"}));
    EXPECT_EQ(Browsing(), "1 ab/3") << "the prefix search starts after item 0";
    EXPECT_EQ(Outcome(), "ab|<none>|0");
    EXPECT_EQ(m_dlg.m_nParentChanges, 0) << "the edit keeps its change notifications";
    LOGFONT lf = {}; // from the first change on the edit draws in its own Tahoma
    ASSERT_NE(::GetObjectA(reinterpret_cast<HFONT>(m_edit.SendMessage(WM_GETFONT)), sizeof(lf), &lf), 0);
    EXPECT_STREQ(lf.lfFaceName, "Tahoma");

    Press(VK_RETURN); // writes the string in its supplied case and tells the host
    EXPECT_EQ(Outcome(), "abc|abc|1");
    EXPECT_FALSE(Shown(List()));
    EXPECT_EQ(Sel(), std::make_pair(0, 3));
}

// Matching itself is the core's (tested natively); here what the edit makes of it.
TEST_F(SearchEditTest, NoPrefixSelectsTheFirstItemAndBig5AndLongStringsMatchByCharacter)
{
    Retype({"\xA5\x78", "xab"}, "x"); // \xA5\x78 has the trail byte 'x'
    EXPECT_EQ(Items(), (Strings{"XAB"}));
    EXPECT_EQ(Browsing(), "0 x/1");
    Press(VK_ESCAPE);
    EXPECT_FALSE(Shown(List()));
    EXPECT_EQ(Outcome(), "x|<none>|0");

    Retype({CString('q', 20000) + "end", "tail\xA5", ""}, "e", 1); // very long strings
    EXPECT_EQ(Items().size(), 1u);
    // An edit cannot hold a lone lead byte; the data can, and the choice
    // comes from the data as supplied.
    SetText(m_edit, "");
    Type("t");
    ASSERT_EQ(Items().size(), 1u);
    Press(VK_RETURN);
    EXPECT_EQ(Chosen(), "tail\xA5");
    EXPECT_EQ(m_dlg.m_nSelected, 1);
}

TEST_F(SearchEditTest, ArrowKeysAndTheWheelBrowseWithoutRefillingTheList)
{
    Retype({"alpha", "beta", "alps", "gamma"}, "al");
    ASSERT_EQ(Items(), (Strings{"ALPHA", "ALPS"}));
    EXPECT_EQ(Browsing(), "0 al/2") << "the prefix search wraps round to item 0";
    // Typing left the list active: Up/Down move its selection and the edit copies the item.
    Press(VK_DOWN);
    EXPECT_EQ(Browsing(), "1 alps/2");
    Press(VK_UP);
    EXPECT_EQ(Browsing(), "0 alpha/2");
    // Down in the edit itself copies the selection without moving it and
    // makes the list active again.
    FocusEdit();
    Press(VK_DOWN);
    EXPECT_EQ(Browsing(), "0 alpha/2");
    EXPECT_EQ(::GetActiveWindow(), List());
    Press(VK_RETURN);
    EXPECT_EQ(Outcome(), "alpha|alpha|1") << "browsing alone tells the host nothing";

    // The wheel moves one item per message and stops at the ends.
    Retype({"a1", "a2", "a3"}, "a");
    ASSERT_EQ(Browsing(), "0 a/3");
    for (int i = 0; i < 4; ++i)
        m_edit.SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-360)), 0);
    EXPECT_EQ(Browsing(), "2 a3/3");
    m_edit.SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, 120), 0);
    EXPECT_EQ(Browsing(), "1 a2/3");
}

TEST_F(SearchEditTest, ClickOnAnItemCompletesTheChoiceOnlyWithANotifyWindow)
{
    Retype({"Apple", "apricot", "banana"}, "ap");
    ASSERT_TRUE(Shown(List()));
    ClickItem(1);
    EXPECT_EQ(Outcome(), "apricot|apricot|1");
    EXPECT_FALSE(Shown(List()));
    EXPECT_EQ(::GetFocus(), m_edit.m_hWnd);

    // The second edit has no notify window: a click only returns the focus.
    m_pEdit = &m_second;
    Retype({"Apple", "apricot"}, "ap");
    ASSERT_TRUE(Shown(List()));
    ClickItem(1);
    EXPECT_EQ(Outcome(), "ap|<none>|1");
    EXPECT_EQ(::GetFocus(), m_second.m_hWnd);
    // The list took its notify window when it was created; the keyboard
    // uses the edit's current one.
    m_second.SetNofityWnd(&m_dlg);
    Press(VK_RETURN);
    EXPECT_EQ(Chosen(), Text());
    EXPECT_NE(Chosen(), "<none>");
    EXPECT_EQ(m_dlg.m_nSelected, 2);
}

TEST_F(SearchEditTest, EnterWithNothingToChooseClearsOrKeepsTheText)
{
    Retype({"b", "a", "b", "A"}, "a", 1);
    Press(VK_BACK); // empty text lists everything, sorted, duplicates dropped
    EXPECT_EQ(Items(), (Strings{"A", "A", "B"}));
    EXPECT_NE(Selection(), LB_ERR);
    Press(VK_RETURN);
    EXPECT_EQ(Outcome(), "|<none>|1");

    Retype({"abc", "xabc"}, "ab");
    ASSERT_EQ(Items().size(), 2u);
    ToList(LB_SETCURSEL, static_cast<WPARAM>(-1));
    Press(VK_RETURN);
    EXPECT_EQ(Outcome(), "|<none>|2") << "Enter without a selection clears the text";

    Retype({"one", "two"}, "o"); // an item whose data is out of range is ignored
    ASSERT_EQ(Items(), (Strings{"ONE", "TWO"}));
    ToList(LB_SETITEMDATA, static_cast<WPARAM>(Selection()), 999);
    Press(VK_RETURN);
    EXPECT_EQ(Chosen(), "<none>");
    EXPECT_EQ(Text(), "o");
}

TEST_F(SearchEditTest, TheListSitsUnderTheEditAndLongListsGetAPagedScrollBar)
{
    std::vector<CString> data(60);
    for (int i = 0; i < 60; ++i)
        data[i].Format("item %02d", i);
    Retype(data, "i");
    ASSERT_EQ(Items().size(), 60u);
    CRect rcEdit, rcList;
    m_edit.GetWindowRect(&rcEdit);
    ::GetWindowRect(List(), &rcList);
    EXPECT_GE(rcList.Width(), rcEdit.Width() + 50);
    // Asked for the edit's height plus 100; the list box trims itself to whole items.
    EXPECT_LE(rcList.Height(), rcEdit.Height() + 100);
    EXPECT_GT(rcList.Height(), rcEdit.Height() + 100 - ItemHeight());
    EXPECT_TRUE(::GetWindowLongA(List(), GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_TRUE(::GetWindowLongA(List(), GWL_STYLE) & WS_VSCROLL);
    SCROLLINFO si = {};
    si.cbSize = sizeof(si);
    si.fMask = SIF_ALL;
    const auto Bar = [&] { return ::GetScrollInfo(List(), SB_VERT, &si), std::make_pair(si.nMax, si.nPos); };
    EXPECT_EQ(Bar(), std::make_pair(59, 0));
    EXPECT_EQ(static_cast<int>(si.nPage), (rcEdit.Height() + 100) / ItemHeight());

    // Every refill sets the bar for what it lists, also when the list stays
    // where it is: a shorter list, a browsed one, a longer one again.
    SetText(m_edit, "item 1");
    ASSERT_EQ(Items().size(), 10u);
    EXPECT_EQ(Bar(), std::make_pair(9, 0));
    Press(VK_DOWN);
    Press(VK_DOWN);
    ASSERT_EQ(Browsing(), "2 item 12/10");
    EXPECT_EQ(Bar(), std::make_pair(9, 2));
    SetText(m_edit, "item 2");
    EXPECT_EQ(Bar(), std::make_pair(9, 0));
    SetText(m_edit, "item");
    EXPECT_EQ(Bar(), std::make_pair(59, 0));

    // It follows the edit when the dialog moves, shown or hidden, and comes
    // back under it when something else moved it, trimmed to whole items.
    const HWND hList = List();
    const auto MoveDialogBy = [&](int dx) {
        CRect rc;
        m_dlg.GetWindowRect(&rc);
        m_dlg.SetWindowPos(NULL, rc.left + dx, rc.top + dx / 2, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    };
    MoveDialogBy(30);
    SetText(m_edit, "item 3");
    EXPECT_EQ(List(), hList);
    Press(VK_ESCAPE);
    MoveDialogBy(-20);
    SetText(m_edit, "item 4");
    EXPECT_EQ(List(), hList);
    EXPECT_TRUE(Shown(hList));
    ::SetWindowPos(hList, NULL, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    SetText(m_edit, "item 5");
    EXPECT_EQ(List(), hList);
    CRect rcNow;
    ::GetWindowRect(hList, &rcNow);
    EXPECT_EQ(rcNow.Size(), rcList.Size());
}

TEST_F(SearchEditTest, FocusAndTheSharedLastText)
{
    Retype({"red", "green"}, "e");
    ASSERT_TRUE(Shown(List()));
    CRect rcPlain; // focus going to a third window hides the list
    m_dlg.GetDlgItem(IDC_PLAIN_EDIT)->GetWindowRect(&rcPlain);
    Click(rcPlain.CenterPoint());
    EXPECT_FALSE(Shown(List()));

    // The first click after the edit gains the focus selects all its text.
    // (Posted through the host's pump: real clicks in quick succession here
    // sometimes lose their release under Wine.)
    FocusEdit();
    m_edit.PostMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(4, 4));
    m_edit.PostMessage(WM_LBUTTONUP, 0, MAKELPARAM(4, 4));
    PumpUntilIdle();
    EXPECT_GT(m_edit.GetWindowTextLength(), 0);
    EXPECT_EQ(Sel(), std::make_pair(0, m_edit.GetWindowTextLength()));

    // A second search edit whose text becomes the last text any search
    // edit handled does not match again: it never creates its list.
    m_pEdit = &m_second;
    SetData({"red"});
    SetText(m_second, "e");
    EXPECT_FALSE(Shown(List()));
    SetText(m_second, "r");
    ASSERT_TRUE(Shown(List()));
    EXPECT_EQ(Items(), Strings{"RED"});
}

} // namespace
