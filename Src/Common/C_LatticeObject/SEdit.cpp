#include "SEdit.h"

#include "FontCopy.h"

SEdit::SEdit() = default;

SEdit::~SEdit() = default;

void SEdit::SetFont(CFont* pFont, BOOL bRedraw)
{
    KeepFontCopy(m_font, pFont, m_hWnd, bRedraw);
}

BEGIN_MESSAGE_MAP(SEdit, CEdit)
END_MESSAGE_MAP()
