// The host's common font: the one font its screens and components share.
#pragma once

#include <afxwin.h>

#include "HostCommonObjectApi.h"

class HOST_COMMONOBJECT_API CComponentComFont {
public:
    // A live font, never null, owned by the host; read its LOGFONT and build
    // your own rather than keeping the pointer.
    static CFont* GetComponentComFont();
};
