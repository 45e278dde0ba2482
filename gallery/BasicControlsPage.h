// Gallery page for the basic controls: an edit that refuses special
// characters, a rich edit with Traditional Chinese text, a tab strip in the
// host's light or dark scheme, and a chart panel painted off-screen.
#pragma once

#include <afxwin.h>

#include "CXTPTabControl.h"
#include "GalleryPage.h"
#include "MyRichEdit.h"
#include "NoSpecialEdit.h"
#include "SMXTabColorSet.h"

// A small bar chart that paints in one block through CMemDrawDC, so a
// resize or repaint never shows it half drawn.
class BufferedChartPanel : public CWnd {
protected:
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    DECLARE_MESSAGE_MAP()
};

class BasicControlsPage : public GalleryPage {
public:
    enum { kFilterId = 2, kRichId = 3, kSchemeId = 4, kTabsId = 5, kChartId = 6 };

    BOOL Create(CWnd* pParent, const CRect& rect, UINT nID, CFont* pFont);

protected:
    afx_msg void OnSchemeSwitch();
    DECLARE_MESSAGE_MAP()

private:
    NoSpecialEdit m_filter;
    MyRichEdit m_rich;
    CButton m_darkScheme;
    CXTPTabControl m_tabs;
    SMXTabColorSet m_tabColours;
    BufferedChartPanel m_chart;
};
