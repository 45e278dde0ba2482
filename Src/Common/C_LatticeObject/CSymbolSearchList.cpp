#include "CSymbolSearchList.h"

#include "CSymbolSearchEdit.h"
#include "RegisteredMessages.h"

BEGIN_MESSAGE_MAP(CSymbolSearchList, CXTListBox)
END_MESSAGE_MAP()

CSymbolSearchList::CSymbolSearchList()
    : m_pNotifyWnd(NULL)
    , m_pEdit(NULL)
{
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
