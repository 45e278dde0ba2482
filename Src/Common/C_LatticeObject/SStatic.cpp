#include "SStatic.h"

#include "FontCopy.h"

SStatic::SStatic() = default;

SStatic::~SStatic() = default;

void SStatic::SetFont(CFont* pFont, BOOL bRedraw)
{
    KeepFontCopy(m_font, pFont, m_hWnd, bRedraw);
}

BEGIN_MESSAGE_MAP(SStatic, CStatic)
END_MESSAGE_MAP()
