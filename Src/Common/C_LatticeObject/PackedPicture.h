// A picture packed as a device-independent bitmap for the printer: the
// header, its colour table and the pixels in one block, read from a bitmap
// through the screen DC with a given palette (or the system's default one).
// Used by the print preview's OK; the arithmetic is lattice/core/PackedDib.h.
#pragma once

#include <windows.h>

class PackedPicture {
public:
// Constructors
    PackedPicture() : m_pBlock(NULL) {}
    ~PackedPicture() { Free(); }
    PackedPicture(const PackedPicture&) = delete;
    PackedPicture& operator=(const PackedPicture&) = delete;

// Operations
    // Packs every scan line of hBitmap (which no DC may hold selected) at
    // its own depth. hPalette NULL takes the system's default palette.
    // False, with nothing held, when the bitmap cannot be read or the block
    // cannot be had; the screen DC and its palette are restored either way.
    bool Pack(HBITMAP hBitmap, HPALETTE hPalette);
    void Free();

// Attributes: valid after a successful Pack
    const BITMAPINFO* Info() const { return reinterpret_cast<const BITMAPINFO*>(m_pBlock); }
    // The pixels, behind the header's own size and its colour table.
    const void* Bits() const;

private:
    BYTE* m_pBlock; // header, colour table and pixels; malloc'ed, NULL when empty
};
