#include "PackedPicture.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "lattice/core/PackedDib.h"

namespace core = lattice::core;

namespace {

core::DibHeader FromSystem(const BITMAPINFOHEADER& h)
{
    return {h.biSize,         h.biWidth,         h.biHeight,  h.biPlanes,  h.biBitCount,    h.biCompression,
            h.biSizeImage,    h.biXPelsPerMeter, h.biYPelsPerMeter, h.biClrUsed, h.biClrImportant};
}

void ToSystem(const core::DibHeader& d, BITMAPINFOHEADER& h)
{
    h.biSize = d.nSize;
    h.biWidth = d.nWidth;
    h.biHeight = d.nHeight;
    h.biPlanes = d.nPlanes;
    h.biBitCount = d.nBitCount;
    h.biCompression = d.nCompression;
    h.biSizeImage = d.nSizeImage;
    h.biXPelsPerMeter = d.nXPelsPerMeter;
    h.biYPelsPerMeter = d.nYPelsPerMeter;
    h.biClrUsed = d.nClrUsed;
    h.biClrImportant = d.nClrImportant;
}

// The screen DC with a palette realized in the foreground, for as long as
// the packing runs; the previous palette goes back and the DC is released
// however the packing ends.
class ScreenWithPalette {
public:
    explicit ScreenWithPalette(HPALETTE hPalette) : m_hDC(::GetDC(NULL)), m_hOldPalette(NULL)
    {
        if (m_hDC == NULL)
            return;
        if (hPalette == NULL)
            hPalette = static_cast<HPALETTE>(::GetStockObject(DEFAULT_PALETTE));
        m_hOldPalette = ::SelectPalette(m_hDC, hPalette, FALSE);
        ::RealizePalette(m_hDC);
    }
    ~ScreenWithPalette()
    {
        if (m_hDC == NULL)
            return;
        if (m_hOldPalette != NULL)
            ::SelectPalette(m_hDC, m_hOldPalette, FALSE);
        ::ReleaseDC(NULL, m_hDC);
    }
    HDC m_hDC;

private:
    HPALETTE m_hOldPalette;
};

} // namespace

void PackedPicture::Free()
{
    std::free(m_pBlock);
    m_pBlock = NULL;
}

const void* PackedPicture::Bits() const
{
    if (m_pBlock == NULL)
        return NULL;
    return m_pBlock + core::DibPixelOffset(FromSystem(Info()->bmiHeader));
}

bool PackedPicture::Pack(HBITMAP hBitmap, HPALETTE hPalette)
{
    Free();
    BITMAP bm;
    if (hBitmap == NULL || ::GetObjectA(hBitmap, sizeof(bm), &bm) != sizeof(bm))
        return false;
    core::DibHeader header = core::MakeDibHeader(bm.bmWidth, bm.bmHeight, bm.bmPlanes, bm.bmBitsPixel);
    const size_t nHeaderBlock = core::DibPixelOffset(header);

    ScreenWithPalette screen(hPalette);
    if (screen.m_hDC == NULL)
        return false;
    BYTE* pBlock = static_cast<BYTE*>(std::malloc(nHeaderBlock));
    if (pBlock == NULL)
        return false;
    std::memset(pBlock, 0, nHeaderBlock);
    BITMAPINFO* pInfo = reinterpret_cast<BITMAPINFO*>(pBlock);
    ToSystem(header, pInfo->bmiHeader);
    // With no buffer the system only completes the header (and colour table).
    ::GetDIBits(screen.m_hDC, hBitmap, 0, static_cast<UINT>(bm.bmHeight), NULL, pInfo, DIB_RGB_COLORS);

    // Where the system leaves the image size at 0, rows padded to 4 bytes.
    // A header the system turned into one with a larger table than the
    // block holds is refused rather than read past.
    header = FromSystem(pInfo->bmiHeader);
    const size_t nPixelOffset = core::DibPixelOffset(header);
    if (nPixelOffset > nHeaderBlock || !core::CompleteDibImageSize(header) || bm.bmHeight <= 0 ||
        header.nSizeImage > SIZE_MAX - nHeaderBlock) {
        std::free(pBlock);
        return false;
    }
    pInfo->bmiHeader.biSizeImage = header.nSizeImage;

    BYTE* pGrown = static_cast<BYTE*>(std::realloc(pBlock, nHeaderBlock + header.nSizeImage));
    if (pGrown == NULL) {
        std::free(pBlock);
        return false;
    }
    pBlock = pGrown;
    pInfo = reinterpret_cast<BITMAPINFO*>(pBlock);
    if (::GetDIBits(screen.m_hDC, hBitmap, 0, static_cast<UINT>(bm.bmHeight), pBlock + nPixelOffset, pInfo,
                    DIB_RGB_COLORS) == 0) {
        std::free(pBlock);
        return false;
    }
    m_pBlock = pBlock;
    return true;
}
