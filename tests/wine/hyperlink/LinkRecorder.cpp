// Stands in for a web browser in the hyperlink tests: appends the command
// line it was started with, as one line, to the file named by the
// LATTICE_LINK_RECORD environment variable, and exits.
#include <windows.h>

#include <cstdio>
#include <cstdlib>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    const char* pszPath = std::getenv("LATTICE_LINK_RECORD");
    FILE* pFile = pszPath != NULL ? std::fopen(pszPath, "a") : NULL;
    if (pFile == NULL)
        return 1;
    // Buffered and written once on closing, so that a reader never sees half a line.
    std::fprintf(pFile, "%s\n", ::GetCommandLineA());
    std::fclose(pFile);
    return 0;
}
