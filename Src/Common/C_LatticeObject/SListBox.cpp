#include "SListBox.h"

#include <cstddef>

#include "FontCopy.h"

SListBox::SListBox()
{
    // The host compiles against this layout: every field right after the
    // previous one, in this order, on both architectures.
#if defined(_WIN64)
    static_assert(offsetof(SListBox, m_font) == 24, "SListBox::m_font offset (x86-64)");
    static_assert(sizeof(SListBox) == 40, "sizeof(SListBox) (x86-64)");
#else
    static_assert(offsetof(SListBox, m_font) == 12, "SListBox::m_font offset (i686)");
    static_assert(sizeof(SListBox) == 20, "sizeof(SListBox) (i686)");
#endif
}

SListBox::~SListBox() = default;

void SListBox::SetFont(CFont* pFont, BOOL bRedraw)
{
    KeepFontCopy(m_font, pFont, m_hWnd, bRedraw);
}

BEGIN_MESSAGE_MAP(SListBox, CListBox)
END_MESSAGE_MAP()
