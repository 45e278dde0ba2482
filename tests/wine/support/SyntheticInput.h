// Real keyboard and mouse input for tests: events go through SendInput into
// the system's input queue, so they reach the focus or capture window as a
// user's would, through the host's pump. Each call pumps until the input
// has been handled.
#pragma once

#include <windows.h>

// Brings a top-level window to the foreground, so that input reaches it.
void ActivateForInput(HWND hWndTopLevel);

void PressKey(WORD wVirtualKey);
// Types text as characters of the ANSI code page, one WM_CHAR per byte
// sequence, as an input method would deliver them.
void TypeText(const char* pszText);

// Mouse, in screen coordinates.
void MouseMoveTo(POINT ptScreen);
// The same without waiting, for code that must not pump messages (a timer
// inside a modal loop): the cursor placed at the point, and one mouse event.
void PlaceCursor(POINT ptScreen);
void SendMouseInput(DWORD dwFlags);
void MouseDown();
void MouseUp();
void ClickAt(POINT ptScreen);
