#include "SButton.h"

#include "FontCopy.h"

SButton::SButton() = default;

SButton::~SButton() = default;

void SButton::SetFont(CFont* pFont, BOOL bRedraw)
{
    KeepFontCopy(m_font, pFont, m_hWnd, bRedraw);
}

BEGIN_MESSAGE_MAP(SButton, CButton)
END_MESSAGE_MAP()
