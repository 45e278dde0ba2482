// The print colour transforms against a plain pixel-by-pixel reference: the
// gray conversion and the colour exchange must change exactly the pixels the
// reference changes, to the same bytes, on buffers of any width, bit count
// and size. The buffer is an exact-size heap block, often cut short of or
// past whole scan lines, so that AddressSanitizer sees any access past it.
//
// Input: the layout (bit count, width, height, how far the size misses the
// whole picture), the operation and its area, the exchange table, then the
// pixels, colours mostly from a palette so that table colours, white and
// black turn up, then the fourth bytes of 32-bit pixels.
#include "lattice/core/PrintColours.h"

#include "FuzzInput.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace core = lattice::core;

namespace {

// White and 0x00FFFF differ in blue only, 0x00FFFF and 0x00FF00 in red only,
// 0x00FF00 and black in green only: a table that overlooked a channel would
// match the other of a pair.
const core::ColourRef kPalette[8] = {0xFFFFFF, 0x000000, 0x301818, 0x00FFFF, 0xAAAAAA, 0x123456, 0x00FF00, 0xFEFEFE};

// A colour from one input byte: mostly the palette's, else one of 64 others.
core::ColourRef Colour(std::uint8_t b) { return (b & 0xC0) == 0xC0 ? (b * 0x9E3779B1u) & 0xFFFFFF : kPalette[b & 7]; }

// Gray of one pixel's bytes as the preview defines it, in place.
void ReferenceGrayPixel(std::uint8_t* p, bool bInvert)
{
    int b = p[0], g = p[1], r = p[2];
    if ((b == 255 && g == 255 && r == 255) || (b == 0 && g == 0 && r == 0))
        return;
    if (bInvert)
        b = 255 - b, g = 255 - g, r = 255 - r;
    const int gray = (static_cast<int>(b * 0.11) + static_cast<int>(g * 0.59) + static_cast<int>(r * 0.3)) % 256;
    p[0] = p[1] = p[2] = static_cast<std::uint8_t>(gray);
}

// Calls visit(pixel, whether its fourth byte lies in the buffer) on columns
// 0 .. nColumns - 1 of buffer rows nFirst .. nEnd - 1, row by row, skipping
// pixels whose colour bytes do not all lie in the buffer.
template <class Visit>
void ForEachPixel(std::vector<std::uint8_t>& bits, const core::PixelBuffer& layout, long long nFirst, long long nEnd,
                  long long nColumns, Visit visit)
{
    const long long stride = static_cast<long long>(layout.Stride()), size = static_cast<long long>(bits.size());
    for (long long row = std::max(nFirst, 0LL); row < nEnd && row * stride < size; ++row) {
        for (long long x = 0; x < nColumns; ++x) {
            const long long off = row * stride + x * layout.BytesPerPixel();
            if (off + 2 < size)
                visit(&bits[off], off + 3 < size);
        }
    }
}

// The replacement of a colour: the first entry equal to it, without a high
// byte; none for a colour with a high byte, which no pixel has.
bool ReferenceLookup(const std::vector<core::ColourRef>& find, const std::vector<core::ColourRef>& replace,
                     core::ColourRef cr, core::ColourRef& crReplacement)
{
    for (std::size_t i = 0; (cr >> 24) == 0 && i < find.size() && i < replace.size(); ++i) {
        if (find[i] == cr) {
            crReplacement = replace[i] & 0xFFFFFF;
            return true;
        }
    }
    return false;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzInput in(data, size);
    const int kBitCounts[4] = {24, 32, 24, 16};
    const std::uint8_t layoutByte = in.Byte();
    const int nBitCount = kBitCounts[layoutByte & 3];
    const int nWidth = (layoutByte & 0x80) ? in.Range(-2, 1 << 20) : in.Range(-2, 70);
    const int nHeight = in.Range(-2, 12);
    core::PixelBuffer layout{nullptr, 0, nWidth, nHeight, nBitCount};
    const long long whole = static_cast<long long>(layout.Stride()) * (nHeight > 0 ? nHeight : 0);
    // Often a size that ends inside a pixel or a row; never more than a few
    // hundred bytes, whatever the width says.
    long long nSize = (whole < 600 ? whole : 600) + in.Range(-7, 4);
    if (nSize < 0)
        nSize = 0;

    const bool bGray = in.Bool();
    const bool bInvert = in.Bool();
    const int nColumns = in.Range(-3, 90);
    const int nRows = in.Range(-3, 15);
    const int nLastRow = (in.Byte() & 1) ? in.Range(-3, 15) : 0x7FFFFFFF;

    // Up to 15 entries, so that tables of more than eight distinct colours
    // turn up; now and then one with a high byte, which matches nothing.
    std::vector<core::ColourRef> find, replace;
    const int nEntries = in.Byte() % 16;
    for (int i = 0; i < nEntries; ++i) {
        const std::uint8_t f = in.Byte(), r = in.Byte();
        find.push_back(Colour(f) | ((f & 0xC0) == 0x80 ? 0x01000000u : 0u));
        replace.push_back(Colour(r) | ((r & 0xC0) == 0x80 ? 0xFF000000u : 0u));
    }
    if (in.Bool() && !replace.empty())
        replace.pop_back(); // lists of different lengths match by position

    // Lookup, which the DC takes pixel by pixel, is asked about every entry
    // and every pixel's colour.
    std::vector<core::ColourRef> colours = find;
    std::vector<std::uint8_t> expected(static_cast<std::size_t>(nSize));
    for (std::size_t i = 0; i < expected.size(); i += 3) {
        const core::ColourRef cr = Colour(in.Byte());
        colours.push_back(cr);
        for (std::size_t k = 0; k < 3 && i + k < expected.size(); ++k)
            expected[i + k] = static_cast<std::uint8_t>(cr >> (8 * (2 - k))); // blue, green, red
    }
    // The fourth byte of 32-bit pixels carries whatever the input says.
    if (nBitCount == 32)
        for (std::size_t i = 3; i < expected.size(); i += 4)
            expected[i] = in.Byte();

    const std::unique_ptr<char[]> bits = ExactCopy({reinterpret_cast<const char*>(expected.data()), expected.size()});
    core::PixelBuffer buffer{reinterpret_cast<std::uint8_t*>(bits.get()), expected.size(), nWidth, nHeight, nBitCount};
    if (bGray) {
        core::ConvertToGray(buffer, nColumns, nRows, nLastRow, bInvert);
        if (layout.HasKnownLayout() && nWidth > 0) {
            ForEachPixel(expected, layout, 0, nRows, nColumns, [&](std::uint8_t* p, bool) { ReferenceGrayPixel(p, bInvert); });
            ForEachPixel(expected, layout, nRows, nLastRow, nColumns, [](std::uint8_t* p, bool) { ReferenceGrayPixel(p, false); });
        }
    } else {
        const core::ColourExchangeTable table(find, replace);
        table.Apply(buffer, nColumns, nRows);
        // DC rows 0 .. nRows - 1 are the buffer's last rows.
        const int nLines = std::min(nRows, nHeight);
        if (layout.HasKnownLayout() && nWidth > 0) {
            ForEachPixel(expected, layout, nHeight - nLines, nHeight, std::min(nColumns, nWidth), [&](std::uint8_t* p, bool bFourth) {
                core::ColourRef cr = p[2] | (p[1] << 8) | (static_cast<core::ColourRef>(p[0]) << 16);
                if (!ReferenceLookup(find, replace, cr, cr))
                    return;
                p[0] = static_cast<std::uint8_t>(cr >> 16);
                p[1] = static_cast<std::uint8_t>(cr >> 8);
                p[2] = static_cast<std::uint8_t>(cr);
                // A pixel set through the DC comes back with a clear fourth byte.
                if (nBitCount == 32 && bFourth)
                    p[3] = 0;
            });
        }
        for (core::ColourRef cr : colours) {
            core::ColourRef got = 0, want = 0;
            const bool bFound = table.Lookup(cr, got);
            if (bFound != ReferenceLookup(find, replace, cr, want) || (bFound && got != want))
                std::abort();
        }
    }
    if (!expected.empty() && std::memcmp(bits.get(), expected.data(), expected.size()) != 0)
        std::abort();
    return 0;
}
