// Force-included into a copy of the library's module entry: replaces the
// extension-module initialisation with one that fails, as it does for a
// module handle MFC cannot use.
#pragma once

#include <afxwin.h>

static BOOL FailingExtensionInit(AFX_EXTENSION_MODULE&, HMODULE) { return FALSE; }
#define AfxInitExtensionModule FailingExtensionInit
