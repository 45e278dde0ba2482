#include "lattice/core/PrintColours.h"

#include <algorithm>

namespace lattice::core {

namespace {

// Each colour byte's share of the gray, one table per weight, and the same
// for the inverted byte; built once from the double products so that the
// per-pixel work is three lookups.
struct GrayTables {
    std::uint8_t blue[256], green[256], red[256];
    std::uint8_t blueInv[256], greenInv[256], redInv[256];

    GrayTables()
    {
        for (int c = 0; c < 256; ++c) {
            blue[c] = static_cast<std::uint8_t>(static_cast<int>(c * 0.11));
            green[c] = static_cast<std::uint8_t>(static_cast<int>(c * 0.59));
            red[c] = static_cast<std::uint8_t>(static_cast<int>(c * 0.3));
        }
        for (int c = 0; c < 256; ++c) {
            blueInv[c] = blue[255 - c];
            greenInv[c] = green[255 - c];
            redInv[c] = red[255 - c];
        }
    }
};

const GrayTables& Tables()
{
    static const GrayTables tables;
    return tables;
}

// How many pixels of a row starting at byte nBase lie wholly inside the
// buffer (their three colour bytes below nSize), at most nColumns.
int PixelsInside(std::size_t nBase, std::size_t nSize, int nBytesPerPixel, int nColumns)
{
    if (nColumns <= 0 || nBase + 2 >= nSize)
        return 0;
    const std::size_t nFit = (nSize - nBase - 2 + nBytesPerPixel - 1) / nBytesPerPixel;
    return static_cast<int>(std::min<std::size_t>(nFit, static_cast<std::size_t>(nColumns)));
}

void GrayRows(PixelBuffer& buffer, int nFirstRow, int nEndRow, int nColumns, bool bInvert)
{
    const GrayTables& t = Tables();
    const std::uint8_t* tb = bInvert ? t.blueInv : t.blue;
    const std::uint8_t* tg = bInvert ? t.greenInv : t.green;
    const std::uint8_t* tr = bInvert ? t.redInv : t.red;
    const int bpp = buffer.BytesPerPixel();
    const std::size_t stride = buffer.Stride();
    for (int row = std::max(nFirstRow, 0); row < nEndRow; ++row) {
        const std::size_t base = static_cast<std::size_t>(row) * stride;
        const int n = PixelsInside(base, buffer.nSize, bpp, nColumns);
        if (n == 0)
            break; // this row and every later one start past the buffer's end
        std::uint8_t* p = buffer.pBits + base;
        for (int x = 0; x < n; ++x, p += bpp) {
            const std::uint8_t b = p[0], g = p[1], r = p[2];
            if ((b & g & r) == 255 || (b | g | r) == 0)
                continue;
            const std::uint8_t gray = static_cast<std::uint8_t>(tb[b] + tg[g] + tr[r]);
            p[0] = p[1] = p[2] = gray;
        }
    }
}

// A COLORREF (0x00BBGGRR) in a buffer's byte order read as a little-endian
// word (0x00RRGGBB).
std::uint32_t PixelOrder(ColourRef cr) { return ((cr & 0xFF) << 16) | (cr & 0xFF00) | ((cr >> 16) & 0xFF); }

} // namespace

std::size_t PixelBuffer::Stride() const
{
    if (nWidth <= 0 || !HasKnownLayout())
        return 0;
    return (static_cast<std::size_t>(nWidth) * static_cast<std::size_t>(BytesPerPixel()) + 3) & ~static_cast<std::size_t>(3);
}

std::uint8_t GrayOf(std::uint8_t r, std::uint8_t g, std::uint8_t b)
{
    const GrayTables& t = Tables();
    return static_cast<std::uint8_t>(t.blue[b] + t.green[g] + t.red[r]);
}

void ConvertToGray(PixelBuffer& buffer, int nColumns, int nRows, int nLastRow, bool bInvert)
{
    if (buffer.pBits == nullptr || !buffer.HasKnownLayout() || buffer.nWidth <= 0)
        return;
    GrayRows(buffer, 0, nRows, nColumns, bInvert);
    GrayRows(buffer, nRows, nLastRow, nColumns, false);
}

ColourExchangeTable::ColourExchangeTable(const std::vector<ColourRef>& find, const std::vector<ColourRef>& replace)
{
    const std::size_t n = std::min(find.size(), replace.size());
    for (std::size_t i = 0; i < n; ++i) {
        // A pixel's colour never has a high byte; a later duplicate never wins.
        if ((find[i] >> 24) != 0)
            continue;
        const std::uint32_t pixel = PixelOrder(find[i]);
        bool bSeen = false;
        for (const Row& row : m_rows)
            bSeen = bSeen || row.pixel == pixel;
        if (!bSeen)
            m_rows.push_back({pixel, PixelOrder(replace[i] & 0xFFFFFF)});
    }
}

bool ColourExchangeTable::Lookup(ColourRef cr, ColourRef& crReplacement) const
{
    if ((cr >> 24) != 0)
        return false;
    const std::uint32_t pixel = PixelOrder(cr);
    for (const Row& row : m_rows) {
        if (row.pixel == pixel) {
            crReplacement = PixelOrder(row.replacement);
            return true;
        }
    }
    return false;
}

void ColourExchangeTable::Apply(PixelBuffer& buffer, int nRight, int nBottom) const
{
    if (m_rows.empty() || buffer.pBits == nullptr || !buffer.HasKnownLayout() || buffer.nWidth <= 0)
        return;
    const int bpp = buffer.BytesPerPixel();
    const std::size_t stride = buffer.Stride();
    const int nColumns = std::min(nRight, buffer.nWidth);
    const int nLines = std::min(nBottom, buffer.nHeight);
    // Pictures come in runs of one colour: remember the last answer.
    std::uint32_t lastIn = 0xFFFFFFFF, lastOut = 0;
    bool bLastHit = false;
    for (int y = 0; y < nLines; ++y) {
        const std::size_t base = static_cast<std::size_t>(buffer.nHeight - 1 - y) * stride;
        const int n = PixelsInside(base, buffer.nSize, bpp, nColumns);
        std::uint8_t* p = buffer.pBits + base;
        for (int x = 0; x < n; ++x, p += bpp) {
            const std::uint32_t in = p[0] | (p[1] << 8) | (static_cast<std::uint32_t>(p[2]) << 16);
            if (in != lastIn) {
                lastIn = in;
                bLastHit = false;
                for (const Row& row : m_rows) {
                    if (row.pixel == in) {
                        lastOut = row.replacement;
                        bLastHit = true;
                        break;
                    }
                }
            }
            if (bLastHit) {
                p[0] = static_cast<std::uint8_t>(lastOut);
                p[1] = static_cast<std::uint8_t>(lastOut >> 8);
                p[2] = static_cast<std::uint8_t>(lastOut >> 16);
                if (bpp == 4)
                    p[3] = 0; // as a single pixel set through the DC leaves it
            }
        }
    }
}

} // namespace lattice::core
