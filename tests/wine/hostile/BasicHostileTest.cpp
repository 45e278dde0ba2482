// The font-keeping family (with the radio button, which keeps its font the
// same way), the filtering edit, the rich edit, the tab colour set and the
// symbol record called in the wrong state and with NULL pointers.
#include <afxwin.h>
#include <gtest/gtest.h>

#include <climits>
#include <type_traits>

#include "CCJRadioButton.h"
#include "CSymbolInfo.h"
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

namespace {

const DWORD kChild = WS_CHILD | WS_VISIBLE;
const CRect kRect(10, 10, 210, 32);

template <class T> bool CreateOn(T& control, CWnd& host)
{
    if constexpr (std::is_same<T, SButton>::value || std::is_same<T, SStatic>::value ||
                  std::is_same<T, CCJRadioButton>::value)
        return control.Create("x", kChild | (std::is_same<T, SStatic>::value ? 0 : BS_RADIOBUTTON), kRect, &host, 1);
    else
        return control.Create(kChild | (std::is_same<T, SCComboBox>::value ? CBS_DROPDOWN : 0), kRect, &host, 1);
}

std::string FaceOf(CWnd& wnd)
{
    LOGFONT lf = {};
    const HGDIOBJ hFont = reinterpret_cast<HGDIOBJ>(wnd.SendMessage(WM_GETFONT));
    return ::GetObjectA(hFont, sizeof(lf), &lf) != 0 ? lf.lfFaceName : "<no font>";
}

template <class T> class FontKeeping : public ::testing::Test {};
typedef ::testing::Types<SEdit, SButton, SCComboBox, SDateTimeCtrl, SListBox, SStatic, CCJRadioButton> FontKeepers;
TYPED_TEST_SUITE(FontKeeping, FontKeepers);

TYPED_TEST(FontKeeping, WrongStates)
{
    typedef TypeParam T;
    HostileTable<T> table;
    table.create = CreateOn<T>;
    // The host hands over a font and deletes it at once; the control keeps
    // drawing with its copy.
    table.mainRoad = [](T& control, CWnd&) {
        {
            CFont font;
            font.CreatePointFont(120, "Tahoma");
            control.SetFont(&font, TRUE);
        }
        EXPECT_EQ(FaceOf(control), "Tahoma");
    };
    table.rows = {
        {"SetFont(NULL)", [](T& control, Phase) { control.SetFont(NULL, TRUE); }},
        {"SetFont of an empty font", [](T& control, Phase) {
             CFont empty;
             control.SetFont(&empty, TRUE);
         }},
        {"SetFont of a font deleted under it", [](T& control, Phase) {
             CFont stale;
             stale.Attach(::CreateFontA(-12, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, "Arial"));
             ::DeleteObject(stale.Detach());
             control.SetFont(&stale, FALSE);
         }},
    };
    if constexpr (std::is_same<T, SCComboBox>::value) {
        table.rows.push_back({"RestoreIME before DisableIME", [](T& combo, Phase) { combo.RestoreIME(); }});
        table.rows.push_back({"DisableIME, RestoreIME", [](T& combo, Phase) {
                                  combo.DisableIME();
                                  combo.RestoreIME();
                              }});
    }
    if constexpr (std::is_same<T, CCJRadioButton>::value)
        table.rows.push_back({"GetButtonTextColor", [](T& radio, Phase) { radio.GetButtonTextColor(); }});
    RunHostileTable(table);
}

TEST(HostileCalls, NoSpecialEdit)
{
    HostileTable<NoSpecialEdit> table;
    table.create = CreateOn<NoSpecialEdit>;
    table.mainRoad = [](NoSpecialEdit& edit, CWnd&) {
        edit.SetWindowText("2330abc");
        CString strText;
        edit.GetWindowText(strText);
        EXPECT_STREQ(strText, "2330abc") << "letters and digits pass";
    };
    table.rows = {
        {"SetNofityWnd(NULL)", [](NoSpecialEdit& edit, Phase) { edit.SetNofityWnd(NULL); }},
        {"OnChange called by the host", [](NoSpecialEdit& edit, Phase) { edit.OnChange(); }},
        {"PreTranslateMessage(NULL)", [](NoSpecialEdit& edit, Phase) { EXPECT_FALSE(edit.PreTranslateMessage(NULL)); }},
    };
    RunHostileTable(table);
}

TEST(HostileCalls, RichEdit)
{
    HostileTable<MyRichEdit> table;
    table.create = [](MyRichEdit& edit, CWnd& host) { return edit.CreateById(kChild | ES_MULTILINE, kRect, &host) != FALSE; };
    table.mainRoad = [](MyRichEdit& edit, CWnd&) {
        edit.SetWindowText("2330");
        CString strText;
        edit.GetWindowText(strText);
        EXPECT_STREQ(strText, "2330");
        EXPECT_EQ(edit.GetDlgCtrlID(), MyRichEdit::kDefaultId);
    };
    table.rows = {
        {"Create over a live window, or as a child of nothing", [](MyRichEdit& edit, Phase phase) {
             if (phase == Phase::Live) {
                 EXPECT_FALSE(edit.Create(kChild, kRect, &HostWindow::Get(), 2));
             } else {
                 EXPECT_FALSE(edit.CreateById(WS_CHILD, kRect, NULL));
             }
         }},
    };
    RunHostileTable(table);
}

// The colour set and the record have no window: their wrong states are
// their arguments.
TEST(HostileCalls, TabColorSet)
{
    SMXTabColorSet set;
    CDC mem;
    CBitmap bitmap;
    mem.CreateCompatibleDC(NULL);
    CClientDC screen(NULL);
    bitmap.CreateCompatibleBitmap(&screen, 40, 20);
    CBitmap* pOld = mem.SelectObject(&bitmap);
    CRect rcArrow;
    for (const CRect& rc : {CRect(30, 20, 0, 0), CRect(0, 0, INT_MAX, INT_MAX)}) {
        set.FillHeader(NULL, rc, NULL);
        set.FillStateButton(NULL, rc, NULL);
        set.FillNavigateButton(NULL, NULL, rcArrow);
        set.FillHeader(&mem, rc, NULL);
        set.FillStateButton(&mem, rc, NULL);
    }
    SMXTabColorSet::ColorType = 0;
    set.RefreshMetrics();
    set.FillStateButton(&mem, CRect(0, 0, 30, 20), NULL); // a tab of no manager: not selected
    EXPECT_EQ(mem.GetPixel(0, 0), RGB(175, 186, 212)) << "the light header gradient";
    EXPECT_EQ(mem.GetPixel(29, 10), RGB(0, 0, 0)) << "its separator";
    mem.SelectObject(pOld);
}

TEST(HostileCalls, SymbolInfo)
{
    CSymbolInfo info;
    info.SetService(255);
    info.SetSymbol(CString('9', 1 << 20));
    CSymbolInfo& same = info;
    info = same; // assignment to itself changes nothing
    EXPECT_EQ(info.GetService(), 255);
    EXPECT_EQ(info.GetSymbol().GetLength(), 1 << 20);
    info.Clear();
    info.Clear();
    EXPECT_EQ(CSymbolInfo(info).GetSymbol(), CString());
}

} // namespace
