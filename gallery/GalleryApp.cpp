// The gallery application. "/page <n>" opens page n first. "/tour <folder>"
// runs the guided tour, with real input, and exits with its result: that is
// how the demo runs where there is no display. "/screenshot <file.bmp>"
// saves a picture of the main window and exits.
#include <afxwin.h>

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "BackendStub.h"
#include "GalleryWindow.h"
#include "Screenshot.h"
#include "Tour.h"

class GalleryApp : public CWinApp {
public:
    GalleryApp() : CWinApp("LatticeObject gallery") {}
    BOOL InitInstance() override;
    int ExitInstance() override;

private:
    GalleryWindow m_window;
    HMODULE m_hLibrary = NULL;
    int m_nExitCode = 0;
};

namespace {
GalleryApp theApp;

// The rest of the command line after a switch that ends it, or NULL.
const char* LastArgument(const char* pszCmdLine, const char* pszSwitch)
{
    const char* pszFound = pszCmdLine == NULL ? NULL : strstr(pszCmdLine, pszSwitch);
    return pszFound == NULL ? NULL : pszFound + strlen(pszSwitch);
}

// Dispatches messages for half a second, so that windows paint and settle.
void RunPendingMessages()
{
    MSG msg;
    for (int i = 0; i < 20; ++i) {
        while (::PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
        ::Sleep(25);
    }
}

} // namespace

BOOL GalleryApp::InitInstance()
{
    // The pages link the control library; loading it here first makes a
    // missing or failing library an immediate, clear error.
    m_hLibrary = ::LoadLibraryA("C_LatticeObject.dll");
    if (m_hLibrary == NULL) {
        fprintf(stderr, "gallery: C_LatticeObject.dll could not be loaded (error %lu)\n", ::GetLastError());
        m_nExitCode = 1;
        return FALSE;
    }
    // The symbol pages search the backend stand-in's demo market. A bad line
    // is skipped and the rest loads, so problems are reported, not fatal.
    for (const CString& strProblem : BackendStub::LoadDefaultData())
        fprintf(stderr, "gallery: %s\n", static_cast<const char*>(strProblem));
    if (!m_window.CreateMain()) {
        m_nExitCode = 1;
        return FALSE;
    }
    m_pMainWnd = &m_window;
    const char* pszPage = m_lpCmdLine == NULL ? NULL : strstr(m_lpCmdLine, "/page ");
    if (pszPage != NULL)
        m_window.ShowPage(atoi(pszPage + strlen("/page ")));
    m_window.ShowWindow(m_nCmdShow);
    m_window.UpdateWindow();
    const char* pszShot = LastArgument(m_lpCmdLine, "/screenshot ");
    const char* pszTour = LastArgument(m_lpCmdLine, "/tour ");
    if (pszShot == NULL && pszTour == NULL)
        return TRUE;
    // Let the window paint completely before taking the picture.
    RunPendingMessages();
    if (pszTour != NULL)
        m_nExitCode = RunTour(m_window, pszTour);
    else
        m_nExitCode = SaveWindowBitmap(m_window.m_hWnd, pszShot) ? 0 : 1;
    m_window.DestroyWindow();
    m_pMainWnd = NULL;
    return FALSE;
}

int GalleryApp::ExitInstance()
{
    if (m_hLibrary != NULL)
        ::FreeLibrary(m_hLibrary);
    return m_nExitCode != 0 ? m_nExitCode : CWinApp::ExitInstance();
}
