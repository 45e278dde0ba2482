#include "WindowCreationHook.h"

namespace {
// The object waiting for its window; cleared when the hook has attached it.
thread_local CWnd* t_pWndInit = NULL;
}

LRESULT CALLBACK AfxCbtFilterHook(int nCode, WPARAM wParam, LPARAM lParam)
{
    if (nCode == HCBT_CREATEWND && t_pWndInit != NULL) {
        CWnd* pWnd = t_pWndInit;
        t_pWndInit = NULL;
        pWnd->AttachAndSubclass(reinterpret_cast<HWND>(wParam));
    }
    return ::CallNextHookEx(NULL, nCode, wParam, lParam);
}

WindowCreationHook::WindowCreationHook(CWnd* pWnd)
    : m_hHook(::SetWindowsHookExA(WH_CBT, AfxCbtFilterHook, NULL, ::GetCurrentThreadId())),
      m_pPrevious(t_pWndInit)
{
    t_pWndInit = pWnd;
}

WindowCreationHook::~WindowCreationHook()
{
    t_pWndInit = m_pPrevious;
    if (m_hHook != NULL)
        ::UnhookWindowsHookEx(m_hHook);
}
