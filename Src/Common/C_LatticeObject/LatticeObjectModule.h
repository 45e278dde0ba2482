// The library's own module: its instance handle, for the operations that
// switch MFC's resource lookup to the library.
#pragma once

#include <afxwin.h>

HINSTANCE LatticeObjectInstance();
