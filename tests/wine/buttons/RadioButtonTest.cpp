// CCJRadioButton on a host form, driven with real keys and the real mouse:
// its text on the screen in the host's colour of the moment, the key copies
// the form receives, and its own copy of the font.
#include <afxwin.h>
#include <gtest/gtest.h>

#include <algorithm>
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
const int kTextLeft = 20; // right of the radio glyph

// The host form: it acts on the key copies its radio buttons post it, and
// notes which choice was made when each copy arrived.
class RadioForm : public CDialog {
public:
    std::vector<MSG> m_copies;      // WM_KEYDOWN posted to the form itself
    std::vector<UINT> m_chosenAtCopy;
    std::vector<MSG> m_keys;        // WM_KEYDOWN for the form's controls

    UINT Chosen() const
    {
        for (UINT nID = IDC_RADIO_FIRST; nID <= IDC_RADIO_THIRD; ++nID)
            if (::IsDlgButtonChecked(m_hWnd, nID) == BST_CHECKED)
                return nID;
        return 0;
    }

protected:
    BOOL PreTranslateMessage(MSG* pMsg) override
    {
        if (pMsg->message == WM_KEYDOWN && pMsg->hwnd == m_hWnd) {
            m_copies.push_back(*pMsg);
            m_chosenAtCopy.push_back(Chosen());
            return TRUE;
        }
        if (pMsg->message == WM_KEYDOWN)
            m_keys.push_back(*pMsg);
        return CDialog::PreTranslateMessage(pMsg);
    }
    void OnOK() override {}
    void OnCancel() override {}
};

// How many pixels on the screen over the text part of a button have the colour.
int TextPixels(const CWnd& button, COLORREF cr)
{
    CRect rc;
    button.GetClientRect(&rc);
    rc.left = kTextLeft;
    button.ClientToScreen(&rc);
    HDC hScreen = ::GetDC(NULL);
    HDC hMem = ::CreateCompatibleDC(hScreen);
    HBITMAP hBitmap = ::CreateCompatibleBitmap(hScreen, rc.Width(), rc.Height());
    HGDIOBJ hOld = ::SelectObject(hMem, hBitmap);
    ::BitBlt(hMem, 0, 0, rc.Width(), rc.Height(), hScreen, rc.left, rc.top, SRCCOPY);
    ::SelectObject(hMem, hOld);
    BITMAPINFO bi = {{sizeof(BITMAPINFOHEADER), rc.Width(), -rc.Height(), 1, 32, BI_RGB, 0, 0, 0, 0, 0}, {}};
    std::vector<DWORD> pixels(static_cast<size_t>(rc.Width() * rc.Height()));
    ::GetDIBits(hMem, hBitmap, 0, rc.Height(), pixels.data(), &bi, DIB_RGB_COLORS);
    ::DeleteObject(hBitmap);
    ::DeleteDC(hMem);
    ::ReleaseDC(NULL, hScreen);
    const DWORD dwPixel = (GetRValue(cr) << 16) | (GetGValue(cr) << 8) | GetBValue(cr); // 0x00RRGGBB
    return static_cast<int>(std::count(pixels.begin(), pixels.end(), dwPixel));
}

HFONT FontOf(const CWnd& wnd) { return reinterpret_cast<HFONT>(wnd.SendMessage(WM_GETFONT)); }
LONG HeightOf(HFONT hFont)
{
    LOGFONT lf = {};
    return ::GetObjectA(hFont, sizeof(lf), &lf) == static_cast<int>(sizeof(lf)) ? lf.lfHeight : 0;
}

class RadioButtonTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        SettingsStub::Reset();
        SettingsStub::SetColor(kTextKey, kRed);
        ASSERT_TRUE(m_form.Create(IDD_RADIO_FORM));
        AfxGetApp()->m_pMainWnd = &m_form;
        ActivateForInput(m_form.m_hWnd);
        ASSERT_TRUE(m_first.SubclassDlgItem(IDC_RADIO_FIRST, &m_form));
        ASSERT_TRUE(m_second.SubclassDlgItem(IDC_RADIO_SECOND, &m_form));
        ASSERT_TRUE(m_third.SubclassDlgItem(IDC_RADIO_THIRD, &m_form));
        // Sharp text: every text pixel is in the text colour itself. The
        // caller's font is gone before the buttons paint.
        LOGFONT lf = {};
        lf.lfHeight = -15;
        lf.lfWeight = FW_BOLD;
        lf.lfQuality = NONANTIALIASED_QUALITY;
        lstrcpyA(lf.lfFaceName, "Tahoma");
        for (CCJRadioButton* pButton : {&m_first, &m_second, &m_third}) {
            CFont font;
            font.CreateFontIndirect(&lf);
            pButton->SetFont(&font, TRUE);
        }
        m_first.SetCheck(BST_CHECKED);
        m_first.SetFocus();
        PumpUntilIdle();
    }
    void TearDown() override
    {
        AfxGetApp()->m_pMainWnd = NULL;
        m_form.DestroyWindow();
        SettingsStub::Reset();
        PumpUntilIdle();
    }
    static void Repaint(CWnd& wnd)
    {
        wnd.RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW);
        PumpUntilIdle();
    }
    // Input and painting may reach the screen a moment after the pump ran
    // dry: these wait, within a generous bound, for what the test expects.
    static bool ShowsText(const CWnd& button, COLORREF cr)
    {
        return PumpUntil([&] { return TextPixels(button, cr) > 20; });
    }
    bool Chooses(UINT nID)
    {
        return PumpUntil([&] { return m_form.Chosen() == nID; });
    }

    RadioForm m_form;
    CCJRadioButton m_first, m_second, m_third;
};

TEST_F(RadioButtonTest, TextIsDrawnInTheHostsColourOfTheMomentWithTheButtonsOwnFontCopy)
{
    EXPECT_EQ(HeightOf(FontOf(m_first)), -15) << "the copy outlived the caller's font";
    EXPECT_TRUE(ShowsText(m_first, kRed));

    SettingsStub::SetColor(kTextKey, kGreen);
    Repaint(m_first);
    EXPECT_TRUE(ShowsText(m_first, kGreen));
    EXPECT_EQ(TextPixels(m_first, kRed), 0);

    const HFONT hCopy = FontOf(m_first);
    m_first.SetFont(NULL, TRUE);
    EXPECT_EQ(FontOf(m_first), hCopy);
    m_first.SetFont(CFont::FromHandle(static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT))), TRUE);
    EXPECT_EQ(HeightOf(hCopy), 0) << "the replaced copy was deleted";
}

TEST_F(RadioButtonTest, AClickChoosesWithinTheGroupAndTheSystemsOwnLookNeverStays)
{
    CRect rc;
    m_second.GetWindowRect(&rc);
    PumpFor(::GetDoubleClickTime() + 50);
    ClickAt(CPoint(rc.left + 6, rc.CenterPoint().y));
    EXPECT_TRUE(Chooses(IDC_RADIO_SECOND));
    // Whatever the system button paints itself for a click, both buttons
    // that changed end with their text in the host's colour, none in the
    // system's.
    for (CCJRadioButton* pButton : {&m_first, &m_second}) {
        EXPECT_TRUE(ShowsText(*pButton, kRed));
        EXPECT_EQ(TextPixels(*pButton, ::GetSysColor(COLOR_WINDOWTEXT)), 0);
    }
}

TEST_F(RadioButtonTest, ArrowsMoveTheChoiceAndEveryKeyReachesTheFormAfterwardsWithItsOwnParameters)
{
    PressKey(VK_DOWN);
    EXPECT_TRUE(Chooses(IDC_RADIO_SECOND));
    EXPECT_EQ(::GetFocus(), m_second.m_hWnd);
    PressKey('A');
    PressKey(VK_UP);
    EXPECT_TRUE(Chooses(IDC_RADIO_FIRST));

    EXPECT_TRUE(PumpUntil([&] { return m_form.m_copies.size() == 3; }));
    ASSERT_EQ(m_form.m_keys.size(), 3u);
    ASSERT_EQ(m_form.m_copies.size(), 3u);
    const UINT chosenAtCopy[] = {IDC_RADIO_SECOND, IDC_RADIO_SECOND, IDC_RADIO_FIRST};
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(m_form.m_copies[i].wParam, m_form.m_keys[i].wParam) << i;
        EXPECT_EQ(m_form.m_copies[i].lParam, m_form.m_keys[i].lParam) << "repeat count and flags, " << i;
        EXPECT_EQ(m_form.m_chosenAtCopy[i], chosenAtCopy[i]) << "the copy came after the button's handling, " << i;
    }
    EXPECT_EQ(m_form.m_copies[1].wParam, static_cast<WPARAM>('A'));
}

TEST_F(RadioButtonTest, ColourRequestsToTheButtonGetTheStockBrushes)
{
    CClientDC dc(&m_first);
    const LPARAM lSelf = reinterpret_cast<LPARAM>(m_first.m_hWnd);
    const WPARAM wDC = reinterpret_cast<WPARAM>(dc.m_hDC);
    EXPECT_EQ(m_first.SendMessage(WM_CTLCOLORBTN, wDC, lSelf), reinterpret_cast<LRESULT>(::GetStockObject(BLACK_BRUSH)));
    EXPECT_EQ(m_first.SendMessage(WM_CTLCOLORSTATIC, wDC, lSelf),
              reinterpret_cast<LRESULT>(::GetStockObject(WHITE_BRUSH)));
    EXPECT_EQ(m_first.SendMessage(WM_CTLCOLOREDIT, wDC, lSelf), reinterpret_cast<LRESULT>(::GetStockObject(WHITE_BRUSH)));
}

TEST(RadioButtonWithoutParent, HandlesKeysItselfPostsNothingAndDeletesItsFontCopyWithItself)
{
    HFONT hCopy;
    {
        CCJRadioButton alone;
        ASSERT_TRUE(alone.CreateEx(0, "BUTTON", "Alone", WS_POPUP | BS_AUTORADIOBUTTON, 0, 0, 80, 20, NULL, NULL));
        alone.SendMessage(WM_KEYDOWN, VK_DOWN, 1);
        alone.SendMessage(WM_KEYDOWN, 'A', 1);
        MSG msg;
        EXPECT_FALSE(::PeekMessageA(&msg, NULL, WM_KEYDOWN, WM_KEYDOWN, PM_NOREMOVE));
        alone.SetFont(CFont::FromHandle(static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT))), TRUE);
        hCopy = FontOf(alone);
        alone.DestroyWindow();
    }
    EXPECT_EQ(HeightOf(hCopy), 0);
}

} // namespace
