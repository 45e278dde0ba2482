// Padded rows, table sizes and pixel offsets are checked against their
// definition for any header by fuzz_placement (seeds dib_*); these are the
// fields the printout sends and what it keeps of the system's header.
#include "lattice/core/PackedDib.h"

#include <gtest/gtest.h>

#include <cstring>

using namespace lattice::core;

TEST(PackedDib, HeaderFieldsAndTheSystemsOwnSizes)
{
    // One plane, uncompressed, bottom-up, every other field 0; several
    // planes fold into one plane of their summed depth.
    const DibHeader h = MakeDibHeader(800, 600, 2, 16), expected = {40, 800, 600, 1, 32, 0, 0, 0, 0, 0, 0};
    EXPECT_EQ(0, std::memcmp(&h, &expected, sizeof h));

    // The pixels follow the header's own size, should the system report a
    // larger header; an image size the system gave is kept.
    DibHeader d = MakeDibHeader(4, 4, 1, 8);
    d.nSize = 124;
    d.nSizeImage = 1234;
    EXPECT_EQ(124u + 1024u, DibPixelOffset(d));
    EXPECT_TRUE(CompleteDibImageSize(d));
    EXPECT_EQ(1234u, d.nSizeImage);
}
