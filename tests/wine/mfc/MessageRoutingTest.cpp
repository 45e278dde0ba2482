// How messages travel: notifications reflected back to the control that
// sent them, and keys offered to PreTranslateMessage from the focus window
// up through its parents by the application's pump.
#include <gtest/gtest.h>

#include "MessagePump.h"
#include "SyntheticInput.h"
#include "WindowFixtures.h"

namespace {

class MessageRoutingTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_frame.GetSafeHwnd() != NULL);
        ASSERT_TRUE(m_edit.Create(WS_CHILD | WS_VISIBLE | WS_BORDER, CRect(10, 10, 200, 34), &m_frame, kEditId));
        PumpUntilIdle();
    }
    TestFrame m_frame;
    CountingEdit m_edit;
};

TEST_F(MessageRoutingTest, ReflectedChangeReachesTheEditAndNeverItsParent)
{
    // A program's SetWindowText on an edit raises EN_CHANGE, as typing does.
    m_edit.SetWindowText("abc");
    ActivateForInput(m_frame.m_hWnd);
    m_edit.SetFocus();
    m_edit.SetSel(3, 3);
    TypeText("d");
    EXPECT_EQ(m_edit.m_nReflectedChanges, 2);
    EXPECT_EQ(m_frame.m_nParentChanges, 0);
    CString text;
    m_edit.GetWindowText(text);
    EXPECT_STREQ(text, "abcd"); // the edit's own procedure still ran
}

TEST_F(MessageRoutingTest, ReflectedControlColourWinsUnlessTheControlDeclines)
{
    CBrush red(RGB(255, 0, 0));
    m_edit.m_hbrReflected = red;
    m_frame.m_nParentCtlColors = 0; // the edit has already painted once
    m_edit.Invalidate();
    PumpUntilIdle();
    EXPECT_EQ(m_frame.m_nParentCtlColors, 0);
    HDC hDC = ::GetDC(m_edit.m_hWnd);
    LRESULT hbr = m_frame.SendMessage(WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(hDC),
                                      reinterpret_cast<LPARAM>(m_edit.m_hWnd));
    EXPECT_EQ(reinterpret_cast<HBRUSH>(hbr), static_cast<HBRUSH>(red));
    EXPECT_EQ(m_frame.m_nParentCtlColors, 0);

    // A reflected handler that returns no brush leaves it to the parent.
    m_edit.m_hbrReflected = NULL;
    hbr = m_frame.SendMessage(WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(hDC),
                              reinterpret_cast<LPARAM>(m_edit.m_hWnd));
    EXPECT_EQ(reinterpret_cast<HBRUSH>(hbr), static_cast<HBRUSH>(::GetStockObject(GRAY_BRUSH)));
    EXPECT_EQ(m_frame.m_nParentCtlColors, 1);
    ::ReleaseDC(m_edit.m_hWnd, hDC);
}

class PreTranslateTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_panel.CreateEx(0, NULL, NULL, WS_CHILD | WS_VISIBLE, CRect(0, 0, 300, 200), &m_frame, 7));
        ASSERT_TRUE(m_edit.Create(WS_CHILD | WS_VISIBLE | WS_BORDER, CRect(10, 10, 200, 34), &m_panel, kEditId));
        m_frame.m_pTrail = m_panel.m_pTrail = m_edit.m_pTrail = &m_trail;
        AfxGetApp()->m_pMainWnd = &m_frame;
        ActivateForInput(m_frame.m_hWnd);
        m_edit.SetFocus();
        PumpUntilIdle();
    }
    void TearDown() override { AfxGetApp()->m_pMainWnd = NULL; }
    TestFrame m_frame;
    TestPanel m_panel;
    CountingEdit m_edit;
    std::vector<std::string> m_trail;
};

TEST_F(PreTranslateTest, KeyGoesFromTheFocusWindowUpToTheMainWindow)
{
    PressKey(VK_RIGHT);
    EXPECT_EQ(m_trail, (std::vector<std::string>{"edit", "panel", "frame"}));
    EXPECT_EQ(m_edit.m_nKeyDowns, 1);
}

TEST_F(PreTranslateTest, AWindowThatTakesTheKeyEndsTheWalkAndTheKeyIsNotDispatched)
{
    m_panel.m_bStopHere = TRUE;
    PressKey(VK_RIGHT);
    EXPECT_EQ(m_trail, (std::vector<std::string>{"edit", "panel"}));
    EXPECT_EQ(m_edit.m_nKeyDowns, 0);

    m_trail.clear();
    m_edit.m_bStopHere = TRUE;
    PressKey(VK_RIGHT);
    EXPECT_EQ(m_trail, (std::vector<std::string>{"edit"}));
}

} // namespace
