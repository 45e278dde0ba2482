// Common controls: the subset's wrappers need only the Win32 declarations.
#pragma once

#include "afxwin.h"
#include <commctrl.h>
