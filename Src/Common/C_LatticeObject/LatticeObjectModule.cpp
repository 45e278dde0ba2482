// Loading and unloading as an MFC extension library: the library joins the
// host's MFC chain on attach and leaves it on detach.
#include <afxdllx.h>

#include "LatticeObjectModule.h"

static AFX_EXTENSION_MODULE C_LatticeObjectDLL = {FALSE, NULL, NULL, NULL, NULL};

HINSTANCE LatticeObjectInstance() { return C_LatticeObjectDLL.hModule; }

extern "C" BOOL WINAPI DllMain(HINSTANCE hInstance, DWORD dwReason, LPVOID)
{
    if (dwReason == DLL_PROCESS_ATTACH) {
        if (!AfxInitExtensionModule(C_LatticeObjectDLL, hInstance))
            return 0;
        // Owned by MFC from here on; AfxTermExtensionModule destroys it.
        new CDynLinkLibrary(C_LatticeObjectDLL, FALSE);
        return 1;
    }
    if (dwReason == DLL_PROCESS_DETACH)
        AfxTermExtensionModule(C_LatticeObjectDLL, FALSE);
    return 1;
}
