#include "SCComboBox.h"

#include "FontCopy.h"

SCComboBox::SCComboBox()
    : m_hIMC(NULL)
    , m_hEditWnd(NULL)
{
}

SCComboBox::~SCComboBox() = default;

void SCComboBox::SetFont(CFont* pFont, BOOL bRedraw)
{
    KeepFontCopy(m_font, pFont, m_hWnd, bRedraw);
}

void SCComboBox::DisableIME()
{
    // A combo box with an edit field has that edit as its first child.
    const HWND hEdit = ::GetWindow(m_hWnd, GW_CHILD);
    if (hEdit == NULL)
        return;
    m_hEditWnd = hEdit;
    if (!::IsWindow(m_hEditWnd))
        return;
    m_hIMC = ::ImmGetContext(m_hEditWnd);
    if (m_hIMC != NULL)
        ::ImmAssociateContext(m_hEditWnd, NULL);
    ::ImmReleaseContext(m_hEditWnd, m_hIMC);
    ::SetFocus(m_hEditWnd);
}

void SCComboBox::RestoreIME()
{
    if (m_hIMC == NULL || m_hEditWnd == NULL)
        return;
    ::ImmAssociateContext(m_hEditWnd, m_hIMC);
    m_hIMC = NULL;
    m_hEditWnd = NULL;
}

BEGIN_MESSAGE_MAP(SCComboBox, CComboBox)
END_MESSAGE_MAP()
