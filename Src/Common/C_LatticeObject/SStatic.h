// A static control that draws with its own copy of the font it is given.
#pragma once

#include <afxwin.h>

#pragma pack(push, 1)

class AFX_EXT_CLASS SStatic : public CStatic {
public:
    SStatic();
    virtual ~SStatic();

    // Keeps a copy of pFont and draws with it; hides CWnd::SetFont. A NULL
    // or unreadable font changes nothing.
    void SetFont(CFont* pFont, BOOL bRedraw = TRUE);

protected:
    CFont m_font; // the kept copy; empty until the first SetFont

    DECLARE_MESSAGE_MAP()
};

#pragma pack(pop)
