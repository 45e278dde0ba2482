#include "MessagePump.h"

#include <afxwin.h>

void PumpUntilIdle()
{
    CWinThread* pThread = AfxGetThread();
    MSG msg;
    while (::PeekMessageA(&msg, NULL, 0, 0, PM_NOREMOVE)) {
        if (!pThread->PumpMessage())
            break;
    }
    pThread->OnIdle(0);
}

void PumpFor(DWORD dwMilliseconds)
{
    const DWORD dwStart = ::GetTickCount();
    for (;;) {
        PumpUntilIdle();
        DWORD dwElapsed = ::GetTickCount() - dwStart;
        if (dwElapsed >= dwMilliseconds)
            return;
        ::MsgWaitForMultipleObjects(0, NULL, FALSE, dwMilliseconds - dwElapsed, QS_ALLINPUT);
    }
}
