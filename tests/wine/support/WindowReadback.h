// Reading back what real windows hold and show: a list box's lines, a
// window's text, and the colour the user sees at a point of a window.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

std::vector<std::string> ListBoxLines(HWND hList);
std::string WindowTextOf(HWND hWnd);
// The face name of the font a window draws with.
std::string FaceOf(HWND hWnd);
// "selection text/line count" of an edit's popup list: browsing must move
// the selection and write the edit's text, not fill the list again.
std::string Browsing(HWND hList, HWND hEdit);
// The colour on the screen at a client point of hWnd: whatever window is
// uppermost there, as the user would see it.
COLORREF ScreenColour(HWND hWnd, POINT ptClient);
