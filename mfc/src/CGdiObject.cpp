#include <afxwin.h>

#include "TemporaryObjects.h"

IMPLEMENT_DYNAMIC(CGdiObject, CObject)

namespace {
TemporaryObjects<HGDIOBJ, CGdiObject>& TemporaryMap()
{
    static TemporaryObjects<HGDIOBJ, CGdiObject> map(&CGdiObject::m_hObject);
    return map;
}
} // namespace

CGdiObject::CGdiObject() : m_hObject(NULL) {}

CGdiObject::~CGdiObject() { DeleteObject(); }

CGdiObject* PASCAL CGdiObject::FromHandle(HGDIOBJ hObject)
{
    return hObject == NULL ? NULL : TemporaryMap().Get(hObject);
}

void PASCAL CGdiObject::DeleteTempMap() { TemporaryMap().DeleteAll(); }

int CGdiObject::GetObject(int nCount, LPVOID lpObject) const
{
    return m_hObject == NULL ? 0 : ::GetObjectA(m_hObject, nCount, lpObject);
}

BOOL CGdiObject::Attach(HGDIOBJ hObject)
{
    if (hObject == NULL || m_hObject != NULL)
        return FALSE;
    m_hObject = hObject;
    return TRUE;
}

HGDIOBJ CGdiObject::Detach()
{
    HGDIOBJ hObject = m_hObject;
    m_hObject = NULL;
    return hObject;
}

BOOL CGdiObject::DeleteObject()
{
    if (m_hObject == NULL)
        return FALSE;
    return ::DeleteObject(Detach());
}
