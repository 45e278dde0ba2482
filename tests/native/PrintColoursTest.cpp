// Layouts, areas, buffers cut short and the colour exchange are checked
// against a pixel-by-pixel reference by fuzz_print_colours, whose named
// seeds hold the cases the preview meets; here the gray of every byte value.
#include "lattice/core/PrintColours.h"

#include <gtest/gtest.h>

#include <vector>

using namespace lattice::core;

// Each colour byte's share of the gray must be the double product's, for
// every byte, in each path a row takes: eight 32-bit pixels at a time, four
// at a time, one by one, and 24-bit pixels. Every colour goes into a picture
// of that width, one row for each, so a row takes exactly one path.
TEST(PrintColours, GrayOfEveryByteInEveryChannelMatchesTheDoubleProducts)
{
    std::vector<std::uint32_t> colours; // 0x00RRGGBB
    for (std::uint32_t c = 0; c < 256; ++c)
        colours.insert(colours.end(), {c << 16, c << 8, c, c * 0x010101});
    const struct {
        int nBitCount, nWidth;
    } paths[] = {{32, 8}, {32, 4}, {32, 1}, {24, 1}};
    for (const auto& path : paths) {
        for (bool bInvert : {false, true}) {
            const int bpp = path.nBitCount / 8, stride = (path.nWidth * bpp + 3) & ~3;
            const int nHeight = static_cast<int>(colours.size());
            std::vector<std::uint8_t> bits(static_cast<std::size_t>(stride) * nHeight, 0xEE);
            for (int row = 0; row < nHeight; ++row)
                for (int x = 0; x < path.nWidth; ++x)
                    for (int k = 0; k < 3; ++k)
                        bits[row * stride + x * bpp + k] = static_cast<std::uint8_t>(colours[row] >> (8 * k));
            PixelBuffer buffer{bits.data(), bits.size(), path.nWidth, nHeight, path.nBitCount};
            ConvertToGray(buffer, path.nWidth, bInvert ? nHeight : 0, nHeight, bInvert);
            for (int row = 0; row < nHeight; ++row) {
                const std::uint32_t c = colours[row], in = bInvert ? c ^ 0xFFFFFF : c;
                const int b = in & 255, g = (in >> 8) & 255, r = in >> 16;
                const int gray = static_cast<int>(b * 0.11) + static_cast<int>(g * 0.59) + static_cast<int>(r * 0.3);
                const bool bKept = c == 0 || c == 0xFFFFFF;
                for (int x = 0; x < path.nWidth; ++x)
                    for (int k = 0; k < 3; ++k)
                        ASSERT_EQ(bits[row * stride + x * bpp + k], bKept ? (c >> (8 * k)) & 255 : gray)
                            << path.nBitCount << " bits, " << path.nWidth << " wide, colour " << std::hex << c
                            << (bInvert ? " inverted" : "");
            }
        }
    }
}
