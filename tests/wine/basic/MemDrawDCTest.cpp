// CMemDrawDC drawing onto a 32-bit target: where the surface lands, what the
// raster operations make of it, and that nothing is left behind.
#include <afxwin.h>
#include <gtest/gtest.h>

#include <utility>

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
    // The handles a surface holds: both must be gone once it is.
    static std::pair<HDC, HGDIOBJ> Handles(CMemDrawDC& mem) { return {mem.m_hDC, ::GetCurrentObject(mem, OBJ_BITMAP)}; }
    static CSize SizeOf(HGDIOBJ hBitmap)
    {
        BITMAP bm = {};
        ::GetObjectA(hBitmap, sizeof(bm), &bm);
        return CSize(bm.bmWidth, bm.bmHeight);
    }

    CDC m_target;
    HGDIOBJ m_hOld = NULL;
};

TEST_F(MemDrawDCTest, TheSurfaceIsTheRectanglesSizeAndItsOriginLandsOnTheCorner)
{
    std::pair<HDC, HGDIOBJ> handles;
    {
        CMemDrawDC mem(&m_target, CRect(100, 50, 300, 150));
        handles = Handles(mem);
        EXPECT_EQ(SizeOf(handles.second), CSize(200, 100));
        mem->FillSolidRect(CRect(0, 0, 200, 100), kBlue);
        ::SetPixel(mem, 0, 0, kRed);
        ::SetPixel(mem, 100, 50, kRed); // the target's own coordinates land further on
        mem.ForceBitBlt(SRCCOPY);
    }
    EXPECT_EQ(At(100, 50), kRed);
    EXPECT_EQ(At(200, 100), kRed);
    EXPECT_EQ(At(299, 149), kBlue);
    EXPECT_EQ(At(300, 150), kWhite) << "nothing past the rectangle";
    EXPECT_EQ(At(99, 49), kWhite);
    EXPECT_EQ(::GetObjectType(handles.first), 0u) << "memory DC left behind";
    EXPECT_EQ(::GetObjectType(handles.second), 0u) << "bitmap left behind";
}

TEST_F(MemDrawDCTest, OnlyForceBitBltCopiesEachCallTheCurrentStateWithItsRasterOperation)
{
    for (int nCopies = 0; nCopies < 2; ++nCopies) {
        CMemDrawDC mem(&m_target, CRect(10, 10, 60, 60));
        mem.FillSolidRect(CRect(0, 0, 50, 50), kRed);
        if (nCopies == 0)
            continue; // destroyed without a copy
        EXPECT_EQ(At(10, 10), kWhite);
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

TEST_F(MemDrawDCTest, EmptyInvertedOrTargetlessSurfacesDrawNothingAndLeaveNothing)
{
    for (const CRect& rc : {CRect(50, 50, 50, 80), CRect(50, 50, 80, 50), CRect(80, 80, 50, 50)}) {
        std::pair<HDC, HGDIOBJ> handles;
        {
            CMemDrawDC mem(&m_target, rc);
            handles = Handles(mem);
            EXPECT_EQ(SizeOf(handles.second), CSize(1, 1)) << "the memory DC's own bitmap, none made";
            mem.FillSolidRect(CRect(0, 0, 30, 30), kRed);
            mem.ForceBitBlt(SRCCOPY);
            mem.ForceBitBlt(BLACKNESS);
        }
        EXPECT_EQ(::GetObjectType(handles.first), 0u);
    }
    for (int x = 45; x < 85; x += 5)
        EXPECT_EQ(At(x, x), kWhite);
    CMemDrawDC none(NULL, CRect(0, 0, 10, 10));
    none.ForceBitBlt(SRCCOPY);
    EXPECT_EQ(none.m_hDC, static_cast<HDC>(NULL));
}

} // namespace
