// The popup list of a CSearchEdit: a top-level list box under the edit that
// shows the matching strings and hands keys, clicks and the wheel back to
// its edit.
#pragma once

#include <afxwin.h>

class CSearchEdit;

#pragma pack(push, 1)

class CSearchList : public CListBox {
public:
    CSearchList();
    virtual ~CSearchList();

    virtual BOOL PreTranslateMessage(MSG* pMsg);

    // Hands a list box message straight to the list box's own procedure,
    // past the send and our message map, which handle none of the LB_
    // messages. For bulk work: filling a long list costs half as much.
    LRESULT CallListBoxProc(UINT message, WPARAM wParam, LPARAM lParam);

    // Taken from the edit once, when the list window is created; a list
    // without a notify window completes nothing on a click. Not owned.
    CWnd* m_pNotifyWnd;
    CSearchEdit* m_pSearchEdit; // the edit that owns this list

protected:
    afx_msg void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    DECLARE_MESSAGE_MAP()
};

#pragma pack(pop)
