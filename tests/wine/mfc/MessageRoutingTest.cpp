// How messages travel: notifications reflected back to the control that sent them, and keys
// offered to PreTranslateMessage from the focus window up through its parents by the pump.
#include <gtest/gtest.h>

#include "MessagePump.h"
#include "SyntheticInput.h"
#include "WindowFixtures.h"

namespace {

// The main window holds a panel, which holds the edit, which has the focus.
class MessageRoutingTest : public ::testing::Test {
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
    HBRUSH SendCtlColor(HDC hDC)
    {
        return reinterpret_cast<HBRUSH>(m_panel.SendMessage(WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(hDC),
                                                            reinterpret_cast<LPARAM>(m_edit.m_hWnd)));
    }
    TestFrame m_frame;
    TestPanel m_panel;
    CountingEdit m_edit;
    std::vector<std::string> m_trail;
};

TEST_F(MessageRoutingTest, ReflectedChangeReachesTheEditAndNeverItsParent)
{
    m_edit.SetWindowText("abc"); // a program's SetWindowText raises EN_CHANGE, as typing does
    EXPECT_EQ(m_edit.m_nReflectedChanges, 1);
    EXPECT_EQ(m_panel.m_nParentChanges, 0);
}

TEST_F(MessageRoutingTest, ReflectedControlColourWinsUnlessTheControlDeclines)
{
    CBrush red(RGB(255, 0, 0));
    m_edit.m_hbrReflected = red;
    m_panel.m_nParentCtlColors = 0; // the edit has already painted once
    HDC hDC = ::GetDC(m_edit.m_hWnd);
    EXPECT_EQ(SendCtlColor(hDC), static_cast<HBRUSH>(red));
    EXPECT_EQ(m_panel.m_nParentCtlColors, 0);
    m_edit.m_hbrReflected = NULL; // a reflected handler that returns no brush leaves it to the parent
    EXPECT_EQ(SendCtlColor(hDC), static_cast<HBRUSH>(::GetStockObject(GRAY_BRUSH)));
    EXPECT_EQ(m_panel.m_nParentCtlColors, 1);
    ::ReleaseDC(m_edit.m_hWnd, hDC);
}

TEST_F(MessageRoutingTest, KeyGoesFromTheFocusWindowUpToTheMainWindowUntilOneTakesIt)
{
    PressKey(VK_RIGHT);
    EXPECT_EQ(m_trail, (std::vector<std::string>{"edit", "panel", "frame"}));
    EXPECT_EQ(m_edit.m_nKeyDowns, 1);

    m_trail.clear();
    m_panel.m_bStopHere = TRUE; // the panel takes the key: the walk ends there and the key is not dispatched
    PressKey(VK_RIGHT);
    EXPECT_EQ(m_trail, (std::vector<std::string>{"edit", "panel"}));
    EXPECT_EQ(m_edit.m_nKeyDowns, 1);
}

} // namespace
