// An owner-drawn push button (BS_OWNERDRAW) that shows one of four bitmaps by
// state: normal, pressed, hovered and disabled. It tracks the pointer itself
// by holding the capture while the pointer is over it, and can rescale its
// bitmaps to the host's screen scale and size itself to them.
#pragma once

#include <afxext.h>

#pragma pack(push, 1)

class AFX_EXT_CLASS CHoverButton : public CBitmapButton {
public:
    // Which bitmap the button draws, and how SetButtonState sets the window.
    enum BUTTON_STATE {
        BTN_NORMAL = 0,   // enabled, not pushed
        BTN_PRESSED = 1,  // enabled, pushed look
        BTN_HOVER = 2,    // enabled, pushed look (BM_SETSTATE 2)
        BTN_DISABLED = 3, // window disabled
    };

// Constructors
    CHoverButton();
    virtual ~CHoverButton();

// Operations
    // Deletes all four bitmaps, then loads them in the order normal,
    // pressed, hovered, disabled. The normal one must load; a NULL name for
    // another means none. FALSE at the first failure, which leaves that
    // bitmap and the later ones empty and keeps the earlier ones. Names may
    // be MAKEINTRESOURCE numbers; bitmaps are found along MFC's resource chain.
    BOOL LoadBitmaps(const char* pszNormal, const char* pszPressed = NULL, const char* pszHover = NULL,
                     const char* pszDisabled = NULL);
    // The same with resource numbers (their low 16 bits); 0 means none, and
    // makes the load fail for the normal bitmap.
    BOOL LoadBitmaps(UINT nIDNormal, UINT nIDPressed = 0, UINT nIDHover = 0, UINT nIDDisabled = 0);
    // The library's own 18 x 18 "i" pair: 7000 for normal and disabled,
    // 7001 for pressed and hovered. Does not size the button.
    void LoadTAIEXButtonBitmaps();
    // Rescales every loaded bitmap to the host's screen scale (again at each
    // call), then sizes the window to the normal bitmap without moving,
    // redrawing or activating it.
    void SizeToContent();

// Attributes
    // The state outlives the window: a button destroyed while hovered or
    // pressed is attached again in that state (SetButtonState resets it).
    BUTTON_STATE GetButtonState();
    // Stores the state and enables, pushes or disables the window to match;
    // a value outside 1 to 3 is stored as BTN_NORMAL. Returns the button's
    // check state (BM_GETCHECK) as it was before the change.
    BUTTON_STATE SetButtonState(BUTTON_STATE eState);

// Overridables
    // Copies the state's bitmap to the item's origin, cut at the item's size;
    // draws nothing when that bitmap is not loaded, nor without a DC.
    virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);

// Implementation
private:
    void vSketchBitmap(CBitmap& bmp);
    void OnMouseEnter();
    void OnMouseLeave();

protected:
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnRButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnRButtonUp(UINT nFlags, CPoint point);
    DECLARE_MESSAGE_MAP()

    BOOL m_bLButtonDown;   // a left press began on the button and is not released yet
    BOOL m_bMouseIn;       // hover tracking on: the pointer came in and the button took the capture;
                           // may stay set after a release outside the button
    BUTTON_STATE m_eState; // selects the bitmap to draw
    CBitmap m_bmpPressed;
    CBitmap m_bmpHover;
    CBitmap m_bmpNormal;   // the one that must be loaded; also gives the button's size
    CBitmap m_bmpDisabled;
};

#pragma pack(pop)
