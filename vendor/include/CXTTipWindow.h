// The toolkit's tip window: a small topmost popup that shows a title and a
// text at a point of the screen, optionally after a delay and for a limited
// time, without taking the focus or activating.
#pragma once

#include <afxwin.h>

#include "VendorToolkitApi.h"

// Look of a shown tip (ShowTipWindow's dwTipStyle), combinable.
enum : DWORD {
    TWS_XT_THICKBORDER = 0x0001, // two-pixel frame instead of one
    TWS_XT_DROPSHADOW = 0x0002,  // a shadow along the right and bottom edges
};

class VENDOR_TOOLKIT_API CXTTipWindow : public CWnd {
public:
    CXTTipWindow();
    virtual ~CXTTipWindow();

    // Makes the tip window, hidden, owned by pParentWnd's top-level window.
    BOOL Create(CWnd* pParentWnd);

// Layout
    // Space between the frame and the text.
    void SetMargins(CSize size);
    // Extra space between the title and the text.
    void SetLineSpace(int nLineSpace);

// Showing
    // The window text becomes lpszText; the title is drawn above it when
    // not empty. The size is fitted at the next ShowTipWindow.
    void SetTipText(LPCTSTR lpszTitle, LPCTSTR lpszText, BOOL bRedraw = TRUE);
    // Shows the tip with its top left corner at point (its top centre with
    // bCenterHorz), after nDelay milliseconds, and hides it nElapse
    // milliseconds after showing it (0: until hidden).
    void ShowTipWindow(const CPoint& point, DWORD dwTipStyle = TWS_XT_DROPSHADOW, UINT nDelay = 0,
                       UINT nElapse = 5000, BOOL bCenterHorz = FALSE);
    void HideTipWindow();

protected:
    afx_msg void OnPaint();
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg LRESULT OnSetFont(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnGetFont(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    CSize MeasureTip();
    void ShowNow();

    CString m_strTitle;
    HFONT m_hFont; // the font given with WM_SETFONT; not owned
    CSize m_sizeMargin;
    int m_nLineSpace;
    DWORD m_dwTipStyle;
    CPoint m_ptTip;
    BOOL m_bCenterHorz;
    UINT m_nElapse;
};
