// CMemDrawDC drawing onto a real 32-bit target: where the surface lands,
// what the raster operations make of it, and that nothing is left behind.
#include <afxwin.h>
#include <gtest/gtest.h>

#include "CMemDrawDC.h"
#include "MessagePump.h"
#include "WindowReadback.h"

namespace {

const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kRed = RGB(255, 0, 0);
const COLORREF kBlue = RGB(0, 0, 255);

// Reads the handles the surface holds, to check they are gone afterwards.
class InspectedMemDC : public CMemDrawDC {
public:
    using CMemDrawDC::CMemDrawDC;
    HBITMAP Bitmap() const { return m_pBitmap != NULL ? static_cast<HBITMAP>(m_pBitmap->m_hObject) : NULL; }
    CSize BitmapSize() const
    {
        BITMAP bm = {};
        ::GetObjectA(::GetCurrentObject(m_hDC, OBJ_BITMAP), sizeof(bm), &bm);
        return CSize(bm.bmWidth, bm.bmHeight);
    }
};

// A 400 x 200 target of 32-bit pixels, painted white.
class MemDrawDCTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        BITMAPINFO bmi = {};
        bmi.bmiHeader = {sizeof(BITMAPINFOHEADER), 400, -200, 1, 32, BI_RGB};
        void* pBits = NULL;
        m_hTargetBitmap = ::CreateDIBSection(NULL, &bmi, DIB_RGB_COLORS, &pBits, NULL, 0);
        ASSERT_TRUE(m_target.CreateCompatibleDC(NULL));
        m_hOldTargetBitmap = ::SelectObject(m_target.m_hDC, m_hTargetBitmap);
        m_target.FillSolidRect(CRect(0, 0, 400, 200), kWhite);
    }
    void TearDown() override
    {
        ::SelectObject(m_target.m_hDC, m_hOldTargetBitmap);
        ::DeleteObject(m_hTargetBitmap);
    }
    COLORREF At(int x, int y) const { return m_target.GetPixel(x, y); }

    CDC m_target;
    HBITMAP m_hTargetBitmap = NULL;
    HGDIOBJ m_hOldTargetBitmap = NULL;
};

TEST_F(MemDrawDCTest, TheSurfaceIsTheRectanglesSizeAndItsOriginLandsOnTheRectanglesCorner)
{
    HDC hMemDC = NULL;
    HBITMAP hBitmap = NULL;
    {
        InspectedMemDC mem(&m_target, CRect(100, 50, 300, 150));
        EXPECT_EQ(mem.BitmapSize(), CSize(200, 100));
        mem->FillSolidRect(CRect(0, 0, 200, 100), kBlue);
        ::SetPixel(mem.m_hDC, 0, 0, kRed);
        ::SetPixel(mem.m_hDC, 100, 50, kRed);   // the target's own coordinates land further on
        ::SetPixel(mem.m_hDC, 250, 120, kRed);  // and here outside the surface altogether
        mem.ForceBitBlt(SRCCOPY);
        hMemDC = mem.m_hDC;
        hBitmap = mem.Bitmap();
    }
    EXPECT_EQ(At(100, 50), kRed);
    EXPECT_EQ(At(200, 100), kRed);
    EXPECT_EQ(At(101, 50), kBlue);
    EXPECT_EQ(At(299, 149), kBlue);
    EXPECT_EQ(At(300, 150), kWhite) << "nothing past the rectangle";
    EXPECT_EQ(At(99, 49), kWhite);
    EXPECT_EQ(At(350, 170), kWhite);
    EXPECT_EQ(::GetObjectType(hMemDC), 0u) << "memory DC deleted";
    EXPECT_EQ(::GetObjectType(hBitmap), 0u) << "bitmap deleted";
}

TEST_F(MemDrawDCTest, OnlyForceBitBltCopiesEachCallCopiesTheCurrentStateWithItsRasterOperation)
{
    {
        CMemDrawDC mem(&m_target, CRect(10, 10, 60, 60));
        mem.FillSolidRect(CRect(0, 0, 50, 50), kRed);
    } // never copied
    EXPECT_EQ(At(10, 10), kWhite);
    EXPECT_EQ(At(59, 59), kWhite);

    {
        CMemDrawDC mem(&m_target, CRect(10, 10, 60, 60));
        mem.FillSolidRect(CRect(0, 0, 50, 50), kRed);
        mem.ForceBitBlt(SRCCOPY);
        mem.FillSolidRect(CRect(0, 0, 25, 50), kBlue);
        EXPECT_EQ(At(10, 10), kRed) << "the target waits for the next copy";
        mem.ForceBitBlt(SRCCOPY);
    }
    EXPECT_EQ(At(10, 10), kBlue);
    EXPECT_EQ(At(40, 40), kRed);

    m_target.FillSolidRect(CRect(100, 100, 120, 120), RGB(0xF0, 0x0F, 0xFF));
    {
        CMemDrawDC mem(&m_target, CRect(100, 100, 120, 120));
        mem.FillSolidRect(CRect(0, 0, 20, 20), RGB(0x3C, 0xFF, 0x0F));
        mem.ForceBitBlt(SRCAND);
    }
    EXPECT_EQ(At(110, 110), RGB(0x30, 0x0F, 0x0F));
}

TEST_F(MemDrawDCTest, EmptyInvertedOrTargetlessSurfacesDrawNothingAndLeakNothing)
{
    const CRect rects[] = {CRect(50, 50, 50, 80), CRect(50, 50, 80, 50), CRect(80, 80, 50, 50)};
    for (const CRect& rc : rects) {
        HDC hMemDC = NULL;
        {
            InspectedMemDC mem(&m_target, rc);
            EXPECT_EQ(mem.Bitmap(), static_cast<HBITMAP>(NULL));
            mem.FillSolidRect(CRect(0, 0, 30, 30), kRed);
            mem.ForceBitBlt(SRCCOPY);
            mem.ForceBitBlt(BLACKNESS);
            hMemDC = mem.m_hDC;
        }
        EXPECT_EQ(::GetObjectType(hMemDC), 0u);
    }
    for (int x = 45; x < 85; x += 5)
        EXPECT_EQ(At(x, x), kWhite);

    InspectedMemDC none(NULL, CRect(0, 0, 10, 10));
    EXPECT_EQ(none.m_hDC, static_cast<HDC>(NULL));
    none.ForceBitBlt(SRCCOPY);
}

// A window that paints itself in one block through the surface.
class BufferedPanel : public CWnd {
protected:
    afx_msg void OnPaint()
    {
        CPaintDC dc(this);
        CRect rc;
        GetClientRect(rc);
        rc.DeflateRect(10, 10);
        CMemDrawDC mem(&dc, rc);
        mem->FillSolidRect(CRect(0, 0, rc.Width(), rc.Height()), kBlue);
        mem->FillSolidRect(CRect(0, 0, 5, 5), kRed);
        mem.ForceBitBlt(SRCCOPY);
    }
    afx_msg BOOL OnEraseBkgnd(CDC* pDC)
    {
        CRect rc;
        GetClientRect(rc);
        pDC->FillSolidRect(rc, kWhite);
        return TRUE;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(BufferedPanel, CWnd)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

TEST(MemDrawDCWindow, APaintHandlerCopiesItsSurfaceOntoTheWindow)
{
    BufferedPanel panel;
    ASSERT_TRUE(panel.CreateEx(WS_EX_TOPMOST, NULL, "", WS_POPUP | WS_VISIBLE, 60, 60, 120, 80, NULL, 0));
    panel.UpdateWindow();
    PumpUntilIdle();
    EXPECT_EQ(ScreenColour(panel.m_hWnd, {10, 10}), kRed);
    EXPECT_EQ(ScreenColour(panel.m_hWnd, {60, 40}), kBlue);
    EXPECT_EQ(ScreenColour(panel.m_hWnd, {5, 5}), kWhite);
    panel.DestroyWindow();
}

} // namespace
