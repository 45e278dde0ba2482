#include "SListBox.h"

#include "FontCopy.h"

SListBox::SListBox() = default;

SListBox::~SListBox() = default;

void SListBox::SetFont(CFont* pFont, BOOL bRedraw)
{
    KeepFontCopy(m_font, pFont, m_hWnd, bRedraw);
}

BEGIN_MESSAGE_MAP(SListBox, CListBox)
END_MESSAGE_MAP()
