#include <afxwin.h>

IMPLEMENT_DYNAMIC(CDynLinkLibrary, CCmdTarget)

CDynLinkLibrary::CDynLinkLibrary(AFX_EXTENSION_MODULE& state, BOOL bSystem)
    : m_hModule(state.hModule), m_hResource(state.hResource), m_bSystem(bSystem)
{
    AFX_MODULE_STATE* pState = AfxGetModuleState();
    m_pNextDLL = pState->m_pFirstDLL;
    pState->m_pFirstDLL = this;
}

CDynLinkLibrary::~CDynLinkLibrary()
{
    for (CDynLinkLibrary** ppLink = &AfxGetModuleState()->m_pFirstDLL; *ppLink != NULL;
         ppLink = &(*ppLink)->m_pNextDLL) {
        if (*ppLink == this) {
            *ppLink = m_pNextDLL;
            break;
        }
    }
}

BOOL AFXAPI AfxInitExtensionModule(AFX_EXTENSION_MODULE& state, HMODULE hModule)
{
    if (state.bInitialized)
        return TRUE;
    char szPath[MAX_PATH];
    if (hModule == NULL || ::GetModuleFileNameA(hModule, szPath, MAX_PATH) == 0)
        return FALSE;
    state.hModule = hModule;
    state.hResource = hModule;
    state.bInitialized = TRUE;
    return TRUE;
}

void AFXAPI AfxTermExtensionModule(AFX_EXTENSION_MODULE& state, BOOL bAll)
{
    AFX_MODULE_STATE* pState = AfxGetModuleState();
    CDynLinkLibrary* pDLL = pState->m_pFirstDLL;
    while (pDLL != NULL) {
        CDynLinkLibrary* pNext = pDLL->m_pNextDLL;
        if (bAll || pDLL->m_hModule == state.hModule)
            delete pDLL; // unlinks itself
        pDLL = pNext;
    }
}
