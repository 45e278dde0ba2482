// CSearchEdit in a real dialog: the user types, browses and chooses through
// the host's pump, and the host hears of each choice.
#include <afxwin.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CSearchEdit.h"
#include "MessagePump.h"
#include "SearchForm.h"
#include "SyntheticInput.h"

namespace {

UINT g_uSelectedMsg = ::RegisterWindowMessageA("EDITMSG_SEARCH_SELECTED");

class HostDialog : public CDialog {
public:
    int m_nSelected = 0; // "EDITMSG_SEARCH_SELECTED" received
    int m_nParentChanges = 0;

protected:
    afx_msg LRESULT OnSearchSelected(WPARAM, LPARAM)
    {
        ++m_nSelected;
        return 0;
    }
    afx_msg void OnFirstChange() { ++m_nParentChanges; }
    void OnOK() override {}
    void OnCancel() override {}
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(HostDialog, CDialog)
    ON_REGISTERED_MESSAGE(g_uSelectedMsg, OnSearchSelected)
    ON_EN_CHANGE(IDC_SEARCH_FIRST, OnFirstChange)
END_MESSAGE_MAP()

std::vector<CString> Data(std::initializer_list<const char*> items)
{
    std::vector<CString> data;
    for (const char* p : items)
        data.emplace_back(p);
    return data;
}

std::string TextOf(HWND hWnd)
{
    char sz[512] = {};
    ::GetWindowTextA(hWnd, sz, sizeof(sz));
    return sz;
}

struct FindList {
    RECT rcEdit;
    HWND hFound;
};

BOOL CALLBACK PickListUnder(HWND hWnd, LPARAM lParam)
{
    auto* pFind = reinterpret_cast<FindList*>(lParam);
    char szClass[32] = {};
    ::GetClassNameA(hWnd, szClass, sizeof(szClass));
    RECT rc;
    ::GetWindowRect(hWnd, &rc);
    if (lstrcmpiA(szClass, "ListBox") == 0 && (::GetWindowLongA(hWnd, GWL_EXSTYLE) & WS_EX_TOOLWINDOW) &&
        rc.left == pFind->rcEdit.left && rc.top == pFind->rcEdit.bottom) {
        pFind->hFound = hWnd;
        return FALSE;
    }
    return TRUE;
}

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

    void SetData(std::initializer_list<const char*> items, int bSort = 0)
    {
        std::vector<CString> data = Data(items);
        m_edit.SetSearchData(data, bSort);
    }

    // The popup list of the first edit, found where it must be: under it.
    HWND List()
    {
        FindList find = {{}, NULL};
        m_edit.GetWindowRect(&find.rcEdit);
        ::EnumThreadWindows(::GetCurrentThreadId(), PickListUnder, reinterpret_cast<LPARAM>(&find));
        return find.hFound;
    }
    std::vector<std::string> Items()
    {
        std::vector<std::string> items;
        const HWND hList = List();
        const int n = static_cast<int>(::SendMessageA(hList, LB_GETCOUNT, 0, 0));
        for (int i = 0; i < n; ++i) {
            std::string item(static_cast<std::size_t>(::SendMessageA(hList, LB_GETTEXTLEN, i, 0)) + 1, '\0');
            ::SendMessageA(hList, LB_GETTEXT, i, reinterpret_cast<LPARAM>(&item[0]));
            items.push_back(item.c_str());
        }
        return items;
    }
    int Selection() { return static_cast<int>(::SendMessageA(List(), LB_GETCURSEL, 0, 0)); }
    bool ListShown() { return List() != NULL && ::IsWindowVisible(List()); }
    std::string Text() { return TextOf(m_edit.m_hWnd); }
    std::string Chosen()
    {
        CString str("unchanged");
        return m_edit.GetSelectedData(str) ? std::string(str) : std::string("<none>");
    }
    void Type(const char* psz)
    {
        TypeText(psz);
        PumpUntilIdle();
    }
    void Press(WORD vk)
    {
        PressKey(vk);
        PumpUntilIdle();
    }
    // A single click: far enough in time from the previous one that the
    // system does not make the two a double click.
    void Click(POINT pt)
    {
        static DWORD s_dwLastClick = 0;
        const DWORD dwGap = ::GetDoubleClickTime() + 50;
        const DWORD dwSince = ::GetTickCount() - s_dwLastClick;
        if (dwSince < dwGap)
            PumpFor(dwGap - dwSince);
        PumpFor(150); // let a list that was just shown settle on the desktop
        MouseMoveTo(pt);
        PumpFor(50);
        ClickAt(pt);
        s_dwLastClick = ::GetTickCount();
        PumpUntilIdle();
    }
    POINT ItemCentre(int nItem)
    {
        RECT rc;
        ::SendMessageA(List(), LB_GETITEMRECT, nItem, reinterpret_cast<LPARAM>(&rc));
        POINT pt = {(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2};
        ::ClientToScreen(List(), &pt);
        return pt;
    }

    HostDialog m_dlg;
    CSearchEdit m_edit;
    CSearchEdit m_second;
};

TEST_F(SearchEditTest, TypingShowsMatchesUnderTheEditAndPreselectsAPrefix)
{
    SetData({"xab", "abc", "ab"});
    EXPECT_EQ(Chosen(), "<none>");
    EXPECT_EQ(List(), static_cast<HWND>(NULL)) << "no list before the first change";

    Type("ab");
    ASSERT_TRUE(ListShown());
    EXPECT_EQ(Text(), "ab");
    EXPECT_EQ(Items(), (std::vector<std::string>{"XAB", "ABC", "AB"}));
    EXPECT_EQ(Selection(), 1) << "the prefix search starts after item 0";
    EXPECT_EQ(m_dlg.m_nParentChanges, 0) << "the edit keeps its change notifications";

    CRect rcEdit, rcList;
    m_edit.GetWindowRect(&rcEdit);
    ::GetWindowRect(List(), &rcList);
    EXPECT_GE(rcList.Width(), rcEdit.Width() + 50);
    // Asked for the edit's height plus 100; the list box trims itself to
    // whole items.
    const int nItemHeight = static_cast<int>(::SendMessageA(List(), LB_GETITEMHEIGHT, 0, 0));
    EXPECT_LE(rcList.Height(), rcEdit.Height() + 100);
    EXPECT_GT(rcList.Height(), rcEdit.Height() + 100 - nItemHeight);
    EXPECT_TRUE(::GetWindowLongA(List(), GWL_EXSTYLE) & WS_EX_TOPMOST);

    // From the first change on the edit draws in its own 9-point Tahoma.
    LOGFONT lf = {};
    ASSERT_NE(::GetObjectA(reinterpret_cast<HFONT>(m_edit.SendMessage(WM_GETFONT)), sizeof(lf), &lf), 0);
    EXPECT_STREQ(lf.lfFaceName, "Tahoma");

    // Enter writes the string in its supplied case and tells the host.
    Press(VK_RETURN);
    EXPECT_EQ(Text(), "abc");
    EXPECT_FALSE(ListShown());
    EXPECT_EQ(Chosen(), "abc");
    EXPECT_EQ(m_dlg.m_nSelected, 1);
    int nStart = -1, nEnd = -1;
    m_edit.GetSel(nStart, nEnd);
    EXPECT_EQ(nStart, 0);
    EXPECT_EQ(nEnd, 3);
}

TEST_F(SearchEditTest, NoPrefixSelectsTheFirstItemAndBig5IsMatchedByCharacter)
{
    // \xA5\x78 has the trail byte 'x'; typing x must not find it.
    SetData({"\xA5\x78", "xab", "\xA4\xA4\xA4\xE5"});
    Type("x");
    EXPECT_EQ(Items(), (std::vector<std::string>{"XAB"}));
    EXPECT_EQ(Selection(), 0);
    Press(VK_ESCAPE);
    EXPECT_FALSE(ListShown());
    EXPECT_EQ(Text(), "x") << "Escape completes nothing";
    EXPECT_EQ(m_dlg.m_nSelected, 0);

    // An input method delivers a whole double-byte character at once.
    m_edit.SetWindowText("\xA4\xE5");
    PumpUntilIdle();
    EXPECT_EQ(Text(), "\xA4\xE5");
    EXPECT_EQ(Items(), (std::vector<std::string>{"\xA4\xA4\xA4\xE5"}));
    Press(VK_RETURN);
    EXPECT_EQ(Chosen(), "\xA4\xA4\xA4\xE5");
}

TEST_F(SearchEditTest, ArrowKeysBrowseWithoutRefillingTheList)
{
    SetData({"alpha", "beta", "alps", "gamma"});
    Type("al");
    ASSERT_EQ(Items(), (std::vector<std::string>{"ALPHA", "ALPS"}));
    EXPECT_EQ(Selection(), 0) << "the prefix search wraps round to item 0";

    // Typing left the list active: Down moves its selection, and the key
    // it passes on makes the edit copy the new item.
    Press(VK_DOWN);
    EXPECT_EQ(Selection(), 1);
    EXPECT_EQ(Text(), "alps");
    EXPECT_EQ(Items().size(), 2u) << "browsing must not narrow the list";
    Press(VK_UP);
    EXPECT_EQ(Selection(), 0);
    EXPECT_EQ(Text(), "alpha");

    // Down in the edit itself copies the selection without moving it and
    // makes the list active again.
    m_edit.SetFocus();
    PumpUntilIdle();
    Press(VK_DOWN);
    EXPECT_EQ(Selection(), 0);
    EXPECT_EQ(Text(), "alpha");
    EXPECT_EQ(::GetActiveWindow(), List());
    EXPECT_EQ(m_dlg.m_nSelected, 0);

    Press(VK_RETURN);
    EXPECT_EQ(Chosen(), "alpha");
    EXPECT_EQ(Text(), "alpha");
    EXPECT_EQ(m_dlg.m_nSelected, 1);
    EXPECT_FALSE(ListShown());
}

TEST_F(SearchEditTest, WheelMovesOneItemPerMessageAndStopsAtTheEnds)
{
    SetData({"a1", "a2", "a3"});
    Type("a");
    ASSERT_EQ(Selection(), 0);
    for (int i = 0; i < 4; ++i)
        m_edit.SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-360)), 0);
    EXPECT_EQ(Selection(), 2);
    EXPECT_EQ(Text(), "a3");
    m_edit.SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, 120), 0);
    EXPECT_EQ(Selection(), 1);
    EXPECT_EQ(Text(), "a2");
    EXPECT_EQ(Items().size(), 3u);
}

TEST_F(SearchEditTest, ClickOnAnItemCompletesTheChoice)
{
    SetData({"Apple", "apricot", "banana"});
    Type("ap");
    ASSERT_TRUE(ListShown());
    Click(ItemCentre(1));
    PumpUntilIdle();
    EXPECT_EQ(Text(), "apricot");
    EXPECT_EQ(Chosen(), "apricot");
    EXPECT_EQ(m_dlg.m_nSelected, 1);
    EXPECT_FALSE(ListShown());
    EXPECT_EQ(::GetFocus(), m_edit.m_hWnd);
}

TEST_F(SearchEditTest, EmptyTextListsEverythingAndEnterThenChoosesNothing)
{
    SetData({"b", "a", "b", "A"}, 1);
    Type("a");
    EXPECT_EQ(Items(), (std::vector<std::string>{"A", "A"}));
    Press(VK_BACK);
    EXPECT_EQ(Text(), "");
    EXPECT_EQ(Items(), (std::vector<std::string>{"A", "A", "B"}));
    EXPECT_NE(Selection(), LB_ERR);
    Press(VK_RETURN);
    EXPECT_EQ(Chosen(), "<none>");
    EXPECT_EQ(m_dlg.m_nSelected, 1) << "the host is told also of an empty choice";
}

TEST_F(SearchEditTest, AnItemWhoseDataIsOutOfRangeIsIgnored)
{
    SetData({"one", "two"});
    Type("o");
    ASSERT_EQ(Items(), (std::vector<std::string>{"ONE", "TWO"}));
    ::SendMessageA(List(), LB_SETITEMDATA, Selection(), 999);
    Press(VK_RETURN);
    EXPECT_EQ(Chosen(), "<none>");
    EXPECT_EQ(Text(), "o");
}

TEST_F(SearchEditTest, LongListsGetAScrollBarPagedByTheListHeight)
{
    std::vector<CString> data;
    for (int i = 0; i < 60; ++i) {
        CString s;
        s.Format("item %02d", i);
        data.push_back(s);
    }
    m_edit.SetSearchData(data, 0);
    Type("i");
    ASSERT_EQ(Items().size(), 60u);
    SCROLLINFO si = {};
    si.cbSize = sizeof(si);
    si.fMask = SIF_ALL;
    ASSERT_TRUE(::GetScrollInfo(List(), SB_VERT, &si));
    CRect rcEdit;
    m_edit.GetWindowRect(&rcEdit);
    const int nItemHeight = static_cast<int>(::SendMessageA(List(), LB_GETITEMHEIGHT, 0, 0));
    EXPECT_EQ(si.nMax, 59);
    EXPECT_EQ(static_cast<int>(si.nPage), (rcEdit.Height() + 100) / nItemHeight);
    EXPECT_TRUE(::GetWindowLongA(List(), GWL_STYLE) & WS_VSCROLL);
}

TEST_F(SearchEditTest, FocusAndTheSharedLastText)
{
    SetData({"red", "green"});
    Type("e");
    ASSERT_TRUE(ListShown());

    // Focus going to a third window hides the list.
    CRect rcPlain;
    m_dlg.GetDlgItem(IDC_PLAIN_EDIT)->GetWindowRect(&rcPlain);
    Click(rcPlain.CenterPoint());
    PumpUntilIdle();
    EXPECT_FALSE(ListShown());

    // The first click after the edit gains the focus selects all its text.
    // (The click is posted through the host's pump: real clicks in quick
    // succession here sometimes lose their release under Wine.)
    m_edit.SetFocus();
    PumpUntilIdle();
    m_edit.PostMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(4, 4));
    m_edit.PostMessage(WM_LBUTTONUP, 0, MAKELPARAM(4, 4));
    PumpUntilIdle();
    int nStart = -1, nEnd = -1;
    m_edit.GetSel(nStart, nEnd);
    EXPECT_EQ(nStart, 0);
    EXPECT_EQ(nEnd, m_edit.GetWindowTextLength());
    EXPECT_GT(nEnd, 0);

    // A second search edit whose text becomes the last text any search
    // edit handled does not match again: it never creates its list.
    std::vector<CString> data = Data({"red"});
    m_second.SetSearchData(data, 0);
    m_second.SetWindowText("e");
    PumpUntilIdle();
    CRect rcSecond;
    m_second.GetWindowRect(&rcSecond);
    FindList find = {rcSecond, NULL};
    ::EnumThreadWindows(::GetCurrentThreadId(), PickListUnder, reinterpret_cast<LPARAM>(&find));
    EXPECT_TRUE(find.hFound == NULL || !::IsWindowVisible(find.hFound));
    m_second.SetWindowText("r");
    PumpUntilIdle();
    ::EnumThreadWindows(::GetCurrentThreadId(), PickListUnder, reinterpret_cast<LPARAM>(&find));
    ASSERT_NE(find.hFound, static_cast<HWND>(NULL));
    EXPECT_TRUE(::IsWindowVisible(find.hFound));
    EXPECT_EQ(::SendMessageA(find.hFound, LB_GETCOUNT, 0, 0), 1);
}

TEST_F(SearchEditTest, WithoutANotifyWindowAClickOnlyReturnsTheFocus)
{
    m_edit.SetNofityWnd(NULL);
    SetData({"Apple", "apricot"});
    Type("ap");
    ASSERT_TRUE(ListShown());
    Click(ItemCentre(1));
    PumpUntilIdle();
    EXPECT_EQ(Text(), "ap");
    EXPECT_EQ(Chosen(), "<none>");
    EXPECT_EQ(::GetFocus(), m_edit.m_hWnd);

    // The list took its notify window when it was created; the keyboard
    // uses the edit's current one.
    m_edit.SetNofityWnd(&m_dlg);
    Press(VK_RETURN);
    EXPECT_EQ(Chosen(), Text());
    EXPECT_NE(Chosen(), "<none>");
    EXPECT_EQ(m_dlg.m_nSelected, 1);
}

TEST_F(SearchEditTest, EnterWithoutASelectionClearsTheText)
{
    SetData({"abc", "xabc"});
    Type("ab");
    ASSERT_EQ(Items().size(), 2u);
    ::SendMessageA(List(), LB_SETCURSEL, static_cast<WPARAM>(-1), 0);
    Press(VK_RETURN);
    EXPECT_EQ(Text(), "");
    EXPECT_EQ(Chosen(), "<none>");
    EXPECT_EQ(m_dlg.m_nSelected, 1);
}

TEST_F(SearchEditTest, VeryLongStringsAndALoneLeadByte)
{
    std::vector<CString> data;
    data.emplace_back(CString('q', 20000) + "end");
    data.emplace_back("tail\xA5");
    data.emplace_back("");
    m_edit.SetSearchData(data, 1);
    Type("e");
    EXPECT_EQ(Items().size(), 1u);
    // An edit cannot hold a lone lead byte; the data can, and the choice
    // comes from the data as supplied.
    m_edit.SetWindowText("");
    PumpUntilIdle();
    Type("t");
    ASSERT_EQ(Items().size(), 1u);
    Press(VK_RETURN);
    EXPECT_EQ(Chosen(), "tail\xA5");
}

} // namespace
