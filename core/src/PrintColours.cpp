#include "lattice/core/PrintColours.h"

#include <algorithm>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif
// Eight pixels at a time where the processor has AVX2, chosen at run time
// (gray conversion and colour exchange).
// Only on x86-64, whose stack keeps the 16-byte alignment the spills of
// 256-bit registers rely on less than i686's does; the routine is small
// enough to keep every vector in a register.
#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#define LATTICE_GRAY_AVX2 1
#include <immintrin.h>
#endif

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

// How many of the first n pixels of a 32-bit row at nBase have all four
// bytes in the buffer. The paths that move whole 4-byte pixels stop there;
// a last pixel with only its colour bytes inside is done byte by byte, so
// that nothing past the buffer is read or written.
int WholePixels32(std::size_t nBase, std::size_t nSize, int n)
{
    if (n <= 0 || nBase >= nSize)
        return 0;
    return static_cast<int>(std::min<std::size_t>((nSize - nBase) / 4, static_cast<std::size_t>(n)));
}

// A colour byte's share of the gray, trunc(c x 0.11), trunc(c x 0.59) and
// trunc(c x 0.3) as the double products give them, is the high half of c
// times a 16-bit fraction just above the weight: (c x kBlueShare) >> 16 and
// so on. Exact for every byte (the tests check all 256 values of each); the
// same fractions serve the scalar and the vector paths.
const std::uint32_t kBlueShare = 7209, kGreenShare = 38667, kRedShare = 19661;

#if defined(__SSE2__)
// Runs `transform` over a row four 32-bit pixels at a time. Charts are mostly
// runs of one colour: four pixels like the last four take the last answer.
// Returns how many pixels it covered; the caller does the rest one by one.
template <class Transform>
int TransformGroups(std::uint8_t* pRow, int n, Transform transform)
{
    __m128i lastIn = _mm_set1_epi32(-1), lastOut = lastIn;
    bool bHaveLast = false;
    int x = 0;
    for (; x + 4 <= n; x += 4) {
        __m128i* p = reinterpret_cast<__m128i*>(pRow + 4 * x);
        const __m128i px = _mm_loadu_si128(p);
        if (!bHaveLast || _mm_movemask_epi8(_mm_cmpeq_epi8(px, lastIn)) != 0xFFFF) {
            lastIn = px;
            lastOut = transform(px);
            bHaveLast = true;
        }
        _mm_storeu_si128(p, lastOut);
    }
    return x;
}
#endif

// Runs `transform` over the 32-bit pixels x .. n - 1 of a row.
template <class Transform>
void TransformPixels(std::uint8_t* pRow, int x, int n, Transform transform)
{
    for (; x < n; ++x) {
        std::uint32_t px;
        std::memcpy(&px, pRow + 4 * x, 4);
        px = transform(px);
        std::memcpy(pRow + 4 * x, &px, 4);
    }
}

// One 32-bit pixel: its gray (after inverting when flip is 0xFFFFFF) in the
// three colour bytes, the fourth byte kept; white and black pixels kept.
inline std::uint32_t GrayPixel32(std::uint32_t px, std::uint32_t flip)
{
    const std::uint32_t rgb = px & 0xFFFFFFu;
    if (rgb == 0xFFFFFFu || rgb == 0)
        return px;
    const std::uint32_t c = rgb ^ flip;
    const std::uint32_t gray =
        (((c & 0xFF) * kBlueShare >> 16) + (((c >> 8) & 0xFF) * kGreenShare >> 16) + ((c >> 16) * kRedShare >> 16)) & 0xFF;
    return (px & 0xFF000000u) | (gray * 0x010101u);
}

#if defined(LATTICE_GRAY_AVX2)
// GrayRow32's vector step on eight pixels at a time; returns how many pixels
// it covered.
__attribute__((target("avx2"))) int GrayGroupsAvx2(std::uint8_t* pRow, int n, std::uint32_t flip)
{
    const __m256i rgbMask = _mm256_set1_epi32(0x00FFFFFF), zero = _mm256_setzero_si256();
    const __m256i flipMask = _mm256_set1_epi32(static_cast<int>(flip));
    const __m256i blueRed = _mm256_set1_epi32(0x00FF00FF), byteMask = _mm256_set1_epi32(0xFF);
    const __m256i blueRedShares = _mm256_set1_epi32(static_cast<int>(kRedShare << 16 | kBlueShare));
    const __m256i greenShare = _mm256_set1_epi32(static_cast<int>(kGreenShare));
    const __m256i twoBytes = _mm256_set1_epi32(0x0101);
    int x = 0;
    for (; x + 8 <= n; x += 8) {
        __m256i* p = reinterpret_cast<__m256i*>(pRow + 4 * x);
        const __m256i px = _mm256_loadu_si256(p);
        const __m256i rgb = _mm256_and_si256(px, rgbMask);
        const __m256i keep = _mm256_or_si256(_mm256_cmpeq_epi32(rgb, rgbMask), _mm256_cmpeq_epi32(rgb, zero));
        if (_mm256_movemask_epi8(keep) == -1)
            continue;
        const __m256i c = _mm256_xor_si256(rgb, flipMask);
        const __m256i shares = _mm256_add_epi16(_mm256_mulhi_epu16(_mm256_and_si256(c, blueRed), blueRedShares),
                                                _mm256_mulhi_epu16(_mm256_srli_epi16(c, 8), greenShare));
        const __m256i gray = _mm256_and_si256(_mm256_add_epi16(shares, _mm256_srli_epi32(shares, 16)), byteMask);
        const __m256i grayWord = _mm256_or_si256(_mm256_mullo_epi16(gray, twoBytes), _mm256_slli_epi32(gray, 16));
        const __m256i out = _mm256_or_si256(_mm256_andnot_si256(rgbMask, px), grayWord);
        _mm256_storeu_si256(p, _mm256_blendv_epi8(out, px, keep));
    }
    return x;
}

bool HasAvx2()
{
    static const bool bHas = __builtin_cpu_supports("avx2");
    return bHas;
}
#endif

// Four pixels at a time with SSE2 (every x86-64 processor has it), so that
// the gray conversion of a screen-sized picture costs little more than
// reading and writing it. Charts are mostly black or white, which stay: a
// group of four such pixels is neither converted nor written back. The
// others take two 16-bit multiplies: blue and red side by side in the two
// halves of each pixel's lane, then green.
void GrayRow32(std::uint8_t* pRow, int n, bool bInvert)
{
    const std::uint32_t flip = bInvert ? 0xFFFFFFu : 0u;
    int x = 0;
#if defined(LATTICE_GRAY_AVX2)
    if (HasAvx2())
        x = GrayGroupsAvx2(pRow, n, flip);
#endif
#if defined(__SSE2__)
    const __m128i rgbMask = _mm_set1_epi32(0x00FFFFFF), zero = _mm_setzero_si128();
    const __m128i flipMask = _mm_set1_epi32(static_cast<int>(flip));
    const __m128i blueRed = _mm_set1_epi32(0x00FF00FF), byteMask = _mm_set1_epi32(0xFF);
    const __m128i blueRedShares = _mm_set1_epi32(static_cast<int>(kRedShare << 16 | kBlueShare));
    const __m128i greenShare = _mm_set1_epi32(static_cast<int>(kGreenShare));
    const __m128i twoBytes = _mm_set1_epi32(0x0101);
    for (; x + 4 <= n; x += 4) {
        __m128i* p = reinterpret_cast<__m128i*>(pRow + 4 * x);
        const __m128i px = _mm_loadu_si128(p);
        const __m128i rgb = _mm_and_si128(px, rgbMask);
        const __m128i keep = _mm_or_si128(_mm_cmpeq_epi32(rgb, rgbMask), _mm_cmpeq_epi32(rgb, zero));
        if (_mm_movemask_epi8(keep) == 0xFFFF)
            continue;
        const __m128i c = _mm_xor_si128(rgb, flipMask);
        // Low half of each lane: blue's share plus green's; high half: red's.
        const __m128i shares = _mm_add_epi16(_mm_mulhi_epu16(_mm_and_si128(c, blueRed), blueRedShares),
                                             _mm_mulhi_epu16(_mm_srli_epi16(c, 8), greenShare));
        const __m128i gray = _mm_and_si128(_mm_add_epi16(shares, _mm_srli_epi32(shares, 16)), byteMask);
        const __m128i grayWord = _mm_or_si128(_mm_mullo_epi16(gray, twoBytes), _mm_slli_epi32(gray, 16));
        const __m128i out = _mm_or_si128(_mm_andnot_si128(rgbMask, px), grayWord);
        _mm_storeu_si128(p, _mm_or_si128(_mm_and_si128(keep, px), _mm_andnot_si128(keep, out)));
    }
#endif
    TransformPixels(pRow, x, n, [flip](std::uint32_t px) { return GrayPixel32(px, flip); });
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
        int x = 0;
        if (bpp == 4) {
            x = WholePixels32(base, buffer.nSize, n);
            GrayRow32(p, x, bInvert);
            p += 4 * x;
        }
        for (; x < n; ++x, p += bpp) {
            const std::uint8_t b = p[0], g = p[1], r = p[2];
            if ((b & g & r) == 255 || (b | g | r) == 0)
                continue;
            const std::uint8_t gray = static_cast<std::uint8_t>(tb[b] + tg[g] + tr[r]);
            p[0] = p[1] = p[2] = gray;
        }
    }
}

// A COLORREF (0x00BBGGRR) in a buffer's byte order read as a little-endian
// word (0x00RRGGBB); a high byte is dropped.
std::uint32_t PixelOrder(ColourRef cr) { return ((cr & 0xFF) << 16) | (cr & 0xFF00) | ((cr >> 16) & 0xFF); }

} // namespace

std::size_t PixelBuffer::Stride() const
{
    if (nWidth <= 0 || !HasKnownLayout())
        return 0;
    return (static_cast<std::size_t>(nWidth) * static_cast<std::size_t>(BytesPerPixel()) + 3) & ~static_cast<std::size_t>(3);
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
            m_rows.push_back({pixel, PixelOrder(replace[i])});
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

namespace {

const int kFastRows = 8;

// A row of 32-bit pixels against a table of at most kFastRows distinct
// colours. Because the colours are distinct, at most one entry matches a
// pixel, so every entry can be tested without branching, four pixels at a
// time with SSE2.
#if defined(LATTICE_GRAY_AVX2)
// ExchangeRow32's vector step on eight pixels at a time, with the same
// memory of the last group as TransformGroups; returns how many pixels it
// covered.
__attribute__((target("avx2"))) int ExchangeGroupsAvx2(std::uint8_t* pRow, int n, const std::uint32_t* find,
                                                       const std::uint32_t* replace, int nRows)
{
    const __m256i rgbMask = _mm256_set1_epi32(0x00FFFFFF);
    __m256i lastIn = _mm256_setzero_si256(), lastOut = lastIn;
    bool bHaveLast = false;
    int x = 0;
    for (; x + 8 <= n; x += 8) {
        __m256i* p = reinterpret_cast<__m256i*>(pRow + 4 * x);
        const __m256i px = _mm256_loadu_si256(p);
        if (!bHaveLast || _mm256_movemask_epi8(_mm256_cmpeq_epi8(px, lastIn)) != -1) {
            const __m256i rgb = _mm256_and_si256(px, rgbMask);
            __m256i out = px;
            for (int i = 0; i < nRows; ++i) {
                const __m256i hit = _mm256_cmpeq_epi32(rgb, _mm256_set1_epi32(static_cast<int>(find[i])));
                out = _mm256_blendv_epi8(out, _mm256_set1_epi32(static_cast<int>(replace[i])), hit);
            }
            lastIn = px, lastOut = out, bHaveLast = true;
        }
        _mm256_storeu_si256(p, lastOut);
    }
    return x;
}
#endif

void ExchangeRow32(std::uint8_t* pRow, int n, const std::uint32_t* find, const std::uint32_t* replace, int nRows)
{
    int x = 0;
#if defined(LATTICE_GRAY_AVX2)
    if (HasAvx2())
        x = ExchangeGroupsAvx2(pRow, n, find, replace, nRows);
#endif
#if defined(__SSE2__)
    const __m128i rgbMask = _mm_set1_epi32(0x00FFFFFF);
    __m128i vFind[kFastRows], vReplace[kFastRows];
    for (int i = 0; i < nRows; ++i) {
        vFind[i] = _mm_set1_epi32(static_cast<int>(find[i]));
        vReplace[i] = _mm_set1_epi32(static_cast<int>(replace[i]));
    }
    x += TransformGroups(pRow + 4 * x, n - x, [&](__m128i px) {
        const __m128i rgb = _mm_and_si128(px, rgbMask);
        __m128i out = px;
        for (int i = 0; i < nRows; ++i) {
            const __m128i hit = _mm_cmpeq_epi32(rgb, vFind[i]);
            out = _mm_or_si128(_mm_and_si128(hit, vReplace[i]), _mm_andnot_si128(hit, out));
        }
        return out;
    });
#endif
    TransformPixels(pRow, x, n, [&](std::uint32_t px) {
        const std::uint32_t rgb = px & 0xFFFFFFu;
        for (int i = 0; i < nRows; ++i)
            px = rgb == find[i] ? replace[i] : px;
        return px;
    });
}

} // namespace

void ColourExchangeTable::Apply(PixelBuffer& buffer, int nRight, int nBottom) const
{
    if (m_rows.empty() || buffer.pBits == nullptr || !buffer.HasKnownLayout() || buffer.nWidth <= 0)
        return;
    const int bpp = buffer.BytesPerPixel();
    const std::size_t stride = buffer.Stride();
    const int nColumns = std::min(nRight, buffer.nWidth);
    const int nLines = std::min(nBottom, buffer.nHeight);
    if (bpp == 4 && m_rows.size() <= static_cast<std::size_t>(kFastRows)) {
        std::uint32_t find[kFastRows], replace[kFastRows];
        const int nRows = static_cast<int>(m_rows.size());
        for (int i = 0; i < nRows; ++i) {
            find[i] = m_rows[i].pixel;
            replace[i] = m_rows[i].replacement;
        }
        // A last pixel with only its colour bytes in the buffer.
        const auto ExchangeTail = [this](std::uint8_t* p) {
            const std::uint32_t in = p[0] | (p[1] << 8) | (static_cast<std::uint32_t>(p[2]) << 16);
            for (const Row& row : m_rows) {
                if (row.pixel == in) {
                    p[0] = static_cast<std::uint8_t>(row.replacement);
                    p[1] = static_cast<std::uint8_t>(row.replacement >> 8);
                    p[2] = static_cast<std::uint8_t>(row.replacement >> 16);
                    return;
                }
            }
        };
        for (int y = 0; y < nLines; ++y) {
            const std::size_t base = static_cast<std::size_t>(buffer.nHeight - 1 - y) * stride;
            const int n = PixelsInside(base, buffer.nSize, bpp, nColumns);
            const int nWhole = WholePixels32(base, buffer.nSize, n);
            ExchangeRow32(buffer.pBits + base, nWhole, find, replace, nRows);
            if (n > nWhole)
                ExchangeTail(buffer.pBits + base + 4 * nWhole);
        }
        return;
    }
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
                // As a single pixel set through the DC leaves it, when the
                // buffer holds that byte.
                if (bpp == 4 && base + 4 * static_cast<std::size_t>(x) + 3 < buffer.nSize)
                    p[3] = 0;
            }
        }
    }
}

} // namespace lattice::core
