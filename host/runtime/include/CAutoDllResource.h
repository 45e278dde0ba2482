// Makes a library's resources the ones MFC finds first, for the lifetime of
// the object; the previous resource handle comes back when it dies, however
// the scope is left.
#pragma once

#include <afxwin.h>

#ifdef HOST_RUNTIME_BUILD
#define HOST_RUNTIME_API __declspec(dllexport)
#else
#define HOST_RUNTIME_API __declspec(dllimport)
#endif

class HOST_RUNTIME_API CAutoDllResource {
public:
    // hCurrent: the resource handle to restore; hLibrary: the library whose
    // resources MFC should find meanwhile.
    CAutoDllResource(HINSTANCE hCurrent, HINSTANCE hLibrary);
    ~CAutoDllResource();
    CAutoDllResource(const CAutoDllResource&) = delete;
    CAutoDllResource& operator=(const CAutoDllResource&) = delete;

private:
    HINSTANCE m_hPrevious;
};
