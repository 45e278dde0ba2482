#include "CAutoDllResource.h"

CAutoDllResource::CAutoDllResource(HINSTANCE hCurrent, HINSTANCE hLibrary) : m_hPrevious(hCurrent)
{
    AfxSetResourceHandle(hLibrary);
}

CAutoDllResource::~CAutoDllResource() { AfxSetResourceHandle(m_hPrevious); }
