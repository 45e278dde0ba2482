#include "SEdit.h"

#include <cstddef>

#include "FontCopy.h"

SEdit::SEdit()
{
    // The host compiles against this layout: every field right after the
    // previous one, in this order, on both architectures.
#if defined(_WIN64)
    static_assert(offsetof(SEdit, m_font) == 24, "SEdit::m_font offset (x86-64)");
    static_assert(sizeof(SEdit) == 40, "sizeof(SEdit) (x86-64)");
#else
    static_assert(offsetof(SEdit, m_font) == 12, "SEdit::m_font offset (i686)");
    static_assert(sizeof(SEdit) == 20, "sizeof(SEdit) (i686)");
#endif
}

SEdit::~SEdit() = default;

void SEdit::SetFont(CFont* pFont, BOOL bRedraw)
{
    KeepFontCopy(m_font, pFont, m_hWnd, bRedraw);
}

BEGIN_MESSAGE_MAP(SEdit, CEdit)
END_MESSAGE_MAP()
