// CCJRadioButton: the host's text colour, the kept font and the key copies
// on top of the toolkit's button.
#include "CCJRadioButton.h"

#include <cstddef>

#include "CSyncInfo.h"
#include "FontCopy.h"

BEGIN_MESSAGE_MAP(CCJRadioButton, CXTPButton)
    ON_WM_CTLCOLOR()
    ON_WM_KEYDOWN()
END_MESSAGE_MAP()

CCJRadioButton::CCJRadioButton()
{
    // The host compiles against this layout: the font copy right after the
    // toolkit button.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Winvalid-offsetof" // offsets within one compiler's layout, as the host sees it
#if defined(_WIN64)
    static_assert(offsetof(CCJRadioButton, m_font) == 56, "CCJRadioButton layout (x86-64)");
    static_assert(sizeof(CCJRadioButton) == 72, "CCJRadioButton layout (x86-64)");
#else
    static_assert(offsetof(CCJRadioButton, m_font) == 36, "CCJRadioButton layout (i686)");
    static_assert(sizeof(CCJRadioButton) == 44, "CCJRadioButton layout (i686)");
#endif
#pragma GCC diagnostic pop
}

CCJRadioButton::~CCJRadioButton() { m_font.DeleteObject(); }

COLORREF CCJRadioButton::GetButtonTextColor()
{
    return CSyncInfo::GetSettingCFG().SYS_crGetOtherColor(CString("COLOR_LISTCTL_NORMALTEXT"));
}

void CCJRadioButton::SetFont(CFont* pFont, BOOL bRedraw) { KeepFontCopy(m_font, pFont, m_hWnd, bRedraw); }

HBRUSH CCJRadioButton::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor)
{
    CXTPButton::OnCtlColor(pDC, pWnd, nCtlColor);
    return static_cast<HBRUSH>(::GetStockObject(nCtlColor == CTLCOLOR_BTN ? BLACK_BRUSH : WHITE_BRUSH));
}

void CCJRadioButton::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    // Posted, not sent: the copy reaches the parent after the button has
    // handled the key, and the parent cannot re-enter this handler.
    const HWND hParent = ::GetParent(m_hWnd);
    if (hParent != NULL)
        ::PostMessageA(hParent, WM_KEYDOWN, LOWORD(nChar), MAKELPARAM(LOWORD(nRepCnt), LOWORD(nFlags)));
    CXTPButton::OnKeyDown(nChar, nRepCnt, nFlags);
}
