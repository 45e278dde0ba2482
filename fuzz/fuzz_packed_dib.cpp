// Packing arithmetic against its definition for any header: a padded row is
// the smallest multiple of 4 bytes that holds width x bit count bits, the
// image is whole rows, and the pixels start behind the header and a table of
// 2^bits entries (none above 8 bits). Whatever fails leaves the size as it was.
//
// Input: width and height (4 bytes each, signed), bit count (2 bytes).
#include "lattice/core/PackedDib.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace core = lattice::core;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 10)
        return 0;
    std::int32_t nWidth, nHeight;
    std::uint16_t nBits;
    std::memcpy(&nWidth, data, 4);
    std::memcpy(&nHeight, data + 4, 4);
    std::memcpy(&nBits, data + 8, 2);

    core::DibHeader h = core::MakeDibHeader(nWidth, nHeight, 1, nBits);
    const std::uint32_t nTable = core::DibColorTableEntries(nBits);
    if (core::DibPixelOffset(h) != 40 + 4 * nTable || (nBits <= 8) != (nTable != 0))
        std::abort();

    if (!core::CompleteDibImageSize(h)) {
        if (h.nSizeImage != 0)
            std::abort();
        return 0;
    }
    if (nWidth <= 0 || nHeight <= 0 || nBits == 0)
        std::abort();
    const std::uint64_t nRowBytes = h.nSizeImage / std::uint64_t(nHeight);
    const std::uint64_t nBitsInRow = std::uint64_t(nWidth) * nBits;
    if (h.nSizeImage % nHeight != 0 || nRowBytes % 4 != 0 || nRowBytes * 8 < nBitsInRow ||
        (nRowBytes - 4) * 8 >= nBitsInRow)
        std::abort();
    return 0;
}
