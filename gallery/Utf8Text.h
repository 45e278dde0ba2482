// The gallery's texts are written in UTF-8; windows take them in the
// process's ANSI code page (Big5 in the host's setting).
#pragma once

#include <afx.h>

#include <string>

CString TextFromUtf8(const char* pszUtf8);
// The other way, for what the gallery prints to its console.
std::string Utf8FromText(const CString& strText);
