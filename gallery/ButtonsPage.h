// Gallery page for the buttons: hover buttons (the library's "i" pair and a
// larger pair of the gallery's own) and a radio group in the host's list
// text colour, with switches for that colour and for the screen scale.
#pragma once

#include <afxwin.h>

#include "CCJRadioButton.h"
#include "CHoverButton.h"
#include "GalleryPage.h"

class ButtonsPage : public GalleryPage {
public:
    enum { kPlayId = 4 };

    // "/scale <percent>" on the command line starts the page at that scale.
    BOOL Create(CWnd* pParent, const CRect& rect, UINT nID, CFont* pFont);

protected:
    afx_msg void OnHoverClicked();
    afx_msg void OnNextColour();
    afx_msg void OnToggleScale();
    // The radio group sits on the host's list background.
    afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    // The key copies the radio buttons post to their parent.
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    DECLARE_MESSAGE_MAP()

private:
    // Loads the hover buttons' bitmaps afresh and sizes them to the scale.
    void LoadHoverButtons();
    void ShowStatus();

    CHoverButton m_info;         // the library's pair
    CHoverButton m_infoDisabled; // the same pair, disabled
    CHoverButton m_play;         // the gallery's larger pair
    CCJRadioButton m_radios[3];
    CButton m_colourSwitch;
    CButton m_scaleSwitch;
    CBrush m_listBackground;
    int m_nClicks = 0;
    int m_nKeyCopies = 0;
    int m_nColour = 0; // index into the page's text colours
};
