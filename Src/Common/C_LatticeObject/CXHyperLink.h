// A static text control turned into a link: link, hover and visited colours,
// an underline while hovered, a hand cursor, a tooltip with the target, and
// a click that opens the target through the shell and can tell the parent.
#pragma once

#include <afxcmn.h>

#include "SStatic.h"

#pragma pack(push, 1)

class AFX_EXT_CLASS CXHyperLink : public SStatic {
public:
// Constructors
    CXHyperLink();
    virtual ~CXHyperLink();

// Attributes
    // The target; with a window, the window is refitted and tool 1 of the
    // tooltip shows the new target.
    void SetURL(CString strURL);
    CString GetURL() const;

    // A hover colour of 0xFFFFFFFF stands for the system highlight colour.
    void SetColours(COLORREF crLinkColour, COLORREF crVisitedColour, COLORREF crHoverColour = 0xFFFFFFFF);
    COLORREF GetLinkColour() const;
    COLORREF GetVisitedColour() const;
    COLORREF GetHoverColour() const;

    // Takes effect at the next repaint; does not redraw by itself.
    void SetBackgroundColour(COLORREF crBackground);
    COLORREF GetBackgroundColour() const;

    void SetVisited(BOOL bVisited = TRUE);
    BOOL GetVisited() const;

    // -1 underlined while hovered, 0 never, 1 always. Before the window is
    // attached the mode is stored only: attaching resets it to -1.
    void SetUnderline(int nUnderline = -1);
    int GetUnderline() const;

    void SetAutoSize(BOOL bAutoSize = TRUE);
    BOOL GetAutoSize() const;

    // NULL loads the default hand cursor. The control destroys the cursor it
    // holds when it goes, unless that is the shared system hand; a cursor
    // replaced by a later call is not destroyed.
    void SetLinkCursor(HCURSOR hCursor);
    HCURSOR GetLinkCursor() const;

    void EnableURL(BOOL bFlag);
    BOOL IsURLEnabled() const;

    // The tooltip exists only if this was set when the window was attached;
    // afterwards it is only switched on and off.
    void EnableTooltip(BOOL bFlag);
    BOOL IsTooltipEmabled() const;

    void SetNotifyParent(BOOL bFlag);
    BOOL GetNotifyParent() const;

    // Opens the target with the shell verb "new" instead of "open".
    void SetAlwaysOpenNew(BOOL bFlag);
    BOOL GetAlwaysOpenNew() const;

// Operations
    // Hides CWnd's text setter: clears and repaints at once (so no trace of
    // a longer old text stays), sets the text and refits. NULL does nothing.
    void SetWindowTextA(const char* lpszString);
    // Rebuilds the plain and underlined fonts from rFont, which the caller
    // may delete right after; the window switches to them at its next font
    // change (hover, leave, SetUnderline).
    void ChangeFont(CFont& rFont);

    // Opens pszURL through the shell, falling back to the registered
    // web-page command. A result above 32 means success; an empty target
    // gives 36 and opens nothing.
    static HINSTANCE GotoURL(const char* pszURL, int nShowCmd, BOOL bAlwaysOpenNew = FALSE);

// Overrides
    // Sets the control up on its window. Attached again after its window was
    // destroyed, it replaces the earlier window's tooltip by one of its own.
    virtual void PreSubclassWindow();
    virtual BOOL DestroyWindow();
    // Shows the tooltip. A NULL message gives FALSE and changes nothing.
    virtual BOOL PreTranslateMessage(MSG* pMsg);

// Implementation
protected:
    // Copies the default value of hKey\pszSubKey into pszValue (260 bytes,
    // always terminated; empty when the value cannot be read or does not
    // fit). The result is that of opening the key: 0 on success.
    static LONG GetRegKey(HKEY hKey, const char* pszSubKey, char* pszValue);

    void PositionWindow();
    void SetDefaultCursor();
    void NotifyParent();
    void ReportError(int nError);

    afx_msg HBRUSH CtlColor(CDC* pDC, UINT nCtlColor);
    afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg void OnClicked();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);

    COLORREF m_crLink;         // text of a link not yet visited
    COLORREF m_crVisited;      // text of a visited link
    COLORREF m_crHover;        // text while the mouse is over the control
    COLORREF m_crBackground;   // 0xFFFFFFFF: none, the dialog face shows
    CBrush m_brBackground;     // solid brush of m_crBackground, once one is set
    BOOL m_bHover;             // the mouse is over the control; cleared by a click or the leave tick
    BOOL m_bVisited;           // the target was opened (or SetVisited)
    int m_nUnderline;          // -1 while hovered, 0 never, 1 always; other values act as 0
    BOOL m_bAutoSize;          // the window is fitted to its text
    CString m_strURL;          // the target
    CFont m_fontUnderline;     // underlined variant of the control's font
    CFont m_fontNormal;        // plain variant of the control's font
    HCURSOR m_hLinkCursor;     // shown over the control; NULL: the class cursor
    CToolTipCtrl m_tooltip;    // shows the target as tool 1; created when attached
    UINT m_nHoverTimer;        // hover timer identifier, ticking every 100 ms while hovered
    BOOL m_bURLEnabled;        // a click opens the target
    BOOL m_bNotifyParent;      // a click sends WM_XHYPERLINK_CLICKED to the parent
    BOOL m_bTooltip;           // a tooltip is created when the window is attached
    BOOL m_bAlwaysOpenNew;     // the shell verb is "new" instead of "open"

    DECLARE_MESSAGE_MAP()
};

#pragma pack(pop)
