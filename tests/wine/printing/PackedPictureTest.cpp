// Pictures packed for the printer, read back byte by byte against what was
// drawn: rows bottom-up and padded to 4 bytes, the colour table where the
// depth has one, and nothing held when the bitmap cannot be read. (True
// colour pictures are read back from the printed paper.)
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>

#include "PackedPicture.h"

namespace {

const BYTE* BytesOf(const void* p) { return static_cast<const BYTE*>(p); }

} // namespace

TEST(PackedPicture, MonochromePictureCarriesItsTwoColourTable)
{
    // 5 x 3, one bit a pixel, rows of 2 bytes: black, white, alternating.
    const BYTE rows[] = {0x00, 0, 0xF8, 0, 0xA8, 0};
    HBITMAP hBitmap = ::CreateBitmap(5, 3, 1, 1, rows);
    ASSERT_NE(hBitmap, nullptr);

    PackedPicture packed;
    ASSERT_TRUE(packed.Pack(hBitmap, NULL));
    const BITMAPINFO* pInfo = packed.Info();
    EXPECT_EQ(pInfo->bmiHeader.biBitCount, 1);
    EXPECT_EQ(pInfo->bmiHeader.biSizeImage, 12u);
    EXPECT_EQ(BytesOf(packed.Bits()) - BytesOf(pInfo), 48);
    const RGBQUAD& black = pInfo->bmiColors[0];
    const RGBQUAD& white = pInfo->bmiColors[1];
    EXPECT_EQ(black.rgbRed + black.rgbGreen + black.rgbBlue, 0);
    EXPECT_EQ(white.rgbRed + white.rgbGreen + white.rgbBlue, 3 * 255);
    const BYTE* pPacked = BytesOf(packed.Bits());
    EXPECT_EQ(pPacked[0] & 0xF8, 0xA8); // the bottom row first
    EXPECT_EQ(pPacked[4] & 0xF8, 0xF8);
    EXPECT_EQ(pPacked[8] & 0xF8, 0x00);
    ::DeleteObject(hBitmap);
}

TEST(PackedPicture, ABitmapThatCannotBeReadLeavesNothingHeld)
{
    PackedPicture packed;
    HBITMAP hBitmap = ::CreateBitmap(4, 4, 1, 1, NULL);
    ASSERT_TRUE(packed.Pack(hBitmap, NULL));
    ::DeleteObject(hBitmap);
    EXPECT_FALSE(packed.Pack(hBitmap, NULL)); // deleted meanwhile
    EXPECT_EQ(packed.Info(), nullptr);
    EXPECT_EQ(packed.Bits(), nullptr);
    EXPECT_FALSE(packed.Pack(NULL, NULL));
}
