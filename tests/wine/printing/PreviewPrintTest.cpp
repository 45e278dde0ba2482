// Printing from the preview as a user does: OK, the system's print dialog
// answered through its own buttons, and the paper read back from the PDF
// that the session's queue made of the job.
#include "PreviewHost.h"

#include <algorithm>
#include <cstdlib>

#include "ModalClicks.h"
#include "PrintedPaper.h"

namespace pp = printed_paper;

namespace {

const int kRenderDpi = 50;

// A printed colour as 'w'hite, 'g'ray, 'd'ark gray (blue's, 28, not red's,
// 76), 'r'ed, 'b'lue or '?' for anything else.
char Kind(COLORREF c)
{
    const int r = GetRValue(c), g = GetGValue(c), b = GetBValue(c), nLow = std::min({r, g, b});
    return nLow > 245                        ? 'w'
           : std::max({r, g, b}) - nLow <= 6 ? (nLow < 50 ? 'd' : 'g')
           : r > 200 && g < 80 && b < 80     ? 'r'
           : b > 200 && r < 80 && g < 80     ? 'b'
                                             : '?';
}

// Runs a modal preview whose OK the user presses, answering the print dialog
// with nPrintAnswer (if the system shows one); DoModal's result.
int PressOkInModalPreview(int nPrintAnswer)
{
    PreviewUnderTest dlg;
    modal_clicks::Start({{[&dlg] { return modal_clicks::WhenShown(dlg.m_hWnd); }, IDOK},
                         {[&dlg] { return modal_clicks::SystemPrintDialogOf(dlg.m_hWnd); }, nPrintAnswer}});
    const int nResult = static_cast<int>(dlg.DoModal());
    modal_clicks::Stop();
    EXPECT_EQ(dlg.m_hWnd, nullptr);
    PumpUntilIdle();
    return nResult;
}

const char kOnePage[] = "Title: ZevaZuve\nPages: 1\nPage size: 612 x 792 pts (letter)\n";

class PreviewPrint : public PreviewHostTest {
protected:
    // The user presses OK and answers the print dialog with OK; the preview
    // closes (hides, being modeless) once OK has done its work, and the
    // queue received one job of one page, which is read back, or none.
    void PrintAndReadBack(bool bPrinted = true)
    {
        ASSERT_TRUE(pp::WaitForIdleQueue()) << "no print queue: run through scripts/wine-session.sh, which starts it";
        pp::ClearOutput();
        const int nJobsBefore = pp::JobsReceived();
        HWND hPreview = m_dlg.m_hWnd;
        modal_clicks::Start({{[hPreview] { return modal_clicks::SystemPrintDialogOf(hPreview); }, IDOK}});
        Click(IDOK);
        EXPECT_TRUE(PumpUntil([&] { return !::IsWindowVisible(hPreview); }, 30000)) << "the preview stayed open";
        modal_clicks::Stop();
        EXPECT_EQ(modal_clicks::StepsClicked(), 1) << "the print dialog was not shown";
        EXPECT_EQ(modal_clicks::ResourceHandleSeen(0), ::GetModuleHandleA("C_LatticeObject.dll"))
            << "the print dialog ran without the library's resources";
        // The printer DC is gone, not only detached from the preview.
        EXPECT_EQ(m_dlg.m_pPrinterDC->m_hDC, nullptr);
        EXPECT_EQ(::GetObjectType(m_dlg.m_pPrintDlg->m_pd.hDC), 0u); // 0 for NULL too
        ASSERT_TRUE(pp::WaitForIdleQueue());
        EXPECT_EQ(pp::JobsReceived() - nJobsBefore, bPrinted ? 1 : 0);
        // A landscape page too stays on a portrait letter sheet.
        ASSERT_EQ(pp::Info(), bPrinted ? kOnePage : "");
        ASSERT_TRUE(!bPrinted || pp::RenderFirstPage(kRenderDpi, m_raster));
    }

    // The picture's corners and the paper just outside them, sampled 24
    // device pixels (4 rendered pixels at 300 and 50 dots per inch) inside
    // and outside the place: the renderer blends an edge over one rendered
    // pixel and the mapping rounds by one more, so 4 pixels clear both,
    // while a picture misplaced by more than 48 device pixels is caught.
    // The string lists them, on the default printer's page in the given
    // orientation: top-left, middle-left, top-right inside, then above,
    // right of and below the place.
    std::string Samples(short nOrientation, bool bStretch) const
    {
        CPrintDialog defaults(FALSE, 0);
        if (!defaults.GetDefaults())
            return "no default printer";
        DEVMODE* pMode = defaults.GetDevMode();
        pMode->dmOrientation = nOrientation;
        CDC printer; // deletes the DC that the defaults came with
        printer.Attach(defaults.m_pd.hDC);
        printer.ResetDC(pMode);
        ::GlobalUnlock(defaults.m_pd.hDevMode);
        const auto caps = [&](int nIndex) { return printer.GetDeviceCaps(nIndex); };
        const CRect place =
            FromCore(core::CalcShowArea({0, 0, 800, 600}, {0, 0, caps(HORZRES), caps(VERTRES)}, 0.01, bStretch));
        const int d = 24;
        const POINT pts[] = {{place.left + d, place.top + d},  {place.left + d, place.CenterPoint().y},
                             {place.right - d, place.top + d}, {place.left + d, place.top - d},
                             {place.right + d, place.top + d}, {place.left + d, place.bottom + d}};
        std::string str;
        for (POINT pt : pts) {
            // From the printable area to the sheet. The PDF holds a portrait
            // sheet; a landscape page lies on it turned a quarter to the
            // left, the page's top-left corner at the sheet's bottom-left.
            pt.x += caps(PHYSICALOFFSETX), pt.y += caps(PHYSICALOFFSETY);
            if (nOrientation == DMORIENT_LANDSCAPE)
                pt = {pt.y, caps(PHYSICALWIDTH) - pt.x};
            str += Kind(m_raster.At(pt.x * kRenderDpi / caps(LOGPIXELSX), pt.y * kRenderDpi / caps(LOGPIXELSX)));
        }
        return str;
    }

    pp::PageRaster m_raster;
};

} // namespace

TEST_F(PreviewPrint, OneWindowPrintsEmptyColourAndStretchedLandscapePagesThenARefusedJob)
{
    // Colour chosen by the host before creation: checked, and its text says default.
    Open(true);
    EXPECT_TRUE(m_dlg.IsDlgButtonChecked(1672) && !m_dlg.IsDlgButtonChecked(1671));
    EXPECT_EQ(Text(1671) + Text(1672), "<PRINT_BW><PRINT_COLOR_DEFAULT>");
    // Colour mode with only a black-and-white picture: the paper stays blank,
    // on the screen and on the printed page.
    DrawPicture(false, {kRed, kBlue});
    Settle();
    const CRect paper = ChildRect(m_dlg.m_hWnd, 1674);
    EXPECT_EQ(Seen(paper.CenterPoint().x, paper.top + paper.Width() / 4), kWhite);
    ASSERT_NO_FATAL_FAILURE(PrintAndReadBack());
    EXPECT_TRUE(std::all_of(m_raster.rgb.begin(), m_raster.rgb.end(), [](unsigned char c) { return c > 245; }));

    // A colour picture fits the page's top-left corner in colour, its aspect
    // kept, the lower part of the page white.
    Show();
    DrawPicture(true, {kRed, kBlue});
    ASSERT_NO_FATAL_FAILURE(PrintAndReadBack());
    EXPECT_EQ(Samples(DMORIENT_PORTRAIT, false), "rrbwww");

    // Black and white stretched onto a landscape page, although the queue's
    // default is portrait.
    Show();
    Click(1671);
    Click(1678);
    Click(7000);
    ASSERT_NO_FATAL_FAILURE(PrintAndReadBack());
    // Each half keeps its own gray; the page lies turned on the sheet, its
    // left (red's gray) at the sheet's bottom.
    EXPECT_EQ(Samples(DMORIENT_LANDSCAPE, true), "ggdwww");

    // A job the queue refuses closes the preview quietly.
    ASSERT_EQ(pp::RunShell("cupsreject LatticePDF"), 0);
    Show();
    PrintAndReadBack(false);
    ASSERT_EQ(pp::RunShell("cupsaccept LatticePDF"), 0);
}

TEST(PreviewPrintModal, CancellingThePrinterChoiceClosesWithOkAndPrintsNothing)
{
    ASSERT_TRUE(pp::WaitForIdleQueue());
    pp::ClearOutput();
    const int nJobsBefore = pp::JobsReceived();
    EXPECT_EQ(PressOkInModalPreview(IDCANCEL), IDOK);
    EXPECT_EQ(modal_clicks::StepsClicked(), 2) << "the print dialog was not shown";
    EXPECT_EQ(pp::JobsReceived(), nJobsBefore);
    EXPECT_EQ(pp::Info(), "");
}

// Run on its own with the scheduler out of reach (CUPS_SERVER naming no
// socket): whatever the system then offers, answering it closes the preview
// with OK, and nothing hangs.
TEST(PreviewPrintWithoutScheduler, OkStillClosesWithOk)
{
    if (std::getenv("LATTICE_NO_SCHEDULER") == nullptr)
        GTEST_SKIP() << "runs as PrintingWithoutScheduler, with the scheduler out of reach";
    EXPECT_EQ(PressOkInModalPreview(IDOK), IDOK);
}
