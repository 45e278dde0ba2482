#include "Screenshot.h"

#include <stdio.h>

namespace {
BITMAPINFOHEADER PixelFormat(const RECT& rc)
{
    BITMAPINFOHEADER info = {};
    info.biSize = sizeof(info);
    info.biWidth = rc.right - rc.left;
    info.biHeight = rc.bottom - rc.top; // bottom-up, as BMP files store rows
    info.biPlanes = 1;
    info.biBitCount = 24;
    info.biCompression = BI_RGB;
    return info;
}
} // namespace

std::vector<BYTE> ScreenPixels(const RECT& rc)
{
    const int cx = rc.right - rc.left, cy = rc.bottom - rc.top;
    if (cx <= 0 || cy <= 0)
        return std::vector<BYTE>();
    HDC hScreen = ::GetDC(NULL);
    HDC hMem = ::CreateCompatibleDC(hScreen);
    HBITMAP hBitmap = ::CreateCompatibleBitmap(hScreen, cx, cy);
    HGDIOBJ hOld = ::SelectObject(hMem, hBitmap);
    ::BitBlt(hMem, 0, 0, cx, cy, hScreen, rc.left, rc.top, SRCCOPY);
    ::SelectObject(hMem, hOld);
    BITMAPINFOHEADER info = PixelFormat(rc);
    const DWORD dwStride = (static_cast<DWORD>(cx) * 3 + 3) & ~3u;
    std::vector<BYTE> pixels(static_cast<size_t>(dwStride) * cy);
    ::GetDIBits(hMem, hBitmap, 0, static_cast<UINT>(cy), pixels.data(), reinterpret_cast<BITMAPINFO*>(&info),
                DIB_RGB_COLORS);
    ::DeleteObject(hBitmap);
    ::DeleteDC(hMem);
    ::ReleaseDC(NULL, hScreen);
    return pixels;
}

bool SaveScreenBitmap(const RECT& rc, const char* pszPath)
{
    const std::vector<BYTE> pixels = ScreenPixels(rc);
    if (pixels.empty())
        return false;
    BITMAPINFOHEADER info = PixelFormat(rc);
    BITMAPFILEHEADER file = {};
    file.bfType = 0x4D42; // "BM"
    file.bfOffBits = sizeof(file) + sizeof(info);
    file.bfSize = file.bfOffBits + static_cast<DWORD>(pixels.size());
    FILE* fp = fopen(pszPath, "wb");
    if (fp == NULL)
        return false;
    bool bOk = fwrite(&file, sizeof(file), 1, fp) == 1 && fwrite(&info, sizeof(info), 1, fp) == 1 &&
               fwrite(pixels.data(), 1, pixels.size(), fp) == pixels.size();
    return fclose(fp) == 0 && bOk;
}

bool SaveWindowBitmap(HWND hWnd, const char* pszPath)
{
    RECT rc;
    return ::GetWindowRect(hWnd, &rc) && SaveScreenBitmap(rc, pszPath);
}

bool ScreenShowsColour(const RECT& rc, COLORREF cr)
{
    const std::vector<BYTE> pixels = ScreenPixels(rc);
    const size_t nStride = (static_cast<size_t>(rc.right - rc.left) * 3 + 3) & ~static_cast<size_t>(3);
    for (size_t nRow = 0; nStride > 0 && nRow < pixels.size() / nStride; ++nRow) {
        for (size_t i = nRow * nStride; i + 2 < (nRow + 1) * nStride; i += 3) {
            if (RGB(pixels[i + 2], pixels[i + 1], pixels[i]) == cr) // stored blue, green, red
                return true;
        }
    }
    return false;
}
