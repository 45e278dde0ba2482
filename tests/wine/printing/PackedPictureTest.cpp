// Pictures packed for the printer, read back byte by byte against what was
// drawn: rows bottom-up and padded to 4 bytes, the colour table where the
// depth has one, and nothing held when the bitmap cannot be read. (True
// colour pictures are read back from the printed paper; the header, size and
// offset arithmetic is the core's, tested natively in PackedDibTest.)
#include <windows.h>

#include <gtest/gtest.h>

#include "PackedPicture.h"

TEST(PackedPicture, MonochromeRowsGoBottomUpAfterTheirTwoColourTableAndAnUnreadableBitmapLeavesNothing)
{
    // 5 x 3, one bit a pixel, rows of 2 bytes: black, white, alternating.
    const BYTE rows[] = {0x00, 0, 0xF8, 0, 0xA8, 0};
    HBITMAP hBitmap = ::CreateBitmap(5, 3, 1, 1, rows);
    PackedPicture packed;
    ASSERT_TRUE(packed.Pack(hBitmap, NULL));
    const BITMAPINFO* pInfo = packed.Info();
    const BYTE* pBits = static_cast<const BYTE*>(packed.Bits());
    const RGBQUAD black = pInfo->bmiColors[0], white = pInfo->bmiColors[1];
    // All of white's 765 above black's: white 255s, black 0s.
    EXPECT_EQ(white.rgbRed + white.rgbGreen + white.rgbBlue - black.rgbRed - black.rgbGreen - black.rgbBlue, 765);
    // Padded rows of 4 bytes, the bottom (alternating) one first.
    EXPECT_EQ((pBits[0] & 0xF8) << 16 | (pBits[4] & 0xF8) << 8 | (pBits[8] & 0xF8), 0xA8F800);

    ::DeleteObject(hBitmap);
    EXPECT_FALSE(packed.Pack(hBitmap, NULL)); // deleted meanwhile
    EXPECT_EQ(packed.Info(), nullptr);
    EXPECT_EQ(packed.Bits(), nullptr);
    EXPECT_FALSE(packed.Pack(NULL, NULL));
}
