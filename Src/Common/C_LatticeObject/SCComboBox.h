// A combo box that draws with its own copy of the font it is given, and can
// switch the input method off for its edit field while codes are typed.
#pragma once

#include <afxwin.h>
#include <imm.h>

#pragma pack(push, 1)

class AFX_EXT_CLASS SCComboBox : public CComboBox {
public:
    SCComboBox();
    virtual ~SCComboBox();

    // Keeps a copy of pFont and draws with it; hides CWnd::SetFont. A NULL
    // or unreadable font changes nothing.
    void SetFont(CFont* pFont, BOOL bRedraw = TRUE);

    // Takes the input context away from the edit field and focuses it. Does
    // nothing without an edit field. Called again before RestoreIME, it finds
    // the field without a context and holds none: RestoreIME then gives
    // nothing back, so pair the two.
    void DisableIME();
    // Gives back the context that DisableIME took.
    void RestoreIME();

protected:
    CFont m_font;      // the kept copy; empty until the first SetFont
    HIMC m_hIMC;       // context taken from the edit field, or NULL
    HWND m_hEditWnd;   // the edit field it was taken from, or NULL

    DECLARE_MESSAGE_MAP()
};

#pragma pack(pop)
