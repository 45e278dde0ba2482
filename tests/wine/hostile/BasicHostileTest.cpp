// The font-keeping family (with the radio button, which keeps its font the
// same way), the filtering edit, the rich edit, the tab colour set and the
// toolkit stand-in's tip window called in the wrong state and with NULL
// pointers.
#include <afxwin.h>
#include <imm.h>

#include <climits>
#include <cstdlib>

#include "CCJRadioButton.h"
#include "CMemDrawDC.h"
#include "CXTTipWindow.h"
#include "HostileCalls.h"
#include "MyRichEdit.h"
#include "NoSpecialEdit.h"
#include "SButton.h"
#include "SCComboBox.h"
#include "SDateTimeCtrl.h"
#include "SEdit.h"
#include "SListBox.h"
#include "SMXTabColorSet.h"
#include "SStatic.h"
#include "WindowReadback.h"

namespace {

const DWORD kChild = WS_CHILD | WS_VISIBLE;
const CRect kRect(10, 10, 210, 32);

// Hands the control a font of that face and deletes it at once, as a
// careless host does.
template <class T> void SetPassingFont(T& control, const char* pszFace)
{
    CFont font;
    font.CreatePointFont(120, pszFace), control.SetFont(&font, TRUE);
}

template <class T> class HostileCallsFontKeeping : public ::testing::Test {};
typedef ::testing::Types<SEdit, SButton, SCComboBox, SDateTimeCtrl, SListBox, SStatic, CCJRadioButton> FontKeepers;
TYPED_TEST_SUITE(HostileCallsFontKeeping, FontKeepers);

TYPED_TEST(HostileCallsFontKeeping, WrongStates)
{
    typedef TypeParam T;
    std::vector<HostileRow<T>> rows = {
        {"SetFont of no font, an empty one, the one it draws with, one deleted under it", [](T& c, Phase) {
             CFont empty, stale;
             c.SetFont(NULL, TRUE), c.SetFont(&empty, TRUE), c.SetFont(c.GetFont(), TRUE);
             stale.m_hObject = ::CreateFontA(-12, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, "Arial");
             ::DeleteObject(stale.m_hObject), c.SetFont(&stale, FALSE), stale.m_hObject = NULL; }},
    };
    // The combo box takes its edit's input context away and gives the same one back.
    if constexpr (std::is_same<T, SCComboBox>::value)
        rows.push_back({"RestoreIME, DisableIME, RestoreIME", [](T& c, Phase phase) {
             const HWND hEdit = ::GetWindow(c.m_hWnd, GW_CHILD);
             const HIMC hOriginal = ::ImmGetContext(hEdit);
             EXPECT_EQ(hOriginal != NULL, phase == Phase::Live) << "an input context to take under this system";
             c.RestoreIME(), c.DisableIME();
             EXPECT_TRUE(phase != Phase::Live || (::ImmGetContext(hEdit) == NULL && ::GetFocus() == hEdit)) << "taken, the edit focused";
             c.RestoreIME();
             EXPECT_EQ(::ImmGetContext(hEdit), hOriginal); }});
    // The control draws with its own copy of each font it is given, deletes
    // the copy it replaces, and keeps its copy when given no font or a
    // deleted one. (That the last copy goes with the control, the soak's
    // count of GDI objects sees.)
    RunHostileTable<T>({[](T& control) {
        SetPassingFont(control, "Arial");
        const HFONT hFirstCopy = reinterpret_cast<HFONT>(control.SendMessage(WM_GETFONT));
        SetPassingFont(control, "Tahoma");
        EXPECT_EQ(::GetObjectType(hFirstCopy), 0u) << "the replaced copy leaked";
        control.SetFont(NULL, TRUE), control.SetFont(CFont::FromHandle(hFirstCopy), TRUE);
        EXPECT_EQ(FaceOf(control.m_hWnd), "Tahoma");
    }, rows});
}

TEST(HostileCalls, NoSpecialEdit)
{
    RunHostileTable<NoSpecialEdit>({
        [](NoSpecialEdit& edit) { edit.SetWindowText("2330abc"); EXPECT_EQ(WindowTextOf(edit.m_hWnd), "2330abc") << "letters and digits pass"; },
        {{"SetNofityWnd(NULL), OnChange called by the host", [](NoSpecialEdit& e, Phase) { e.SetNofityWnd(NULL), e.OnChange(); }}}});
}

TEST(HostileCalls, RichEdit)
{
    RunHostileTable<MyRichEdit>({
        [](MyRichEdit& edit) { edit.SetWindowText("2330"); EXPECT_EQ(WindowTextOf(edit.m_hWnd), "2330"); },
        {{"Create over a live window, or as a child of nothing", [](MyRichEdit& edit, Phase phase) {
              EXPECT_FALSE(phase == Phase::Live ? edit.Create(kChild, kRect, &HostWindow::Get(), 2) : edit.CreateById(WS_CHILD, kRect, NULL));
          }}},
        [](MyRichEdit& edit, CWnd& host) { return edit.CreateById(kChild | ES_MULTILINE, kRect, &host) != FALSE; }});
}

// The tip's main job: shown after its delay centred on the asked point,
// fitted to its text and title. (That it hides after its time without
// taking the focus is seen with the symbol edit's tip.)
TEST(HostileCalls, TipWindow)
{
    RunHostileTable<CXTTipWindow>({[](CXTTipWindow& tip) {
        tip.SetTipText("", "short");
        tip.ShowTipWindow(CPoint(200, 120), TWS_XT_DROPSHADOW, 0, 0, TRUE);
        CRect rcShort, rc;
        tip.GetWindowRect(&rcShort);
        tip.SetTipText("title", "a longer text than before");
        tip.HideTipWindow();
        EXPECT_FALSE(tip.IsWindowVisible());
        tip.ShowTipWindow(CPoint(200, 120), TWS_XT_THICKBORDER, 300, 400, TRUE);
        // Checked before any message is pumped, so that no timer can have run:
        // the delay holds the tip back however slowly this machine goes.
        EXPECT_FALSE(tip.IsWindowVisible()) << "shown before its delay";
        ASSERT_TRUE(PumpUntil([&] { return tip.IsWindowVisible() != FALSE; }, 10000));
        tip.GetWindowRect(&rc);
        EXPECT_TRUE(rc.top == 120 && std::abs(rc.CenterPoint().x - 200) <= 1) << "at the point, centred";
        EXPECT_GT(rc.Width(), rcShort.Width()) << "fitted to the longer text";
        EXPECT_GT(rc.Height(), rcShort.Height()) << "and to the title above it";
    }, {
        {"texts of NULL, shown far away and hidden", [](CXTTipWindow& t, Phase) {
             t.SetTipText(NULL, NULL), t.ShowTipWindow(CPoint(INT_MIN, INT_MIN), 0, 0, 0, FALSE), t.HideTipWindow(); }},
    },
    [](CXTTipWindow& tip, CWnd& host) { return tip.Create(&host) != FALSE; }});
}

// The colour set has no window: its wrong states are its arguments. Its
// fills keep no state, so there is no main job to redo afterwards (its fill
// of a tab of no manager is seen in TabColorSetTest).
TEST(HostileCalls, TabColorSet)
{
    SMXTabColorSet set;
    CClientDC host(&HostWindow::Get());
    CMemDrawDC mem(&host, CRect(0, 0, 40, 20)); // never copied to the host
    CRect rcArrow;
    for (const CRect& rc : {CRect(30, 20, 0, 0), CRect(0, 0, INT_MAX, INT_MAX)}) {
        set.FillHeader(NULL, rc, NULL), set.FillStateButton(NULL, rc, NULL), set.FillNavigateButton(NULL, NULL, rcArrow);
        set.FillHeader(&mem, rc, NULL), set.FillStateButton(&mem, rc, NULL);
    }
}

} // namespace
