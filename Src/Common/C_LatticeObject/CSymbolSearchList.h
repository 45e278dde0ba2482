// The popup list of a CSymbolSearchEdit: a top-level list box under the edit
// showing the matching catalogue lines; a click in it chooses the line.
#pragma once

#include <afxwin.h>

#include "CXTListBox.h"

class CSymbolSearchEdit;

#pragma pack(push, 1)

class AFX_EXT_CLASS CSymbolSearchList : public CXTListBox {
public:
    CSymbolSearchList();
    virtual ~CSymbolSearchList();

    DECLARE_MESSAGE_MAP()

public:
    virtual BOOL PreTranslateMessage(MSG* pMsg);

    // Hands a list box message straight to the list box's own procedure,
    // past the send and our message maps, which handle none of the LB_
    // messages; for filling and emptying a long list.
    LRESULT CallListBoxProc(UINT message, WPARAM wParam, LPARAM lParam);

    // Taken from the edit when the list window is created; without it a
    // click only returns the focus to the edit. Not owned.
    CWnd* m_pNotifyWnd;
    CSymbolSearchEdit* m_pEdit; // the edit that owns this list; not owned
};

#pragma pack(pop)
