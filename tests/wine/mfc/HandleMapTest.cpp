// The handle map: attaching, subclassing dialog items, creation through the
// map, destruction, and misuse that must leave everything as it was.
#include <gtest/gtest.h>

#include "MessagePump.h"
#include "SyntheticInput.h"
#include "TestDialogs.h"
#include "WindowFixtures.h"

namespace {

TEST(HandleMapTest, SubclassedDialogItemGetsItsMessagesThroughItsMap)
{
    CDialog dialog;
    ASSERT_TRUE(dialog.Create(IDD_TEST_FORM));
    CountingEdit edit;
    ASSERT_TRUE(edit.SubclassDlgItem(IDC_TEST_EDIT, &dialog));
    EXPECT_EQ(CWnd::FromHandlePermanent(::GetDlgItem(dialog.m_hWnd, IDC_TEST_EDIT)), &edit);

    ActivateForInput(dialog.m_hWnd);
    edit.SetFocus();
    TypeText("xy");
    EXPECT_EQ(edit.m_nChars, 2);
    CString text;
    edit.GetWindowText(text);
    EXPECT_STREQ(text, "xy");
    // The dialog is an MFC window too: its EN_CHANGE went back to the edit.
    EXPECT_EQ(edit.m_nReflectedChanges, 2);

    // A second object cannot take a window that already has one.
    CEdit other;
    EXPECT_FALSE(other.SubclassDlgItem(IDC_TEST_EDIT, &dialog));
    EXPECT_EQ(other.m_hWnd, (HWND)NULL);

    HWND hWndEdit = edit.m_hWnd;
    dialog.DestroyWindow();
    EXPECT_EQ(edit.m_hWnd, (HWND)NULL);
    EXPECT_EQ(dialog.m_hWnd, (HWND)NULL);
    EXPECT_EQ(CWnd::FromHandlePermanent(hWndEdit), (CWnd*)NULL);
}

TEST(HandleMapTest, DetachGivesTheWindowBackItsOwnProcedure)
{
    TestFrame frame;
    CEdit edit;
    ASSERT_TRUE(edit.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 100, 20), &frame, 5));
    HWND hWnd = edit.Detach();
    EXPECT_EQ(CWnd::FromHandlePermanent(hWnd), (CWnd*)NULL);
    EXPECT_NE(reinterpret_cast<WNDPROC>(::GetWindowLongPtrA(hWnd, GWLP_WNDPROC)), AfxWndProc);
    // The window still works without us.
    ::SetWindowTextA(hWnd, "still an edit");
    char sz[32] = "";
    ::GetWindowTextA(hWnd, sz, sizeof sz);
    EXPECT_STREQ(sz, "still an edit");
    ::DestroyWindow(hWnd);
}

TEST(HandleMapTest, MisuseLeavesTheMapAndTheObjectUnchanged)
{
    TestFrame frame;
    CWnd wnd;
    EXPECT_FALSE(wnd.Attach(NULL));
    EXPECT_FALSE(wnd.Attach(reinterpret_cast<HWND>(static_cast<UINT_PTR>(0x1234))));
    EXPECT_FALSE(wnd.SubclassWindow(NULL));
    EXPECT_FALSE(wnd.SubclassDlgItem(999, &frame));
    EXPECT_FALSE(wnd.SubclassDlgItem(1, NULL));
    EXPECT_FALSE(wnd.DestroyWindow());
    EXPECT_EQ(wnd.Detach(), (HWND)NULL);
    EXPECT_EQ(wnd.m_hWnd, (HWND)NULL);
    EXPECT_EQ(CWnd::FromHandle(NULL), (CWnd*)NULL);

    // The frame's window is taken: attaching it elsewhere fails.
    EXPECT_FALSE(wnd.Attach(frame.m_hWnd));
    EXPECT_EQ(CWnd::FromHandlePermanent(frame.m_hWnd), &frame);

    // A window without an object gets a temporary one until idle time.
    HWND hWndPlain = ::CreateWindowExA(0, "STATIC", "", WS_CHILD, 0, 0, 10, 10, frame.m_hWnd, NULL, NULL, NULL);
    CWnd* pTemporary = CWnd::FromHandle(hWndPlain);
    ASSERT_NE(pTemporary, (CWnd*)NULL);
    EXPECT_EQ(pTemporary->m_hWnd, hWndPlain);
    EXPECT_EQ(CWnd::FromHandlePermanent(hWndPlain), (CWnd*)NULL);
    PumpUntilIdle();
    EXPECT_TRUE(::IsWindow(hWndPlain)); // cleaning the temporary leaves the window
}

class FailingCreate : public CWnd {
protected:
    afx_msg int OnCreate(LPCREATESTRUCT) { return -1; }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(FailingCreate, CWnd)
    ON_WM_CREATE()
END_MESSAGE_MAP()

TEST(HandleMapTest, CreationRunsOnCreateThroughTheMapAndAFailureLeavesNothing)
{
    FailingCreate wnd;
    EXPECT_FALSE(wnd.CreateEx(0, NULL, "x", WS_POPUP, 0, 0, 10, 10, NULL, NULL));
    EXPECT_EQ(wnd.m_hWnd, (HWND)NULL);
}

} // namespace
