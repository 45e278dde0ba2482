#include <afx.h>

BOOL CRuntimeClass::IsDerivedFrom(const CRuntimeClass* pBaseClass) const
{
    for (const CRuntimeClass* p = this; p != NULL; p = p->m_pfnGetBaseClass ? p->m_pfnGetBaseClass() : NULL) {
        if (p == pBaseClass)
            return TRUE;
    }
    return FALSE;
}

CRuntimeClass* PASCAL CObject::GetThisClass()
{
    static CRuntimeClass rc = {"CObject", sizeof(CObject), 0xFFFF, NULL, NULL, NULL, NULL};
    return &rc;
}

CRuntimeClass* CObject::GetRuntimeClass() const { return GetThisClass(); }

CObject::CObject() = default;

CObject::~CObject() = default;

BOOL CObject::IsKindOf(const CRuntimeClass* pClass) const
{
    return GetRuntimeClass()->IsDerivedFrom(pClass);
}
