#include "SCComboBox.h"

#include <cstddef>

#include "FontCopy.h"

SCComboBox::SCComboBox()
    : m_hIMC(NULL)
    , m_hEditWnd(NULL)
{
    // The host compiles against this layout: every field right after the
    // previous one, in this order, on both architectures.
#if defined(_WIN64)
    static_assert(offsetof(SCComboBox, m_font) == 24, "SCComboBox::m_font offset (x86-64)");
    static_assert(offsetof(SCComboBox, m_hIMC) == 40, "SCComboBox::m_hIMC offset (x86-64)");
    static_assert(offsetof(SCComboBox, m_hEditWnd) == 48, "SCComboBox::m_hEditWnd offset (x86-64)");
    static_assert(sizeof(SCComboBox) == 56, "sizeof(SCComboBox) (x86-64)");
#else
    static_assert(offsetof(SCComboBox, m_font) == 12, "SCComboBox::m_font offset (i686)");
    static_assert(offsetof(SCComboBox, m_hIMC) == 20, "SCComboBox::m_hIMC offset (i686)");
    static_assert(offsetof(SCComboBox, m_hEditWnd) == 24, "SCComboBox::m_hEditWnd offset (i686)");
    static_assert(sizeof(SCComboBox) == 28, "sizeof(SCComboBox) (i686)");
#endif
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
