#include "SyntheticInput.h"

#include "MessagePump.h"

namespace {

// One keyboard event, and the time to handle it.
void SendKey(WORD wVirtualKey, WORD wScan, DWORD dwFlags)
{
    INPUT input = {INPUT_KEYBOARD};
    input.ki = {wVirtualKey, wScan, dwFlags, 0, 0};
    ::SendInput(1, &input, sizeof(INPUT));
    PumpFor(20);
}

} // namespace

void ActivateForInput(HWND hWndTopLevel)
{
    ::SetForegroundWindow(hWndTopLevel);
    ::SetActiveWindow(hWndTopLevel);
    PumpFor(50);
}

void PressKey(WORD wVirtualKey)
{
    const WORD wScan = static_cast<WORD>(::MapVirtualKeyA(wVirtualKey, MAPVK_VK_TO_VSC));
    SendKey(wVirtualKey, wScan, 0);
    SendKey(wVirtualKey, wScan, KEYEVENTF_KEYUP);
}

void TypeText(const char* pszText)
{
    // KEYEVENTF_UNICODE delivers each character as a VK_PACKET key whose
    // WM_CHAR an ANSI window receives in its code page.
    wchar_t szText[256];
    if (::MultiByteToWideChar(CP_ACP, 0, pszText, -1, szText, 256) == 0)
        return; // longer than any test types
    for (const wchar_t* pch = szText; *pch != L'\0'; ++pch) {
        SendKey(0, *pch, KEYEVENTF_UNICODE);
        SendKey(0, *pch, KEYEVENTF_UNICODE | KEYEVENTF_KEYUP);
    }
}

void SendMouseInput(DWORD dwFlags)
{
    INPUT input = {INPUT_MOUSE};
    input.mi.dwFlags = dwFlags;
    ::SendInput(1, &input, sizeof(INPUT));
}

void PlaceCursor(POINT ptScreen)
{
    // Placing the cursor exactly and then reporting a zero-length move
    // gives a real mouse event at that pixel; absolute coordinates would be
    // rounded through the 0..65535 scale.
    ::SetCursorPos(ptScreen.x, ptScreen.y);
    SendMouseInput(MOUSEEVENTF_MOVE);
}

void MouseMoveTo(POINT ptScreen) { PlaceCursor(ptScreen), PumpFor(20); }

void MouseDown() { SendMouseInput(MOUSEEVENTF_LEFTDOWN), PumpFor(20); }

void MouseUp() { SendMouseInput(MOUSEEVENTF_LEFTUP), PumpFor(20); }

void ClickAt(POINT ptScreen)
{
    MouseMoveTo(ptScreen);
    MouseDown();
    MouseUp();
}
