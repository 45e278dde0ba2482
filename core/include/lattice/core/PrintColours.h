// Print colour transforms on pixel buffers, apart from any DC: the gray
// conversion of a picture (optionally inverted first) and the exchange of the
// host's screen colours for print colours.
// Buffers hold a device-independent bitmap of 24 or 32 bits per pixel, rows
// padded to 4 bytes, row 0 the bottom scan line, each pixel blue, green, red.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace lattice::core {

// COLORREF as the host passes colours: 0x00BBGGRR.
typedef std::uint32_t ColourRef;

// A bitmap's scan lines as read from it.
struct PixelBuffer {
    std::uint8_t* pBits;  // the scan lines, bottom one first
    std::size_t nSize;    // bytes in pBits; pixels reaching past it are skipped
    int nWidth;           // pixels per scan line
    int nHeight;          // scan lines
    int nBitCount;        // 24 or 32; other layouts are left alone

    bool HasKnownLayout() const { return nBitCount == 24 || nBitCount == 32; }
    int BytesPerPixel() const { return nBitCount / 8; }
    // Bytes per scan line, padded to a multiple of 4.
    std::size_t Stride() const;
};

// Grays a picture in place: each pixel becomes trunc(B x 0.11) +
// trunc(G x 0.59) + trunc(R x 0.3), products in double precision, the sum
// modulo 256, in all three colour bytes. Buffer rows 0 .. nRows - 1 (the
// lowest scan lines) in columns 0 .. nColumns - 1 are inverted first when
// bInvert; rows nRows .. nLastRow - 1 are only grayed. White and black
// pixels stay as they are, before any inversion. Nothing happens for a
// layout other than 24 or 32 bits.
void ConvertToGray(PixelBuffer& buffer, int nColumns, int nRows, int nLastRow, bool bInvert);

// The colours to find and their replacements, matched by position; the first
// entry equal to a pixel's colour wins. Entries are whole COLORREF values, so
// one with a nonzero high byte matches no pixel.
class ColourExchangeTable {
public:
    ColourExchangeTable(const std::vector<ColourRef>& find, const std::vector<ColourRef>& replace);
    // The replacement of a pixel colour, or false when no entry matches.
    bool Lookup(ColourRef cr, ColourRef& crReplacement) const;

    // Exchanges in place the pixels of the DC rows 0 .. nBottom - 1 and
    // columns 0 .. nRight - 1 (DC row 0 is the top scan line, the last row
    // of the buffer), clipped to the picture. Nothing happens for a layout
    // other than 24 or 32 bits.
    void Apply(PixelBuffer& buffer, int nRight, int nBottom) const;

private:
    struct Row {
        std::uint32_t pixel;       // the colour to find, in the buffer's byte order
        std::uint32_t replacement; // likewise
    };
    std::vector<Row> m_rows; // first occurrences only, in the table's order
};

} // namespace lattice::core
