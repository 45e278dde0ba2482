// The preview's dialog template as the resource compiler left it: every
// Traditional Chinese text read back as Big5 under code page 950, and every
// control's place in dialog units. (The buttons' kinds and groups show in
// the preview's scripts: a radio button outside its group or a check box
// that does not toggle changes what the paper shows.)
#include "PreviewHost.h"

#include <string>

namespace {

const int kTemplate = 19126;

struct ControlRow {
    int nID;
    const char* pszBig5;
    RECT rcUnits; // x, y, width, height
};

const ControlRow kControls[] = {
    {1671, "\xB6\xC2\xA5\xD5\xA6\x43\xA6\x4C", {5, 5, 72, 10}},         // 黑白列印
    {1672, "\xB1\x6D\xA6\xE2\xA6\x43\xA6\x4C", {5, 15, 72, 10}},        // 彩色列印
    {1677, "\xAA\xBD\xA6\x4C", {105, 5, 35, 9}},                         // 直印
    {1678, "\xBE\xEE\xA6\x4C", {105, 15, 35, 9}},                        // 橫印
    {7000, "\xC2\x58\xAE\x69\xA6\xDC\xAD\xB6\xAD\xB1", {158, 5, 56, 10}}, // 擴展至頁面
    {IDOK, "\xBD\x54\xA9\x77", {245, 5, 40, 11}},                        // 確定
    {IDCANCEL, "\xA8\xFA\xAE\xF8", {290, 5, 40, 11}},                    // 取消
    {1676, "", {0, 25, 340, 265}},
    {1675, "", {69, 34, 205, 250}},
    {1674, "", {65, 30, 205, 250}},
};

} // namespace

TEST(PreviewTemplate, TextsFontStylesAndPlacesAsDesigned)
{
    ASSERT_EQ(::GetACP(), 950u) << "the tests run under the Traditional Chinese code page";
    // The template as it is, before the preview puts its language texts in.
    CDialog dlg(kTemplate);
    ASSERT_TRUE(dlg.Create(kTemplate));
    EXPECT_EQ(WindowTextOf(dlg.m_hWnd), "\xB9\x77\xC4\xFD\xA6\x43\xA6\x4C"); // 預覽列印
    const DWORD dwExpected = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
    EXPECT_EQ(dlg.GetStyle() & (dwExpected | WS_CHILD | WS_THICKFRAME | WS_VISIBLE), dwExpected);
    LOGFONTA lf = {};
    ::GetObjectA(reinterpret_cast<HFONT>(dlg.SendMessage(WM_GETFONT)), sizeof(lf), &lf);
    EXPECT_STREQ(lf.lfFaceName, "Tahoma");
    EXPECT_EQ(-lf.lfHeight, ::MulDiv(8, CClientDC(NULL).GetDeviceCaps(LOGPIXELSY), 72));

    // Place and size are each turned into pixels, as the dialog manager does.
    CRect rcClient, rcSize(0, 0, 340, 290);
    dlg.GetClientRect(&rcClient);
    dlg.MapDialogRect(&rcSize);
    EXPECT_EQ(rcClient.Size(), rcSize.Size());
    for (const ControlRow& row : kControls) {
        SCOPED_TRACE("control " + std::to_string(row.nID));
        EXPECT_EQ(WindowTextOf(::GetDlgItem(dlg.m_hWnd, row.nID)), row.pszBig5);
        CRect rc(row.rcUnits);
        dlg.MapDialogRect(&rc);
        EXPECT_EQ(ChildRect(dlg.m_hWnd, row.nID), CRect(rc.TopLeft(), CSize(rc.right, rc.bottom)));
    }
    EXPECT_EQ(::SendMessageA(::GetDlgItem(dlg.m_hWnd, IDOK), WM_GETDLGCODE, 0, 0) & DLGC_DEFPUSHBUTTON,
              DLGC_DEFPUSHBUTTON) << "Enter presses OK";
    dlg.DestroyWindow();
    PumpUntilIdle();
}
