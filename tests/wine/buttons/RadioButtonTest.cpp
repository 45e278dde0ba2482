// CCJRadioButton on a host form, driven with real keys and the real mouse:
// its text on the screen in the host's colour of the moment, the key copies
// the form receives, and its own copy of the font.
#include <afxwin.h>
#include <gtest/gtest.h>

#include <vector>

#include "CCJRadioButton.h"
#include "MessagePump.h"
#include "RadioForm.h"
#include "SettingsStub.h"
#include "SyntheticInput.h"

namespace {

const char kTextKey[] = "COLOR_LISTCTL_NORMALTEXT";
const COLORREF kRed = RGB(200, 30, 60);
const COLORREF kGreen = RGB(20, 140, 90);

// The host form: it notes the key copies its radio buttons post it, with the
// first button's check when each arrived, and the keys its controls receive.
class RadioForm : public CDialog {
public:
    std::vector<MSG> m_copies, m_keys;
    std::vector<UINT> m_firstCheckAtCopy;

protected:
    BOOL PreTranslateMessage(MSG* pMsg) override
    {
        if (pMsg->message == WM_KEYDOWN && pMsg->hwnd != m_hWnd)
            m_keys.push_back(*pMsg);
        if (pMsg->message != WM_KEYDOWN || pMsg->hwnd != m_hWnd)
            return CDialog::PreTranslateMessage(pMsg);
        m_copies.push_back(*pMsg);
        m_firstCheckAtCopy.push_back(IsDlgButtonChecked(IDC_RADIO_FIRST));
        return TRUE;
    }
};

// How many pixels on the screen over a button's text (right of its glyph)
// have the colour, counted on a copy of the screen.
int TextPixels(const CWnd& button, COLORREF cr)
{
    CRect rc;
    button.GetClientRect(&rc);
    rc.left = 20;
    button.ClientToScreen(&rc);
    HDC hScreen = ::GetDC(NULL), hMem = ::CreateCompatibleDC(hScreen);
    HGDIOBJ hOld = ::SelectObject(hMem, ::CreateCompatibleBitmap(hScreen, rc.Width(), rc.Height()));
    ::BitBlt(hMem, 0, 0, rc.Width(), rc.Height(), hScreen, rc.left, rc.top, SRCCOPY);
    int nCount = 0;
    for (int i = 0; i < rc.Width() * rc.Height(); ++i)
        nCount += ::GetPixel(hMem, i % rc.Width(), i / rc.Width()) == cr;
    ::DeleteObject(::SelectObject(hMem, hOld));
    ::DeleteDC(hMem);
    ::ReleaseDC(NULL, hScreen);
    return nCount;
}

HFONT FontOf(const CWnd& wnd) { return reinterpret_cast<HFONT>(wnd.SendMessage(WM_GETFONT)); }
// The font's height, or 0 once the font is deleted.
LONG HeightOf(HFONT hFont) { LOGFONT lf = {}; return ::GetObjectA(hFont, sizeof(lf), &lf) ? lf.lfHeight : 0; }

class RadioButtonTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        SettingsStub::Reset();
        SettingsStub::SetColor(kTextKey, kRed);
        ASSERT_TRUE(m_form.Create(IDD_RADIO_FORM));
        AfxGetApp()->m_pMainWnd = &m_form;
        ActivateForInput(m_form.m_hWnd);
        // Sharp text: every text pixel is in the text colour itself. Each
        // caller's font is gone before the buttons paint.
        CCJRadioButton* buttons[] = {&m_first, &m_second, &m_third};
        for (UINT i = 0; i < 3; ++i) {
            ASSERT_TRUE(buttons[i]->SubclassDlgItem(IDC_RADIO_FIRST + i, &m_form));
            CFont font;
            font.Attach(::CreateFontA(-15, 0, 0, 0, FW_BOLD, 0, 0, 0, 0, 0, 0, NONANTIALIASED_QUALITY, 0, "Tahoma"));
            buttons[i]->SetFont(&font, TRUE);
        }
        m_first.SetCheck(BST_CHECKED);
        PumpUntilIdle();
    }
    void TearDown() override
    {
        AfxGetApp()->m_pMainWnd = NULL;
        m_form.DestroyWindow();
        PumpUntilIdle();
    }
    // Input and painting may reach the screen a moment after the pump ran
    // dry: these wait, within a generous bound, for what the test expects.
    static bool ShowsText(const CWnd& b, COLORREF cr) { return PumpUntil([&] { return TextPixels(b, cr) > 20; }); }
    bool Chooses(UINT nID) { return PumpUntil([&] { return m_form.IsDlgButtonChecked(nID) == BST_CHECKED; }); }

    RadioForm m_form;
    CCJRadioButton m_first, m_second, m_third;
};

TEST_F(RadioButtonTest, ClickColourChangeAndKeysShowTheHostsColourAndCopyEveryKeyToTheFormAfterwards)
{
    EXPECT_EQ(HeightOf(FontOf(m_first)), -15) << "the copy outlived the caller's font";
    EXPECT_TRUE(ShowsText(m_first, kRed));

    // Whatever the system button paints itself for a click, both buttons
    // that changed end with their text in the host's colour, none in the
    // system's.
    CRect rc;
    m_second.GetWindowRect(&rc);
    PumpFor(::GetDoubleClickTime() + 50);
    ClickAt(CPoint(rc.left + 6, rc.CenterPoint().y));
    EXPECT_TRUE(Chooses(IDC_RADIO_SECOND));
    for (CCJRadioButton* pButton : {&m_first, &m_second}) {
        EXPECT_TRUE(ShowsText(*pButton, kRed));
        EXPECT_EQ(TextPixels(*pButton, ::GetSysColor(COLOR_WINDOWTEXT)), 0);
    }
    // The colour is read again at every paint.
    SettingsStub::SetColor(kTextKey, kGreen);
    m_second.RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW);
    EXPECT_TRUE(ShowsText(m_second, kGreen));
    EXPECT_EQ(TextPixels(m_second, kRed), 0);

    // Arrows move the choice within the group; every key then reaches the
    // form as a copy with the key's own parameters.
    PressKey(VK_UP);
    EXPECT_TRUE(Chooses(IDC_RADIO_FIRST));
    EXPECT_EQ(::GetFocus(), m_first.m_hWnd);
    PressKey('A');
    PressKey(VK_DOWN);
    EXPECT_TRUE(Chooses(IDC_RADIO_SECOND));
    ASSERT_TRUE(PumpUntil([&] { return m_form.m_copies.size() == 3; }));
    ASSERT_EQ(m_form.m_keys.size(), 3u);
    const UINT firstCheckAtCopy[] = {BST_CHECKED, BST_CHECKED, BST_UNCHECKED};
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(m_form.m_copies[i].wParam, m_form.m_keys[i].wParam) << i;
        EXPECT_EQ(m_form.m_copies[i].lParam, m_form.m_keys[i].lParam) << "repeat count and flags, " << i;
        EXPECT_EQ(m_form.m_firstCheckAtCopy[i], firstCheckAtCopy[i]) << "copied after the button's handling, " << i;
    }
}

TEST(RadioButtonWithoutParent, HandlesKeysItselfPostsNothingGivesStockBrushesAndDeletesItsFontCopyWithItself)
{
    HFONT hCopy;
    {
        CCJRadioButton alone;
        ASSERT_TRUE(alone.CreateEx(0, "BUTTON", "Alone", WS_POPUP | BS_AUTORADIOBUTTON, 0, 0, 80, 20, NULL, NULL));
        alone.SendMessage(WM_KEYDOWN, VK_DOWN, 1);
        alone.SendMessage(WM_KEYDOWN, 'A', 1);
        MSG msg;
        EXPECT_FALSE(::PeekMessageA(&msg, NULL, WM_KEYDOWN, WM_KEYDOWN, PM_NOREMOVE));

        // Colour requests: black for the button itself, white for the rest.
        const auto Brush = [&](UINT message) {
            CClientDC dc(&alone);
            const LPARAM lSelf = reinterpret_cast<LPARAM>(alone.m_hWnd);
            return alone.SendMessage(message, reinterpret_cast<WPARAM>(dc.m_hDC), lSelf);
        };
        EXPECT_EQ(Brush(WM_CTLCOLORBTN), reinterpret_cast<LRESULT>(::GetStockObject(BLACK_BRUSH)));
        EXPECT_EQ(Brush(WM_CTLCOLOREDIT), reinterpret_cast<LRESULT>(::GetStockObject(WHITE_BRUSH)));

        alone.SetFont(CFont::FromHandle(static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT))), TRUE);
        hCopy = FontOf(alone);
        alone.DestroyWindow();
    }
    EXPECT_EQ(HeightOf(hCopy), 0) << "the copy went with the button";
}

} // namespace
