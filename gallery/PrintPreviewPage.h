// Gallery page for the print preview: a price chart of a demo symbol in the
// host's list colours, and a button that opens the preview with the chart
// drawn in colour (its screen colours exchanged for print colours) and for
// black and white.
#pragma once

#include <afxwin.h>

#include <memory>

#include "GalleryPage.h"
#include "MXPrintPreviewWnd.h"

class PrintPreviewPage : public GalleryPage {
public:
    enum { kButtonId = 2 };

    BOOL Create(CWnd* pParent, const CRect& rect, UINT nID, CFont* pFont);
    // Opens the preview as the button does, centred over the main window.
    void OpenPreview();
    // The open preview, or NULL.
    CWnd* PreviewWindow() const { return m_preview != nullptr && m_preview->m_hWnd != NULL ? m_preview.get() : NULL; }

protected:
    afx_msg void OnPaint();
    afx_msg void OnPreview();
    DECLARE_MESSAGE_MAP()

private:
    CButton m_button;
    CRect m_rcChart;                              // where the page shows the chart
    std::unique_ptr<MXPrintPreviewWnd> m_preview; // the open preview, modeless
};
