// Gallery page for the symbol search edit: a caption, the edit over one
// catalogue of the demo market (or over records the gallery hands it) and a
// line that shows the last chosen symbol as the host would read it.
#pragma once

#include <afxwin.h>

#include <vector>

#include "CSymbolSearchEdit.h"
#include "GalleryPage.h"

class SymbolSearchPage : public GalleryPage {
public:
    enum { kEditId = 2 };

    // pszCaptionUtf8 is the help text above the edit; type chooses the
    // catalogue the edit loads from the backend (TYPE_NONE: none, the page
    // is fed through SetSearchData instead).
    BOOL Create(CWnd* pParent, const CRect& rect, UINT nID, CFont* pFont, const char* pszCaptionUtf8,
                CSymbolSearchEdit::TYPE type);
    void SetSearchData(std::vector<CSymbolInfo>& records);

protected:
    afx_msg LRESULT OnSymbolSelected(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    CSymbolSearchEdit m_edit;
};
