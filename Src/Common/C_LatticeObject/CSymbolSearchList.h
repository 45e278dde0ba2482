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

    // Adds a line at the end with its item data; the line's index or LB_ERR.
    // Goes straight to the list box's own procedure: a search can list the
    // whole catalogue, two messages a line, and this list's message map
    // handles none of them.
    int AppendLine(LPCTSTR lpszLine, DWORD_PTR dwData);
    // Removes every line. The list box tells its owner, the edit, of each
    // removed line whose data is not 0, one message a line that nothing
    // handles; clearing the data first the same direct way costs less.
    void RemoveAllLines();

    // Taken from the edit when the list window is created; without it a
    // click only returns the focus to the edit. Not owned.
    CWnd* m_pNotifyWnd;
    CSymbolSearchEdit* m_pEdit; // the edit that owns this list; not owned
};

#pragma pack(pop)
