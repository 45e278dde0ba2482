// The gallery's main window: a list of pages on the left and the chosen
// page's controls on the right.
#pragma once

#include <afxwin.h>

#include "BasicControlsPage.h"
#include "ButtonsPage.h"
#include "DragListPage.h"
#include "LinkPage.h"
#include "PrintPreviewPage.h"
#include "SearchEditPage.h"
#include "SymbolSearchPage.h"

class GalleryWindow : public CWnd {
public:
    // The lines of the list of pages.
    enum Page {
        kAboutPage, kDragPage, kSearchPage, kSymbolPage, kWarrantPage, kIndustryPage, kRecordsPage,
        kPreviewPage, kBasicPage, kLinkPage, kButtonsPage, kPageCount
    };

    GalleryWindow();
    BOOL CreateMain();
    // Shows page nPage of the list on the left, as a click on it would.
    void ShowPage(int nPage);
    // The window that shows page nPage, NULL for a line out of range.
    CWnd* PageWindow(int nPage);

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnPageChange();
    DECLARE_MESSAGE_MAP()

private:
    CFont m_font;
    CListBox m_pages;
    CStatic m_about;

    DragListPage m_dragPage;
    SearchEditPage m_searchPage;

    // Symbol search pages, shown after the search edit page: the symbol,
    // warrant and industry catalogues of the demo market, then a catalogue
    // built from the gallery's own records.
    static const int kSymbolPageCount = kPreviewPage - kSymbolPage;
    SymbolSearchPage m_symbolPages[kSymbolPageCount];

    PrintPreviewPage m_previewPage;
    BasicControlsPage m_basicPage;
    LinkPage m_linkPage;
    ButtonsPage m_buttonsPage;
};
