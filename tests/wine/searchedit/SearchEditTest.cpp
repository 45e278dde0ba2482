// CSearchEdit in a real dialog: the user types, browses and chooses through
// the host's pump, and the host hears of each choice. What the two popup-list
// edits share and this one binds alike (the wheel, the last text handled) is
// checked with the symbol edit.
#include <afxwin.h>
#include <gtest/gtest.h>
#include <string>
#include <utility>
#include <vector>

#include "CSearchEdit.h"
#include "DialogFixture.h"
#include "SearchForm.h"
#include "WindowReadback.h"

namespace {

// The popup list of a search edit, found where it must be: under it.
HWND ListUnder(const CWnd& edit)
{
    RECT rcEdit, rc;
    edit.GetWindowRect(&rcEdit);
    for (HWND h = ::FindWindowExA(NULL, NULL, "ListBox", NULL); h != NULL;
         h = ::FindWindowExA(NULL, h, "ListBox", NULL))
        if ((::GetWindowLongA(h, GWL_EXSTYLE) & WS_EX_TOOLWINDOW) && ::GetWindowRect(h, &rc) &&
            rc.left == rcEdit.left && rc.top == rcEdit.bottom)
            return h;
    return NULL;
}
bool Shown(HWND hList) { return hList != NULL && ::IsWindowVisible(hList); }
using Strings = std::vector<std::string>;

class SearchEditTest : public DialogFixture {
protected:
    SearchEditTest() : DialogFixture("EDITMSG_SEARCH_SELECTED") {}
    void SetUp() override
    {
        OpenDialog(IDD_SEARCH_FORM);
        ASSERT_TRUE(m_edit.SubclassDlgItem(IDC_SEARCH_FIRST, &m_dlg));
        ASSERT_TRUE(m_second.SubclassDlgItem(IDC_SEARCH_SECOND, &m_dlg));
        m_edit.SetNofityWnd(&m_dlg);
        // The last text seen is shared by all search edits: leave one no test types.
        m_second.SetWindowText("~~ reset by the fixture ~~");
        m_edit.SetFocus();
        PumpUntilIdle();
    }

    // The helpers act on m_pEdit: the first search edit unless a test switches.
    // New data, and the user clears the edit and types afresh.
    void Retype(std::vector<CString> data, const char* psz)
    {
        m_pEdit->SetSearchData(data, 0);
        SetText(*m_pEdit, "");
        m_pEdit->SetFocus();
        Type(psz);
    }
    HWND List() { return ListUnder(*m_pEdit); }
    LRESULT ToList(UINT uMsg, WPARAM w = 0, LPARAM l = 0) { return ::SendMessageA(List(), uMsg, w, l); }
    // "text|GetSelectedData|notifications": what the user sees and the host heard.
    std::string Outcome()
    {
        CString str;
        const std::string chosen = m_pEdit->GetSelectedData(str) ? std::string(str) : "<none>";
        return WindowTextOf(m_pEdit->m_hWnd) + "|" + chosen + "|" + std::to_string(m_dlg.m_nCount);
    }
    std::string Browsing() { return ::Browsing(List(), m_pEdit->m_hWnd); }

    CSearchEdit m_edit;
    CSearchEdit m_second;
    CSearchEdit* m_pEdit = &m_edit;
};

TEST_F(SearchEditTest, TypingShowsMatchesPreselectsAPrefixArrowsBrowseAndEnterChooses)
{
    std::vector<CString> data = {"xab", "abc", "ab"};
    m_edit.SetSearchData(data, 0);
    EXPECT_EQ(List(), static_cast<HWND>(NULL)) << "no list before the first change";
    Type("ab");
    EXPECT_EQ(ListBoxLines(List()), (Strings{"XAB", "ABC", "AB"}));
    EXPECT_EQ(Browsing(), "1 ab/3") << "the prefix search starts after item 0";
    EXPECT_EQ(FaceOf(m_edit.m_hWnd), "Tahoma") << "from the first change on the edit draws in its own font";
    Press(VK_DOWN); // the list is active: Up/Down move its selection and the edit copies the item
    EXPECT_EQ(Browsing(), "2 ab/3");
    Press(VK_UP);
    EXPECT_EQ(Browsing(), "1 abc/3");
    m_edit.SetFocus(); // Down in the edit copies the selection without moving it, and activates the list
    Press(VK_DOWN);
    EXPECT_EQ(Browsing(), "1 abc/3");
    EXPECT_EQ(::GetActiveWindow(), List());
    Press(VK_RETURN); // writes the string in its supplied case and tells the host
    EXPECT_EQ(Outcome(), "abc|abc|1");
    EXPECT_FALSE(Shown(List()));
    EXPECT_EQ(m_edit.SendMessage(EM_GETSEL), MAKELRESULT(0, 3));

    Retype({"\xA5\x78", "xab"}, "x"); // no prefix match selects item 0; \xA5\x78 has the trail byte 'x'
    EXPECT_EQ(Browsing(), "0 x/1");
    Press(VK_ESCAPE);
    EXPECT_FALSE(Shown(List()));

    Press(VK_BACK); // Enter on an empty text clears the choice, though everything is listed
    Press(VK_RETURN);
    EXPECT_EQ(Outcome(), "|<none>|2");
    Retype({"one", "two"}, "o"); // an item whose data is out of range chooses nothing
    ToList(LB_SETITEMDATA, static_cast<WPARAM>(ToList(LB_GETCURSEL)), 999);
    Press(VK_RETURN);
    EXPECT_EQ(Outcome(), "o|<none>|3");
}

TEST_F(SearchEditTest, FocusElsewhereHidesTheListTheFirstClickSelectsAllAndOnlyANotifyWindowMakesAClickChoose)
{
    Retype({"red", "green"}, "e");
    m_dlg.GetDlgItem(IDC_PLAIN_EDIT)->SetFocus(); // focus going to a third window hides the list
    PumpUntilIdle();
    EXPECT_FALSE(Shown(List()));
    // The first click after the edit gains the focus selects all its text. (Posted:
    // real clicks in quick succession here sometimes lose their release under Wine.)
    m_edit.SetFocus();
    m_edit.PostMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(4, 4));
    m_edit.PostMessage(WM_LBUTTONUP, 0, MAKELPARAM(4, 4));
    PumpUntilIdle();
    EXPECT_EQ(m_edit.SendMessage(EM_GETSEL), MAKELRESULT(0, 1));

    Retype({"Apple", "apricot", "banana"}, "ap");
    ClickLine(List(), 1);
    EXPECT_EQ(Outcome(), "apricot|apricot|1");
    EXPECT_FALSE(Shown(List()));
    EXPECT_EQ(::GetFocus(), m_edit.m_hWnd);

    m_pEdit = &m_second; // no notify window: a click only returns the focus
    Retype({"Apple", "apricot"}, "ap");
    ClickLine(List(), 1);
    EXPECT_EQ(Outcome(), "ap|<none>|1");
    EXPECT_EQ(::GetFocus(), m_second.m_hWnd);
    // The list took its notify window when it was made; the keyboard uses the edit's current one.
    m_second.SetNofityWnd(&m_dlg);
    Press(VK_RETURN);
    EXPECT_EQ(Outcome(), "apricot|apricot|2");
}

TEST_F(SearchEditTest, TheListSitsUnderTheEditAndLongListsGetAPagedScrollBar)
{
    std::vector<CString> data(60);
    for (int i = 0; i < 60; ++i)
        data[i].Format("item %02d", i);
    Retype(data, "i");
    const HWND hList = List();
    CRect rcEdit, rcList;
    m_edit.GetWindowRect(&rcEdit);
    ::GetWindowRect(hList, &rcList);
    const int nItemHeight = static_cast<int>(ToList(LB_GETITEMHEIGHT));
    EXPECT_GE(rcList.Width(), rcEdit.Width() + 50);
    // Asked for the edit's height plus 100; the list box trims itself to whole items.
    EXPECT_LE(rcList.Height(), rcEdit.Height() + 100);
    EXPECT_GT(rcList.Height(), rcEdit.Height() + 100 - nItemHeight);
    EXPECT_TRUE(::GetWindowLongA(hList, GWL_EXSTYLE) & WS_EX_TOPMOST);
    SCROLLINFO si = {sizeof(si), SIF_ALL};
    const auto Bar = [&] { return ::GetScrollInfo(hList, SB_VERT, &si), std::make_pair(si.nMax, si.nPos); };
    EXPECT_EQ(Bar(), std::make_pair(59, 0));
    SetText(m_edit, "item 1"); // every refill sets the bar for what it lists
    Press(VK_DOWN);
    Press(VK_DOWN);
    ASSERT_EQ(Browsing(), "2 item 12/10");
    EXPECT_EQ(Bar(), std::make_pair(9, 2));
    SetText(m_edit, "item");
    EXPECT_EQ(Bar(), std::make_pair(59, 0));

    // The hidden list follows the edit when the dialog moves, and comes back under it
    // when something else moved it (ListUnder finds it only there).
    Press(VK_ESCAPE);
    CRect rcDlg;
    m_dlg.GetWindowRect(&rcDlg);
    m_dlg.SetWindowPos(NULL, rcDlg.left + 30, rcDlg.top + 15, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    SetText(m_edit, "item 4");
    EXPECT_TRUE(Shown(List()));
    ::SetWindowPos(hList, NULL, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    SetText(m_edit, "item 5");
    EXPECT_EQ(List(), hList);
}

} // namespace
