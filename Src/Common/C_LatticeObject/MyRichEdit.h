// A rich edit control that loads the system's rich edit library itself, so a
// host can create one without having set up rich edit support. Each control
// holds its own reference to the library and releases it, after its window,
// when it is destroyed.
#pragma once

#include <afxcmn.h>

#pragma pack(push, 1)

class AFX_EXT_CLASS MyRichEdit : public CRichEditCtrl {
public:
    // The control identifier CreateById gives the window.
    enum { kDefaultId = 8126 };

// Constructors
    MyRichEdit();
    // Destroys the window while the library is still loaded, then releases it.
    virtual ~MyRichEdit();

    // Loads "RICHED20.DLL" and creates a "RichEdit20A" window. FALSE when the
    // library cannot be loaded or the window cannot be created; a loaded
    // library stays held until the object is destroyed.
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);
    // Create with the identifier 8126.
    BOOL CreateById(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd);

protected:
    HMODULE m_hRichEditLib; // this control's reference to the rich edit library; NULL until Create loads it

    DECLARE_MESSAGE_MAP()
};

#pragma pack(pop)
