// Included once, by the source file of an extension library that holds its
// DllMain. The shared MFC DLL keeps no per-module class lists, so there is
// nothing to set aside before the library's static constructors run.
#pragma once

#include "afxwin.h"
