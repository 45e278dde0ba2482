#include "CSearchList.h"

#include <cstddef>

#include "CSearchEdit.h"
#include "PopupListEdit.h"
#include "RegisteredMessages.h"

BEGIN_MESSAGE_MAP(CSearchList, CListBox)
    ON_WM_VSCROLL()
END_MESSAGE_MAP()

CSearchList::CSearchList()
    : m_pNotifyWnd(NULL)
    , m_pSearchEdit(NULL)
{
    // The host compiles against this layout: every field right after the
    // previous one, in this order, on both architectures.
#if defined(_WIN64)
    static_assert(offsetof(CSearchList, m_pNotifyWnd) == 24, "CSearchList::m_pNotifyWnd offset (x86-64)");
    static_assert(offsetof(CSearchList, m_pSearchEdit) == 32, "CSearchList::m_pSearchEdit offset (x86-64)");
    static_assert(sizeof(CSearchList) == 40, "sizeof(CSearchList) (x86-64)");
#else
    static_assert(offsetof(CSearchList, m_pNotifyWnd) == 12, "CSearchList::m_pNotifyWnd offset (i686)");
    static_assert(offsetof(CSearchList, m_pSearchEdit) == 16, "CSearchList::m_pSearchEdit offset (i686)");
    static_assert(sizeof(CSearchList) == 20, "sizeof(CSearchList) (i686)");
#endif
}

CSearchList::~CSearchList() = default;

BOOL CSearchList::PreTranslateMessage(MSG* pMsg)
{
    if (m_pSearchEdit != NULL && ::IsWindow(m_pSearchEdit->m_hWnd)) {
        const HWND hEdit = m_pSearchEdit->m_hWnd;
        switch (pMsg->message) {
        case WM_KEYDOWN:
            switch (pMsg->wParam) {
            case VK_PRIOR:
            case VK_NEXT:
            case VK_END:
            case VK_HOME:
            case VK_UP:
            case VK_DOWN:
                // The list moves first; the edit then copies the new item.
                ::PostMessageA(hEdit, WM_KEYDOWN, pMsg->wParam, pMsg->lParam);
                break;
            default:
                // Typing goes on in the edit.
                ::SetFocus(hEdit);
                ::PostMessageA(hEdit, WM_KEYDOWN, pMsg->wParam, pMsg->lParam);
                break;
            }
            break;
        case WM_LBUTTONUP:
            PopupListEdit::ClickInList(hEdit, m_pNotifyWnd != NULL, CSearchEdit::s_bSuppressChange,
                                       EDITMSG_INPUT_ENTER);
            break;
        case WM_MOUSEWHEEL:
            ::PostMessageA(hEdit, WM_MOUSEWHEEL, pMsg->wParam, pMsg->lParam);
            break;
        default:
            break;
        }
    }
    return CListBox::PreTranslateMessage(pMsg);
}

LRESULT CSearchList::CallListBoxProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    return DefWindowProc(message, wParam, lParam);
}

void CSearchList::OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar)
{
    if (nSBCode == SB_THUMBPOSITION && static_cast<int>(nPos) < GetCount()) {
        SetScrollPos(SB_VERT, static_cast<int>(nPos), TRUE);
        Invalidate(FALSE);
    }
    CListBox::OnVScroll(nSBCode, nPos, pScrollBar);
}
