// The font-keeping controls: each draws with its own copy of the font it is
// given, whatever the caller does with its font afterwards.
#include <afxwin.h>
#include <afxdtctl.h>
#include <imm.h>
#include <gtest/gtest.h>
#include <cstring>
#include <string>
#include "SButton.h"
#include "SCComboBox.h"
#include "SDateTimeCtrl.h"
#include "SEdit.h"
#include "SListBox.h"
#include "SStatic.h"
#include "MessagePump.h"

namespace {

class HostWindow : public CWnd {
public:
    HostWindow() { CreateEx(0, NULL, "host", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 50, 50, 400, 300, NULL, NULL); }
    ~HostWindow() override { DestroyWindow(); }
};

const CRect kRect(10, 10, 200, 40);

BOOL CreateControl(SEdit& c, CWnd* p) { return c.Create(WS_CHILD | WS_VISIBLE | WS_BORDER, kRect, p, 1); }
BOOL CreateControl(SButton& c, CWnd* p) { return c.Create("b", WS_CHILD | WS_VISIBLE, kRect, p, 1); }
BOOL CreateControl(SCComboBox& c, CWnd* p) { return c.Create(WS_CHILD | WS_VISIBLE | CBS_DROPDOWN, CRect(10, 10, 200, 200), p, 1); }
BOOL CreateControl(SDateTimeCtrl& c, CWnd* p) { return c.Create(WS_CHILD | WS_VISIBLE, kRect, p, 1); }
BOOL CreateControl(SListBox& c, CWnd* p) { return c.Create(WS_CHILD | WS_VISIBLE, kRect, p, 1); }
BOOL CreateControl(SStatic& c, CWnd* p) { return c.Create("s", WS_CHILD | WS_VISIBLE, kRect, p, 1); }

HFONT FontOf(const CWnd& wnd) { return reinterpret_cast<HFONT>(wnd.SendMessage(WM_GETFONT)); }
std::string Describe(HFONT hFont)
{
    LOGFONT lf = {};
    if (::GetObjectA(hFont, sizeof(lf), &lf) != static_cast<int>(sizeof(lf)))
        return "unreadable";
    return std::to_string(lf.lfHeight) + " " + std::to_string(lf.lfWeight) + " " + lf.lfFaceName;
}

// Gives the control a bold font that is deleted before this returns
// (or, with bDeleteFirst, before the control even sees it).
template <class T>
void SetTemporaryFont(T& control, int nHeight, const char* pszFace, bool bDeleteFirst = false)
{
    LOGFONT lf = {};
    lf.lfHeight = nHeight;
    lf.lfWeight = FW_BOLD;
    std::strcpy(lf.lfFaceName, pszFace);
    CFont font;
    ASSERT_TRUE(font.CreateFontIndirect(&lf));
    if (bDeleteFirst)
        ::DeleteObject(font.GetSafeHandle());
    control.SetFont(&font, TRUE);
    EXPECT_NE(FontOf(control), static_cast<HFONT>(font.GetSafeHandle()));
    if (bDeleteFirst)
        font.Detach();
}

template <class T>
class FontKeeping : public ::testing::Test {};
using FontKeepingControls = ::testing::Types<SEdit, SButton, SCComboBox, SDateTimeCtrl, SListBox, SStatic>;
TYPED_TEST_SUITE(FontKeeping, FontKeepingControls);

TYPED_TEST(FontKeeping, KeepsItsOwnCopyOfEachFont)
{
    HostWindow host;
    TypeParam control;
    ASSERT_TRUE(CreateControl(control, &host));
    const HFONT hBefore = FontOf(control);
    control.SetFont(NULL, TRUE); // NULL and an unreadable font change nothing
    SetTemporaryFont(control, -20, "Tahoma", true);
    EXPECT_EQ(FontOf(control), hBefore);

    SetTemporaryFont(control, -21, "Tahoma"); // the caller's font is gone, the copy stays
    const HFONT hFirstCopy = FontOf(control);
    EXPECT_EQ(Describe(hFirstCopy), "-21 700 Tahoma");
    control.Invalidate();
    PumpUntilIdle(); // paints with the copy
    SetTemporaryFont(control, -13, "Courier New"); // replaces the first copy, which is deleted
    EXPECT_EQ(Describe(hFirstCopy), "unreadable") << "first copy leaked";
    EXPECT_EQ(Describe(FontOf(control)), "-13 700 Courier New");

    // Through a CWnd reference it is the ordinary SetFont: no copy is taken.
    CFont shared;
    ASSERT_TRUE(shared.CreatePointFont(90, "Tahoma"));
    static_cast<CWnd&>(control).SetFont(&shared, FALSE);
    EXPECT_EQ(FontOf(control), static_cast<HFONT>(shared.GetSafeHandle()));
    control.DestroyWindow();
}

TEST(SCComboBoxIme, DisableTakesTheContextAndRestoreGivesItBack)
{
    HostWindow host;
    SCComboBox combo, listOnly;
    ASSERT_TRUE(combo.Create(WS_CHILD | WS_VISIBLE | CBS_DROPDOWN, CRect(10, 10, 200, 200), &host, 1));
    const HWND hEdit = ::GetWindow(combo.m_hWnd, GW_CHILD);
    const auto context = [hEdit] { const HIMC h = ::ImmGetContext(hEdit); ::ImmReleaseContext(hEdit, h); return h; };
    const HIMC hOriginal = context();
    ASSERT_NE(hOriginal, static_cast<HIMC>(NULL)) << "no input context to take under this system";
    combo.DisableIME();
    EXPECT_EQ(context(), static_cast<HIMC>(NULL));
    EXPECT_EQ(::GetFocus(), hEdit);
    combo.RestoreIME();
    EXPECT_EQ(context(), hOriginal);
    combo.RestoreIME(); // restoring again, or a list-only combo box, does nothing
    EXPECT_EQ(context(), hOriginal);
    ASSERT_TRUE(listOnly.Create(WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST, CRect(10, 60, 200, 200), &host, 2));
    listOnly.DisableIME();
    listOnly.RestoreIME();
}

} // namespace
