// MFC extensions header: the bitmap button. The subset's other extension
// classes live in afxwin.h.
#pragma once

#include "afxwin.h"

/////////////////////////////////////////////////////////////////////////////
// CBitmapButton: an owner-drawn button (BS_OWNERDRAW) that shows one of up to
// four bitmaps: normal, selected (pushed), focused and disabled. The subset
// keeps the bitmaps and the drawing; loading and sizing are left to the
// derived classes, which bring their own.

class AFX_MFC_CLASS CBitmapButton : public CButton {
    DECLARE_DYNAMIC(CBitmapButton)
public:
// Constructors
    CBitmapButton();
    virtual ~CBitmapButton();

// Overridables
    virtual void DrawItem(LPDRAWITEMSTRUCT lpDIS);

// Implementation
protected:
    CBitmap m_bitmap;         // normal
    CBitmap m_bitmapSel;      // pushed
    CBitmap m_bitmapFocus;    // focused
    CBitmap m_bitmapDisabled; // disabled
};
