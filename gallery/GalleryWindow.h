// The gallery's main window: a list of pages on the left and the chosen
// page's controls on the right.
#pragma once

#include <afxwin.h>

#include "BasicControlsPage.h"
#include "ButtonsPage.h"
#include "CDragListBoxEx.h"
#include "LinkPage.h"
#include "PrintPreviewPage.h"
#include "SearchEditPage.h"
#include "SymbolSearchPage.h"

class GalleryWindow : public CWnd {
public:
    GalleryWindow();
    BOOL CreateMain();
    // Shows page nPage of the list on the left, as a click on it would.
    void ShowPage(int nPage);
    // Sets the text of the shown page's symbol edit, which then searches as
    // after typing; pages without one ignore it.
    void TypeIntoPage(const CString& strText);

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnPageChange();
    afx_msg LRESULT OnDragEnd(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    CFont m_font;
    CListBox m_pages;
    CStatic m_about;

    // Drag list page: a list of quote symbols to reorder, and a line that
    // counts the drags the list has reported as ended.
    CStatic m_dragHelp;
    CDragListBoxEx m_dragList;
    CStatic m_dragStatus;
    int m_nDragEnds = 0;

    SearchEditPage m_searchPage;

    // Symbol search pages, shown after the search edit page: the symbol,
    // warrant and industry catalogues of the demo market, then a catalogue
    // built from the gallery's own records.
    static const int kFirstSymbolPage = 3;
    static const int kSymbolPageCount = 4;
    SymbolSearchPage m_symbolPages[kSymbolPageCount];

    // Typing into it opens the preview.
    PrintPreviewPage m_previewPage;
    int m_nPreviewPage = -1; // its line in the list of pages
    BasicControlsPage m_basicPage;
    int m_nBasicPage = -1; // its line in the list of pages
    LinkPage m_linkPage;
    int m_nLinkPage = -1; // its line in the list of pages
    ButtonsPage m_buttonsPage;
    int m_nButtonsPage = -1; // its line in the list of pages
};
