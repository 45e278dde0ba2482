// Extension libraries: the record an extension library keeps of itself, and
// the chain of loaded extension libraries through which MFC finds resources.
#pragma once

struct AFX_EXTENSION_MODULE {
    BOOL bInitialized;
    HMODULE hModule;   // the library's instance handle
    HMODULE hResource; // where its resources are: the library itself
    CRuntimeClass* pFirstSharedClass;
    void* pFirstSharedFactory;
};

// One link of the chain. Created by the library when it attaches; owned by
// MFC, which destroys it when the library terminates its module.
class AFX_MFC_CLASS CDynLinkLibrary : public CCmdTarget {
    DECLARE_DYNAMIC(CDynLinkLibrary)
public:
    explicit CDynLinkLibrary(AFX_EXTENSION_MODULE& state, BOOL bSystem = FALSE);
    virtual ~CDynLinkLibrary();

    HMODULE m_hModule;
    HMODULE m_hResource;
    BOOL m_bSystem;             // searched after the other libraries
    CDynLinkLibrary* m_pNextDLL;
};

// Fills the record for the library hModule; FALSE if hModule is not a
// loaded module, in which case the library must fail its load.
AFX_MFC_API BOOL AFXAPI AfxInitExtensionModule(AFX_EXTENSION_MODULE& state, HMODULE hModule);
// Takes the library's links out of the chain and destroys them.
AFX_MFC_API void AFXAPI AfxTermExtensionModule(AFX_EXTENSION_MODULE& state, BOOL bAll = FALSE);
