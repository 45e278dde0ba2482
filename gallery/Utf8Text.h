// The gallery's texts are written in UTF-8; windows take them in the
// process's ANSI code page (Big5 in the host's setting).
#pragma once

#include <afx.h>

CString TextFromUtf8(const char* pszUtf8);
