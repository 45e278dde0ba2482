// The font-keeping controls, the radio button among them: each draws with
// its own copy of the font it is given, whatever the caller does with its
// font afterwards, and deletes the copy with itself.
#include <afxwin.h>
#include <imm.h>
#include <gtest/gtest.h>
#include "CCJRadioButton.h"
#include "SButton.h"
#include "SCComboBox.h"
#include "SDateTimeCtrl.h"
#include "SEdit.h"
#include "SListBox.h"
#include "SStatic.h"

namespace {

BOOL CreateHost(CWnd& host) { return host.CreateEx(0, NULL, "", WS_POPUP | WS_VISIBLE, 50, 50, 400, 300, NULL, 0); }
const CRect kRect(10, 10, 200, 40);
template <class T> BOOL CreateControl(T& c, CWnd* p) { return c.Create(WS_CHILD | WS_VISIBLE, kRect, p, 1); }
BOOL CreateControl(SButton& c, CWnd* p) { return c.Create("b", WS_CHILD | WS_VISIBLE, kRect, p, 1); }
BOOL CreateControl(SStatic& c, CWnd* p) { return c.Create("s", WS_CHILD | WS_VISIBLE, kRect, p, 1); }
BOOL CreateControl(CCJRadioButton& c, CWnd* p) { return c.Create("r", WS_CHILD | WS_VISIBLE | BS_AUTORADIOBUTTON, kRect, p, 1); }
BOOL CreateControl(SCComboBox& c, CWnd* p) { return c.Create(WS_CHILD | WS_VISIBLE | CBS_DROPDOWN, kRect, p, 1); }
HFONT FontOf(const CWnd& wnd) { return reinterpret_cast<HFONT>(wnd.SendMessage(WM_GETFONT)); }
// The font's height, or 0 once the font is deleted.
LONG HeightOf(HFONT hFont) { LOGFONT lf = {}; return ::GetObjectA(hFont, sizeof(lf), &lf) ? lf.lfHeight : 0; }
// Gives the control a font of the given height and deletes it at once.
template <class T> void SetTemporaryFont(T& control, int nHeight)
{
    const HFONT hFont = ::CreateFontA(nHeight, 0, 0, 0, FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "Tahoma");
    control.SetFont(CFont::FromHandle(hFont), TRUE);
    ::DeleteObject(hFont);
}

template <class T> class FontKeeping : public ::testing::Test {};
using FontKeepingControls = ::testing::Types<SEdit, SButton, SCComboBox, SDateTimeCtrl, SListBox, SStatic, CCJRadioButton>;
TYPED_TEST_SUITE(FontKeeping, FontKeepingControls);

TYPED_TEST(FontKeeping, KeepsItsOwnCopyOfEachFontAndDeletesTheCopyItReplacesAndItsLast)
{
    CWnd host;
    HFONT hLast = NULL;
    {
        TypeParam control;
        ASSERT_TRUE(CreateHost(host) && CreateControl(control, &host));
        SetTemporaryFont(control, -21);
        const HFONT hFirstCopy = FontOf(control);
        EXPECT_EQ(HeightOf(hFirstCopy), -21) << "no copy outlived the caller's font";
        SetTemporaryFont(control, -13);
        EXPECT_EQ(HeightOf(hFirstCopy), 0) << "first copy leaked";
        control.SetFont(NULL, TRUE); // NULL and a deleted font change nothing
        control.SetFont(CFont::FromHandle(hFirstCopy), TRUE);
        EXPECT_EQ(HeightOf(hLast = FontOf(control)), -13);
    }
    EXPECT_EQ(HeightOf(hLast), 0) << "the copy went with the control";
}

TEST(SCComboBoxIme, DisableTakesTheEditsContextAndFocusesItRestoreGivesTheContextBack)
{
    CWnd host;
    SCComboBox combo;
    ASSERT_TRUE(CreateHost(host) && CreateControl(combo, &host));
    const HWND hEdit = ::GetWindow(combo.m_hWnd, GW_CHILD);
    const HIMC hOriginal = ::ImmGetContext(hEdit);
    ASSERT_NE(hOriginal, static_cast<HIMC>(NULL)) << "no input context to take under this system";
    combo.DisableIME();
    EXPECT_TRUE(::ImmGetContext(hEdit) == NULL && ::GetFocus() == hEdit) << "the context taken, the edit focused";
    combo.RestoreIME();
    EXPECT_EQ(::ImmGetContext(hEdit), hOriginal);
}

} // namespace
