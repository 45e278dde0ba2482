// MFC extensions header: the bitmap button. The subset's other extension
// classes live in afxwin.h.
#pragma once

#include "afxwin.h"

/////////////////////////////////////////////////////////////////////////////
// CBitmapButton: an owner-drawn button (BS_OWNERDRAW) that shows one of up to
// four bitmaps: normal, selected (pushed), focused and disabled.

class AFX_MFC_CLASS CBitmapButton : public CButton {
    DECLARE_DYNAMIC(CBitmapButton)
public:
// Constructors
    CBitmapButton();
    virtual ~CBitmapButton();

// Operations
    // The normal bitmap must load; a NULL name (or 0) for another means
    // none. FALSE at the first bitmap that fails to load.
    BOOL LoadBitmaps(LPCTSTR lpszBitmapResource, LPCTSTR lpszBitmapResourceSel = NULL,
                     LPCTSTR lpszBitmapResourceFocus = NULL, LPCTSTR lpszBitmapResourceDisabled = NULL);
    BOOL LoadBitmaps(UINT nIDBitmapResource, UINT nIDBitmapResourceSel = 0, UINT nIDBitmapResourceFocus = 0,
                     UINT nIDBitmapResourceDisabled = 0);
    // Sizes the window to the normal bitmap.
    void SizeToContent();

// Overridables
    virtual void DrawItem(LPDRAWITEMSTRUCT lpDIS);

// Implementation
protected:
    CBitmap m_bitmap;         // normal
    CBitmap m_bitmapSel;      // pushed
    CBitmap m_bitmapFocus;    // focused
    CBitmap m_bitmapDisabled; // disabled
};
