// Arithmetic of a picture packed as a device-independent bitmap for the
// printer, apart from GDI: the header's fields, the colour table's size, the
// length of a padded row and where the pixels start behind the header.
#pragma once

#include <cstdint>

namespace lattice::core {

// The fields of the 40-byte bitmap information header, in their order.
struct DibHeader {
    std::uint32_t nSize;
    std::int32_t nWidth;
    std::int32_t nHeight; // positive: the first row in memory is the bottom one
    std::uint16_t nPlanes;
    std::uint16_t nBitCount;
    std::uint32_t nCompression; // 0: uncompressed RGB
    std::uint32_t nSizeImage;   // bytes of pixels; 0 when the system leaves it to us
    std::int32_t nXPelsPerMeter;
    std::int32_t nYPelsPerMeter;
    std::uint32_t nClrUsed;
    std::uint32_t nClrImportant;
};

const std::uint32_t kDibHeaderSize = 40;
const std::uint32_t kDibColorEntrySize = 4; // blue, green, red, reserved

// The header for a bitmap of nWidth x nHeight with nPlanes planes of
// nBitsPerPixel: one plane of planes x bits per pixel, uncompressed, every
// other field 0.
DibHeader MakeDibHeader(std::int32_t nWidth, std::int32_t nHeight, std::uint16_t nPlanes,
                        std::uint16_t nBitsPerPixel);

// Colour table entries: 2 to the bit count for 8 bits or fewer, none above.
std::uint32_t DibColorTableEntries(std::uint16_t nBitCount);

// Bytes of the header and its colour table; the pixels start right behind
// them. Takes the header's own size, which the system may have changed.
std::uint32_t DibPixelOffset(const DibHeader& header);

// The image size for rows padded to 4 bytes, (width x bit count + 31) with
// its low five bits cleared, / 8, times the height. False when a dimension
// is not positive or the size does not fit the header's 32-bit field.
bool DibPaddedImageSize(std::int32_t nWidth, std::int32_t nHeight, std::uint16_t nBitCount,
                        std::uint32_t& nSizeImage);

// Completes a header the system filled in: a zero image size becomes the
// padded size. False, header unchanged, when that size cannot be given.
bool CompleteDibImageSize(DibHeader& header);

} // namespace lattice::core
