// CCJRadioButton on a host form, driven with real keys and the real mouse:
// its text on the screen in the host's colour of the moment and the key
// copies the form receives. Its font copy is tested with the font-keeping
// controls.
#include <afxwin.h>
#include <gtest/gtest.h>

#include <string>
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

// The host form: it notes each key its controls receive ("key <wParam>
// <lParam>") and each copy its radio buttons post it ("copy ...", with
// " first" while the first button is checked).
class RadioForm : public CDialog {
public:
    std::vector<std::string> m_keys;

protected:
    BOOL PreTranslateMessage(MSG* pMsg) override
    {
        const bool bCopy = pMsg->hwnd == m_hWnd;
        if (pMsg->message == WM_KEYDOWN)
            m_keys.push_back((bCopy ? "copy " : "key ") + std::to_string(pMsg->wParam) + " " +
                             std::to_string(pMsg->lParam) + (bCopy && IsDlgButtonChecked(IDC_RADIO_FIRST) ? " first" : ""));
        return (pMsg->message == WM_KEYDOWN && bCopy) || CDialog::PreTranslateMessage(pMsg);
    }
};

// How many pixels of a button's text (right of its glyph) have the colour,
// as the button's window shows them.
int TextPixels(CWnd& button, COLORREF cr)
{
    CRect rc;
    button.GetClientRect(&rc);
    CClientDC dc(&button);
    int nCount = 0;
    for (int x = 20; x < rc.right; ++x)
        for (int y = 0; y < rc.bottom; ++y)
            nCount += dc.GetPixel(x, y) == cr;
    return nCount;
}

TEST(RadioButton, ClickColourChangeAndKeysShowTheHostsColourAndCopyEveryKeyToTheParentAfterwards)
{
    SettingsStub::Reset();
    SettingsStub::SetColor(kTextKey, kRed);
    RadioForm form;
    ASSERT_TRUE(form.Create(IDD_RADIO_FORM));
    AfxGetApp()->m_pMainWnd = &form;
    ActivateForInput(form.m_hWnd);
    // Sharp text: every text pixel is in the text colour itself. Each
    // caller's font is gone before the buttons paint.
    CCJRadioButton first, second;
    CCJRadioButton* buttons[] = {&first, &second};
    for (UINT i = 0; i < 2; ++i) {
        ASSERT_TRUE(buttons[i]->SubclassDlgItem(IDC_RADIO_FIRST + i, &form));
        CFont font;
        font.Attach(::CreateFontA(-15, 0, 0, 0, FW_BOLD, 0, 0, 0, 0, 0, 0, NONANTIALIASED_QUALITY, 0, "Tahoma"));
        buttons[i]->SetFont(&font, TRUE);
    }
    first.SetCheck(BST_CHECKED);
    // Input and painting may reach the screen a moment after the pump ran
    // dry: these wait, within a generous bound, for what the test expects.
    const auto ShowsText = [](CWnd& b, COLORREF cr) { return PumpUntil([&] { return TextPixels(b, cr) > 20; }); };
    const auto Chooses = [&](UINT nID) { return PumpUntil([&] { return form.IsDlgButtonChecked(nID) == BST_CHECKED; }); };
    EXPECT_TRUE(ShowsText(first, kRed));

    // Whatever the system button paints itself for a click, both buttons
    // that changed end with their text in the host's colour, none in the
    // system's.
    CRect rc;
    second.GetWindowRect(&rc);
    PumpFor(::GetDoubleClickTime() + 50);
    ClickAt(CPoint(rc.left + 6, rc.CenterPoint().y));
    EXPECT_TRUE(Chooses(IDC_RADIO_SECOND));
    for (CCJRadioButton* pButton : {&first, &second}) {
        EXPECT_TRUE(ShowsText(*pButton, kRed));
        EXPECT_EQ(TextPixels(*pButton, ::GetSysColor(COLOR_WINDOWTEXT)), 0);
    }
    // The colour is read again at every paint.
    SettingsStub::SetColor(kTextKey, kGreen);
    second.RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW);
    EXPECT_TRUE(ShowsText(second, kGreen));
    EXPECT_EQ(TextPixels(second, kRed), 0);

    // Arrows move the choice within the group; every key then reaches the
    // form as a copy with the key's own parameters.
    PressKey(VK_UP);
    EXPECT_TRUE(Chooses(IDC_RADIO_FIRST));
    PressKey('A'), PressKey(VK_DOWN);
    EXPECT_TRUE(Chooses(IDC_RADIO_SECOND));
    ASSERT_TRUE(PumpUntil([&] { return form.m_keys.size() == 6; }));
    const char* firstAtCopy[] = {" first", " first", ""}; // the copy comes after the button's handling
    for (size_t i = 0; i < 3; ++i)
        EXPECT_EQ(form.m_keys[2 * i + 1], "copy" + form.m_keys[2 * i].substr(3) + firstAtCopy[i])
            << "the key's own code, repeat count and flags";

    // A button without a parent handles keys itself and posts nothing.
    CCJRadioButton alone;
    ASSERT_TRUE(alone.CreateEx(0, "BUTTON", "Alone", WS_POPUP | BS_AUTORADIOBUTTON, 0, 0, 80, 20, NULL, NULL));
    alone.SendMessage(WM_KEYDOWN, VK_DOWN, 1), alone.SendMessage(WM_KEYDOWN, 'A', 1);
    MSG msg;
    EXPECT_FALSE(::PeekMessageA(&msg, NULL, WM_KEYDOWN, WM_KEYDOWN, PM_NOREMOVE));
    alone.DestroyWindow(), AfxGetApp()->m_pMainWnd = NULL, form.DestroyWindow(), PumpUntilIdle();
}

} // namespace
