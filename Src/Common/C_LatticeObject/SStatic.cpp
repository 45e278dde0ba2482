#include "SStatic.h"

#include <cstddef>

#include "FontCopy.h"

SStatic::SStatic()
{
    // The host compiles against this layout: every field right after the
    // previous one, in this order, on both architectures.
#if defined(_WIN64)
    static_assert(offsetof(SStatic, m_font) == 24, "SStatic::m_font offset (x86-64)");
    static_assert(sizeof(SStatic) == 40, "sizeof(SStatic) (x86-64)");
#else
    static_assert(offsetof(SStatic, m_font) == 12, "SStatic::m_font offset (i686)");
    static_assert(sizeof(SStatic) == 20, "sizeof(SStatic) (i686)");
#endif
}

SStatic::~SStatic() = default;

void SStatic::SetFont(CFont* pFont, BOOL bRedraw)
{
    KeepFontCopy(m_font, pFont, m_hWnd, bRedraw);
}

BEGIN_MESSAGE_MAP(SStatic, CStatic)
END_MESSAGE_MAP()
