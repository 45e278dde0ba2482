// Reading back what the build's own print queue printed: the scheduler that
// scripts/print-server.sh starts for the test session turns every job into
// one PDF file, read here with poppler's tools (pdfinfo, pdftoppm).
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace printed_paper {

// The session's print folder (LATTICE_PRINT_DIR), empty without a scheduler.
std::string PrintDir();

// Runs a shell script on the Linux side and returns its exit status, -1 when
// it could not be started or did not finish within a minute; its standard
// output and error go to *pOut.
int RunShell(const std::string& strScript, std::string* pOut = nullptr);

// Removes the last job's PDF, so that the next read sees only a new job.
void ClearOutput();
// Waits until the queue holds no pending or processing job (a minute at most).
bool WaitForIdleQueue();
// Jobs the scheduler has received since it started, finished ones included.
int JobsReceived();

// The last job's title, page count and first page size, one line each as
// pdfinfo gives them ("Title: ...", "Pages: ...", "Page size: ..."), runs of
// spaces folded; empty when no PDF came out.
std::string Info();

// The first page rendered by pdftoppm at nDpi dots per inch, as RGB bytes.
struct PageRaster {
    int nWidth = 0, nHeight = 0;
    std::vector<unsigned char> rgb;
    COLORREF At(int x, int y) const;
};
bool RenderFirstPage(int nDpi, PageRaster& page);

} // namespace printed_paper
