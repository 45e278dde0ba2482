// A radio button drawn by the toolkit's button, with three changes: its
// text takes the host's list text colour at every paint, it keeps its own
// copy of the font it is given, and every key pressed on it also reaches
// its parent window.
#pragma once

#include <afxwin.h>

#include "CXTPButton.h"

#pragma pack(push, 1)

class AFX_EXT_CLASS CCJRadioButton : public CXTPButton {
public:
// Constructors
    CCJRadioButton();
    virtual ~CCJRadioButton();

// Overridables
    // The host's "COLOR_LISTCTL_NORMALTEXT", asked afresh at every call, so a
    // colour the host changes shows at the next repaint.
    virtual COLORREF GetButtonTextColor();

// Operations
    // Keeps a copy of pFont and draws with it; hides CWnd::SetFont. A NULL
    // or unreadable font changes nothing; the caller keeps pFont.
    void SetFont(CFont* pFont, BOOL bRedraw = TRUE);

// Implementation
protected:
    // Stock brushes: black for the button's own colour request, white for
    // any other.
    afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    // Posts the parent a copy of the key, then lets the toolkit handle it.
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    DECLARE_MESSAGE_MAP()

    CFont m_font; // the kept copy; empty until the first SetFont
};

#pragma pack(pop)
