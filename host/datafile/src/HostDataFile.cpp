#include "HostDataFile.h"

#include <stdio.h>
#include <stdlib.h>

#include <algorithm>

CString HostDataFile::DefaultPath(const char* pszFile)
{
    char szPath[MAX_PATH] = {};
    DWORD nLength = ::GetModuleFileNameA(NULL, szPath, MAX_PATH);
    while (nLength > 0 && szPath[nLength - 1] != '\\' && szPath[nLength - 1] != '/')
        --nLength;
    return CString(szPath, static_cast<int>(nLength)) + "host-data\\" + pszFile;
}

bool HostDataFile::Load(const char* pszPath)
{
    m_strPath = pszPath;
    FILE* file = fopen(pszPath, "rb");
    if (!file) {
        Report(0, "cannot open the file");
        return false;
    }
    std::string text;
    char buffer[65536];
    size_t nRead;
    while ((nRead = fread(buffer, 1, sizeof buffer, file)) > 0)
        text.append(buffer, nRead);
    bool bFailed = ferror(file) != 0;
    fclose(file);
    if (bFailed) {
        Report(0, "cannot read the file");
        return false;
    }
    m_reader.Read(text);
    return true;
}

CString HostDataFile::Text(const lattice::TabbedLine& line, size_t nField)
{
    CString strText;
    if (nField < line.fields.size() && !ConvertUtf8(line.fields[nField], kHostCodePage, strText))
        Report(line.lineNumber, "text has a character that code page 950 lacks");
    return strText;
}

bool HostDataFile::Number(const lattice::TabbedLine& line, size_t nField, long nMin, long nMax, long& nValue)
{
    const char* psz = nField < line.fields.size() ? line.fields[nField].c_str() : "";
    char* pszEnd = NULL;
    long n = strtol(psz, &pszEnd, 0);
    if (*psz == '\0' || *pszEnd != '\0' || n < nMin || n > nMax) {
        Report(line.lineNumber, "field is not a number in range");
        return false;
    }
    nValue = n;
    return true;
}

bool HostDataFile::Expect(const lattice::TabbedLine& line, size_t nFields)
{
    if (line.fields.size() == nFields)
        return true;
    Report(line.lineNumber, "wrong number of fields");
    return false;
}

void HostDataFile::Report(size_t nLine, const char* pszMessage) { m_reader.AddProblem(nLine, pszMessage); }

std::vector<CString> HostDataFile::Problems() const
{
    // Lines that are not UTF-8 are found while reading, the others while
    // taking records; the reader wants them as they stand in the file.
    std::vector<lattice::LineProblem> sorted = m_reader.Problems();
    std::stable_sort(sorted.begin(), sorted.end(),
                     [](const lattice::LineProblem& a, const lattice::LineProblem& b) {
                         return a.lineNumber < b.lineNumber;
                     });
    std::vector<CString> problems;
    for (const lattice::LineProblem& problem : sorted) {
        CString strProblem;
        strProblem.Format("%s:%u: %s", m_strPath.GetString(), static_cast<unsigned>(problem.lineNumber),
                          problem.message.c_str());
        problems.push_back(strProblem);
    }
    return problems;
}

bool HostDataFile::ConvertUtf8(const std::string& utf8, UINT nCodePage, CString& strOut)
{
    strOut.Empty();
    if (utf8.empty())
        return true;
    int nUtf8 = static_cast<int>(utf8.size());
    int nWide = ::MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(), nUtf8, NULL, 0);
    if (nWide <= 0)
        return false;
    std::wstring wide(static_cast<size_t>(nWide), L'\0');
    ::MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(), nUtf8, &wide[0], nWide);
    BOOL bUsedDefault = FALSE;
    int nOut = ::WideCharToMultiByte(nCodePage, 0, wide.data(), nWide, NULL, 0, NULL, &bUsedDefault);
    if (nOut <= 0)
        return false;
    ::WideCharToMultiByte(nCodePage, 0, wide.data(), nWide, strOut.GetBufferSetLength(nOut), nOut, NULL, &bUsedDefault);
    strOut.ReleaseBuffer(nOut);
    return !bUsedDefault;
}
