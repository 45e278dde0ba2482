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

std::string Utf8FromText(const CString& strText)
{
    const int nWide = ::MultiByteToWideChar(CP_ACP, 0, strText, -1, NULL, 0);
    if (nWide <= 1)
        return std::string();
    std::wstring wide(static_cast<size_t>(nWide), L'\0');
    ::MultiByteToWideChar(CP_ACP, 0, strText, -1, &wide[0], nWide);
    const int nUtf8 = ::WideCharToMultiByte(CP_UTF8, 0, wide.c_str(), -1, NULL, 0, NULL, NULL);
    std::string utf8(static_cast<size_t>(nUtf8), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, wide.c_str(), -1, &utf8[0], nUtf8, NULL, NULL);
    utf8.resize(static_cast<size_t>(nUtf8 - 1));
    return utf8;
}
