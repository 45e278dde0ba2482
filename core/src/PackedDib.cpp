#include "lattice/core/PackedDib.h"

namespace lattice::core {

DibHeader MakeDibHeader(std::int32_t nWidth, std::int32_t nHeight, std::uint16_t nPlanes,
                        std::uint16_t nBitsPerPixel)
{
    DibHeader header = {};
    header.nSize = kDibHeaderSize;
    header.nWidth = nWidth;
    header.nHeight = nHeight;
    header.nPlanes = 1;
    header.nBitCount = static_cast<std::uint16_t>(nPlanes * nBitsPerPixel);
    return header;
}

std::uint32_t DibColorTableEntries(std::uint16_t nBitCount)
{
    return nBitCount <= 8 ? std::uint32_t(1) << nBitCount : 0;
}

std::uint32_t DibPixelOffset(const DibHeader& header)
{
    return header.nSize + kDibColorEntrySize * DibColorTableEntries(header.nBitCount);
}

bool DibPaddedImageSize(std::int32_t nWidth, std::int32_t nHeight, std::uint16_t nBitCount,
                        std::uint32_t& nSizeImage)
{
    if (nWidth <= 0 || nHeight <= 0 || nBitCount == 0)
        return false;
    // In 64 bits: a width and bit count from a header cannot overflow them.
    // Their product with the height can (a bit count in the thousands), so
    // the limit is divided by the height rather than the product taken.
    const std::uint64_t nRowBytes = ((std::uint64_t(nWidth) * nBitCount + 31) & ~std::uint64_t(31)) / 8;
    if (nRowBytes > UINT32_MAX / std::uint64_t(nHeight))
        return false;
    nSizeImage = static_cast<std::uint32_t>(nRowBytes * std::uint64_t(nHeight));
    return true;
}

bool CompleteDibImageSize(DibHeader& header)
{
    if (header.nSizeImage != 0)
        return true;
    return DibPaddedImageSize(header.nWidth, header.nHeight, header.nBitCount, header.nSizeImage);
}

} // namespace lattice::core
