// Printing from the preview as a user does: OK, the system's print dialog
// answered through its own buttons, and the paper read back from the PDF
// that the session's queue made of the job.
#include "PreviewHost.h"

#include <commdlg.h>

#include <cstdlib>

#include "ModalClicks.h"
#include "PrintedPaper.h"
#include "lattice/core/PrintLayout.h"

namespace core = lattice::core;
namespace pp = printed_paper;

namespace {

const COLORREF kRed = RGB(255, 0, 0), kBlue = RGB(0, 0, 255);
const int kRenderDpi = 50;

// The default printer's page in one orientation: its printable area in
// device pixels and where that area lies on the sheet. The PDF holds a
// portrait sheet; a landscape page lies on it turned a quarter to the left,
// so that the page's top-left corner is the sheet's bottom-left.
struct PrinterPage {
    int nDpi = 0, nOffsetX = 0, nOffsetY = 0, nPhysicalWidth = 0;
    int nWidth = 0, nHeight = 0; // HORZRES, VERTRES
    bool bLandscape = false;

    // The pixel of the sheet rendered at kRenderDpi under device pixel (x, y).
    POINT OnSheet(int x, int y) const
    {
        const int px = nOffsetX + x, py = nOffsetY + y;
        POINT pt = bLandscape ? POINT{py, nPhysicalWidth - px} : POINT{px, py};
        pt.x = pt.x * kRenderDpi / nDpi;
        pt.y = pt.y * kRenderDpi / nDpi;
        return pt;
    }
};

PrinterPage DefaultPrinterPage(short nOrientation)
{
    PrinterPage page;
    PRINTDLGA pd = {};
    pd.lStructSize = sizeof(pd);
    pd.Flags = PD_RETURNDEFAULT | PD_RETURNDC;
    if (!::PrintDlgA(&pd))
        return page;
    DEVMODEA* pMode = static_cast<DEVMODEA*>(::GlobalLock(pd.hDevMode));
    pMode->dmOrientation = nOrientation;
    ::ResetDCA(pd.hDC, pMode);
    ::GlobalUnlock(pd.hDevMode);
    page.nDpi = ::GetDeviceCaps(pd.hDC, LOGPIXELSX);
    page.nOffsetX = ::GetDeviceCaps(pd.hDC, PHYSICALOFFSETX);
    page.nOffsetY = ::GetDeviceCaps(pd.hDC, PHYSICALOFFSETY);
    page.nPhysicalWidth = ::GetDeviceCaps(pd.hDC, PHYSICALWIDTH);
    page.nWidth = ::GetDeviceCaps(pd.hDC, HORZRES);
    page.nHeight = ::GetDeviceCaps(pd.hDC, VERTRES);
    page.bLandscape = nOrientation == DMORIENT_LANDSCAPE;
    ::DeleteDC(pd.hDC);
    ::GlobalFree(pd.hDevMode);
    ::GlobalFree(pd.hDevNames);
    return page;
}

bool IsWhite(COLORREF c) { return GetRValue(c) > 245 && GetGValue(c) > 245 && GetBValue(c) > 245; }
bool IsGray(COLORREF c)
{
    const int r = GetRValue(c), g = GetGValue(c), b = GetBValue(c);
    return std::max({r, g, b}) - std::min({r, g, b}) <= 6 && !IsWhite(c);
}
bool IsRed(COLORREF c) { return GetRValue(c) > 200 && GetGValue(c) < 80 && GetBValue(c) < 80; }
bool IsBlue(COLORREF c) { return GetBValue(c) > 200 && GetRValue(c) < 80 && GetGValue(c) < 80; }

class PreviewPrint : public PreviewHostTest {
protected:
    void SetUp() override
    {
        PreviewHostTest::SetUp();
        ASSERT_FALSE(pp::PrintDir().empty()) << "run through scripts/wine-session.sh, which starts the print queue";
        ASSERT_TRUE(pp::WaitForIdleQueue());
        pp::ClearOutput();
        m_nJobsBefore = pp::JobsReceived();
    }

    // The user presses OK and answers the print dialog with nButton; the
    // preview closes (hides, being modeless) once OK has done its work.
    void PressOkAndAnswerPrintDialog(int nButton)
    {
        HWND hPreview = m_dlg.m_hWnd;
        modal_clicks::Start({{[hPreview] { return modal_clicks::SystemPrintDialogOf(hPreview); }, nButton}});
        Click(IDOK);
        EXPECT_TRUE(PumpUntil([&] { return !::IsWindowVisible(hPreview); }, 30000)) << "the preview stayed open";
        modal_clicks::Stop();
        EXPECT_EQ(modal_clicks::StepsClicked(), 1) << "the print dialog was not shown";
        EXPECT_EQ(modal_clicks::ResourceHandleSeen(0), ::GetModuleHandleA("C_LatticeObject.dll"))
            << "the print dialog ran without the library's resources";
        // The printer DC is gone, not only detached from the preview.
        EXPECT_EQ(m_dlg.m_pPrinterDC->m_hDC, nullptr);
        if (m_dlg.m_pPrintDlg->m_pd.hDC != NULL) {
            EXPECT_EQ(::GetObjectType(m_dlg.m_pPrintDlg->m_pd.hDC), 0u);
        }
    }

    // One page titled "ZevaZuve", rendered for sampling.
    void ReadOnePrintedPage(pp::PageRaster& raster)
    {
        ASSERT_TRUE(pp::WaitForIdleQueue());
        EXPECT_EQ(pp::JobsReceived(), m_nJobsBefore + 1);
        pp::DocumentInfo info;
        ASSERT_TRUE(pp::ReadInfo(info)) << "no PDF came out";
        EXPECT_EQ(info.nPages, 1);
        EXPECT_EQ(info.strTitle, "ZevaZuve");
        EXPECT_EQ(info.dWidthPt, 612); // the sheet stays a portrait letter sheet
        EXPECT_EQ(info.dHeightPt, 792);
        ASSERT_TRUE(pp::RenderFirstPage(kRenderDpi, raster));
    }

    // The picture's corners and the paper just outside them, sampled 24
    // device pixels (4 rendered pixels at 300 and 50 dots per inch) inside
    // and outside the place: the renderer blends an edge over one rendered
    // pixel and the mapping rounds by one more, so 4 pixels clear both,
    // while a picture misplaced by more than 48 device pixels is caught.
    template <class Left, class Right>
    void ExpectPictureAt(const pp::PageRaster& raster, const PrinterPage& page, const CRect& place,
                         Left isLeftColour, Right isRightColour)
    {
        const int d = 24;
        auto at = [&](int x, int y) {
            const POINT pt = page.OnSheet(x, y);
            return raster.At(pt.x, pt.y);
        };
        EXPECT_PRED1(isLeftColour, at(place.left + d, place.top + d));
        EXPECT_PRED1(isLeftColour, at(place.left + d, place.top + place.Height() / 2));
        EXPECT_PRED1(isRightColour, at(place.right - d, place.top + d));
        EXPECT_PRED1(IsWhite, at(place.left + d, place.top - d));
        EXPECT_PRED1(IsWhite, at(place.right + d, place.top + d));
        EXPECT_PRED1(IsWhite, at(place.left + d, place.bottom + d));
    }

    static CRect Place(const PrinterPage& page, bool bStretch)
    {
        const core::IntRect r = core::CalcShowArea({0, 0, 800, 600}, {0, 0, page.nWidth, page.nHeight}, 0.01, bStretch);
        return CRect(r.left, r.top, r.right, r.bottom);
    }

    int m_nJobsBefore = 0;
};

} // namespace

TEST_F(PreviewPrint, ColourPictureFitsTheTopLeftCornerInColour)
{
    Open(true);
    DrawPicture(true, {kRed, kBlue});
    DrawPicture(false, {kRed, kBlue});
    PressOkAndAnswerPrintDialog(IDOK);

    pp::PageRaster raster;
    ReadOnePrintedPage(raster);
    const PrinterPage page = DefaultPrinterPage(DMORIENT_PORTRAIT);
    ASSERT_EQ(page.nWidth, 2400);
    const CRect place = Place(page, false);
    EXPECT_EQ(place, CRect(24, 18, 2376, 1782)); // aspect kept, the lower part of the page left white
    ExpectPictureAt(raster, page, place, IsRed, IsBlue);
}

TEST_F(PreviewPrint, BlackAndWhiteStretchedOntoALandscapePage)
{
    Open(false);
    DrawPicture(false, {kRed, kBlue});
    Click(1678); // landscape, although the queue's default is portrait
    Click(7000); // stretched
    PressOkAndAnswerPrintDialog(IDOK);

    pp::PageRaster raster;
    ReadOnePrintedPage(raster);
    const PrinterPage page = DefaultPrinterPage(DMORIENT_LANDSCAPE);
    ASSERT_EQ(page.nWidth, 3000);
    ASSERT_EQ(page.nHeight, 2400);
    const CRect place = Place(page, true);
    EXPECT_EQ(place, CRect(30, 24, 2970, 2376));
    ExpectPictureAt(raster, page, place, IsGray, IsGray);
    // The two halves keep their own grays, the left one at the sheet's bottom.
    const POINT left = page.OnSheet(place.left + 24, place.top + 24);
    const POINT right = page.OnSheet(place.right - 24, place.top + 24);
    EXPECT_GT(left.y, right.y);
    EXPECT_NE(raster.At(left.x, left.y), raster.At(right.x, right.y));
}

TEST_F(PreviewPrint, ColourModeWithOnlyABlackAndWhitePicturePrintsAnEmptyPage)
{
    Open(true);
    DrawPicture(false, {kRed, kBlue});
    PressOkAndAnswerPrintDialog(IDOK);

    pp::PageRaster raster;
    ReadOnePrintedPage(raster);
    int nInk = 0;
    for (int y = 0; y < raster.nHeight; ++y)
        for (int x = 0; x < raster.nWidth; ++x)
            nInk += !IsWhite(raster.At(x, y));
    EXPECT_EQ(nInk, 0);
}

TEST_F(PreviewPrint, AJobTheQueueRefusesClosesThePreviewQuietly)
{
    ASSERT_EQ(pp::RunShell("cupsreject LatticePDF"), 0);
    Open(true);
    DrawPicture(true, {kRed, kBlue});
    PressOkAndAnswerPrintDialog(IDOK);
    ASSERT_EQ(pp::RunShell("cupsaccept LatticePDF"), 0);
    ASSERT_TRUE(pp::WaitForIdleQueue());
    EXPECT_EQ(pp::JobsReceived(), m_nJobsBefore);
    pp::DocumentInfo info;
    EXPECT_FALSE(pp::ReadInfo(info));
}

TEST(PreviewPrintModal, CancellingThePrinterChoiceClosesWithOkAndPrintsNothing)
{
    ASSERT_TRUE(pp::WaitForIdleQueue());
    pp::ClearOutput();
    const int nJobsBefore = pp::JobsReceived();
    PreviewUnderTest dlg;
    modal_clicks::Start({{[&dlg] { return modal_clicks::WhenShown(dlg.m_hWnd); }, IDOK},
                         {[&dlg] { return modal_clicks::SystemPrintDialogOf(dlg.m_hWnd); }, IDCANCEL}});
    EXPECT_EQ(dlg.DoModal(), IDOK);
    modal_clicks::Stop();
    EXPECT_EQ(modal_clicks::StepsClicked(), 2);
    EXPECT_EQ(dlg.m_hWnd, nullptr);
    EXPECT_EQ(pp::JobsReceived(), nJobsBefore);
    pp::DocumentInfo info;
    EXPECT_FALSE(pp::ReadInfo(info));
    PumpUntilIdle();
}

// Run on its own with the scheduler out of reach (CUPS_SERVER naming no
// socket): whatever the system then offers, answering it closes the preview
// with OK, and nothing hangs.
TEST(PreviewPrintWithoutScheduler, OkStillClosesWithOk)
{
    if (std::getenv("LATTICE_NO_SCHEDULER") == nullptr)
        GTEST_SKIP() << "runs as PrintingWithoutScheduler, with the scheduler out of reach";
    PreviewUnderTest dlg;
    modal_clicks::Start({{[&dlg] { return modal_clicks::WhenShown(dlg.m_hWnd); }, IDOK},
                         {[&dlg] { return modal_clicks::SystemPrintDialogOf(dlg.m_hWnd); }, IDOK}});
    EXPECT_EQ(dlg.DoModal(), IDOK);
    modal_clicks::Stop();
    EXPECT_EQ(dlg.m_hWnd, nullptr);
    PumpUntilIdle();
}
