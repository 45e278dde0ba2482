#include "SDateTimeCtrl.h"

#include <cstddef>

#include "FontCopy.h"

SDateTimeCtrl::SDateTimeCtrl()
{
    // The host compiles against this layout: every field right after the
    // previous one, in this order, on both architectures.
#if defined(_WIN64)
    static_assert(offsetof(SDateTimeCtrl, m_font) == 24, "SDateTimeCtrl::m_font offset (x86-64)");
    static_assert(sizeof(SDateTimeCtrl) == 40, "sizeof(SDateTimeCtrl) (x86-64)");
#else
    static_assert(offsetof(SDateTimeCtrl, m_font) == 12, "SDateTimeCtrl::m_font offset (i686)");
    static_assert(sizeof(SDateTimeCtrl) == 20, "sizeof(SDateTimeCtrl) (i686)");
#endif
}

SDateTimeCtrl::~SDateTimeCtrl() = default;

void SDateTimeCtrl::SetFont(CFont* pFont, BOOL bRedraw)
{
    KeepFontCopy(m_font, pFont, m_hWnd, bRedraw);
}

BEGIN_MESSAGE_MAP(SDateTimeCtrl, CDateTimeCtrl)
END_MESSAGE_MAP()
