// Reading back what the build's own print queue printed: the scheduler that
// scripts/print-server.sh starts for the test session turns every job into
// one PDF file, read here with poppler's tools (pdfinfo, pdftoppm).
#pragma once

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace printed_paper {

// The session's print folder (LATTICE_PRINT_DIR), empty without a scheduler.
inline std::string PrintDir()
{
    const char* psz = std::getenv("LATTICE_PRINT_DIR");
    return psz ? psz : "";
}

// Wine reaches the Linux file system as drive Z:.
inline std::string WindowsPath(const std::string& strUnixPath) { return "Z:" + strUnixPath; }
inline std::string Quoted(const std::string& str) { return "'" + str + "'"; }
inline std::string JobPdf() { return PrintDir() + "/out/job.pdf"; }

inline bool ReadWholeFile(const std::string& strPath, std::string& strText)
{
    std::ifstream f(WindowsPath(strPath), std::ios::binary);
    strText.assign(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
    return static_cast<bool>(f);
}

// Runs a shell script on the Linux side and returns its exit status, -1 when
// it could not be started or did not finish within a minute; its standard
// output and error go to *pOut.
inline int RunShell(const std::string& strScript, std::string* pOut = nullptr)
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

// Removes the last job's PDF, so that the next read sees only a new job.
inline void ClearOutput() { ::DeleteFileA(WindowsPath(JobPdf()).c_str()); }

// Waits until the queue holds no pending or processing job (a minute at most).
inline bool WaitForIdleQueue()
{
    return RunShell("for i in $(seq 600); do [ -z \"$(lpstat -o)\" ] && exit 0; "
                    "sleep 0.1; done; exit 1") == 0;
}

// Jobs the scheduler has received since it started, finished ones included.
inline int JobsReceived()
{
    std::string strOut;
    return RunShell("lpstat -W all -o | wc -l", &strOut) == 0 ? std::atoi(strOut.c_str()) : -1;
}

// The last job's title, page count and first page size, one line each as
// pdfinfo gives them ("Title: ...", "Pages: ...", "Page size: ..."), runs of
// spaces folded; empty when no PDF came out.
inline std::string Info()
{
    std::string strOut;
    const std::string strScript =
        "i=$(pdfinfo " + Quoted(JobPdf()) + ") && echo \"$i\" | grep -E '^(Title|Pages|Page size):' | tr -s ' '";
    return RunShell(strScript, &strOut) == 0 ? strOut : "";
}

// The first page rendered by pdftoppm at nDpi dots per inch, as RGB bytes.
struct PageRaster {
    int nWidth = 0, nHeight = 0;
    std::vector<unsigned char> rgb;
    COLORREF At(int x, int y) const
    {
        const unsigned char* p = &rgb[(static_cast<size_t>(y) * nWidth + x) * 3];
        return RGB(p[0], p[1], p[2]);
    }
};

inline bool RenderFirstPage(int nDpi, PageRaster& page)
{
    // Binary PPM on the standard output (its warnings dropped): "P6", width,
    // height, maximum value 255, one white-space byte, then the pixels row by row.
    std::string strPpm;
    const std::string strScript = "pdftoppm -r " + std::to_string(nDpi) + " -f 1 -l 1 -singlefile " + Quoted(JobPdf());
    if (RunShell(strScript + " 2>/dev/null", &strPpm) != 0)
        return false;
    int nHeader = 0;
    if (std::sscanf(strPpm.c_str(), "P6 %d %d 255%n", &page.nWidth, &page.nHeight, &nHeader) != 2 || nHeader == 0 ||
        page.nWidth <= 0 || page.nHeight <= 0 || strPpm.size() < nHeader + 1 + page.nWidth * page.nHeight * 3u)
        return false;
    const auto pixels = strPpm.begin() + nHeader + 1;
    page.rgb.assign(pixels, pixels + page.nWidth * page.nHeight * 3);
    return true;
}

} // namespace printed_paper
