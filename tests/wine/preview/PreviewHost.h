// A host of the print preview in tests: the dialog with its protected state
// in reach, the host stand-ins set to known texts, colours and font, and
// reading pictures and screen back.
#pragma once

#include <afxwin.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "BackendStub.h"
#include "CommonObjectStub.h"
#include "MXPrintPreviewWnd.h"
#include "MessagePump.h"
#include "SettingsStub.h"
#include "SyntheticInput.h"
#include "WindowReadback.h"
#include "lattice/core/PrintLayout.h"

namespace core = lattice::core;

const COLORREF kRed = RGB(255, 0, 0), kBlue = RGB(0, 0, 255), kGreen = RGB(0, 255, 0), kWhite = RGB(255, 255, 255);

inline core::IntRect ToCore(const CRect& rc) { return {rc.left, rc.top, rc.right, rc.bottom}; }
inline CRect FromCore(const core::IntRect& r) { return CRect(r.left, r.top, r.right, r.bottom); }

class PreviewUnderTest : public MXPrintPreviewWnd {
public:
    PreviewUnderTest() : MXPrintPreviewWnd(NULL) {}
    using MXPrintPreviewWnd::m_bmpBW;
    using MXPrintPreviewWnd::m_bmpColor;
    using MXPrintPreviewWnd::m_pPrintDlg;
    using MXPrintPreviewWnd::m_pPrinterDC;
};

// A memory DC holding a bitmap, read back through the DC: one of its own,
// compatible with the screen (32 bits here) or a DIB section of nBitCount
// bits, or a picture lent for reading (no other DC may hold it meanwhile).
// The benchmarks draw on such pictures too.
struct Canvas {
    CDC dc;
    CBitmap bmp;
    HGDIOBJ hOld = NULL;

    Canvas(int w, int h, int nBitCount = 0)
    {
        CClientDC screen(NULL);
        BITMAPINFO bi = {{sizeof(BITMAPINFOHEADER), w, h, 1, static_cast<WORD>(nBitCount), BI_RGB, 0, 0, 0, 0, 0}, {}};
        void* pBits = nullptr;
        bmp.Attach(nBitCount ? ::CreateDIBSection(screen.m_hDC, &bi, DIB_RGB_COLORS, &pBits, NULL, 0)
                             : ::CreateCompatibleBitmap(screen.m_hDC, w, h));
        Hold(bmp);
    }
    explicit Canvas(CBitmap& picture) { Hold(picture); }
    ~Canvas() { Release(); }
    void Release() { ::SelectObject(dc.m_hDC, hOld); }
    COLORREF At(int x, int y) { return dc.GetPixel(x, y); }

private:
    void Hold(CBitmap& picture)
    {
        dc.CreateCompatibleDC(NULL);
        hOld = ::SelectObject(dc.m_hDC, picture.m_hObject);
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
        // Texts that name their key, to see which key went where: the
        // caption's and the two modes', whose keys follow the default mode.
        for (const char* key : {"TITLE", "PRINT_COLOR", "PRINT_COLOR_DEFAULT", "PRINT_BW", "PRINT_BW_DEFAULT"})
            BackendStub::SetLangString(CString("IDS_DIALOG-TAPREVIEW_") + key, CString("<") + key + ">");
    }

    // Creates the dialog modeless, shows it and waits for its first paint.
    void Open(bool bColorDefault = false)
    {
        m_dlg.vSetColorDefault(bColorDefault);
        m_dlg.CreateByID(NULL);
        ASSERT_TRUE(::IsWindow(m_dlg.m_hWnd));
        m_dlg.SetWindowPos(NULL, 20, 20, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        Show();
    }
    // Shows the dialog, as a host opens or reopens it, and waits for its paint.
    void Show()
    {
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

    std::string Text(int nID) { return WindowTextOf(::GetDlgItem(m_dlg.m_hWnd, nID)); }
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
