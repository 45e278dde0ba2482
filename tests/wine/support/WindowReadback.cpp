#include "WindowReadback.h"

std::vector<std::string> ListBoxLines(HWND hList)
{
    std::vector<std::string> lines(static_cast<std::size_t>(::SendMessageA(hList, LB_GETCOUNT, 0, 0)));
    for (std::size_t i = 0; i < lines.size(); ++i) {
        lines[i].resize(static_cast<std::size_t>(::SendMessageA(hList, LB_GETTEXTLEN, i, 0)) + 1);
        ::SendMessageA(hList, LB_GETTEXT, i, reinterpret_cast<LPARAM>(&lines[i][0]));
        lines[i].pop_back();
    }
    return lines;
}

std::string WindowTextOf(HWND hWnd)
{
    std::string text(static_cast<std::size_t>(::GetWindowTextLengthA(hWnd)) + 1, '\0');
    text.resize(static_cast<std::size_t>(::GetWindowTextA(hWnd, &text[0], static_cast<int>(text.size()))));
    return text;
}

std::string FaceOf(HWND hWnd)
{
    LOGFONTA lf = {};
    const HFONT hFont = reinterpret_cast<HFONT>(::SendMessageA(hWnd, WM_GETFONT, 0, 0));
    return ::GetObjectA(hFont, sizeof(lf), &lf) != 0 ? lf.lfFaceName : "<no font>";
}

std::string Browsing(HWND hList, HWND hEdit)
{
    return std::to_string(::SendMessageA(hList, LB_GETCURSEL, 0, 0)) + " " + WindowTextOf(hEdit) + "/" +
           std::to_string(::SendMessageA(hList, LB_GETCOUNT, 0, 0));
}

COLORREF ScreenColour(HWND hWnd, POINT ptClient)
{
    ::ClientToScreen(hWnd, &ptClient);
    HDC hDC = ::GetDC(NULL);
    const COLORREF colour = ::GetPixel(hDC, ptClient.x, ptClient.y);
    ::ReleaseDC(NULL, hDC);
    return colour;
}
