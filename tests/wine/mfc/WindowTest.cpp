// CWnd in real windows: the handle map (subclassing, detaching, temporary
// objects, creation and misuse), control colours reflected back to the control
// that asked, and keys offered to PreTranslateMessage from the focus
// window up through its parents by the pump.
#include <afxwin.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "MessagePump.h"
#include "SyntheticInput.h"

namespace {

using Names = std::vector<std::string>;
constexpr UINT kEditId = 42;
Names g_offered;      // the windows offered each WM_KEYDOWN, in order
std::string g_taker;  // the window whose PreTranslateMessage takes the key

BOOL Offer(const char* pszName, const MSG* pMsg)
{
    if (pMsg->message != WM_KEYDOWN)
        return FALSE;
    g_offered.push_back(pszName);
    return g_taker == pszName;
}

class TestFrame : public CWnd {
public:
    TestFrame() { CreateEx(0, NULL, "frame", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100, 400, 300, NULL, NULL); }
    ~TestFrame() override { DestroyWindow(); }
    BOOL PreTranslateMessage(MSG* pMsg) override { return Offer("frame", pMsg); }
};

// The edit's parent: it counts the control colours asked for with the DC it
// watches (the edit's own paints, which come whenever the system gets round
// to them, ask with others) and answers with a grey brush.
class TestPanel : public CWnd {
public:
    int m_nColours = 0;
    HDC m_hdcWatched = NULL;
    BOOL PreTranslateMessage(MSG* pMsg) override { return Offer("panel", pMsg); }

protected:
    afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd*, UINT nCtlColor)
    {
        m_nColours += pDC->m_hDC == m_hdcWatched && nCtlColor == CTLCOLOR_EDIT;
        return static_cast<HBRUSH>(::GetStockObject(GRAY_BRUSH));
    }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(TestPanel, CWnd)
    ON_WM_CTLCOLOR()
END_MESSAGE_MAP()

// A reflected change notification reaching the control and never its parent
// is seen with the filtering edit, which acts on it (NoSpecialEditTest).
class OfferingEdit : public CEdit {
public:
    HBRUSH m_hbrReflected = NULL; // what the reflected WM_CTLCOLOR returns
    BOOL PreTranslateMessage(MSG* pMsg) override { return Offer("edit", pMsg); }

protected:
    afx_msg HBRUSH CtlColor(CDC*, UINT) { return m_hbrReflected; }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(OfferingEdit, CEdit)
    ON_WM_CTLCOLOR_REFLECT()
END_MESSAGE_MAP()

class FailingCreate : public CWnd {
    afx_msg int OnCreate(LPCREATESTRUCT) { return -1; }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(FailingCreate, CWnd)
    ON_WM_CREATE()
END_MESSAGE_MAP()

// The handle map misused, then the main window holds a panel, which holds the
// edit, which has the focus: a window the system made, which the edit object
// takes over by its identifier.
TEST(WindowTest, HandleMapKeysWalkingUpFromTheFocusReflectedColoursAndTheWindowsEnd)
{
    TestFrame frame;
    CWnd wnd;
    for (HWND hWnd : {HWND(NULL), reinterpret_cast<HWND>(0x1234), frame.m_hWnd}) // the frame's is taken
        EXPECT_FALSE(wnd.Attach(hWnd)) << hWnd;
    EXPECT_FALSE(wnd.SubclassDlgItem(999, &frame));
    EXPECT_EQ(wnd.Detach(), (HWND)NULL);
    EXPECT_EQ(CWnd::FromHandlePermanent(frame.m_hWnd), &frame);
    FailingCreate failing; // OnCreate runs through the map, and its failure leaves no window
    EXPECT_FALSE(failing.CreateEx(0, NULL, "x", WS_POPUP, 0, 0, 10, 10, NULL, NULL));
    EXPECT_EQ(failing.m_hWnd, (HWND)NULL);

    CEdit detached; // detaching gives the window back its own procedure
    ASSERT_TRUE(detached.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 100, 20), &frame, 5));
    const HWND hWndDetached = detached.Detach();
    EXPECT_NE(reinterpret_cast<WNDPROC>(::GetWindowLongPtrA(hWndDetached, GWLP_WNDPROC)), AfxWndProc);
    CWnd* pTemporary = CWnd::FromHandle(hWndDetached); // a temporary object, deleted at idle time
    ASSERT_TRUE(pTemporary != NULL && pTemporary->m_hWnd == hWndDetached);
    EXPECT_EQ(CWnd::FromHandlePermanent(hWndDetached), (CWnd*)NULL);
    PumpUntilIdle();
    EXPECT_TRUE(::IsWindow(hWndDetached));

    TestPanel panel;
    OfferingEdit edit;
    ASSERT_TRUE(panel.CreateEx(0, NULL, NULL, WS_CHILD | WS_VISIBLE, CRect(0, 0, 300, 200), &frame, 7));
    ::CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE | WS_BORDER, 10, 10, 190, 24, panel.m_hWnd,
                      reinterpret_cast<HMENU>(static_cast<UINT_PTR>(kEditId)), NULL, NULL);
    ASSERT_TRUE(edit.SubclassDlgItem(kEditId, &panel));
    EXPECT_EQ(CWnd::FromHandlePermanent(edit.m_hWnd), &edit);
    EXPECT_FALSE(wnd.SubclassDlgItem(kEditId, &panel)) << "a window that has an object keeps it";
    AfxGetApp()->m_pMainWnd = &frame;
    ActivateForInput(frame.m_hWnd);
    edit.SetFocus();
    PumpUntilIdle();

    g_offered.clear(), g_taker.clear();
    TypeText("a");
    EXPECT_EQ(g_offered, (Names{"edit", "panel", "frame"}));
    g_offered.clear();
    g_taker = "panel"; // the panel takes the key: the walk ends there and the key is neither translated nor dispatched
    TypeText("b");
    EXPECT_EQ(g_offered, (Names{"edit", "panel"}));
    EXPECT_EQ(edit.GetWindowTextLength(), 1);
    AfxGetApp()->m_pMainWnd = NULL;

    // The colours are asked for with a DC no paint uses, counted by the panel alone.
    CDC dc;
    ASSERT_TRUE(dc.CreateCompatibleDC(NULL));
    panel.m_hdcWatched = dc.m_hDC;
    const auto AskColour = [&] {
        return reinterpret_cast<HBRUSH>(panel.SendMessage(WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc.m_hDC),
                                                          reinterpret_cast<LPARAM>(edit.m_hWnd)));
    };
    CBrush red(RGB(255, 0, 0));
    edit.m_hbrReflected = red;
    EXPECT_EQ(AskColour(), static_cast<HBRUSH>(red));
    EXPECT_EQ(panel.m_nColours, 0) << "the control's brush wins";
    edit.m_hbrReflected = NULL; // a reflected handler that returns no brush leaves it to the parent
    EXPECT_EQ(AskColour(), static_cast<HBRUSH>(::GetStockObject(GRAY_BRUSH)));
    EXPECT_EQ(panel.m_nColours, 1);

    const HWND hWndEdit = edit.m_hWnd; // the window's end lets its object go
    panel.DestroyWindow();
    EXPECT_EQ(edit.m_hWnd, (HWND)NULL);
    EXPECT_EQ(CWnd::FromHandlePermanent(hWndEdit), (CWnd*)NULL);
}

} // namespace
