#include "PrintedPaper.h"

#include <cstdio>
#include <cstdlib>
#include <sstream>

namespace printed_paper {

namespace {

// Wine reaches the Linux file system as drive Z:.
std::string WindowsPath(const std::string& strUnixPath) { return "Z:" + strUnixPath; }

bool WriteWholeFile(const std::string& strPath, const std::string& strText)
{
    FILE* f = std::fopen(WindowsPath(strPath).c_str(), "wb");
    if (!f)
        return false;
    const bool bOk = std::fwrite(strText.data(), 1, strText.size(), f) == strText.size();
    return std::fclose(f) == 0 && bOk;
}

bool ReadWholeFile(const std::string& strPath, std::string& strText)
{
    FILE* f = std::fopen(WindowsPath(strPath).c_str(), "rb");
    if (!f)
        return false;
    strText.clear();
    char buf[65536];
    size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, f)) > 0)
        strText.append(buf, n);
    std::fclose(f);
    return true;
}

std::string Quoted(const std::string& str) { return "'" + str + "'"; }

std::string JobPdf() { return PrintDir() + "/out/job.pdf"; }

} // namespace

std::string PrintDir()
{
    const char* psz = std::getenv("LATTICE_PRINT_DIR");
    return psz ? psz : "";
}

int RunShell(const std::string& strScript, std::string* pOut)
{
    static int s_nRun = 0;
    const std::string strDir = PrintDir();
    if (strDir.empty())
        return -1;
    ::CreateDirectoryA(WindowsPath(strDir + "/readback").c_str(), nullptr);
    const std::string strBase =
        strDir + "/readback/" + std::to_string(::GetCurrentProcessId()) + "-" + std::to_string(++s_nRun);
    // Wine runs a Linux program named by its Linux path, but hands back no
    // process handle and does not connect it to our pipes. So the script
    // (in a subshell, so that it may exit) leaves its output and, last, its exit status in files (the status
    // renamed into place, so that it is whole once it is there).
    const std::string strBody = "(\n" + strScript + "\n) >" + Quoted(strBase + ".out") + " 2>&1\n" +
                                "echo $? >" + Quoted(strBase + ".part") + "\n" + "mv " +
                                Quoted(strBase + ".part") + " " + Quoted(strBase + ".rc") + "\n";
    if (!WriteWholeFile(strBase + ".sh", strBody))
        return -1;
    // LC_ALL=C: the session's Traditional Chinese locale is not generated on
    // the Linux side, and the shell would warn about it on every run.
    std::string strCommand = "/usr/bin/env LC_ALL=C /bin/sh \"" + strBase + ".sh\"";
    STARTUPINFOA si = {};
    si.cb = sizeof(si);
    PROCESS_INFORMATION pi = {};
    if (!::CreateProcessA(nullptr, &strCommand[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi))
        return -1;
    if (pi.hProcess)
        ::CloseHandle(pi.hProcess);
    if (pi.hThread)
        ::CloseHandle(pi.hThread);

    std::string strStatus;
    for (DWORD dwStart = ::GetTickCount(); !ReadWholeFile(strBase + ".rc", strStatus);) {
        if (::GetTickCount() - dwStart > 60000)
            return -1;
        ::Sleep(20);
    }
    if (pOut)
        ReadWholeFile(strBase + ".out", *pOut);
    for (const char* pszExt : {".sh", ".out", ".rc"})
        ::DeleteFileA(WindowsPath(strBase + pszExt).c_str());
    return std::atoi(strStatus.c_str());
}

void ClearOutput() { ::DeleteFileA(WindowsPath(JobPdf()).c_str()); }

bool WaitForIdleQueue()
{
    return RunShell("for i in $(seq 600); do [ -z \"$(lpstat -o)\" ] && exit 0; sleep 0.1; done; exit 1") == 0;
}

int JobsReceived()
{
    std::string strOut;
    if (RunShell("lpstat -W all -o | wc -l", &strOut) != 0)
        return -1;
    return std::atoi(strOut.c_str());
}

bool ReadInfo(DocumentInfo& info)
{
    std::string strOut;
    if (RunShell("pdfinfo " + Quoted(JobPdf()), &strOut) != 0)
        return false;
    info = DocumentInfo();
    std::istringstream lines(strOut);
    for (std::string strLine; std::getline(lines, strLine);) {
        const size_t nColon = strLine.find(':');
        if (nColon == std::string::npos)
            continue;
        const std::string strKey = strLine.substr(0, nColon);
        const size_t nValue = strLine.find_first_not_of(' ', nColon + 1);
        const std::string strValue = nValue == std::string::npos ? "" : strLine.substr(nValue);
        if (strKey == "Pages")
            info.nPages = std::atoi(strValue.c_str());
        else if (strKey == "Title")
            info.strTitle = strValue;
        else if (strKey == "Page size")
            std::sscanf(strValue.c_str(), "%lf x %lf", &info.dWidthPt, &info.dHeightPt);
    }
    return true;
}

COLORREF PageRaster::At(int x, int y) const
{
    const unsigned char* p = &rgb[(static_cast<size_t>(y) * nWidth + x) * 3];
    return RGB(p[0], p[1], p[2]);
}

bool RenderFirstPage(int nDpi, PageRaster& page)
{
    const std::string strImage = PrintDir() + "/readback/page";
    if (RunShell("pdftoppm -r " + std::to_string(nDpi) + " -f 1 -l 1 -singlefile " + Quoted(JobPdf()) + " " +
                 Quoted(strImage)) != 0)
        return false;
    std::string strPpm;
    if (!ReadWholeFile(strImage + ".ppm", strPpm))
        return false;
    ::DeleteFileA(WindowsPath(strImage + ".ppm").c_str());
    // Binary PPM: "P6", width, height, maximum value 255, one white-space
    // byte, then the pixels row by row.
    std::istringstream header(strPpm);
    std::string strMagic;
    int nMax = 0;
    header >> strMagic >> page.nWidth >> page.nHeight >> nMax;
    if (!header || strMagic != "P6" || nMax != 255 || page.nWidth <= 0 || page.nHeight <= 0)
        return false;
    const size_t nPixels = static_cast<size_t>(header.tellg()) + 1;
    const size_t nBytes = static_cast<size_t>(page.nWidth) * page.nHeight * 3;
    if (strPpm.size() < nPixels + nBytes)
        return false;
    page.rgb.assign(strPpm.begin() + nPixels, strPpm.begin() + nPixels + nBytes);
    return true;
}

} // namespace printed_paper
