// The session's print queue as any Windows program sees it: the default
// printer of the system print dialog, and a job that comes out as one PDF page.
#include <windows.h>
#include <commdlg.h>

#include <gtest/gtest.h>

#include "PrintedPaper.h"

namespace pp = printed_paper;

TEST(PrintQueue, DefaultPrinterPrintsANamedJobAsOnePdfPage)
{
    ASSERT_FALSE(pp::PrintDir().empty()) << "run through scripts/wine-session.sh, which starts the print queue";
    pp::ClearOutput();

    PRINTDLGA pd = {};
    pd.lStructSize = sizeof(pd);
    pd.Flags = PD_RETURNDEFAULT | PD_RETURNDC;
    ASSERT_TRUE(::PrintDlgA(&pd)) << "no default printer, error " << ::CommDlgExtendedError();
    const DEVNAMES* pNames = static_cast<const DEVNAMES*>(::GlobalLock(pd.hDevNames));
    EXPECT_STREQ("LatticePDF", reinterpret_cast<const char*>(pNames) + pNames->wDeviceOffset);
    ::GlobalUnlock(pd.hDevNames);
    const HDC hdc = pd.hDC;
    const int nDpi = ::GetDeviceCaps(hdc, LOGPIXELSX);
    const int nOffsetX = ::GetDeviceCaps(hdc, PHYSICALOFFSETX), nOffsetY = ::GetDeviceCaps(hdc, PHYSICALOFFSETY);

    // A black block in the printable area's top-left quarter.
    DOCINFOA doc = {};
    doc.cbSize = sizeof(doc);
    doc.lpszDocName = "ZevaZuve";
    ASSERT_GT(::StartDocA(hdc, &doc), 0);
    ::StartPage(hdc);
    const RECT rcBlock = {300, 300, 900, 600};
    ::FillRect(hdc, &rcBlock, static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH)));
    ::EndPage(hdc);
    ::EndDoc(hdc);
    ::DeleteDC(hdc);
    ::GlobalFree(pd.hDevMode);
    ::GlobalFree(pd.hDevNames);

    ASSERT_TRUE(pp::WaitForIdleQueue());
    pp::DocumentInfo info;
    ASSERT_TRUE(pp::ReadInfo(info));
    EXPECT_EQ(1, info.nPages);
    EXPECT_EQ("ZevaZuve", info.strTitle);
    EXPECT_EQ(612, info.dWidthPt); // a portrait letter sheet
    EXPECT_EQ(792, info.dHeightPt);

    // Rendered at 50 dots per inch, a device pixel is 1/6 of a rendered one:
    // sample well inside and well outside the block.
    const int nRenderDpi = 50;
    pp::PageRaster page;
    ASSERT_TRUE(pp::RenderFirstPage(nRenderDpi, page));
    auto at = [&](int x, int y) {
        return page.At((nOffsetX + x) * nRenderDpi / nDpi, (nOffsetY + y) * nRenderDpi / nDpi);
    };
    EXPECT_EQ(RGB(0, 0, 0), at(600, 450));
    EXPECT_EQ(RGB(255, 255, 255), at(1200, 450));
    EXPECT_EQ(RGB(255, 255, 255), at(600, 900));
}
