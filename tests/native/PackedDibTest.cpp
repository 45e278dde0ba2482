// Padded rows and table sizes are checked against their definition for any
// header by fuzz_placement; these are fixed headers the printout sends.
#include "lattice/core/PackedDib.h"

#include <gtest/gtest.h>

#include <cstring>

using namespace lattice::core;

TEST(PackedDib, HeaderRowsColourTableAndPixelOffset)
{
    // One plane, uncompressed, bottom-up, every other field 0; several
    // planes fold into one plane of their summed depth.
    const DibHeader h = MakeDibHeader(800, 600, 2, 16), expected = {40, 800, 600, 1, 32, 0, 0, 0, 0, 0, 0};
    EXPECT_EQ(0, std::memcmp(&h, &expected, sizeof h));

    const struct {
        std::uint16_t nBits;
        std::int32_t nWidth;
        std::uint32_t nRowBytes, nPixelOffset; // one row padded to 4 bytes; header and colour table
    } rows[] = {{1, 33, 8, 48}, {4, 9, 8, 104}, {8, 5, 8, 1064}, {24, 801, 2404, 40}};
    for (const auto& r : rows) {
        DibHeader d = MakeDibHeader(r.nWidth, 3, 1, r.nBits);
        EXPECT_EQ(r.nPixelOffset, DibPixelOffset(d)) << r.nBits << " bits";
        ASSERT_TRUE(CompleteDibImageSize(d));
        EXPECT_EQ(r.nRowBytes * 3, d.nSizeImage) << r.nBits << " bits";
    }
    // The pixels follow the header's own size, should the system report a
    // larger header; an image size the system gave is kept.
    DibHeader d = MakeDibHeader(4, 4, 1, 8);
    d.nSize = 124;
    d.nSizeImage = 1234;
    EXPECT_EQ(124u + 1024u, DibPixelOffset(d));
    EXPECT_TRUE(CompleteDibImageSize(d));
    EXPECT_EQ(1234u, d.nSizeImage);
}
