// CHoverButton on a real parent, driven with the real mouse: which of the
// library's "i" bitmaps the screen shows in each state, the capture it takes
// and gives back, the clicks its parent hears, and its sizing to the scale.
#include <afxext.h>
#include <gtest/gtest.h>

#include "CHoverButton.h"
#include "CommonObjectStub.h"
#include "MessagePump.h"
#include "SyntheticInput.h"
#include "WindowReadback.h"

namespace {

const COLORREF kNormalTile = RGB(187, 222, 250); // bitmap 7000
const COLORREF kHoverTile = RGB(232, 244, 253);  // bitmap 7001
const COLORREF kFrameDark = RGB(96, 96, 96);

// The parent: counts the clicks and context menus its buttons send it, and
// notes the clicked button's state when its click arrived.
class ButtonParent : public CWnd {
public:
    int m_nClicks = 0, m_nContextMenus = 0;
    CHoverButton::BUTTON_STATE m_eStateAtClick = CHoverButton::BTN_DISABLED;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED) {
            ++m_nClicks;
            CWnd* pButton = FromHandlePermanent(reinterpret_cast<HWND>(lParam));
            m_eStateAtClick = static_cast<CHoverButton*>(pButton)->GetButtonState();
        }
        m_nContextMenus += message == WM_CONTEXTMENU;
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

// Lets the tests see which bitmaps the button holds.
class InspectedButton : public CHoverButton {
public:
    HBITMAP Normal() const { return m_bmpNormal; }
    HBITMAP Pressed() const { return m_bmpPressed; }
    HBITMAP Hover() const { return m_bmpHover; }
    HBITMAP Disabled() const { return m_bmpDisabled; }
};

bool IsBitmap(HBITMAP h) { return h != NULL && ::GetObjectType(h) == OBJ_BITMAP; }
POINT OnScreen(const CWnd& wnd, POINT pt) { return ::ClientToScreen(wnd.m_hWnd, &pt), pt; }

class HoverButtonTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        CommonObjectStub::Reset();
        MouseMoveTo({5, 5});
        ASSERT_TRUE(m_parent.CreateEx(0, NULL, "", WS_POPUP | WS_VISIBLE, 100, 100, 240, 160, NULL, 0));
        ActivateForInput(m_parent.m_hWnd);
        ASSERT_TRUE(m_button.Create("", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, CRect(20, 20, 38, 38), &m_parent, 1));
        m_button.LoadTAIEXButtonBitmaps();
        Repaint();
    }
    void TearDown() override { m_button.DestroyWindow(); m_parent.DestroyWindow(); PumpUntilIdle(); }
    POINT Inside() const { return OnScreen(m_button, {9, 9}); }
    void Repaint() { m_button.RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW); PumpUntilIdle(); }
    COLORREF At(POINT pt) const { return ScreenColour(m_button.m_hWnd, pt); }
    COLORREF Tile() const { return At({3, 3}); }
    // Input and painting may reach the screen a moment after the pump ran
    // dry: these wait, within a generous bound, for what the test expects.
    bool ShowsTile(COLORREF cr) { return PumpUntil([&] { return Tile() == cr; }); }
    bool Becomes(CHoverButton::BUTTON_STATE e) { return PumpUntil([&] { return m_button.GetButtonState() == e; }); }
    CSize ClientSize() const { CRect rc; m_button.GetClientRect(&rc); return rc.Size(); }

    ButtonParent m_parent;
    InspectedButton m_button;
};

TEST_F(HoverButtonTest, PointerInPressReleaseRightClickAndOutSwitchBitmapsCaptureAndClick)
{
    // Normal: bitmap 7000, its tile and its frame dark at the bottom right.
    EXPECT_TRUE(ShowsTile(kNormalTile)) << Tile();
    EXPECT_EQ(At({17, 17}), kFrameDark);

    MouseMoveTo(Inside());
    EXPECT_TRUE(Becomes(CHoverButton::BTN_HOVER));
    EXPECT_EQ(::GetCapture(), m_button.m_hWnd);
    EXPECT_TRUE(ShowsTile(kHoverTile)) << Tile();

    MouseDown();
    EXPECT_TRUE(Becomes(CHoverButton::BTN_PRESSED));
    EXPECT_TRUE(ShowsTile(kHoverTile)) << Tile();
    MouseUp();
    EXPECT_TRUE(PumpUntil([&] { return m_parent.m_nClicks == 1; }));
    EXPECT_EQ(m_parent.m_eStateAtClick, CHoverButton::BTN_NORMAL);
    // Letting the capture go makes the system report a move under the
    // pointer, which is still inside: the button hovers again.
    MouseMoveTo(Inside());
    ASSERT_TRUE(Becomes(CHoverButton::BTN_HOVER));

    // A right click changes nothing and gets no default handling (which
    // would send a context menu request); the capture it keeps lets the
    // move out below be seen.
    ::mouse_event(MOUSEEVENTF_RIGHTDOWN, 0, 0, 0, 0); // a real right click, which SyntheticInput does not offer
    ::mouse_event(MOUSEEVENTF_RIGHTUP, 0, 0, 0, 0);
    PumpFor(40);
    EXPECT_EQ(m_button.GetButtonState(), CHoverButton::BTN_HOVER);
    EXPECT_EQ(m_parent.m_nClicks, 1);
    EXPECT_EQ(m_parent.m_nContextMenus, 0);

    MouseMoveTo(OnScreen(m_parent, {150, 100}));
    EXPECT_TRUE(Becomes(CHoverButton::BTN_NORMAL));
    EXPECT_EQ(::GetCapture(), static_cast<HWND>(NULL));
    EXPECT_TRUE(ShowsTile(kNormalTile)) << Tile();
}

TEST_F(HoverButtonTest, SetButtonStateDisablesShowsTheDisabledBitmapAndStoresAnUnknownStateAsNormal)
{
    ASSERT_TRUE(m_button.LoadBitmaps(7000, 7001, 7001, 7001)); // a disabled bitmap unlike the normal one
    m_button.SetButtonState(CHoverButton::BTN_DISABLED);
    EXPECT_FALSE(m_button.IsWindowEnabled());
    EXPECT_TRUE(ShowsTile(kHoverTile)) << Tile();

    m_button.SetButtonState(static_cast<CHoverButton::BUTTON_STATE>(7));
    Repaint();
    EXPECT_TRUE(m_button.IsWindowEnabled());
    EXPECT_EQ(m_button.GetButtonState(), CHoverButton::BTN_NORMAL);
    EXPECT_TRUE(ShowsTile(kNormalTile)) << Tile();

    // The result is the check state read before the change, not the state.
    CHoverButton box;
    ASSERT_TRUE(box.Create("", WS_CHILD | BS_CHECKBOX, CRect(60, 60, 80, 80), &m_parent, 3));
    box.SetCheck(BST_CHECKED);
    EXPECT_EQ(box.SetButtonState(CHoverButton::BTN_DISABLED), 1);
}

TEST_F(HoverButtonTest, BitmapsGoWithTheButtonOrTheLoadThatReplacesThemAndAFailedLoadKeepsTheEarlierOnes)
{
    // Destroyed while it holds the capture, a button leaves no capture and
    // no bitmap behind.
    HBITMAP hNormal, hHover;
    {
        InspectedButton button;
        ASSERT_TRUE(button.Create("", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, CRect(60, 20, 78, 38), &m_parent, 2));
        button.LoadTAIEXButtonBitmaps();
        hNormal = button.Normal(), hHover = button.Hover();
        MouseMoveTo(OnScreen(button, {9, 9}));
        ASSERT_EQ(::GetCapture(), button.m_hWnd);
        button.DestroyWindow();
        EXPECT_EQ(::GetCapture(), static_cast<HWND>(NULL));
    }
    EXPECT_FALSE(IsBitmap(hNormal) || IsBitmap(hHover));

    const HBITMAP hOldNormal = m_button.Normal();
    // A missing normal bitmap leaves all four empty; a later failure keeps
    // the earlier ones.
    EXPECT_FALSE(m_button.LoadBitmaps(4711, 7001, 7001, 7001));
    EXPECT_FALSE(IsBitmap(hOldNormal)) << "the replaced bitmap was deleted";
    EXPECT_TRUE(!m_button.Normal() && !m_button.Pressed() && !m_button.Hover() && !m_button.Disabled());
    EXPECT_FALSE(m_button.LoadBitmaps(7000, 7001, 4711, 7001));
    EXPECT_TRUE(IsBitmap(m_button.Normal()) && IsBitmap(m_button.Pressed()));
    EXPECT_TRUE(!m_button.Hover() && !m_button.Disabled());
    EXPECT_FALSE(m_button.LoadBitmaps(static_cast<const char*>(NULL)) || m_button.Normal());
    // Only a missing name is skipped; names may be numbers.
    EXPECT_TRUE(m_button.LoadBitmaps(MAKEINTRESOURCEA(7001), NULL, NULL, MAKEINTRESOURCEA(7000)));
    EXPECT_TRUE(IsBitmap(m_button.Disabled()) && !m_button.Hover());
}

TEST_F(HoverButtonTest, CutsALargerBitmapAtItsTopLeftAndSizesToItRescalingAtEveryCallWhenTheScaleIsNotOne)
{
    m_button.SetWindowPos(NULL, 0, 0, 10, 10, SWP_NOMOVE | SWP_NOZORDER);
    Repaint();
    ASSERT_TRUE(ShowsTile(kNormalTile));
    EXPECT_EQ(At({0, 0}), RGB(160, 160, 160)) << "the frame's light top left";
    EXPECT_EQ(At({9, 9}), RGB(16, 58, 128)) << "the letter: drawn from the origin, not shrunk";
    EXPECT_NE(ScreenColour(m_parent.m_hWnd, {30, 30}), kFrameDark) << "nothing drawn beyond the button";

    m_button.SizeToContent();
    EXPECT_EQ(ClientSize(), CSize(18, 18));
    EXPECT_TRUE(CommonObjectStub::TransDevScaleArgs().empty()) << "a scale of 1.0 converts nothing";
    CommonObjectStub::SetDeviceScale(1.5);
    m_button.SizeToContent();
    EXPECT_EQ(ClientSize(), CSize(27, 27));
    m_button.SizeToContent();
    EXPECT_EQ(ClientSize(), CSize(41, 41)) << "the converted bitmaps are converted again";
    Repaint();
    EXPECT_TRUE(PumpUntil([&] { return At({5, 5}) == kNormalTile; })) << "stretched whole, the tile keeps its colour";

    m_button.LoadBitmaps(0u);
    m_button.SizeToContent();
    EXPECT_EQ(ClientSize(), CSize(41, 41)) << "with no bitmap there is nothing to size to";
}

} // namespace
