// Stands in for a web browser in the hyperlink tests: a program that the
// shell and the web page command can start, and that exits at once.
#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) { return 0; }
