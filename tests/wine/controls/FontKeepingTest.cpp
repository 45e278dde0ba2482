// The font-keeping controls: each draws with its own copy of the font it is
// given, whatever the caller does with its font afterwards.
#include <afxwin.h>
#include <afxdtctl.h>
#include <imm.h>

#include <gtest/gtest.h>

#include <cstring>

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

LOGFONT MakeLogFont(int nHeight, const char* pszFace)
{
    LOGFONT lf = {};
    lf.lfHeight = nHeight;
    lf.lfWeight = FW_BOLD;
    std::strcpy(lf.lfFaceName, pszFace);
    return lf;
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

    // NULL and a font whose handle no longer exists change nothing.
    control.SetFont(NULL, TRUE);
    EXPECT_EQ(FontOf(control), hBefore);
    {
        CFont gone;
        const LOGFONT lf = MakeLogFont(-20, "Tahoma");
        ASSERT_TRUE(gone.CreateFontIndirect(&lf));
        const HGDIOBJ hGone = gone.Detach();
        ::DeleteObject(hGone);
        gone.Attach(hGone);
        control.SetFont(&gone, TRUE);
        EXPECT_EQ(FontOf(control), hBefore);
        gone.Detach();
    }

    // The caller's font goes away at once; the control's copy stays readable.
    HFONT hFirstCopy = NULL;
    {
        CFont temporary;
        const LOGFONT lf = MakeLogFont(-21, "Tahoma");
        ASSERT_TRUE(temporary.CreateFontIndirect(&lf));
        control.SetFont(&temporary, TRUE);
        hFirstCopy = FontOf(control);
        EXPECT_NE(hFirstCopy, static_cast<HFONT>(temporary.GetSafeHandle()));
    }
    LOGFONT kept = {};
    ASSERT_EQ(::GetObjectA(hFirstCopy, sizeof(kept), &kept), static_cast<int>(sizeof(kept)));
    EXPECT_EQ(kept.lfHeight, -21);
    EXPECT_EQ(kept.lfWeight, FW_BOLD);
    EXPECT_STREQ(kept.lfFaceName, "Tahoma");
    control.Invalidate();
    PumpUntilIdle(); // paints with the copy

    // A second font replaces the first copy, which is deleted, not leaked.
    {
        CFont second;
        const LOGFONT lf = MakeLogFont(-13, "Courier New");
        ASSERT_TRUE(second.CreateFontIndirect(&lf));
        control.SetFont(&second, FALSE);
    }
    const HFONT hSecondCopy = FontOf(control);
    ASSERT_NE(hSecondCopy, static_cast<HFONT>(NULL));
    LOGFONT replaced = {};
    EXPECT_EQ(::GetObjectA(hFirstCopy, sizeof(replaced), &replaced), 0) << "first copy still alive";
    ASSERT_NE(::GetObjectA(hSecondCopy, sizeof(replaced), &replaced), 0);
    EXPECT_EQ(replaced.lfHeight, -13);

    // Through a CWnd pointer it is the ordinary SetFont: no copy is taken.
    CFont shared;
    const LOGFONT lf = MakeLogFont(-15, "Tahoma");
    ASSERT_TRUE(shared.CreateFontIndirect(&lf));
    static_cast<CWnd&>(control).SetFont(&shared, FALSE);
    EXPECT_EQ(FontOf(control), static_cast<HFONT>(shared.GetSafeHandle()));
    control.DestroyWindow();
}

TEST(SCComboBoxIme, DisableTakesTheContextAndRestoreGivesItBack)
{
    HostWindow host;
    SCComboBox combo;
    ASSERT_TRUE(combo.Create(WS_CHILD | WS_VISIBLE | CBS_DROPDOWN, CRect(10, 10, 200, 200), &host, 1));
    const HWND hEdit = ::GetWindow(combo.m_hWnd, GW_CHILD);
    ASSERT_NE(hEdit, static_cast<HWND>(NULL));
    const HIMC hOriginal = ::ImmGetContext(hEdit);
    ::ImmReleaseContext(hEdit, hOriginal);
    ASSERT_NE(hOriginal, static_cast<HIMC>(NULL)) << "no input context to take under this system";

    combo.DisableIME();
    EXPECT_EQ(::ImmGetContext(hEdit), static_cast<HIMC>(NULL));
    EXPECT_EQ(::GetFocus(), hEdit);

    combo.RestoreIME();
    const HIMC hBack = ::ImmGetContext(hEdit);
    ::ImmReleaseContext(hEdit, hBack);
    EXPECT_EQ(hBack, hOriginal);

    // Restoring again, or disabling a list-only combo box, does nothing.
    combo.RestoreIME();
    SCComboBox listOnly;
    ASSERT_TRUE(listOnly.Create(WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST, CRect(10, 60, 200, 200), &host, 2));
    listOnly.DisableIME();
    listOnly.RestoreIME();
}

} // namespace
