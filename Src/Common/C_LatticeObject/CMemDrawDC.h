// An off-screen drawing surface: a memory DC holding a bitmap the size of a
// target rectangle. Draw into it with any CDC operation at (0,0) for the
// rectangle's top-left corner, then copy it onto the target in one block
// transfer with ForceBitBlt, so the target never shows a half-drawn state.
#pragma once

#include <afxwin.h>

#pragma pack(push, 1)

class AFX_EXT_CLASS CMemDrawDC : public CDC {
public:
// Constructors
    // pDC must stay valid for the object's lifetime. The bitmap is
    // rect.Width() x rect.Height() pixels, compatible with pDC, and not
    // cleared. An empty or inverted rectangle, or one too large for a bitmap,
    // gives no bitmap: drawing then has no effect and ForceBitBlt copies nothing.
    CMemDrawDC(CDC* pDC, const CRect& rect);
    // Discards what was drawn unless ForceBitBlt copied it. The object is
    // meant to live for one drawing pass: the wrapper of the bitmap it
    // replaced is MFC's temporary one, valid until the next idle time.
    virtual ~CMemDrawDC();

// Operations
    // Copies the whole surface to the rectangle's place on the target with
    // the raster operation dwRop. May be called any number of times.
    void ForceBitBlt(DWORD dwRop);
    // Lets an object held by value be used like a CDC*.
    CMemDrawDC* operator->();

protected:
    CBitmap* m_pBitmap;    // the surface; owned
    CBitmap* m_pOldBitmap; // selected in the memory DC before m_pBitmap; put back at destruction
    CDC* m_pDC;            // the target; not owned
    CRect m_rect;          // the target rectangle, in the target's logical coordinates
};

#pragma pack(pop)
