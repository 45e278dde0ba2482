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
    using MXPrintPreviewWnd::m_bmpBW;
    using MXPrintPreviewWnd::m_bmpColor;
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
    BITMAP bm = {};
    ::GetObjectA(hBitmap, sizeof(bm), &bm);
    Pixels px{bm.bmWidth, bm.bmHeight, std::vector<COLORREF>(static_cast<size_t>(bm.bmWidth) * bm.bmHeight)};
    BITMAPINFO bi = {{sizeof(BITMAPINFOHEADER), bm.bmWidth, -bm.bmHeight, 1, 32, BI_RGB, 0, 0, 0, 0, 0}, {}};
    HDC hScreen = ::GetDC(NULL);
    ::GetDIBits(hScreen, hBitmap, 0, bm.bmHeight, px.colours.data(), &bi, DIB_RGB_COLORS);
    ::ReleaseDC(NULL, hScreen);
    for (COLORREF& cr : px.colours) // the DIB's 0x00RRGGBB turned round
        cr = RGB(GetBValue(cr), GetGValue(cr), GetRValue(cr));
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
        BITMAPINFO bi = {{sizeof(BITMAPINFOHEADER), w, h, 1, static_cast<WORD>(nBitCount), BI_RGB, 0, 0, 0, 0, 0}, {}};
        void* pBits = nullptr;
        if (nBitCount == 0)
            bmp.CreateCompatibleBitmap(&screen, w, h);
        else
            bmp.Attach(::CreateDIBSection(screen.m_hDC, &bi, DIB_RGB_COLORS, &pBits, NULL, 0));
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
        for (const char* key : {"TAPREVIEW_TITLE", "TAPREVIEW_PRINT_COLOR", "TAPREVIEW_PRINT_COLOR_DEFAULT",
                                "TAPREVIEW_PRINT_BW", "TAPREVIEW_PRINT_BW_DEFAULT", "TAPREVIEW_PRINT_PORTRAIT",
                                "TAPREVIEW_PRINT_LANDSCAPE", "TAPREVIEW_PRINT_EXTEND", "CONNECT_BUTTON_CANCEL"})
            BackendStub::SetLangString(CString("IDS_DIALOG-") + key, CString("<IDS_DIALOG-") + key + ">");
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
