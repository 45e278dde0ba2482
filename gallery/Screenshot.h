// Saves what the screen shows, of a window or of any rectangle, as a 24-bit
// BMP file; and reads the screen's pixels back for the tour's checks.
#pragma once

#include <windows.h>

#include <vector>

bool SaveWindowBitmap(HWND hWnd, const char* pszPath);
bool SaveScreenBitmap(const RECT& rcScreen, const char* pszPath);
// Rows of 24-bit pixels of a screen rectangle, bottom-up as in a BMP file.
std::vector<BYTE> ScreenPixels(const RECT& rcScreen);
// Whether any pixel of a screen rectangle has exactly the colour cr.
bool ScreenShowsColour(const RECT& rcScreen, COLORREF cr);
