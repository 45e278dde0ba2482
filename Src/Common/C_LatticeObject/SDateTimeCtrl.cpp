#include "SDateTimeCtrl.h"

#include "FontCopy.h"

SDateTimeCtrl::SDateTimeCtrl() = default;

SDateTimeCtrl::~SDateTimeCtrl() = default;

void SDateTimeCtrl::SetFont(CFont* pFont, BOOL bRedraw)
{
    KeepFontCopy(m_font, pFont, m_hWnd, bRedraw);
}

BEGIN_MESSAGE_MAP(SDateTimeCtrl, CDateTimeCtrl)
END_MESSAGE_MAP()
