// The handle map: subclassing, detaching, temporary objects, creation, destruction and misuse.
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
    // The edit's own procedure raised EN_CHANGE for each key, and the dialog sent it back to the edit.
    EXPECT_EQ(edit.m_nReflectedChanges, 2);

    CEdit other; // a second object cannot take a window that already has one
    EXPECT_FALSE(other.SubclassDlgItem(IDC_TEST_EDIT, &dialog));
    HWND hWndEdit = edit.m_hWnd;
    dialog.DestroyWindow();
    EXPECT_EQ(edit.m_hWnd, (HWND)NULL);
    EXPECT_EQ(CWnd::FromHandlePermanent(hWndEdit), (CWnd*)NULL);
}

TEST(HandleMapTest, MisuseChangesNothingAndDetachedOrTemporaryWindowsLiveOn)
{
    TestFrame frame;
    CWnd wnd;
    EXPECT_FALSE(wnd.Attach(NULL));
    EXPECT_FALSE(wnd.Attach(reinterpret_cast<HWND>(static_cast<UINT_PTR>(0x1234))));
    EXPECT_FALSE(wnd.Attach(frame.m_hWnd)); // already taken by the frame
    EXPECT_FALSE(wnd.SubclassDlgItem(999, &frame));
    EXPECT_EQ(wnd.Detach(), (HWND)NULL);
    EXPECT_EQ(CWnd::FromHandlePermanent(frame.m_hWnd), &frame);

    CEdit edit; // detaching gives the window back its own procedure
    ASSERT_TRUE(edit.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 100, 20), &frame, 5));
    HWND hWndEdit = edit.Detach();
    EXPECT_NE(reinterpret_cast<WNDPROC>(::GetWindowLongPtrA(hWndEdit, GWLP_WNDPROC)), AfxWndProc);
    CWnd* pTemporary = CWnd::FromHandle(hWndEdit); // a temporary object, deleted at idle time
    ASSERT_TRUE(pTemporary != NULL && pTemporary->m_hWnd == hWndEdit);
    EXPECT_EQ(CWnd::FromHandlePermanent(hWndEdit), (CWnd*)NULL);
    PumpUntilIdle();
    EXPECT_TRUE(::IsWindow(hWndEdit));
}

class FailingCreate : public CWnd {
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
