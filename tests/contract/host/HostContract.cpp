// A host program: it includes only the library's public headers, links only
// to the library, and checks through the loaded DLL what a host relies on
// beyond the headers: a record the library's code fills read at the host's
// offsets, a resource found by identifier, and the version resource.
// (The registered messages are exchanged under the host's own names in the
// hostile-call tables, which register each name as a host does.) Each
// failed check is printed with its line; the exit code is the number of
// failures.
#include <afxwin.h>

#include <stdio.h>

#include <vector>

#include "CSymbolInfo.h"

namespace {

CWinApp theHostApp("LatticeObject host");

int g_nFailures = 0;
#define CHECK(condition, ...)                                                                          \
    ((condition) ? (void)0                                                                         \
                 : (printf("HostContract.cpp:%d: ", __LINE__), printf(__VA_ARGS__), printf("\n"), \
                    (void)++g_nFailures))

// The version resource announces Traditional Chinese in code page 950
// (0404, 03b6) and holds its strings in the block of that translation,
// where version readers look them up.
void CheckVersionStrings(HMODULE hLibrary)
{
    char szPath[MAX_PATH] = "";
    ::GetModuleFileNameA(hLibrary, szPath, MAX_PATH);
    std::vector<char> info(::GetFileVersionInfoSizeA(szPath, NULL) + 1);
    const bool bRead = ::GetFileVersionInfoA(szPath, 0, static_cast<DWORD>(info.size()), info.data()) != FALSE;
    CHECK(bRead, "no version resource");
    if (!bRead)
        return;
    const WORD* pTranslation = NULL;
    UINT nLength = 0;
    CHECK(::VerQueryValueA(info.data(), "\\VarFileInfo\\Translation", (LPVOID*)&pTranslation, &nLength) &&
              nLength >= 2 * sizeof(WORD) && pTranslation[0] == 0x0404 && pTranslation[1] == 950,
          "the version resource's translation is not 0404, code page 950");
    LPVOID pText = NULL;
    CHECK(::VerQueryValueA(info.data(), "\\StringFileInfo\\040403b6\\FileDescription", &pText, &nLength) && nLength > 1,
          "no FileDescription in the string block 040403b6");
}

} // namespace

int main()
{
    // The library's code writes the record; the host reads it where its
    // own compile of the header puts the fields.
    CSymbolInfo info;
    info.SetService(109), info.SetSymbol("TXO");
    CHECK(info.m_ucServiceMirror == 109 && info.m_strSymbolMirror == "TXO", "CSymbolInfo's fields sit elsewhere for the host");
    const HMODULE hLibrary = ::GetModuleHandleA("C_LatticeObject.dll");
    CHECK(hLibrary != NULL, "C_LatticeObject.dll is not loaded"); // (and the checks below look in the host)
    // The drag list's cursor, found by its identifier. (The preview's dialog
    // and the hover button's bitmaps, the other resources hosts know by
    // number, are loaded by number in the preview template's and the hover
    // button's tests.)
    CHECK(::FindResourceA(hLibrary, MAKEINTRESOURCEA(5000), RT_GROUP_CURSOR) != NULL, "cursor 5000 not found");
    CheckVersionStrings(hLibrary);
    if (g_nFailures == 0)
        printf("host contract: every check passed\n");
    return g_nFailures;
}
