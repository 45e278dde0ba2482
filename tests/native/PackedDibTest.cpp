#include "lattice/core/PackedDib.h"

#include <gtest/gtest.h>

using namespace lattice::core;

TEST(PackedDib, HeaderOfAPictureIsOnePlaneUncompressedAndBottomUp)
{
    const DibHeader h = MakeDibHeader(800, 600, 1, 32);
    EXPECT_EQ(40u, h.nSize);
    EXPECT_EQ(800, h.nWidth);
    EXPECT_EQ(600, h.nHeight);
    EXPECT_EQ(1, h.nPlanes);
    EXPECT_EQ(32, h.nBitCount);
    EXPECT_EQ(0u, h.nCompression);
    EXPECT_EQ(0u, h.nSizeImage);
    EXPECT_EQ(0, h.nXPelsPerMeter);
    EXPECT_EQ(0, h.nYPelsPerMeter);
    EXPECT_EQ(0u, h.nClrUsed);
    EXPECT_EQ(0u, h.nClrImportant);
    // Several planes fold into one plane of their summed depth.
    EXPECT_EQ(8, MakeDibHeader(3, 3, 2, 4).nBitCount);
    EXPECT_EQ(1, MakeDibHeader(3, 3, 2, 4).nPlanes);
}

TEST(PackedDib, ColourTableRowsAndPixelOffsetForEveryDepth)
{
    struct Row {
        std::uint16_t nBits;
        std::int32_t nWidth;
        std::uint32_t nEntries;    // colour table entries
        std::uint32_t nRowBytes;   // one row padded to 4 bytes
        std::uint32_t nPixelOffset;
    };
    const Row rows[] = {
        {1, 1, 2, 4, 48},       {1, 33, 2, 8, 48},        // one bit: 32 pixels per 4 bytes
        {4, 7, 16, 4, 104},     {4, 9, 16, 8, 104},       // two pixels a byte, odd widths
        {8, 5, 256, 8, 1064},   {8, 800, 256, 800, 1064}, // a full 256-entry table
        {16, 3, 0, 8, 40},      {16, 2, 0, 4, 40},        // no table above 8 bits
        {24, 1, 0, 4, 40},      {24, 3, 0, 12, 40},       {24, 5, 0, 16, 40}, {24, 801, 0, 2404, 40},
        {32, 7, 0, 28, 40},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(testing::Message() << r.nBits << " bits, width " << r.nWidth);
        EXPECT_EQ(r.nEntries, DibColorTableEntries(r.nBits));
        DibHeader h = MakeDibHeader(r.nWidth, 3, 1, r.nBits);
        EXPECT_EQ(r.nPixelOffset, DibPixelOffset(h));
        ASSERT_TRUE(CompleteDibImageSize(h));
        EXPECT_EQ(r.nRowBytes * 3, h.nSizeImage);
    }
    // The pixels follow the header's own size, should the system report a larger header.
    DibHeader h = MakeDibHeader(4, 4, 1, 8);
    h.nSize = 124;
    EXPECT_EQ(124u + 1024u, DibPixelOffset(h));
    // An image size the system gave is kept. (Sizes that cannot be, such as
    // no width or beyond the 32-bit field, are left to fuzz_packed_dib.)
    h.nSizeImage = 1234;
    EXPECT_TRUE(CompleteDibImageSize(h));
    EXPECT_EQ(1234u, h.nSizeImage);
}
