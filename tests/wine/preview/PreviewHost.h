// A host of the print preview in tests: the dialog with its protected state
// in reach, the host stand-ins set to known texts, colours and font, and
// reading pictures and screen back.
#pragma once

#include <afxwin.h>
#include <gtest/gtest.h>

#include <vector>

#include "BackendStub.h"
#include "CommonObjectStub.h"
#include "MXPrintPreviewWnd.h"
#include "MessagePump.h"
#include "SettingsStub.h"
#include "SyntheticInput.h"
#include "WindowReadback.h"

class PreviewUnderTest : public MXPrintPreviewWnd {
public:
    PreviewUnderTest() : MXPrintPreviewWnd(NULL) {}
    using MXPrintPreviewWnd::m_bBWReady;
    using MXPrintPreviewWnd::m_bColorReady;
    using MXPrintPreviewWnd::m_bmpBW;
    using MXPrintPreviewWnd::m_bmpColor;
    using MXPrintPreviewWnd::m_nExtend;
    using MXPrintPreviewWnd::m_nMemHeight;
    using MXPrintPreviewWnd::m_nMemWidth;
    using MXPrintPreviewWnd::m_pDevMode;
    using MXPrintPreviewWnd::m_pMemDC;
    using MXPrintPreviewWnd::m_pOldBitmap;
    using MXPrintPreviewWnd::m_pPrintDlg;
    using MXPrintPreviewWnd::m_pPrinterDC;
};

// The pixels of a bitmap as 0x00BBGGRR, row 0 at the top.
struct Pixels {
    int nWidth = 0, nHeight = 0;
    std::vector<COLORREF> colours;
    COLORREF At(int x, int y) const { return colours[static_cast<size_t>(y) * nWidth + x]; }
};

inline Pixels ReadPixels(HBITMAP hBitmap)
{
    Pixels px;
    BITMAP bm;
    if (::GetObjectA(hBitmap, sizeof(bm), &bm) != sizeof(bm))
        return px;
    px.nWidth = bm.bmWidth, px.nHeight = bm.bmHeight;
    BITMAPINFO bi = {};
    bi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    bi.bmiHeader.biWidth = bm.bmWidth;
    bi.bmiHeader.biHeight = -bm.bmHeight;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    bi.bmiHeader.biCompression = BI_RGB;
    std::vector<DWORD> raw(static_cast<size_t>(bm.bmWidth) * bm.bmHeight);
    HDC hScreen = ::GetDC(NULL);
    ::GetDIBits(hScreen, hBitmap, 0, bm.bmHeight, raw.data(), &bi, DIB_RGB_COLORS);
    ::ReleaseDC(NULL, hScreen);
    px.colours.resize(raw.size());
    for (size_t i = 0; i < raw.size(); ++i)
        px.colours[i] = RGB((raw[i] >> 16) & 0xFF, (raw[i] >> 8) & 0xFF, raw[i] & 0xFF);
    return px;
}

// A memory DC with a bitmap of its own selected.
struct Canvas {
    CDC dc;
    CBitmap bmp;
    CBitmap* pOld = nullptr;

    // A bitmap compatible with the screen (32 bits here), or a DIB section
    // of the given bit count.
    Canvas(int w, int h, int nBitCount = 0)
    {
        CClientDC screen(NULL);
        dc.CreateCompatibleDC(&screen);
        if (nBitCount == 0) {
            bmp.CreateCompatibleBitmap(&screen, w, h);
        } else {
            BITMAPINFO bi = {};
            bi.bmiHeader = {sizeof(BITMAPINFOHEADER), w, h, 1, static_cast<WORD>(nBitCount), BI_RGB, 0, 0, 0, 0, 0};
            void* pBits = nullptr;
            bmp.Attach(::CreateDIBSection(screen.m_hDC, &bi, DIB_RGB_COLORS, &pBits, NULL, 0));
        }
        pOld = dc.SelectObject(&bmp);
    }
    ~Canvas() { dc.SelectObject(pOld); }
    Pixels Read()
    {
        dc.SelectObject(pOld);
        Pixels px = ReadPixels(static_cast<HBITMAP>(bmp.m_hObject));
        dc.SelectObject(&bmp);
        return px;
    }
};

// A control's rectangle in its dialog's client coordinates.
inline CRect ChildRect(HWND hDlg, int nID)
{
    CRect rc;
    ::GetWindowRect(::GetDlgItem(hDlg, nID), &rc);
    ::MapWindowPoints(NULL, hDlg, reinterpret_cast<POINT*>(&rc), 2);
    return rc;
}

class PreviewHostTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        BackendStub::Reset();
        SettingsStub::Reset();
        CommonObjectStub::Reset();
        // Texts that name their key, to see which key went where.
        for (const char* key : {"IDS_DIALOG-TAPREVIEW_TITLE", "IDS_DIALOG-TAPREVIEW_PRINT_COLOR",
                                "IDS_DIALOG-TAPREVIEW_PRINT_COLOR_DEFAULT", "IDS_DIALOG-TAPREVIEW_PRINT_BW",
                                "IDS_DIALOG-TAPREVIEW_PRINT_BW_DEFAULT", "IDS_DIALOG-TAPREVIEW_PRINT_PORTRAIT",
                                "IDS_DIALOG-TAPREVIEW_PRINT_LANDSCAPE", "IDS_DIALOG-TAPREVIEW_PRINT_EXTEND",
                                "IDS_DIALOG-CONNECT_BUTTON_OK", "IDS_DIALOG-CONNECT_BUTTON_CANCEL"})
            BackendStub::SetLangString(key, CString("<") + key + ">");
    }

    // Creates the dialog modeless, shows it and waits for its first paint.
    void Open(bool bColorDefault = false)
    {
        m_dlg.vSetColorDefault(bColorDefault);
        m_dlg.CreateByID(NULL);
        ASSERT_TRUE(::IsWindow(m_dlg.m_hWnd));
        m_dlg.SetWindowPos(NULL, 20, 20, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        m_dlg.ShowWindow(SW_SHOW);
        ActivateForInput(m_dlg.m_hWnd);
        Settle();
    }
    void TearDown() override
    {
        if (m_dlg.m_hWnd != NULL)
            m_dlg.DestroyWindow();
        PumpUntilIdle();
    }

    // Lets every repaint happen.
    void Settle()
    {
        m_dlg.UpdateWindow();
        PumpUntilIdle();
        PumpFor(30);
    }

    // A real click on one of the dialog's buttons.
    void Click(int nID)
    {
        const CRect rc = ChildRect(m_dlg.m_hWnd, nID);
        CPoint pt(rc.left + 6, rc.CenterPoint().y);
        ::ClientToScreen(m_dlg.m_hWnd, &pt);
        PumpFor(::GetDoubleClickTime() + 50);
        MouseMoveTo(pt);
        PumpFor(50);
        ClickAt(pt);
        Settle();
    }

    // The colour the user sees at a client point of the dialog.
    COLORREF Seen(int x, int y) { return ScreenColour(m_dlg.m_hWnd, CPoint(x, y)); }

    // Draws one picture: nStripes vertical stripes of the given colours over
    // the host's drawing area.
    void DrawPicture(bool bColor, const std::vector<COLORREF>& stripes)
    {
        CDC* pDC = m_dlg.dcGetMemoryDC(bColor);
        ASSERT_NE(pDC, nullptr);
        const CSize area = m_dlg.szGetMemoryDCSize();
        const int n = static_cast<int>(stripes.size());
        for (int i = 0; i < n; ++i)
            pDC->FillSolidRect(CRect(area.cx * i / n, 0, area.cx * (i + 1) / n, area.cy), stripes[i]);
        m_dlg.vMemoryDCDrawDone(bColor);
    }

    PreviewUnderTest m_dlg;
};
