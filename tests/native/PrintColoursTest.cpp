#include "lattice/core/PrintColours.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <cstdint>
#include <vector>

using namespace lattice::core;

namespace {

struct Rgb {
    int r, g, b;
};

// A picture of nWidth x nHeight pixels in one of the two layouts, every
// pixel the same colour, plus bytes the padding must keep.
struct Picture {
    int nWidth, nHeight, nBitCount;
    std::vector<std::uint8_t> bits;

    Picture(int w, int h, int bitCount, Rgb fill) : nWidth(w), nHeight(h), nBitCount(bitCount)
    {
        PixelBuffer probe{nullptr, 0, w, h, bitCount};
        bits.assign(probe.Stride() * static_cast<std::size_t>(h), 0xEE);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                Set(x, y, fill);
    }
    PixelBuffer Buffer() { return {bits.data(), bits.size(), nWidth, nHeight, nBitCount}; }
    std::uint8_t* At(int x, int row) { return &bits[row * Buffer().Stride() + x * (nBitCount / 8)]; }
    void Set(int x, int row, Rgb c)
    {
        std::uint8_t* p = At(x, row);
        p[0] = static_cast<std::uint8_t>(c.b), p[1] = static_cast<std::uint8_t>(c.g), p[2] = static_cast<std::uint8_t>(c.r);
    }
    Rgb Get(int x, int row) { return {At(x, row)[2], At(x, row)[1], At(x, row)[0]}; }
};

int GrayAfter(Rgb c, bool bInvert, int nTimes = 1)
{
    Picture pic(1, 1, 32, c);
    for (int i = 0; i < nTimes; ++i) {
        PixelBuffer buf = pic.Buffer();
        ConvertToGray(buf, 1, 1, 1, bInvert);
    }
    Rgb out = pic.Get(0, 0);
    EXPECT_TRUE(out.r == out.g && out.g == out.b) << "not gray";
    return out.r;
}

} // namespace

TEST(PrintColours, GrayValuesWithAndWithoutInversion)
{
    struct Row {
        Rgb c;
        bool bInvert;
        int gray;
    };
    const Row rows[] = {
        {{255, 0, 0}, false, 76},    {{0, 255, 0}, false, 150},  {{0, 0, 255}, false, 28},
        {{128, 128, 128}, false, 127}, {{254, 254, 254}, false, 252},
        {{255, 0, 0}, true, 178},    {{1, 1, 1}, true, 252},     {{254, 254, 254}, true, 0},
        // Paper and ink stay, before any inversion.
        {{255, 255, 255}, false, 255}, {{0, 0, 0}, false, 0}, {{255, 255, 255}, true, 255}, {{0, 0, 0}, true, 0},
    };
    for (const Row& r : rows)
        EXPECT_EQ(GrayAfter(r.c, r.bInvert), r.gray) << r.c.r << "," << r.c.g << "," << r.c.b << (r.bInvert ? " inverted" : "");

    // Truncation lowers some grays again on a second pass; others are fixed points.
    EXPECT_EQ(GrayAfter({128, 128, 128}, false, 2), 125);
    EXPECT_EQ(GrayAfter({100, 100, 100}, false, 2), 100);
    EXPECT_EQ(GrayAfter({200, 200, 200}, false, 2), 200);

    // The tables agree with the products in double precision for every byte.
    for (int c = 0; c < 256; ++c)
        ASSERT_EQ(GrayOf(static_cast<std::uint8_t>(c), 0, 0), static_cast<int>(c * 0.3)) << c;
    for (int c = 0; c < 256; ++c)
        ASSERT_EQ(GrayOf(0, static_cast<std::uint8_t>(c), 0), static_cast<int>(c * 0.59)) << c;
    for (int c = 0; c < 256; ++c)
        ASSERT_EQ(GrayOf(0, 0, static_cast<std::uint8_t>(c)), static_cast<int>(c * 0.11)) << c;
}

TEST(PrintColours, GrayCoversTheRequestedRowsOfBothLayoutsAndKeepsPadding)
{
    for (int bitCount : {24, 32}) {
        // 5 pixels wide: 24-bit rows carry one padding byte.
        Picture pic(5, 4, bitCount, {255, 0, 0});
        PixelBuffer buf = pic.Buffer();
        // Half the height with inversion: the lower half (buffer rows 0, 1)
        // is inverted then grayed, the upper half only grayed.
        ConvertToGray(buf, 5, 2, 4, true);
        for (int row = 0; row < 4; ++row)
            for (int x = 0; x < 5; ++x)
                ASSERT_EQ(pic.Get(x, row).g, row < 2 ? 178 : 76) << bitCount << " bits, x " << x << " row " << row;
        if (bitCount == 24)
            EXPECT_EQ(pic.bits[15], 0xEE) << "padding byte touched";
        else
            EXPECT_EQ(pic.At(0, 0)[3], 0xEE) << "fourth byte touched";
    }

    // Columns beyond the request stay; rows past the buffer are skipped.
    Picture pic(4, 2, 32, {0, 255, 0});
    PixelBuffer buf = pic.Buffer();
    ConvertToGray(buf, 2, 2, 1000, false);
    EXPECT_EQ(pic.Get(1, 1).r, 150);
    EXPECT_EQ(pic.Get(2, 1).g, 255);

    // A buffer shorter than the picture: the pixel whose colour bytes cross
    // its end is skipped, the one before it is not.
    Picture small(2, 1, 24, {0, 255, 0});
    PixelBuffer cut = small.Buffer();
    cut.nSize = 5; // the second pixel's red byte (offset 5) lies outside
    ConvertToGray(cut, 2, 1, 1, false);
    EXPECT_EQ(small.Get(0, 0).r, 150);
    EXPECT_EQ(small.Get(1, 0).g, 255);

    // Other bit counts are left alone.
    std::vector<std::uint8_t> sixteen(8, 0x5A);
    PixelBuffer other{sixteen.data(), sixteen.size(), 2, 2, 16};
    ConvertToGray(other, 2, 2, 2, true);
    EXPECT_EQ(sixteen, std::vector<std::uint8_t>(8, 0x5A));
}

TEST(PrintColours, ExchangeTableFirstRowWinsAndOnlyExactColoursMatch)
{
    const ColourRef background = 0x000000, slash = 0x301818, text = 0xDCDCDC, number = 0x00FFFF;
    // The down colour equals the background: the background's white wins.
    const ColourExchangeTable table({background, slash, text, number, background},
                                    {0xFFFFFF, 0xFFFFFF, 0x000000, 0x000000, 0xAAAAAA});
    ColourRef out = 0;
    ASSERT_TRUE(table.Lookup(background, out));
    EXPECT_EQ(out, 0xFFFFFFu);
    ASSERT_TRUE(table.Lookup(number, out));
    EXPECT_EQ(out, 0x000000u);
    EXPECT_FALSE(table.Lookup(number - 1, out));   // off by one in red
    EXPECT_FALSE(table.Lookup(text + 0x10000, out)); // off by one in blue
    EXPECT_FALSE(table.Lookup(0xFF000000 | text, out));

    // On a buffer: DC row 0 is the top scan line (the buffer's last row), and
    // only rows above nBottom and columns left of nRight change.
    for (int bitCount : {24, 32}) {
        Picture pic(3, 3, bitCount, {0xDC, 0xDC, 0xDC}); // all "text"
        pic.Set(0, 2, {0xFF, 0xFF, 0x00});                // "number" at DC (0,0)
        pic.Set(1, 2, {0xFE, 0xFF, 0x00});                // off by one
        PixelBuffer buf = pic.Buffer();
        table.Apply(buf, 2, 2);
        EXPECT_EQ(pic.Get(0, 2).r, 0) << bitCount;
        EXPECT_EQ(pic.Get(1, 2).r, 0xFE) << bitCount;
        EXPECT_EQ(pic.Get(1, 1).r, 0) << bitCount;    // DC (1,1)
        EXPECT_EQ(pic.Get(2, 2).r, 0xDC) << bitCount; // column 2 left out
        EXPECT_EQ(pic.Get(0, 0).r, 0xDC) << bitCount; // DC row 2 left out
    }

    // An empty table, or a rectangle reaching outside the picture, is safe.
    Picture pic(2, 2, 32, {0xDC, 0xDC, 0xDC});
    const std::vector<std::uint8_t> before = pic.bits;
    PixelBuffer buf = pic.Buffer();
    ColourExchangeTable({}, {}).Apply(buf, 2, 2);
    EXPECT_EQ(pic.bits, before);
    table.Apply(buf, 100000, 100000);
    EXPECT_EQ(pic.Get(1, 0).r, 0);
}

TEST(PrintColours, WholePixelPathsAgreeWithThePerPixelRules)
{
    // Every byte value in each channel and random colours, with and without
    // inversion, against the products in double precision.
    std::vector<Rgb> colours;
    for (int c = 0; c < 256; ++c)
        colours.insert(colours.end(), {{c, 0, 0}, {0, c, 0}, {0, 0, c}, {c, c, c}});
    std::mt19937 rng(7);
    for (int i = 0; i < 4000; ++i)
        colours.push_back({static_cast<int>(rng() & 255), static_cast<int>(rng() & 255), static_cast<int>(rng() & 255)});
    // Then the first few hundred again in runs of nine, so that groups of
    // pixels repeat, straddle a change, or end a row.
    for (size_t i = 0; i < 300 * 9; ++i)
        colours.push_back(colours[i / 9]);
    for (bool bInvert : {false, true}) {
        Picture pic(static_cast<int>(colours.size()), 1, 32, {0, 0, 0});
        for (size_t i = 0; i < colours.size(); ++i)
            pic.Set(static_cast<int>(i), 0, colours[i]);
        PixelBuffer buf = pic.Buffer();
        ConvertToGray(buf, pic.nWidth, 1, 1, bInvert);
        for (size_t i = 0; i < colours.size(); ++i) {
            const Rgb c = colours[i];
            const bool bKeep = (c.r & c.g & c.b) == 255 || (c.r | c.g | c.b) == 0;
            const int r = bInvert ? 255 - c.r : c.r, g = bInvert ? 255 - c.g : c.g, b = bInvert ? 255 - c.b : c.b;
            const int gray = (static_cast<int>(b * 0.11) + static_cast<int>(g * 0.59) + static_cast<int>(r * 0.3)) % 256;
            ASSERT_EQ(pic.Get(static_cast<int>(i), 0).g, bKeep ? c.g : gray)
                << c.r << "," << c.g << "," << c.b << (bInvert ? " inverted" : "");
            ASSERT_EQ(pic.At(static_cast<int>(i), 0)[3], 0xEE) << "fourth byte";
        }
    }

    // The exchange over whole pixels against Lookup, for a table short
    // enough for it and one too long (which takes the pixel-by-pixel way).
    std::vector<ColourRef> find, replace;
    for (int i = 0; i < 12; ++i) {
        find.push_back(rng() & 0x0F0F0F);
        replace.push_back(rng() & 0xFFFFFF);
    }
    find[3] = find[1]; // a repeated colour: the earlier row wins
    for (size_t nRows : {size_t(5), size_t(12)}) {
        const ColourExchangeTable table(std::vector<ColourRef>(find.begin(), find.begin() + nRows),
                                        std::vector<ColourRef>(replace.begin(), replace.begin() + nRows));
        Picture pic(97, 13, 32, {0, 0, 0});
        for (int y = 0; y < 13; ++y)
            for (int x = 0; x < 97; ++x) {
                // Runs of a few pixels, some from the table, some not.
                const ColourRef cr = x % 6 != 0 && x > 0 ? 0xFFFFFFFF
                                     : rng() % 2 ? find[rng() % nRows] : (rng() & 0x0F0F0F);
                if (cr == 0xFFFFFFFF) {
                    pic.Set(x, y, pic.Get(x - 1, y));
                    continue;
                }
                pic.Set(x, y, {static_cast<int>(cr & 255), static_cast<int>((cr >> 8) & 255), static_cast<int>(cr >> 16)});
            }
        Picture expected = pic;
        for (int y = 0; y < 13; ++y)
            for (int x = 0; x < 97; ++x) {
                const Rgb c = expected.Get(x, y);
                ColourRef out;
                if (table.Lookup(static_cast<ColourRef>(c.r | (c.g << 8) | (c.b << 16)), out)) {
                    expected.Set(x, y, {static_cast<int>(out & 255), static_cast<int>((out >> 8) & 255), static_cast<int>(out >> 16)});
                    expected.At(x, y)[3] = 0;
                }
            }
        PixelBuffer buf = pic.Buffer();
        table.Apply(buf, 97, 13);
        EXPECT_EQ(pic.bits, expected.bits) << nRows << " rows";
    }
}
