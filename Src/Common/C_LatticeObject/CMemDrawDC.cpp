// CMemDrawDC: one memory DC and one bitmap per drawing pass.
#include "CMemDrawDC.h"

#include <cstddef>

CMemDrawDC::CMemDrawDC(CDC* pDC, const CRect& rect)
    : m_pBitmap(NULL), m_pOldBitmap(NULL), m_pDC(NULL), m_rect(0, 0, 0, 0)
{
    // The host compiles against this layout: the members follow the CDC
    // part (24 bytes on x86-64, 12 on i686) without gaps.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Winvalid-offsetof" // offsets within one compiler's layout, as the host sees it
#if defined(_WIN64)
    static_assert(offsetof(CMemDrawDC, m_pBitmap) == 24, "CMemDrawDC layout (x86-64)");
    static_assert(offsetof(CMemDrawDC, m_pOldBitmap) == 32, "CMemDrawDC layout (x86-64)");
    static_assert(offsetof(CMemDrawDC, m_pDC) == 40, "CMemDrawDC layout (x86-64)");
    static_assert(offsetof(CMemDrawDC, m_rect) == 48, "CMemDrawDC layout (x86-64)");
    static_assert(sizeof(CMemDrawDC) == 64, "CMemDrawDC layout (x86-64)");
#else
    static_assert(offsetof(CMemDrawDC, m_pBitmap) == 12, "CMemDrawDC layout (i686)");
    static_assert(offsetof(CMemDrawDC, m_pOldBitmap) == 16, "CMemDrawDC layout (i686)");
    static_assert(offsetof(CMemDrawDC, m_pDC) == 20, "CMemDrawDC layout (i686)");
    static_assert(offsetof(CMemDrawDC, m_rect) == 24, "CMemDrawDC layout (i686)");
    static_assert(sizeof(CMemDrawDC) == 40, "CMemDrawDC layout (i686)");
#endif
#pragma GCC diagnostic pop

    // Without a target there is nothing to be compatible with and nowhere
    // to copy to: the object stays empty.
    if (pDC == NULL)
        return;
    CreateCompatibleDC(pDC);
    // The rectangle is taken as given, not normalised. An empty or inverted
    // one gets no bitmap rather than the 1 x 1 stand-in GDI would return.
    if (rect.Width() > 0 && rect.Height() > 0) {
        m_pBitmap = new CBitmap;
        // Compatible with the target, not with the memory DC, whose own
        // bitmap is monochrome.
        // A size GDI cannot make (too large for memory) gives no bitmap
        // either: the memory DC's own 1 x 1 one must not be copied out.
        if (!m_pBitmap->CreateCompatibleBitmap(pDC, rect.Width(), rect.Height())) {
            delete m_pBitmap;
            m_pBitmap = NULL;
        } else if (m_hDC != NULL) {
            m_pOldBitmap = SelectObject(m_pBitmap);
        }
    }
    m_pDC = pDC;
    m_rect = rect;
}

CMemDrawDC::~CMemDrawDC()
{
    if (m_pOldBitmap != NULL)
        SelectObject(m_pOldBitmap);
    if (m_pBitmap != NULL) {
        m_pBitmap->DeleteObject();
        delete m_pBitmap;
    }
    // The CDC destructor deletes the memory DC.
}

void CMemDrawDC::ForceBitBlt(DWORD dwRop)
{
    if (m_pDC == NULL || m_pBitmap == NULL)
        return;
    m_pDC->BitBlt(m_rect.left, m_rect.top, m_rect.Width(), m_rect.Height(), this, 0, 0, dwRop);
}

CMemDrawDC* CMemDrawDC::operator->() { return this; }
