#include "PrintedPaper.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>

namespace printed_paper {

namespace {

// Wine reaches the Linux file system as drive Z:.
std::string WindowsPath(const std::string& strUnixPath) { return "Z:" + strUnixPath; }

bool ReadWholeFile(const std::string& strPath, std::string& strText)
{
    std::ifstream f(WindowsPath(strPath), std::ios::binary);
    strText.assign(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
    return static_cast<bool>(f);
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
    // (in a subshell, so that it may exit) leaves its output and, last, its
    // exit status in files (the status renamed into place, so that it is
    // whole once it is there).
    {
        std::ofstream script(WindowsPath(strBase + ".sh"), std::ios::binary);
        script << "(\n"
               << strScript << "\n) >" << Quoted(strBase + ".out") << " 2>&1\necho $? >" << Quoted(strBase + ".part")
               << "\nmv " << Quoted(strBase + ".part") << " " << Quoted(strBase + ".rc") << "\n";
        if (!script.flush())
            return -1;
    }
    // LC_ALL=C: the session's Traditional Chinese locale is not generated on
    // the Linux side, and the shell would warn about it on every run.
    if (::WinExec(("/usr/bin/env LC_ALL=C /bin/sh \"" + strBase + ".sh\"").c_str(), SW_HIDE) < 32)
        return -1;

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
    return RunShell("for i in $(seq 600); do [ -z \"$(lpstat -o)\" ] && exit 0; "
                    "sleep 0.1; done; exit 1") == 0;
}

int JobsReceived()
{
    std::string strOut;
    return RunShell("lpstat -W all -o | wc -l", &strOut) == 0 ? std::atoi(strOut.c_str()) : -1;
}

std::string Info()
{
    std::string strOut;
    const std::string strScript =
        "i=$(pdfinfo " + Quoted(JobPdf()) + ") && echo \"$i\" | grep -E '^(Title|Pages|Page size):' | tr -s ' '";
    return RunShell(strScript, &strOut) == 0 ? strOut : "";
}

COLORREF PageRaster::At(int x, int y) const
{
    const unsigned char* p = &rgb[(static_cast<size_t>(y) * nWidth + x) * 3];
    return RGB(p[0], p[1], p[2]);
}

bool RenderFirstPage(int nDpi, PageRaster& page)
{
    const std::string strImage = PrintDir() + "/readback/page";
    std::string strPpm;
    if (RunShell("pdftoppm -r " + std::to_string(nDpi) + " -f 1 -l 1 -singlefile " + Quoted(JobPdf()) + " " +
                 Quoted(strImage)) != 0 ||
        !ReadWholeFile(strImage + ".ppm", strPpm))
        return false;
    ::DeleteFileA(WindowsPath(strImage + ".ppm").c_str());
    // Binary PPM: "P6", width, height, maximum value 255, one white-space
    // byte, then the pixels row by row.
    int nHeader = 0;
    if (std::sscanf(strPpm.c_str(), "P6 %d %d 255%n", &page.nWidth, &page.nHeight, &nHeader) != 2 || nHeader == 0 ||
        page.nWidth <= 0 || page.nHeight <= 0 || strPpm.size() < nHeader + 1 + page.nWidth * page.nHeight * 3u)
        return false;
    const auto pixels = strPpm.begin() + nHeader + 1;
    page.rgb.assign(pixels, pixels + page.nWidth * page.nHeight * 3);
    return true;
}

} // namespace printed_paper
