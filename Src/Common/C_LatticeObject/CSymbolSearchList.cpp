#include "CSymbolSearchList.h"

#include "CSymbolSearchEdit.h"
#include "PopupListEdit.h"
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
    if (pMsg->message == WM_LBUTTONUP && m_pEdit != NULL)
        PopupListEdit::ClickInList(m_pEdit->m_hWnd, m_pNotifyWnd != NULL, CSymbolSearchEdit::g_bSettingText,
                                   g_uMsgEnter);
    return CXTListBox::PreTranslateMessage(pMsg);
}

LRESULT CSymbolSearchList::CallListBoxProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    return DefWindowProc(message, wParam, lParam);
}
