#include <afxwin.h>

IMPLEMENT_DYNAMIC(CWinThread, CCmdTarget)

CWinThread::CWinThread() : m_pMainWnd(NULL), m_msgCur() {}

CWinThread::~CWinThread() = default;

BOOL CWinThread::InitInstance() { return FALSE; }

int CWinThread::ExitInstance() { return static_cast<int>(m_msgCur.wParam); }

int CWinThread::Run()
{
    LONG lIdleCount = 0;
    for (;;) {
        // Idle work while the queue is empty, until OnIdle wants no more.
        while (!::PeekMessageA(&m_msgCur, NULL, 0, 0, PM_NOREMOVE)) {
            if (lIdleCount < 0 || !OnIdle(lIdleCount++)) {
                lIdleCount = -1;
                ::WaitMessage();
            }
        }
        if (!PumpMessage())
            return ExitInstance();
        lIdleCount = 0;
    }
}

BOOL CWinThread::PumpMessage()
{
    if (!::GetMessageA(&m_msgCur, NULL, 0, 0))
        return FALSE;
    if (!PreTranslateMessage(&m_msgCur)) {
        ::TranslateMessage(&m_msgCur);
        ::DispatchMessageA(&m_msgCur);
    }
    return TRUE;
}

BOOL CWinThread::PreTranslateMessage(MSG* pMsg)
{
    // From the window the message is for (the focus window, for keys) up
    // through its parents to the main window.
    return CWnd::WalkPreTranslateTree(m_pMainWnd == NULL ? NULL : m_pMainWnd->m_hWnd, pMsg);
}

BOOL CWinThread::OnIdle(LONG lCount)
{
    if (lCount == 0) {
        CWnd::DeleteTempMap();
        CGdiObject::DeleteTempMap();
        CDC::DeleteTempMap();
    }
    return FALSE;
}
