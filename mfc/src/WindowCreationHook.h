// Attaches a CWnd to the window that the next CreateWindowEx or
// CreateDialog of this thread creates, before the window's first message,
// so that WM_NCCREATE, WM_CREATE and WM_INITDIALOG already go through the
// object's message map.
#pragma once

#include <afxwin.h>

class WindowCreationHook {
public:
    explicit WindowCreationHook(CWnd* pWnd);
    ~WindowCreationHook();
    WindowCreationHook(const WindowCreationHook&) = delete;
    WindowCreationHook& operator=(const WindowCreationHook&) = delete;

private:
    HHOOK m_hHook;
    CWnd* m_pPrevious; // the pending object of an enclosing creation
};
