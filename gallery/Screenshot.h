// Saves what a window shows on screen as a 24-bit BMP file.
#pragma once

#include <windows.h>

bool SaveWindowBitmap(HWND hWnd, const char* pszPath);
