// The preview in real windows: a host draws both pictures, the user switches
// mode, orientation and stretching, and each choice shows on the screen;
// then the host copies views of other sizes. (That the destructor releases
// an open window and its pictures is the soak's to see: it deletes the
// preview with its window open and counts the GDI objects left.)
// OK through DoModal, with the system's print dialog, is driven by the
// printing tests (PreviewPrintModal), which share this host.
#include "PreviewHost.h"

#include <cstdio>

namespace {

const COLORREF kGray = RGB(0x80, 0x80, 0x80), kShadow = RGB(0x0A, 0x0A, 0x0A);
const COLORREF kGrayRed = RGB(76, 76, 76), kGrayGreen = RGB(150, 150, 150);

class PrintPreview : public PreviewHostTest {
protected:
    CRect Paper() { return ChildRect(m_dlg.m_hWnd, 1674); }
    CRect PicturePlace(bool bStretch)
    {
        return FromCore(core::CalcShowArea({0, 0, 800, 600}, ToCore(Paper()), 0.02, bStretch));
    }
    // The picture's size and its colours (0xBBGGRR) at the given points.
    std::string Picture(bool bColor, std::initializer_list<POINT> pts)
    {
        CBitmap& bmp = bColor ? m_dlg.m_bmpColor : m_dlg.m_bmpBW;
        BITMAP bm = {};
        bmp.GetBitmap(&bm);
        Canvas pic(bmp);
        std::string str = std::to_string(bm.bmWidth) + "x" + std::to_string(bm.bmHeight);
        char sz[12];
        for (const POINT& pt : pts)
            std::snprintf(sz, sizeof(sz), " %06lx", pic.At(pt.x, pt.y)), str += sz;
        return str;
    }
    // The sheet as the dialog paints it: gray around, the shadow 3 pixels
    // down and right, the paper white where no picture lies; on it the two
    // halves of the picture's upper part, and white just outside them.
    void ExpectSheet(bool bStretch, COLORREF crLeft, COLORREF crRight)
    {
        const CRect bg = ChildRect(m_dlg.m_hWnd, 1676), p = Paper(), r = PicturePlace(bStretch);
        const struct { int x, y; COLORREF cr; } seen[] = {
            {bg.left + 1, bg.bottom - 2, kGray}, {p.right + 2, p.top + 3, kShadow}, {p.right + 2, p.top + 2, kGray},
            {p.left + 3, p.bottom + 2, kShadow}, {p.left + 2, p.bottom + 2, kGray}, {p.right - 1, p.bottom - 1, kWhite},
            {r.left, r.top, crLeft}, {r.right - 1, r.top, crRight}, {r.left - 1, r.top, kWhite},
            {r.right, r.top, kWhite}, {r.left, r.top - 1, kWhite}, {r.left + 3, r.bottom, kWhite}};
        for (const auto& s : seen)
            EXPECT_EQ(Seen(s.x, s.y), s.cr) << s.x << "," << s.y;
    }
};

} // namespace

TEST_F(PrintPreview, HostDrawsAndCopiesPicturesAndTheUserSwitchesEverything)
{
    Open();
    // Black and white is the default mode; its text says so.
    EXPECT_EQ(WindowTextOf(m_dlg.m_hWnd), "<TITLE>");
    EXPECT_EQ(Text(1671) + Text(1672), "<PRINT_BW_DEFAULT><PRINT_COLOR>");
    EXPECT_TRUE(m_dlg.IsDlgButtonChecked(1671) && m_dlg.IsDlgButtonChecked(1677));

    // No picture yet: a blank sheet.
    ExpectSheet(false, kWhite, kWhite);
    SYSTEMTIME before, after;
    do { // the strip shows the minute's time; should it turn meanwhile, again
        ::GetLocalTime(&before);
        DrawPicture(true, {kRed, kBlue});
        ::GetLocalTime(&after);
    } while (before.wMinute != after.wMinute);
    DrawPicture(false, {kGreen, kRed});
    Settle();
    ExpectSheet(false, kGrayGreen, kGrayRed);
    Click(1672); // colour
    ExpectSheet(false, kRed, kBlue);

    // Landscape turns the taller-than-wide paper and centres it again; twice
    // moves nothing.
    const CRect bg = ChildRect(m_dlg.m_hWnd, 1676), portrait = Paper();
    Click(1678);
    const CRect paper = Paper();
    EXPECT_EQ(paper, FromCore(core::PlacePaper(ToCore(bg), portrait.Width(), portrait.Height(),
                                               core::kOrientLandscape).paper));
    ExpectSheet(false, kRed, kBlue);
    Click(1678);
    EXPECT_EQ(Paper(), paper);

    // Stretched, the picture covers the paper minus 2 % and loses its ratio:
    // on the landscape paper it widens.
    Click(7000);
    ExpectSheet(true, kRed, kBlue);
    Click(7000);
    ExpectSheet(false, kRed, kBlue);
    Click(1677);
    EXPECT_EQ(Paper(), portrait);
    Click(1671);
    ExpectSheet(false, kGrayGreen, kGrayRed);

    // The information strip below the host's area, as the same font draws
    // it: the text at its place (wording and place are the layout's, tested
    // natively) in a black frame from (0, 562) to (798, 596), nothing else.
    LOGFONT lf;
    CComponentComFont::GetComponentComFont()->GetLogFont(&lf);
    lf.lfHeight = 24, lf.lfWidth = 0;
    CFont font;
    font.CreateFontIndirect(&lf);
    Canvas ref(800, 600);
    ref.dc.FillSolidRect(CRect(0, 0, 800, 600), kWhite);
    ref.dc.FrameRect(CRect(0, 562, 799, 597), CBrush::FromHandle(static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH))));
    ref.dc.SelectObject(&font); // the font outlives the DC
    const std::string text = core::InformationStripText(before.wYear, before.wMonth, before.wDay, before.wHour, before.wMinute);
    const CSize sz = ref.dc.GetTextExtent(text.c_str(), static_cast<int>(text.size()));
    CRect rcText = FromCore(core::InformationTextRect({0, 564, 800, 600}, sz.cx, sz.cy));
    ref.dc.DrawText(text.c_str(), &rcText, DT_VCENTER);
    Canvas pic(m_dlg.m_bmpColor);
    int nDiffer = 0;
    for (int y = 560; y < 600; ++y)
        for (int x = 0; x < 800; ++x)
            nDiffer += ref.At(x, y) != pic.At(x, y);
    EXPECT_EQ(nDiffer, 0) << text;
    pic.Release();

    // The host again: dcGetMemoryDC twice without vMemoryDCDrawDone, with
    // the host's pump (and its idle-time cleanup) running in between.
    m_dlg.dcGetMemoryDC(true);
    const HGDIOBJ hFirst = m_dlg.m_bmpColor.m_hObject;
    PumpUntilIdle();
    DrawPicture(true, {kBlue, kBlue, kBlue, kBlue, kRed}); // blue up to x 640
    EXPECT_EQ(::GetObjectType(hFirst), 0u) << "the first picture was not deleted";

    // Only a view's size counts, not its position; no information strip.
    Canvas view(640, 480);
    view.dc.FillSolidRect(CRect(0, 0, 640, 480), kRed);
    view.dc.FillSolidRect(CRect(0, 0, 100, 100), kGreen);
    m_dlg.vCpyViewDCToDlgDC(&view.dc, CRect(10, 20, 650, 500), true);
    EXPECT_EQ(m_dlg.szGetMemoryDCSize(), CSize(640, 440));
    EXPECT_EQ(Picture(false, {{50, 50}, {300, 200}, {300, 475}}), "640x480 969696 4c4c4c 4c4c4c"); // green, red grayed
    // The colour picture keeps its old size and content; painted, it shows
    // only its top-left 640 x 480 pixels: no red.
    EXPECT_EQ(Picture(true, {{700, 10}}), "800x600 0000ff");
    Click(1672);
    EXPECT_EQ(Seen(PicturePlace(false).right - 1, PicturePlace(false).top), kBlue);

    m_dlg.vCpyViewDCToDlgDC(&view.dc, CRect(0, 0, 640, 480), false);
    EXPECT_EQ(Picture(true, {{50, 50}, {639, 479}}), "640x480 00ff00 0000ff");
    // Erasing makes a fresh picture of the current size in one colour.
    m_dlg.vEraseMemoryDC(false, RGB(1, 2, 3));
    EXPECT_EQ(Picture(false, {{639, 479}}), "640x480 030201");
}
