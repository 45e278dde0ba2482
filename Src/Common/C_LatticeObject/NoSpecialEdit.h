// An edit that accepts only letters, digits, "(", ")", "-", "_" and double-byte
// characters. A text holding any other single-byte character is refused: the
// user is told in a message box and the last accepted text comes back.
// Keyboard pasting and the context menu are refused outright.
#pragma once

#include <afxwin.h>

#include "SEdit.h"

#pragma pack(push, 1)

class AFX_EXT_CLASS NoSpecialEdit : public SEdit {
public:
// Constructors
    NoSpecialEdit();
    virtual ~NoSpecialEdit();

// Attributes
    // Kept for the host; the edit sends nothing to it. Not owned.
    void SetNofityWnd(CWnd* pWnd);

// Overridables
    // Swallows Shift+Insert and Ctrl+V (telling the user why) and the right
    // button's release, so the edit never offers its context menu. A NULL
    // message gives FALSE and changes nothing.
    virtual BOOL PreTranslateMessage(MSG* pMsg);

// Implementation
    // The reflected change notification: checks the whole text.
    afx_msg void OnChange();

protected:
    // Whether the single-byte character nChar (0..127 from the text walk)
    // may stand in the text. A derived edit widens the set here.
    virtual bool IsAllowInput(int nChar) const;

    CString m_strLastValid; // the last text that passed the check; what a refusal restores
    CWnd* m_pNotifyWnd;     // the host's window, stored only; not owned

    DECLARE_MESSAGE_MAP()
};

#pragma pack(pop)
