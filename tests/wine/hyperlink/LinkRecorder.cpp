// Stands in for a web browser in the hyperlink tests: appends the command
// line it was started with, as one line, to the file named by the
// LATTICE_LINK_RECORD environment variable, and exits.
#include <windows.h>

#include <string>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    char szPath[MAX_PATH];
    const DWORD n = ::GetEnvironmentVariableA("LATTICE_LINK_RECORD", szPath, MAX_PATH);
    if (n == 0 || n >= MAX_PATH)
        return 1;
    HANDLE hFile = ::CreateFileA(szPath, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, NULL, OPEN_ALWAYS,
                                 FILE_ATTRIBUTE_NORMAL, NULL);
    if (hFile == INVALID_HANDLE_VALUE)
        return 1;
    // One write per line, so that a reader never sees half of one.
    const std::string line = std::string(::GetCommandLineA()) + "\n";
    DWORD dwWritten = 0;
    ::WriteFile(hFile, line.data(), static_cast<DWORD>(line.size()), &dwWritten, NULL);
    ::CloseHandle(hFile);
    return 0;
}
