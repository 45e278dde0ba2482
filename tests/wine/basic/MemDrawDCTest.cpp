// CMemDrawDC drawing onto a 32-bit target: where the surface lands, what the
// raster operations make of it, and that nothing is left behind.
#include <afxwin.h>
#include <gtest/gtest.h>

#include "CMemDrawDC.h"

namespace {

const COLORREF kWhite = RGB(255, 255, 255), kRed = RGB(255, 0, 0), kBlue = RGB(0, 0, 255);

// A white 400 x 200 target of 32-bit pixels.
class MemDrawDCTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        BITMAPINFO bmi = {};
        bmi.bmiHeader = {sizeof(BITMAPINFOHEADER), 400, -200, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        void* pBits = NULL;
        ASSERT_TRUE(m_target.CreateCompatibleDC(NULL));
        m_hOld = ::SelectObject(m_target, ::CreateDIBSection(NULL, &bmi, DIB_RGB_COLORS, &pBits, NULL, 0));
        m_target.FillSolidRect(CRect(0, 0, 400, 200), kWhite);
    }
    void TearDown() override { ::DeleteObject(::SelectObject(m_target, m_hOld)); }
    COLORREF At(int x, int y) const { return m_target.GetPixel(x, y); }

    CDC m_target;
    HGDIOBJ m_hOld = NULL;
};

TEST_F(MemDrawDCTest, TheSurfaceLandsOnTheRectangleAndOnlyForceBitBltCopiesItsCurrentState)
{
    HGDIOBJ hDC = NULL, hBitmap = NULL; // the surface's own: both must be gone with it
    {
        CMemDrawDC mem(&m_target, CRect(100, 50, 300, 150)), unseen(&m_target, CRect(10, 10, 60, 60));
        hDC = mem.m_hDC, hBitmap = ::GetCurrentObject(mem, OBJ_BITMAP);
        mem->FillSolidRect(CRect(0, 0, 200, 100), kBlue);
        ::SetPixel(mem, 0, 0, kRed);
        ::SetPixel(mem, 100, 50, kRed); // the target's own coordinates land further on
        mem.ForceBitBlt(SRCCOPY);
        unseen.FillSolidRect(CRect(0, 0, 50, 50), kRed); // destroyed without a copy
    }
    EXPECT_EQ(::GetObjectType(hDC) + ::GetObjectType(hBitmap), 0u) << "DC or bitmap left behind";
    EXPECT_EQ(At(100, 50), kRed);
    EXPECT_EQ(At(200, 100), kRed);
    EXPECT_EQ(At(299, 149), kBlue);
    EXPECT_EQ(At(300, 150), kWhite) << "nothing past the rectangle: 200 x 100";
    EXPECT_EQ(At(99, 49), kWhite);
    EXPECT_EQ(At(10, 10), kWhite);
    {
        CMemDrawDC mem(&m_target, CRect(10, 10, 60, 60));
        mem.FillSolidRect(CRect(0, 0, 50, 50), kRed);
        mem.ForceBitBlt(SRCCOPY);
        mem.FillSolidRect(CRect(0, 0, 25, 50), kBlue);
        EXPECT_EQ(At(10, 10), kRed) << "the target waits for the next copy";
        mem.ForceBitBlt(SRCCOPY);
    }
    EXPECT_EQ(At(10, 10), kBlue);
    EXPECT_EQ(At(59, 59), kRed);

    m_target.FillSolidRect(CRect(100, 100, 120, 120), RGB(0xF0, 0x0F, 0xFF));
    CMemDrawDC mem(&m_target, CRect(100, 100, 120, 120));
    mem.FillSolidRect(CRect(0, 0, 20, 20), RGB(0x3C, 0xFF, 0x0F));
    mem.ForceBitBlt(SRCAND);
    EXPECT_EQ(At(110, 110), RGB(0x30, 0x0F, 0x0F));
}

// An empty or inverted rectangle draws nothing and leaves nothing.
TEST_F(MemDrawDCTest, EmptyInvertedOrTargetlessSurfacesDrawNothingAndLeaveNothing)
{
    for (const CRect& rc : {CRect(50, 50, 50, 80), CRect(80, 80, 50, 50)}) {
        auto* pMem = new CMemDrawDC(&m_target, rc);
        const HDC hDC = *pMem;
        pMem->FillSolidRect(CRect(0, 0, 30, 30), kRed);
        pMem->ForceBitBlt(SRCCOPY), pMem->ForceBitBlt(BLACKNESS);
        delete pMem;
        EXPECT_EQ(::GetObjectType(hDC), 0u);
    }
    for (int x = 45; x < 85; x += 5)
        EXPECT_EQ(At(x, x), kWhite);
    CMemDrawDC none(NULL, CRect(0, 0, 10, 10));
    none.ForceBitBlt(SRCCOPY);
    EXPECT_EQ(none.m_hDC, static_cast<HDC>(NULL));
}

} // namespace
