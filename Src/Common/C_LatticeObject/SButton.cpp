#include "SButton.h"

#include <cstddef>

#include "FontCopy.h"

SButton::SButton()
{
    // The host compiles against this layout: every field right after the
    // previous one, in this order, on both architectures.
#if defined(_WIN64)
    static_assert(offsetof(SButton, m_font) == 24, "SButton::m_font offset (x86-64)");
    static_assert(sizeof(SButton) == 40, "sizeof(SButton) (x86-64)");
#else
    static_assert(offsetof(SButton, m_font) == 12, "SButton::m_font offset (i686)");
    static_assert(sizeof(SButton) == 20, "sizeof(SButton) (i686)");
#endif
}

SButton::~SButton() = default;

void SButton::SetFont(CFont* pFont, BOOL bRedraw)
{
    KeepFontCopy(m_font, pFont, m_hWnd, bRedraw);
}

BEGIN_MESSAGE_MAP(SButton, CButton)
END_MESSAGE_MAP()
