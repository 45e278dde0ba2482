#include "Utf8Text.h"

#include <string>

CString TextFromUtf8(const char* pszUtf8)
{
    int nWide = ::MultiByteToWideChar(CP_UTF8, 0, pszUtf8, -1, NULL, 0);
    if (nWide <= 1)
        return CString();
    std::wstring wide(static_cast<size_t>(nWide), L'\0');
    ::MultiByteToWideChar(CP_UTF8, 0, pszUtf8, -1, &wide[0], nWide);
    int nAnsi = ::WideCharToMultiByte(CP_ACP, 0, wide.c_str(), -1, NULL, 0, NULL, NULL);
    CString text;
    ::WideCharToMultiByte(CP_ACP, 0, wide.c_str(), -1, text.GetBufferSetLength(nAnsi - 1), nAnsi, NULL, NULL);
    text.ReleaseBuffer();
    return text;
}
