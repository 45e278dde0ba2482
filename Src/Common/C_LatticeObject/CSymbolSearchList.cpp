#include "CSymbolSearchList.h"

#include <cstddef>

#include "CSymbolSearchEdit.h"
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
    if (pMsg->message == WM_LBUTTONUP && m_pEdit != NULL) {
        if (m_pNotifyWnd != NULL) {
            CSymbolSearchEdit::g_bSettingText = true;
            m_pEdit->SendMessage(g_uMsgEnter, 0, 0);
            CSymbolSearchEdit::g_bSettingText = false;
        }
        m_pEdit->SetFocus();
    }
    return CXTListBox::PreTranslateMessage(pMsg);
}

int CSymbolSearchList::AppendLine(LPCTSTR lpszLine, DWORD_PTR dwData)
{
    const int nLine = static_cast<int>(DefWindowProc(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(lpszLine)));
    if (nLine >= 0)
        DefWindowProc(LB_SETITEMDATA, static_cast<WPARAM>(nLine), static_cast<LPARAM>(dwData));
    return nLine;
}

void CSymbolSearchList::RemoveAllLines()
{
    const int nCount = GetCount();
    for (int nLine = 0; nLine < nCount; ++nLine)
        DefWindowProc(LB_SETITEMDATA, static_cast<WPARAM>(nLine), 0);
    ResetContent();
}
