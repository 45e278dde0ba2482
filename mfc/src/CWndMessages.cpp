// CWnd's side of message handling: the window procedure shared by every
// attached window, message-map dispatch, reflection of notifications back
// to the controls that sent them, default processing and pre-translation.
#include <afxwin.h>

#include <windowsx.h>

namespace {

// The message being handled on this thread, for Default(). Saved and
// restored around each call, since handlers send messages of their own.
thread_local MSG t_currentMsg = {};

bool IsCtlColor(UINT message) { return message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC; }

template <class Handler>
Handler HandlerAs(const AFX_MSGMAP_ENTRY* pEntry)
{
    return reinterpret_cast<Handler>(static_cast<AFX_PMSGW>(pEntry->pfn));
}

} // namespace

BEGIN_MESSAGE_MAP(CWnd, CCmdTarget)
END_MESSAGE_MAP()

LRESULT CALLBACK AfxWndProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
    if (pWnd == NULL)
        return ::DefWindowProcA(hWnd, nMsg, wParam, lParam);

    const MSG saved = t_currentMsg;
    t_currentMsg.hwnd = hWnd;
    t_currentMsg.message = nMsg;
    t_currentMsg.wParam = wParam;
    t_currentMsg.lParam = lParam;
    LRESULT lResult = 0;
    try {
        lResult = pWnd->WindowProc(nMsg, wParam, lParam);
    } catch (...) {
        // A C++ exception must not unwind through the system's frames; the
        // message fails quietly instead.
        lResult = 0;
    }
    if (nMsg == WM_NCDESTROY) {
        // The window is gone: give it back its own procedure, forget it and
        // let the object clean up after itself.
        pWnd->Detach();
        pWnd->PostNcDestroy();
    }
    t_currentMsg = saved;
    return lResult;
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT lResult = 0;
    if (!OnWndMsg(message, wParam, lParam, &lResult))
        lResult = DefWindowProc(message, wParam, lParam);
    return lResult;
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (m_pfnSuper != NULL)
        return ::CallWindowProcA(m_pfnSuper, m_hWnd, message, wParam, lParam);
    return ::DefWindowProcA(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::Default()
{
    return DefWindowProc(t_currentMsg.message, t_currentMsg.wParam, t_currentMsg.lParam);
}

const MSG* PASCAL CWnd::GetCurrentMessage()
{
    const DWORD dwPos = ::GetMessagePos();
    t_currentMsg.pt.x = GET_X_LPARAM(dwPos);
    t_currentMsg.pt.y = GET_Y_LPARAM(dwPos);
    t_currentMsg.time = static_cast<DWORD>(::GetMessageTime());
    return &t_currentMsg;
}

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (message == WM_COMMAND) {
        if (!OnCommand(wParam, lParam))
            return FALSE;
        *pResult = 1;
        return TRUE;
    }
    // Owner-draw and control-colour messages go first to the control they
    // concern; what it leaves comes to this window's map.
    HWND hWndChild = NotifyingChild(message, wParam, lParam);
    if (hWndChild != NULL && ReflectToChild(hWndChild, message, wParam, lParam, pResult))
        return TRUE;

    const AFX_MSGMAP_ENTRY* pEntry = FindMessageEntry(IsCtlColor(message) ? WM_CTLCOLOR : message, 0, 0);
    if (pEntry == NULL)
        return FALSE;
    *pResult = DispatchEntry(pEntry, message, wParam, lParam);
    return TRUE;
}

HWND CWnd::NotifyingChild(UINT message, WPARAM, LPARAM lParam) const
{
    switch (message) {
    case WM_DRAWITEM: {
        const DRAWITEMSTRUCT* p = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        return p->CtlType == ODT_MENU ? NULL : p->hwndItem;
    }
    case WM_MEASUREITEM: {
        const MEASUREITEMSTRUCT* p = reinterpret_cast<const MEASUREITEMSTRUCT*>(lParam);
        return p->CtlType == ODT_MENU ? NULL : ::GetDlgItem(m_hWnd, static_cast<int>(p->CtlID));
    }
    case WM_COMPAREITEM:
        return reinterpret_cast<const COMPAREITEMSTRUCT*>(lParam)->hwndItem;
    case WM_DELETEITEM:
        return reinterpret_cast<const DELETEITEMSTRUCT*>(lParam)->hwndItem;
    default:
        return IsCtlColor(message) ? reinterpret_cast<HWND>(lParam) : NULL;
    }
}

LRESULT CWnd::DispatchEntry(const AFX_MSGMAP_ENTRY* pEntry, UINT message, WPARAM wParam, LPARAM lParam)
{
    const UINT nLow = LOWORD(lParam), nHigh = HIWORD(lParam);
    const CPoint point(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
    // A registered message's entry holds its variable where others hold the
    // signature; its handler is always LRESULT (WPARAM, LPARAM).
    if (pEntry->nMessage == AFX_REGISTERED_MESSAGE_ENTRY)
        return (this->*HandlerAs<LRESULT (CWnd::*)(WPARAM, LPARAM)>(pEntry))(wParam, lParam);
    switch (pEntry->nSig) {
    case AfxSig_vv:
    case AfxSigCmd_v:
        (this->*HandlerAs<void (CWnd::*)()>(pEntry))();
        return 0;
    case AfxSig_vwww:
        (this->*HandlerAs<void (CWnd::*)(UINT, UINT, UINT)>(pEntry))(static_cast<UINT>(wParam), nLow, nHigh);
        return 0;
    case AfxSig_vW:
        (this->*HandlerAs<void (CWnd::*)(CWnd*)>(pEntry))(FromHandle(reinterpret_cast<HWND>(wParam)));
        return 0;
    case AfxSig_vW2:
        (this->*HandlerAs<void (CWnd::*)(CWnd*)>(pEntry))(FromHandle(reinterpret_cast<HWND>(lParam)));
        return 0;
    case AfxSig_wv:
        return (this->*HandlerAs<UINT (CWnd::*)()>(pEntry))();
    case AfxSig_is:
        return (this->*HandlerAs<int (CWnd::*)(LPCREATESTRUCT)>(pEntry))(reinterpret_cast<LPCREATESTRUCT>(lParam));
    case AfxSig_bwsp:
        // The wheel reports screen coordinates.
        return (this->*HandlerAs<BOOL (CWnd::*)(UINT, short, CPoint)>(pEntry))(
            LOWORD(wParam), static_cast<short>(HIWORD(wParam)), point);
    case AfxSig_vwp:
        (this->*HandlerAs<void (CWnd::*)(UINT, CPoint)>(pEntry))(static_cast<UINT>(wParam), point);
        return 0;
    case AfxSig_vt:
        (this->*HandlerAs<void (CWnd::*)(UINT_PTR)>(pEntry))(static_cast<UINT_PTR>(wParam));
        return 0;
    case AfxSig_vwwX:
        (this->*HandlerAs<void (CWnd::*)(UINT, UINT, CScrollBar*)>(pEntry))(
            LOWORD(wParam), static_cast<short>(HIWORD(wParam)),
            static_cast<CScrollBar*>(FromHandle(reinterpret_cast<HWND>(lParam))));
        return 0;
    case AfxSig_lwl:
        return (this->*HandlerAs<LRESULT (CWnd::*)(WPARAM, LPARAM)>(pEntry))(wParam, lParam);
    case AfxSig_hDWw:
        return reinterpret_cast<LRESULT>((this->*HandlerAs<HBRUSH (CWnd::*)(CDC*, CWnd*, UINT)>(pEntry))(
            CDC::FromHandle(reinterpret_cast<HDC>(wParam)), FromHandle(reinterpret_cast<HWND>(lParam)),
            message - WM_CTLCOLORMSGBOX));
    case AfxSig_hDw:
        return reinterpret_cast<LRESULT>((this->*HandlerAs<HBRUSH (CWnd::*)(CDC*, UINT)>(pEntry))(
            CDC::FromHandle(reinterpret_cast<HDC>(wParam)), message - WM_CTLCOLORMSGBOX));
    case AfxSig_bD:
        return (this->*HandlerAs<BOOL (CWnd::*)(CDC*)>(pEntry))(CDC::FromHandle(reinterpret_cast<HDC>(wParam)));
    case AfxSig_bWww:
        return (this->*HandlerAs<BOOL (CWnd::*)(CWnd*, UINT, UINT)>(pEntry))(
            FromHandle(reinterpret_cast<HWND>(wParam)), nLow, nHigh);
    case AfxSig_vwii:
        (this->*HandlerAs<void (CWnd::*)(UINT, int, int)>(pEntry))(
            static_cast<UINT>(wParam), static_cast<short>(nLow), static_cast<short>(nHigh));
        return 0;
    default:
        return 0;
    }
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM lParam)
{
    UINT nID = LOWORD(wParam);
    HWND hWndCtrl = reinterpret_cast<HWND>(lParam);
    int nCode = HIWORD(wParam);
    if (hWndCtrl == NULL) {
        nCode = CN_COMMAND; // a menu item or an accelerator
    } else {
        // A control's notification goes back to the control first; what it
        // takes, this window never sees.
        if (ReflectToChild(hWndCtrl, WM_COMMAND, wParam, lParam, NULL))
            return TRUE;
        if (nID == 0)
            return FALSE;
    }
    return OnCmdMsg(nID, nCode, NULL, NULL);
}

BOOL PASCAL CWnd::ReflectToChild(HWND hWndChild, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    CWnd* pChild = FromHandlePermanent(hWndChild);
    return pChild != NULL && pChild->OnChildNotify(message, wParam, lParam, pResult);
}

BOOL CWnd::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    return ReflectChildNotify(message, wParam, lParam, pResult);
}

BOOL CWnd::ReflectChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (message == WM_COMMAND) {
        const AFX_MSGMAP_ENTRY* pEntry = FindMessageEntry(WM_COMMAND + WM_REFLECT_BASE, HIWORD(wParam), 0);
        if (pEntry == NULL)
            return FALSE;
        DispatchEntry(pEntry, message, wParam, lParam);
        return TRUE;
    }
    if (IsCtlColor(message)) {
        const AFX_MSGMAP_ENTRY* pEntry = FindMessageEntry(WM_CTLCOLOR + WM_REFLECT_BASE, 0, 0);
        if (pEntry == NULL)
            return FALSE;
        // A reflected handler that returns no brush leaves the colours to
        // the parent.
        LRESULT hbr = DispatchEntry(pEntry, message, wParam, lParam);
        if (hbr == 0)
            return FALSE;
        if (pResult != NULL)
            *pResult = hbr;
        return TRUE;
    }
    return FALSE;
}

BOOL CWnd::PreTranslateMessage(MSG*) { return FALSE; }

BOOL PASCAL CWnd::WalkPreTranslateTree(HWND hWndStop, MSG* pMsg)
{
    for (HWND hWnd = pMsg->hwnd; hWnd != NULL; hWnd = ::GetParent(hWnd)) {
        CWnd* pWnd = FromHandlePermanent(hWnd);
        if (pWnd != NULL && pWnd->PreTranslateMessage(pMsg))
            return TRUE;
        if (hWnd == hWndStop)
            break;
    }
    return FALSE;
}

// Default handlers: a derived class's handler calls these for the
// window's own processing of the message being handled.
int CWnd::OnCreate(LPCREATESTRUCT) { return static_cast<int>(Default()); }
void CWnd::OnDestroy() { Default(); }
void CWnd::OnPaint() { Default(); }
BOOL CWnd::OnEraseBkgnd(CDC*) { return static_cast<BOOL>(Default()); }
void CWnd::OnSize(UINT, int, int) { Default(); }
void CWnd::OnKeyDown(UINT, UINT, UINT) { Default(); }
void CWnd::OnKeyUp(UINT, UINT, UINT) { Default(); }
void CWnd::OnChar(UINT, UINT, UINT) { Default(); }
void CWnd::OnSetFocus(CWnd*) { Default(); }
void CWnd::OnKillFocus(CWnd*) { Default(); }
void CWnd::OnCaptureChanged(CWnd*) { Default(); }
UINT CWnd::OnGetDlgCode() { return static_cast<UINT>(Default()); }
BOOL CWnd::OnMouseWheel(UINT, short, CPoint) { return static_cast<BOOL>(Default()); }
void CWnd::OnMouseMove(UINT, CPoint) { Default(); }
void CWnd::OnLButtonDown(UINT, CPoint) { Default(); }
void CWnd::OnLButtonUp(UINT, CPoint) { Default(); }
void CWnd::OnLButtonDblClk(UINT, CPoint) { Default(); }
void CWnd::OnTimer(UINT_PTR) { Default(); }
void CWnd::OnVScroll(UINT, UINT, CScrollBar*) { Default(); }
void CWnd::OnHScroll(UINT, UINT, CScrollBar*) { Default(); }
BOOL CWnd::OnSetCursor(CWnd*, UINT, UINT) { return static_cast<BOOL>(Default()); }
HBRUSH CWnd::OnCtlColor(CDC*, CWnd*, UINT) { return reinterpret_cast<HBRUSH>(Default()); }
