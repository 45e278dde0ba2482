#include "CSymbolSearchList.h"

#include <cstddef>

#include "CSymbolSearchEdit.h"
#include "PopupListEdit.h"
#include "RegisteredMessages.h"

BEGIN_MESSAGE_MAP(CSymbolSearchList, CXTListBox)
END_MESSAGE_MAP()

CSymbolSearchList::CSymbolSearchList()
    : m_pNotifyWnd(NULL)
    , m_pEdit(NULL)
{
    // The host compiles against this layout: every field right after the
    // previous one, in this order, on both architectures.
#if defined(_WIN64)
    static_assert(offsetof(CSymbolSearchList, m_pNotifyWnd) == 24, "CSymbolSearchList::m_pNotifyWnd offset (x86-64)");
    static_assert(offsetof(CSymbolSearchList, m_pEdit) == 32, "CSymbolSearchList::m_pEdit offset (x86-64)");
    static_assert(sizeof(CSymbolSearchList) == 40, "sizeof(CSymbolSearchList) (x86-64)");
#else
    static_assert(offsetof(CSymbolSearchList, m_pNotifyWnd) == 12, "CSymbolSearchList::m_pNotifyWnd offset (i686)");
    static_assert(offsetof(CSymbolSearchList, m_pEdit) == 16, "CSymbolSearchList::m_pEdit offset (i686)");
    static_assert(sizeof(CSymbolSearchList) == 20, "sizeof(CSymbolSearchList) (i686)");
#endif
}

CSymbolSearchList::~CSymbolSearchList() = default;

BOOL CSymbolSearchList::PreTranslateMessage(MSG* pMsg)
{
    // The button press has already selected the line under the pointer; the
    // release chooses it. The edit's text change that the choice makes must
    // not search again.
    if (pMsg->message == WM_LBUTTONUP && m_pEdit != NULL)
        PopupListEdit::ClickInList(m_pEdit->m_hWnd, m_pNotifyWnd != NULL, CSymbolSearchEdit::g_bSettingText,
                                   g_uMsgEnter);
    return CXTListBox::PreTranslateMessage(pMsg);
}

LRESULT CSymbolSearchList::CallListBoxProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    return DefWindowProc(message, wParam, lParam);
}
