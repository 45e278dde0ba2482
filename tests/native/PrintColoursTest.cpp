#include "lattice/core/PrintColours.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <random>
#include <vector>

using namespace lattice::core;

namespace {

struct Rgb {
    int r, g, b;
};

// A picture in one of the two layouts; padding and fourth bytes hold 0xEE.
struct Picture {
    PixelBuffer layout;
    std::vector<std::uint8_t> bits;

    Picture(int w, int h, int bitCount) : layout{nullptr, 0, w, h, bitCount}, bits(layout.Stride() * h, 0xEE) {}
    PixelBuffer Buffer() { return {bits.data(), bits.size(), layout.nWidth, layout.nHeight, layout.nBitCount}; }
    std::uint8_t* At(int x, int row) { return &bits[row * layout.Stride() + x * layout.BytesPerPixel()]; }
    void Set(int x, int row, Rgb c) { At(x, row)[0] = c.b, At(x, row)[1] = c.g, At(x, row)[2] = c.r; }
    Rgb Get(int x, int row) { return {At(x, row)[2], At(x, row)[1], At(x, row)[0]}; }
};

// The gray of a colour as the products in double precision give it.
int ExpectedGray(Rgb c, bool bInvert)
{
    if ((c.r & c.g & c.b) == 255 || (c.r | c.g | c.b) == 0)
        return -1; // kept as it is
    const int r = bInvert ? 255 - c.r : c.r, g = bInvert ? 255 - c.g : c.g, b = bInvert ? 255 - c.b : c.b;
    return (static_cast<int>(b * 0.11) + static_cast<int>(g * 0.59) + static_cast<int>(r * 0.3)) % 256;
}

} // namespace

TEST(PrintColours, GrayValuesRowsAndLayouts)
{
    struct Row {
        Rgb c;
        bool bInvert;
        int gray;
    };
    const Row rows[] = {{{255, 0, 0}, false, 76},    {{0, 255, 0}, false, 150},     {{0, 0, 255}, false, 28},
                        {{128, 128, 128}, false, 127}, {{254, 254, 254}, false, 252}, {{255, 0, 0}, true, 178},
                        {{1, 1, 1}, true, 252},      {{254, 254, 254}, true, 0},    {{255, 255, 255}, true, 255},
                        {{0, 0, 0}, true, 0}};
    for (int bitCount : {24, 32})
        for (const Row& r : rows) {
            Picture pic(1, 1, bitCount);
            pic.Set(0, 0, r.c);
            PixelBuffer buf = pic.Buffer();
            ConvertToGray(buf, 1, 1, 1, r.bInvert);
            EXPECT_EQ(pic.Get(0, 0).b, r.gray) << bitCount << " bits: " << r.c.r << "," << r.c.g << "," << r.c.b;
        }

    // A second pass lowers 128 to 125 through 127; 100 and 200 stay.
    Picture twice(3, 1, 32);
    const int values[] = {128, 100, 200};
    for (int x = 0; x < 3; ++x)
        twice.Set(x, 0, {values[x], values[x], values[x]});
    for (int pass = 0; pass < 2; ++pass) {
        PixelBuffer buf = twice.Buffer();
        ConvertToGray(buf, 3, 1, 1, false);
    }
    EXPECT_EQ(twice.Get(0, 0).r, 125);
    EXPECT_EQ(twice.Get(1, 0).r, 100);
    EXPECT_EQ(twice.Get(2, 0).r, 200);

    // Half the height with inversion: the lower half (buffer rows 0 and 1)
    // is inverted first, the upper half only grayed; padding, fourth bytes
    // and columns beyond the request stay.
    for (int bitCount : {24, 32}) {
        Picture pic(5, 4, bitCount);
        for (int row = 0; row < 4; ++row)
            for (int x = 0; x < 5; ++x)
                pic.Set(x, row, {255, 0, 0});
        PixelBuffer buf = pic.Buffer();
        ConvertToGray(buf, 4, 2, 4, true);
        for (int row = 0; row < 4; ++row)
            EXPECT_EQ(pic.Get(0, row).g, row < 2 ? 178 : 76) << bitCount << " bits, row " << row;
        EXPECT_EQ(pic.Get(4, 3).r, 255);
        EXPECT_EQ(bitCount == 24 ? pic.bits[15] : pic.At(0, 0)[3], 0xEE);
    }

    // A buffer ending inside a pixel's colour bytes skips that pixel; other
    // bit counts are left alone.
    Picture cut(2, 1, 24);
    cut.Set(0, 0, {0, 255, 0}), cut.Set(1, 0, {0, 255, 0});
    PixelBuffer buf = cut.Buffer();
    buf.nSize = 5;
    ConvertToGray(buf, 2, 1, 1000, false);
    EXPECT_EQ(cut.Get(0, 0).r, 150);
    EXPECT_EQ(cut.Get(1, 0).g, 255);
    std::vector<std::uint8_t> sixteen(8, 0x5A);
    PixelBuffer other{sixteen.data(), sixteen.size(), 2, 2, 16};
    ConvertToGray(other, 2, 2, 2, true);
    EXPECT_EQ(sixteen, std::vector<std::uint8_t>(8, 0x5A));
}

TEST(PrintColours, WholePixelGrayMatchesTheDoubleProductsForEveryByte)
{
    // Every byte in each channel, random colours, then runs of nine so that
    // groups of pixels repeat, straddle a change, or end a row.
    std::vector<Rgb> colours;
    for (int c = 0; c < 256; ++c)
        colours.insert(colours.end(), {{c, 0, 0}, {0, c, 0}, {0, 0, c}, {c, c, c}});
    std::mt19937 rng(7);
    for (int i = 0; i < 4000; ++i)
        colours.push_back({static_cast<int>(rng() & 255), static_cast<int>(rng() & 255), static_cast<int>(rng() & 255)});
    for (size_t i = 0; i < 300 * 9; ++i)
        colours.push_back(colours[i / 9]);
    for (bool bInvert : {false, true}) {
        Picture pic(static_cast<int>(colours.size()), 1, 32);
        for (size_t i = 0; i < colours.size(); ++i)
            pic.Set(static_cast<int>(i), 0, colours[i]);
        PixelBuffer buf = pic.Buffer();
        ConvertToGray(buf, pic.layout.nWidth, 1, 1, bInvert);
        for (size_t i = 0; i < colours.size(); ++i) {
            const Rgb c = colours[i], out = pic.Get(static_cast<int>(i), 0);
            const int gray = ExpectedGray(c, bInvert);
            ASSERT_TRUE(gray < 0 ? out.r == c.r && out.g == c.g && out.b == c.b
                                 : out.r == gray && out.g == gray && out.b == gray)
                << c.r << "," << c.g << "," << c.b << (bInvert ? " inverted" : "");
            ASSERT_EQ(pic.At(static_cast<int>(i), 0)[3], 0xEE);
        }
    }
}

TEST(PrintColours, ExchangeFirstRowWinsOnlyExactColoursAndOnlyTheWalkedArea)
{
    const ColourRef background = 0x000000, text = 0xDCDCDC, number = 0x00FFFF;
    // The down colour equals the background: the background's white wins.
    const ColourExchangeTable table({background, 0x301818, text, number, background},
                                    {0xFFFFFF, 0xFFFFFF, 0x000000, 0x000000, 0xAAAAAA});
    ColourRef out = 0;
    EXPECT_TRUE(table.Lookup(background, out) && out == 0xFFFFFF);
    EXPECT_FALSE(table.Lookup(number - 1, out));     // one off in red
    EXPECT_FALSE(table.Lookup(text + 0x10000, out)); // one off in blue
    EXPECT_FALSE(table.Lookup(0xFF000000 | text, out));

    // DC row 0 is the buffer's last row; only rows above nBottom and columns
    // left of nRight change. An empty table changes nothing.
    for (int bitCount : {24, 32}) {
        Picture pic(3, 3, bitCount);
        for (int row = 0; row < 3; ++row)
            for (int x = 0; x < 3; ++x)
                pic.Set(x, row, {0xDC, 0xDC, 0xDC});
        pic.Set(1, 2, {0xFE, 0xFF, 0x00});
        PixelBuffer buf = pic.Buffer();
        ColourExchangeTable({}, {}).Apply(buf, 3, 3);
        EXPECT_EQ(pic.Get(0, 2).r, 0xDC);
        table.Apply(buf, 2, 2);
        EXPECT_EQ(pic.Get(0, 2).r, 0) << bitCount;
        EXPECT_EQ(pic.Get(1, 2).r, 0xFE) << bitCount;
        EXPECT_EQ(pic.Get(2, 2).r, 0xDC) << bitCount;
        EXPECT_EQ(pic.Get(0, 0).r, 0xDC) << bitCount;
    }

    // Four pixels at a time (a short table) and one by one (a long one)
    // agree with Lookup on runs of table colours and others.
    std::mt19937 rng(4);
    std::vector<ColourRef> find, replace;
    for (int i = 0; i < 12; ++i)
        find.push_back(rng() & 0x0F0F0F), replace.push_back(rng() & 0xFFFFFF);
    find[3] = find[1];
    for (size_t nRows : {size_t(5), size_t(12)}) {
        const ColourExchangeTable t(std::vector<ColourRef>(find.begin(), find.begin() + nRows),
                                    std::vector<ColourRef>(replace.begin(), replace.begin() + nRows));
        Picture pic(97, 13, 32), expected(97, 13, 32);
        ColourRef cr = 0;
        for (int row = 0; row < 13; ++row)
            for (int x = 0; x < 97; ++x) {
                if (x % 6 == 0)
                    cr = rng() % 2 ? find[rng() % nRows] : (rng() & 0x0F0F0F);
                ColourRef e = cr;
                const bool bHit = t.Lookup(cr, e);
                pic.Set(x, row, {int(cr & 255), int((cr >> 8) & 255), int(cr >> 16)});
                expected.Set(x, row, {int(e & 255), int((e >> 8) & 255), int(e >> 16)});
                expected.At(x, row)[3] = bHit ? 0 : 0xEE;
            }
        PixelBuffer buf = pic.Buffer();
        t.Apply(buf, 97, 13);
        EXPECT_EQ(pic.bits, expected.bits) << nRows << " rows";
    }
}

// A 32-bit buffer that ends after a pixel's colour bytes but before its
// fourth byte: the gray conversion and the exchange (both of its paths)
// still change that pixel's colours and stay inside the block; the
// exact-size heap block lets AddressSanitizer report any byte past it.
TEST(PrintColours, ThirtyTwoBitBufferEndingInsideAPixel)
{
    const std::uint8_t pixel[4] = {0x10, 0x20, 0x30, 0xEE}; // blue, green, red, fourth
    for (int nPixels : {1, 5}) {
        const std::size_t nSize = 4 * nPixels - 1;
        // 0: gray; 1 and 2: exchange with a table of 5 rows (four pixels at
        // a time) and of 9 (one by one).
        for (int mode = 0; mode < 3; ++mode) {
            std::unique_ptr<std::uint8_t[]> bits(new std::uint8_t[nSize]);
            for (std::size_t i = 0; i < nSize; ++i)
                bits[i] = pixel[i % 4];
            PixelBuffer buf{bits.get(), nSize, nPixels, 1, 32};
            if (mode == 0) {
                ConvertToGray(buf, nPixels, 1, 1, false);
            } else {
                std::vector<ColourRef> find(mode == 1 ? 5 : 9, 0x000001), replace(find.size(), 0xABCDEF);
                find[0] = 0x102030;
                ColourExchangeTable(find, replace).Apply(buf, nPixels, 1);
            }
            const std::uint8_t gray = static_cast<std::uint8_t>(ExpectedGray({0x30, 0x20, 0x10}, false));
            const std::uint8_t* last = bits.get() + nSize - 3;
            if (mode == 0)
                EXPECT_TRUE(last[0] == gray && last[1] == gray && last[2] == gray) << nPixels;
            else
                EXPECT_TRUE(last[0] == 0xAB && last[1] == 0xCD && last[2] == 0xEF) << nPixels << " mode " << mode;
            if (nPixels > 1)
                EXPECT_EQ(bits[3], mode == 0 ? 0xEE : 0) << "a whole pixel's fourth byte, mode " << mode;
        }
    }
}
