// The preview in real windows: a host draws both pictures, the user switches
// mode, orientation and stretching, and each choice shows on the screen.
#include "PreviewHost.h"

#include <string>

#include "lattice/core/PrintLayout.h"

namespace core = lattice::core;

namespace {

const COLORREF kRed = RGB(255, 0, 0), kBlue = RGB(0, 0, 255), kGreen = RGB(0, 255, 0);
const COLORREF kWhite = RGB(255, 255, 255), kGray = RGB(0x80, 0x80, 0x80), kShadow = RGB(0x0A, 0x0A, 0x0A);

core::IntRect ToCore(const CRect& rc) { return {rc.left, rc.top, rc.right, rc.bottom}; }

class PrintPreview : public PreviewHostTest {
protected:
    CRect Paper() { return ChildRect(m_dlg.m_hWnd, 1674); }
    CRect PicturePlace(bool bStretch)
    {
        const core::IntRect r = core::CalcShowArea({0, 0, 800, 600}, ToCore(Paper()), 0.02, bStretch);
        return CRect(r.left, r.top, r.right, r.bottom);
    }
    // The sheet as the dialog paints it: gray around, the shadow 3 pixels
    // down and right, the paper white where no picture lies.
    void ExpectSheet()
    {
        const CRect bg = ChildRect(m_dlg.m_hWnd, 1676), paper = Paper();
        EXPECT_EQ(Seen(bg.left + 1, bg.bottom - 2), kGray);
        EXPECT_EQ(Seen(paper.right + 2, paper.top + 3), kShadow);
        EXPECT_EQ(Seen(paper.right + 2, paper.top + 2), kGray);
        EXPECT_EQ(Seen(paper.left + 3, paper.bottom + 2), kShadow);
        EXPECT_EQ(Seen(paper.left + 2, paper.bottom + 2), kGray);
        EXPECT_EQ(Seen(paper.right - 1, paper.bottom - 1), kWhite);
    }
    // The two halves of the picture's upper part, and white just outside it.
    void ExpectPicture(bool bStretch, COLORREF crLeft, COLORREF crRight)
    {
        const CRect place = PicturePlace(bStretch);
        EXPECT_EQ(Seen(place.left, place.top), crLeft);
        EXPECT_EQ(Seen(place.left + 3, place.top + place.Height() / 2), crLeft);
        EXPECT_EQ(Seen(place.right - 1, place.top), crRight);
        EXPECT_EQ(Seen(place.left - 1, place.top), kWhite);
        EXPECT_EQ(Seen(place.right, place.top), kWhite);
        EXPECT_EQ(Seen(place.left, place.top - 1), kWhite);
        EXPECT_EQ(Seen(place.left + 3, place.bottom), kWhite);
    }
};

} // namespace

TEST_F(PrintPreview, HostDrawsBothPicturesAndTheUserSwitchesEverything)
{
    Open();
    EXPECT_EQ(m_dlg.m_nMemWidth, 800);
    EXPECT_EQ(m_dlg.m_nMemHeight, 600);
    EXPECT_EQ(m_dlg.szGetMemoryDCSize(), CSize(800, 560));
    // Black and white is the default mode; its text says so.
    EXPECT_EQ(WindowTextOf(m_dlg.m_hWnd), "<IDS_DIALOG-TAPREVIEW_TITLE>");
    EXPECT_EQ(WindowTextOf(::GetDlgItem(m_dlg.m_hWnd, 1671)), "<IDS_DIALOG-TAPREVIEW_PRINT_BW_DEFAULT>");
    EXPECT_EQ(WindowTextOf(::GetDlgItem(m_dlg.m_hWnd, 1672)), "<IDS_DIALOG-TAPREVIEW_PRINT_COLOR>");
    EXPECT_EQ(WindowTextOf(::GetDlgItem(m_dlg.m_hWnd, 7000)), "<IDS_DIALOG-TAPREVIEW_PRINT_EXTEND>");
    EXPECT_EQ(WindowTextOf(::GetDlgItem(m_dlg.m_hWnd, IDCANCEL)), "<IDS_DIALOG-CONNECT_BUTTON_CANCEL>");
    EXPECT_EQ(m_dlg.IsDlgButtonChecked(1671), BST_CHECKED);
    EXPECT_EQ(m_dlg.IsDlgButtonChecked(1677), BST_CHECKED);
    EXPECT_FALSE(::IsWindowVisible(::GetDlgItem(m_dlg.m_hWnd, 1674)));
    // No printer on this machine: a portrait stand-in still turns the paper.
    ASSERT_NE(m_dlg.m_pDevMode, nullptr);
    EXPECT_EQ(m_dlg.m_pDevMode->dmOrientation, DMORIENT_PORTRAIT);
    EXPECT_NE(m_dlg.m_pPrintDlg, nullptr);

    // No picture yet: a blank sheet.
    ExpectSheet();
    EXPECT_EQ(Seen(PicturePlace(false).left, PicturePlace(false).top), kWhite);

    DrawPicture(true, {kRed, kBlue});
    DrawPicture(false, {kGreen, kRed});
    EXPECT_TRUE(m_dlg.m_bColorReady && m_dlg.m_bBWReady);
    Settle();
    ExpectSheet();
    ExpectPicture(false, RGB(150, 150, 150), RGB(76, 76, 76));

    Click(1672); // colour
    ExpectPicture(false, kRed, kBlue);

    // Landscape turns the taller-than-wide paper and centres it again.
    const CRect bg = ChildRect(m_dlg.m_hWnd, 1676), portrait = Paper();
    Click(1678);
    EXPECT_EQ(m_dlg.m_pDevMode->dmOrientation, DMORIENT_LANDSCAPE);
    const core::PaperPlacement landscape =
        core::PlacePaper(ToCore(bg), portrait.Width(), portrait.Height(), core::kOrientLandscape);
    const CRect paper = Paper(), shadow = ChildRect(m_dlg.m_hWnd, 1675);
    EXPECT_EQ(paper, CRect(landscape.paper.left, landscape.paper.top, landscape.paper.right, landscape.paper.bottom));
    EXPECT_EQ(paper.Width(), portrait.Height());
    EXPECT_EQ(shadow, CRect(paper.left + 3, paper.top + 3, paper.right + 3, paper.bottom + 3));
    ExpectSheet();
    ExpectPicture(false, kRed, kBlue);
    Click(1678); // again: nothing moves
    EXPECT_EQ(Paper(), paper);

    // Stretched, the picture covers the paper minus 2 % and loses its ratio.
    Click(7000);
    EXPECT_EQ(m_dlg.m_nExtend, 1);
    // The landscape paper is wider than the picture's ratio: stretching
    // widens it.
    const CRect fitted = PicturePlace(false), stretched = PicturePlace(true);
    ASSERT_GT(stretched.right, fitted.right + 10);
    ExpectPicture(true, kRed, kBlue);
    EXPECT_EQ(Seen(fitted.right + 5, stretched.top + 3), kBlue);
    Click(7000);
    EXPECT_EQ(m_dlg.m_nExtend, 0);
    EXPECT_EQ(Seen(fitted.right + 5, stretched.top + 3), kWhite);

    Click(1677);
    EXPECT_EQ(Paper(), portrait);
    ExpectSheet();
    Click(1671);
    ExpectPicture(false, RGB(150, 150, 150), RGB(76, 76, 76));
}

TEST_F(PrintPreview, ColourDefaultChosenByTheHostBeforeCreation)
{
    m_dlg.vSetColorDefault(true);
    Open(true);
    EXPECT_EQ(m_dlg.IsDlgButtonChecked(1672), BST_CHECKED);
    EXPECT_EQ(m_dlg.IsDlgButtonChecked(1671), BST_UNCHECKED);
    EXPECT_EQ(WindowTextOf(::GetDlgItem(m_dlg.m_hWnd, 1672)), "<IDS_DIALOG-TAPREVIEW_PRINT_COLOR_DEFAULT>");
    EXPECT_EQ(WindowTextOf(::GetDlgItem(m_dlg.m_hWnd, 1671)), "<IDS_DIALOG-TAPREVIEW_PRINT_BW>");
    // With colour checked but only a black-and-white picture, the paper stays blank.
    DrawPicture(false, {kRed});
    Settle();
    EXPECT_EQ(Seen(PicturePlace(false).left + 2, PicturePlace(false).top + 2), kWhite);
    // Too late once the window exists.
    m_dlg.vSetColorDefault(false);
}

TEST_F(PrintPreview, CopiedViewSetsTheSizeAndLeavesTheOtherPicture)
{
    Open();
    // Blue, with a red fifth on the right beyond x = 640.
    DrawPicture(true, {kBlue, kBlue, kBlue, kBlue, kRed});
    Canvas view(640, 480);
    view.dc.FillSolidRect(CRect(0, 0, 640, 480), kRed);
    view.dc.FillSolidRect(CRect(0, 0, 100, 100), kGreen);

    // Only the view's size counts, not its position.
    m_dlg.vCpyViewDCToDlgDC(&view.dc, CRect(10, 20, 650, 500), true);
    EXPECT_EQ(m_dlg.szGetMemoryDCSize(), CSize(640, 440));
    const Pixels bw = ReadPixels(static_cast<HBITMAP>(m_dlg.m_bmpBW.m_hObject));
    ASSERT_EQ(bw.nWidth, 640);
    ASSERT_EQ(bw.nHeight, 480);
    EXPECT_EQ(bw.At(50, 50), RGB(150, 150, 150));
    EXPECT_EQ(bw.At(300, 200), RGB(76, 76, 76));
    EXPECT_EQ(bw.At(300, 479 - 4), RGB(76, 76, 76)); // no information strip
    // The colour picture keeps its old size and content until prepared again.
    const Pixels colour = ReadPixels(static_cast<HBITMAP>(m_dlg.m_bmpColor.m_hObject));
    EXPECT_EQ(colour.nWidth, 800);
    EXPECT_EQ(colour.At(700, 10), kRed);
    // Painted, it shows only its top-left 640 x 480 pixels: no red.
    Click(1672);
    const CRect place = PicturePlace(false);
    EXPECT_EQ(Seen(place.right - 1, place.top), kBlue);

    m_dlg.vCpyViewDCToDlgDC(&view.dc, CRect(0, 0, 640, 480), false);
    const Pixels copied = ReadPixels(static_cast<HBITMAP>(m_dlg.m_bmpColor.m_hObject));
    EXPECT_EQ(copied.nWidth, 640);
    EXPECT_EQ(copied.At(50, 50), kGreen);
    EXPECT_EQ(copied.At(639, 479), kRed);
    EXPECT_EQ(m_dlg.m_pOldBitmap, nullptr);

    // Erasing makes a fresh picture of the current size in one colour.
    m_dlg.vEraseMemoryDC(false, RGB(1, 2, 3));
    EXPECT_EQ(ReadPixels(static_cast<HBITMAP>(m_dlg.m_bmpBW.m_hObject)).At(639, 479), RGB(1, 2, 3));
    EXPECT_EQ(m_dlg.m_pOldBitmap, nullptr);
}

TEST_F(PrintPreview, InformationStripShowsTheLocalTimeInItsFrame)
{
    Open();
    // The strip's text is the minute's; should the minute turn during the
    // check, it is made again.
    for (int attempt = 0; attempt < 3; ++attempt) {
        SYSTEMTIME before, after;
        ::GetLocalTime(&before);
        m_dlg.dcGetMemoryDC(true);
        m_dlg.vMemoryDCDrawDone(true);
        const Pixels pic = ReadPixels(static_cast<HBITMAP>(m_dlg.m_bmpColor.m_hObject));
        ::GetLocalTime(&after);
        if (before.wMinute != after.wMinute)
            continue;

        // The frame: (0, 562)-(798, 596) in black, nothing beside it.
        const COLORREF kBlack = RGB(0, 0, 0);
        const POINT frame[] = {{0, 562}, {400, 562}, {798, 562}, {798, 580}, {400, 596}, {0, 596}, {0, 580}};
        for (const POINT& pt : frame)
            EXPECT_EQ(pic.At(pt.x, pt.y), kBlack) << pt.x << "," << pt.y;
        const POINT outside[] = {{799, 580}, {400, 561}, {400, 597}, {10, 580}};
        for (const POINT& pt : outside)
            EXPECT_EQ(pic.At(pt.x, pt.y), kWhite) << pt.x << "," << pt.y;

        // The text as the same font draws it at the same place.
        LOGFONT lf;
        CComponentComFont::GetComponentComFont()->GetLogFont(&lf);
        lf.lfHeight = 24;
        lf.lfWidth = 0;
        CFont font;
        font.CreateFontIndirect(&lf);
        Canvas ref(800, 600);
        ref.dc.FillSolidRect(CRect(0, 0, 800, 600), kWhite);
        CFont* pOldFont = ref.dc.SelectObject(&font);
        const std::string text =
            core::InformationStripText(before.wYear, before.wMonth, before.wDay, before.wHour, before.wMinute);
        const CSize sz = ref.dc.GetTextExtent(text.c_str(), static_cast<int>(text.size()));
        const core::IntRect r = core::InformationTextRect({0, 564, 800, 600}, sz.cx, sz.cy);
        CRect rcText(r.left, r.top, r.right, r.bottom);
        ref.dc.DrawText(text.c_str(), &rcText, DT_VCENTER);
        ref.dc.SelectObject(pOldFont);
        const Pixels expected = ref.Read();
        int nInk = 0, nDiffer = 0;
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x) {
                nInk += expected.At(x, y) != kWhite;
                nDiffer += expected.At(x, y) != pic.At(x, y);
            }
        EXPECT_GT(nInk, 50) << "the reference text drew nothing";
        EXPECT_EQ(nDiffer, 0) << text;
        return;
    }
    FAIL() << "the minute kept turning";
}

TEST_F(PrintPreview, BadInputLeavesTheDialogWorkingWithoutLeaks)
{
    Open();
    // dcGetMemoryDC twice without vMemoryDCDrawDone, with the host's pump
    // (and its idle-time cleanup) running in between.
    m_dlg.dcGetMemoryDC(true);
    const HGDIOBJ hFirst = m_dlg.m_bmpColor.m_hObject;
    PumpUntilIdle();
    CDC* pDC = m_dlg.dcGetMemoryDC(true);
    EXPECT_EQ(::GetObjectType(hFirst), 0u) << "the first picture was not deleted";
    PumpUntilIdle();
    pDC->FillSolidRect(CRect(0, 0, 800, 560), kBlue);
    m_dlg.vMemoryDCDrawDone(true);
    EXPECT_EQ(m_dlg.m_pOldBitmap, nullptr);
    Click(1672);
    EXPECT_EQ(Seen(PicturePlace(false).left, PicturePlace(false).top), kBlue);

    // Views without area, or no view DC, change nothing.
    CClientDC screen(NULL);
    for (const CRect& rc : {CRect(0, 0, 0, 0), CRect(50, 50, 10, 10), CRect(0, 0, 640, -5)})
        m_dlg.vCpyViewDCToDlgDC(&screen, rc, false);
    m_dlg.vCpyViewDCToDlgDC(NULL, CRect(0, 0, 640, 480), true);
    EXPECT_EQ(m_dlg.szGetMemoryDCSize(), CSize(800, 560));
    EXPECT_TRUE(m_dlg.m_bColorReady);
    EXPECT_FALSE(m_dlg.m_bBWReady);

    // A view larger than the screen: the picture takes its size, the part
    // beyond the screen copies as whatever the screen DC gives.
    m_dlg.vCpyViewDCToDlgDC(&screen, CRect(0, 0, 3000, 2500), true);
    EXPECT_EQ(m_dlg.szGetMemoryDCSize(), CSize(3000, 2460));
    EXPECT_TRUE(m_dlg.m_bBWReady);
    Click(1671);
    ExpectSheet();

    // Transforms on a window's DC, which has no picture of its own.
    CClientDC window(&m_dlg);
    m_dlg.vSetExchangeColor();
    m_dlg.vConvertToBW(&window, CRect(0, 0, 20, 20), 0.0, true);
    m_dlg.vConvertSpecialColor(&window, CRect(0, 0, 20, 20));

    // Destroying the window releases the memory DC; the object, the pictures.
    const HGDIOBJ hMemDC = m_dlg.m_pMemDC->m_hDC, hColour = m_dlg.m_bmpColor.m_hObject;
    m_dlg.DestroyWindow();
    PumpUntilIdle();
    EXPECT_EQ(::GetObjectType(hMemDC), 0u);
    EXPECT_EQ(m_dlg.m_pMemDC, nullptr);
    EXPECT_EQ(m_dlg.m_pPrintDlg, nullptr);
    EXPECT_EQ(m_dlg.m_pPrinterDC, nullptr);
    EXPECT_NE(::GetObjectType(hColour), 0u);
}

TEST(PrintPreviewLifetime, DestructorReleasesAnOpenWindowAndThePictures)
{
    PreviewUnderTest* pDlg = new PreviewUnderTest;
    pDlg->CreateByID(NULL);
    pDlg->dcGetMemoryDC(false);
    pDlg->vMemoryDCDrawDone(false);
    pDlg->dcGetMemoryDC(true); // left selected: the host never finished it
    const HGDIOBJ handles[] = {pDlg->m_pMemDC->m_hDC, pDlg->m_bmpBW.m_hObject, pDlg->m_bmpColor.m_hObject};
    delete pDlg;
    for (HGDIOBJ h : handles)
        EXPECT_EQ(::GetObjectType(h), 0u);
    delete new PreviewUnderTest; // never created
}

namespace {

// Acts for the host and the user inside DoModal's own loop: provides both
// pictures once the dialog shows, then presses the button.
PreviewUnderTest* g_pModal = nullptr;
UINT g_nModalButton = 0;
bool g_bModalPictures = false;

void CALLBACK ModalStep(HWND, UINT, UINT_PTR nTimer, DWORD)
{
    if (g_pModal->m_hWnd == NULL || !::IsWindowVisible(g_pModal->m_hWnd))
        return;
    ::KillTimer(NULL, nTimer);
    for (bool bColor : {true, false}) {
        g_pModal->dcGetMemoryDC(bColor);
        g_pModal->vMemoryDCDrawDone(bColor);
    }
    g_bModalPictures = g_pModal->m_bColorReady && g_pModal->m_bBWReady;
    ::PostMessageA(g_pModal->m_hWnd, WM_COMMAND, MAKEWPARAM(g_nModalButton, BN_CLICKED),
                   reinterpret_cast<LPARAM>(::GetDlgItem(g_pModal->m_hWnd, g_nModalButton)));
}

} // namespace

TEST(PrintPreviewModal, OkAndCancelCloseTheModalDialog)
{
    for (UINT nButton : {IDOK, IDCANCEL}) {
        PreviewUnderTest dlg;
        g_pModal = &dlg, g_nModalButton = nButton, g_bModalPictures = false;
        ::SetTimer(NULL, 0, 20, ModalStep);
        EXPECT_EQ(dlg.DoModal(), static_cast<INT_PTR>(nButton));
        EXPECT_TRUE(g_bModalPictures);
        EXPECT_EQ(dlg.m_hWnd, nullptr);
        EXPECT_EQ(dlg.m_pMemDC, nullptr);
    }
    PumpUntilIdle();
}
