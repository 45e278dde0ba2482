// CMemDrawDC drawing onto a white 400 x 200 target of 32-bit pixels: where
// the surface lands, what the raster operations make of it, and that
// nothing is left behind.
#include <afxwin.h>
#include <gtest/gtest.h>

#include <vector>

#include "CMemDrawDC.h"

namespace {

const COLORREF kWhite = RGB(255, 255, 255), kRed = RGB(255, 0, 0), kBlue = RGB(0, 0, 255);

TEST(MemDrawDC, LandsOnItsRectangleCopiesItsStateWhenToldAndLeavesNothingBehind)
{
    BITMAPINFO bmi = {{sizeof(BITMAPINFOHEADER), 400, -200, 1, 32, BI_RGB, 0, 0, 0, 0, 0}, {}};
    void* pBits = NULL;
    CDC target;
    ASSERT_TRUE(target.CreateCompatibleDC(NULL));
    const HGDIOBJ hOld = ::SelectObject(target, ::CreateDIBSection(NULL, &bmi, DIB_RGB_COLORS, &pBits, NULL, 0));
    target.FillSolidRect(CRect(0, 0, 400, 200), kWhite);
    std::vector<HGDIOBJ> objects; // the surfaces' own DCs and bitmaps: each must go with its surface
    {
        CMemDrawDC mem(&target, CRect(100, 50, 300, 150)), unseen(&target, CRect(10, 10, 60, 60));
        objects = {mem.m_hDC, ::GetCurrentObject(mem, OBJ_BITMAP)};
        mem->FillSolidRect(CRect(0, 0, 200, 100), kBlue);
        ::SetPixel(mem, 0, 0, kRed);
        ::SetPixel(mem, 100, 50, kRed); // the target's own coordinates land further on
        mem.ForceBitBlt(SRCCOPY);
        unseen.FillSolidRect(CRect(0, 0, 50, 50), kRed); // destroyed without a copy
    }
    for (const CRect& rc : {CRect(50, 50, 50, 80), CRect(80, 80, 50, 50)}) { // empty, inverted: nothing
        CMemDrawDC empty(&target, rc);
        objects.push_back(empty.m_hDC);
        empty.FillSolidRect(CRect(0, 0, 30, 30), kRed), empty.ForceBitBlt(SRCCOPY), empty.ForceBitBlt(BLACKNESS);
    }
    for (HGDIOBJ h : objects)
        EXPECT_EQ(::GetObjectType(h), 0u) << "left behind";
    const struct { int x, y; COLORREF cr; } pixels[] = {
        {100, 50, kRed}, {200, 100, kRed}, {299, 149, kBlue}, {300, 150, kWhite}, // 200 x 100 from (100, 50)
        {99, 49, kWhite}, {10, 10, kWhite}, {55, 55, kWhite}, {70, 70, kWhite}};
    for (const auto& p : pixels)
        EXPECT_EQ(target.GetPixel(p.x, p.y), p.cr) << p.x << "," << p.y;

    CMemDrawDC twice(&target, CRect(10, 10, 60, 60));
    twice.FillSolidRect(CRect(0, 0, 50, 50), kRed), twice.ForceBitBlt(SRCCOPY);
    twice.FillSolidRect(CRect(0, 0, 25, 50), kBlue);
    EXPECT_EQ(target.GetPixel(10, 10), kRed) << "the target waits for the next copy";
    twice.ForceBitBlt(SRCCOPY);
    EXPECT_EQ(target.GetPixel(10, 10), kBlue);
    EXPECT_EQ(target.GetPixel(59, 59), kRed);
    target.FillSolidRect(CRect(100, 100, 120, 120), RGB(0xF0, 0x0F, 0xFF));
    CMemDrawDC anded(&target, CRect(100, 100, 120, 120)), none(NULL, CRect(0, 0, 10, 10));
    anded.FillSolidRect(CRect(0, 0, 20, 20), RGB(0x3C, 0xFF, 0x0F));
    anded.ForceBitBlt(SRCAND), none.ForceBitBlt(SRCCOPY); // without a target: nothing
    EXPECT_EQ(target.GetPixel(110, 110), RGB(0x30, 0x0F, 0x0F));
    ::DeleteObject(::SelectObject(target, hOld));
}

} // namespace
