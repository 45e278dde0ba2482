#include "HostileCalls.h"

#include <algorithm>

HostWindow& HostWindow::Get()
{
    static HostWindow host;
    if (host.m_hWnd == NULL) {
        host.CreateEx(0, NULL, "", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 40, 40, 500, 400, NULL, 0);
        AfxGetApp()->m_pMainWnd = &host;
    }
    return host;
}

int HostWindow::Count(UINT uMsg) const
{
    return static_cast<int>(std::count(m_received.begin(), m_received.end(), uMsg));
}

LRESULT HostWindow::WindowProc(UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    if (uMsg >= 0xC000 && uMsg <= 0xFFFF)
        m_received.push_back(uMsg);
    return CWnd::WindowProc(uMsg, wParam, lParam);
}
