// Foundation of the MFC subset: diagnostics, CObject with run-time class
// information, and CString. Everything else includes this.
#pragma once

#ifndef _MBCS
#define _MBCS
#endif
#include <windows.h>

#include "afxver_.h"

// Diagnostics: misuse is asserted in debug builds only; release builds carry
// on quietly and the Win32 call underneath fails without effect.
#ifdef _DEBUG
AFX_MFC_API void AFXAPI AfxAssertFailedLine(LPCSTR lpszFileName, int nLine);
#define ASSERT(f) ((f) ? (void)0 : AfxAssertFailedLine(__FILE__, __LINE__))
#define VERIFY(f) ASSERT(f)
#else
#define ASSERT(f) ((void)0)
#define VERIFY(f) ((void)(f))
#endif
#define ASSERT_VALID(pOb) ASSERT((pOb) != NULL)

class CObject;
struct AFX_CLASSINIT;

struct AFX_MFC_CLASS CRuntimeClass {
    LPCSTR m_lpszClassName;
    int m_nObjectSize;
    UINT m_wSchema;
    CObject*(PASCAL* m_pfnCreateObject)();
    CRuntimeClass*(PASCAL* m_pfnGetBaseClass)();
    CRuntimeClass* m_pNextClass;
    const AFX_CLASSINIT* m_pClassInit;

    BOOL IsDerivedFrom(const CRuntimeClass* pBaseClass) const;
};

#define RUNTIME_CLASS(class_name) (class_name::GetThisClass())

#define DECLARE_DYNAMIC(class_name)                    \
public:                                                \
    static CRuntimeClass* PASCAL GetThisClass();       \
    virtual CRuntimeClass* GetRuntimeClass() const;

#define IMPLEMENT_DYNAMIC(class_name, base_class_name)                                       \
    static CRuntimeClass* PASCAL _GetBaseClassOf##class_name()                               \
    {                                                                                        \
        return RUNTIME_CLASS(base_class_name);                                               \
    }                                                                                        \
    CRuntimeClass* PASCAL class_name::GetThisClass()                                         \
    {                                                                                        \
        static CRuntimeClass rc = {#class_name, sizeof(class class_name), 0xFFFF, NULL,      \
                                   &_GetBaseClassOf##class_name, NULL, NULL};                \
        return &rc;                                                                          \
    }                                                                                        \
    CRuntimeClass* class_name::GetRuntimeClass() const { return class_name::GetThisClass(); }

class AFX_MFC_CLASS CObject {
public:
    static CRuntimeClass* PASCAL GetThisClass();
    virtual CRuntimeClass* GetRuntimeClass() const;
    virtual ~CObject() = 0;

    BOOL IsKindOf(const CRuntimeClass* pClass) const;

protected:
    CObject();

private:
    CObject(const CObject&) = delete;
    void operator=(const CObject&) = delete;
};

#include "afxstr.h"
