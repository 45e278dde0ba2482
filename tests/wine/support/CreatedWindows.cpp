#include "CreatedWindows.h"

namespace {
thread_local CreatedWindows* t_pRecorder = nullptr;
}

CreatedWindows::CreatedWindows(HWND hParent)
    : m_hParent(hParent)
    , m_hHook(::SetWindowsHookExA(WH_CBT, &CreatedWindows::OnCbt, NULL, ::GetCurrentThreadId()))
    , m_pOuter(t_pRecorder)
{
    t_pRecorder = this;
}

CreatedWindows::~CreatedWindows()
{
    ::UnhookWindowsHookEx(m_hHook);
    t_pRecorder = m_pOuter;
}

LRESULT CALLBACK CreatedWindows::OnCbt(int nCode, WPARAM wParam, LPARAM lParam)
{
    if (nCode == HCBT_CREATEWND) {
        const CBT_CREATEWNDA* pCreate = reinterpret_cast<const CBT_CREATEWNDA*>(lParam);
        for (CreatedWindows* p = t_pRecorder; p != nullptr; p = p->m_pOuter)
            if (pCreate->lpcs->hwndParent == p->m_hParent)
                p->m_created.push_back(reinterpret_cast<HWND>(wParam));
    }
    return ::CallNextHookEx(NULL, nCode, wParam, lParam);
}
