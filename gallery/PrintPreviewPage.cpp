#include "PrintPreviewPage.h"

#include <cmath>
#include <vector>

#include "CSyncInfo.h"
#include "CommonObjectStub.h"
#include "SettingsStub.h"
#include "Utf8Text.h"

namespace {

COLORREF HostColour(const char* pszKey) { return CSyncInfo::GetSettingCFG().SYS_crGetOtherColor(pszKey); }

// Sixty trading days of a demo symbol, as the host's chart view paints
// them: its list background and grid, the closing prices, volume bars
// (up days red, down days in the host's down colour), and the axis labels.
void DrawDemoChart(CDC& dc, const CRect& rc, CFont* pFont)
{
    const COLORREF crBack = HostColour("COLOR_LISTCTL_BACKGROUND"), crGrid = HostColour("COLOR_LISTCTL_BACKGROUNDSLASH"),
                   crText = HostColour("COLOR_LISTCTL_NORMALTEXT"), crPrice = HostColour("COLOR_LISTCTL_NORMALNUMBER"),
                   crDown = HostColour("COLOR_LISTCTL_DOWN"), crUp = RGB(255, 64, 64);
    const int nDays = 60;
    std::vector<double> closes(nDays);
    for (int i = 0; i < nDays; ++i)
        closes[i] = 580 + i * 1.5 + 25 * std::sin(i / 5.0) + 8 * std::sin(i * 1.7);

    dc.FillSolidRect(&rc, crBack);
    const CRect plot(rc.left + 64, rc.top + 40, rc.right - 16, rc.top + (rc.Height() - 40) * 7 / 10);
    const CRect volume(plot.left, plot.bottom + 12, plot.right, rc.bottom - 28);
    for (int k = 0; k <= 4; ++k) {
        const int y = plot.top + plot.Height() * k / 4;
        dc.FillSolidRect(CRect(plot.left, y, plot.right, y + 1), crGrid);
    }
    dc.FillSolidRect(CRect(plot.left, plot.top, plot.left + 1, volume.bottom), crText);
    dc.FillSolidRect(CRect(plot.left, volume.bottom, plot.right, volume.bottom + 1), crText);

    CFont* pOldFont = dc.SelectObject(pFont);
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(crText);
    dc.TextOut(rc.left + 8, rc.top + 8, TextFromUtf8(u8"2330 台積電　日線　收盤價與成交量"));
    const double dLow = 540, dHigh = 700;
    for (int k = 0; k <= 4; ++k) {
        CString strPrice;
        strPrice.Format("%.0f", dHigh - (dHigh - dLow) * k / 4);
        dc.TextOut(rc.left + 8, plot.top + plot.Height() * k / 4 - 8, strPrice);
    }
    dc.TextOut(rc.left + 8, volume.top, TextFromUtf8(u8"成交量"));
    dc.TextOut(plot.left, volume.bottom + 6, TextFromUtf8(u8"九月"));
    dc.TextOut(plot.left + plot.Width() / 3, volume.bottom + 6, TextFromUtf8(u8"十月"));
    dc.TextOut(plot.left + plot.Width() * 2 / 3, volume.bottom + 6, TextFromUtf8(u8"十一月"));
    dc.SelectObject(pOldFont);

    CPen pen(PS_SOLID, 2, crPrice);
    CPen* pOldPen = dc.SelectObject(&pen);
    for (int i = 0; i < nDays; ++i) {
        const int x = plot.left + 4 + (plot.Width() - 8) * i / (nDays - 1);
        const int y = plot.bottom - static_cast<int>((closes[i] - dLow) / (dHigh - dLow) * plot.Height());
        if (i == 0)
            dc.MoveTo(x, y);
        else
            dc.LineTo(x, y);
        const bool bUp = i == 0 || closes[i] >= closes[i - 1];
        const int nBar = static_cast<int>(volume.Height() * (0.3 + 0.6 * std::fabs(std::sin(i * 0.9))));
        dc.FillSolidRect(CRect(x - 2, volume.bottom - nBar, x + 2, volume.bottom), bUp ? crUp : crDown);
    }
    dc.SelectObject(pOldPen);
}
} // namespace

BEGIN_MESSAGE_MAP(PrintPreviewPage, GalleryPage)
    ON_WM_PAINT()
    ON_BN_CLICKED(kButtonId, OnPreview)
END_MESSAGE_MAP()

BOOL PrintPreviewPage::Create(CWnd* pParent, const CRect& rect, UINT nID, CFont* pFont)
{
    if (!CreatePage(pParent, rect, nID, pFont,
                    u8"主程式畫出的走勢圖；按「預覽列印」開啟預覽，可切換彩色或黑白、直印或橫印，以及擴展至頁面。"))
        return FALSE;
    // The chart is painted in the host's list colours and the strip under
    // the picture in its common font.
    SettingsStub::LoadDefaultData();
    CommonObjectStub::LoadDefaultData();
    m_button.Create(TextFromUtf8(u8"預覽列印"), WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON,
                    CRect(0, 50, 120, 80), this, kButtonId);
    m_button.SetFont(pFont);
    m_rcChart = CRect(0, 90, rect.Width(), rect.Height());
    return TRUE;
}

void PrintPreviewPage::OnPaint()
{
    CPaintDC dc(this);
    DrawDemoChart(dc, m_rcChart, m_pFont);
}

void PrintPreviewPage::OnPreview() { OpenPreview(); }

void PrintPreviewPage::OpenPreview()
{
    m_preview.reset(new MXPrintPreviewWnd(this));
    m_preview->vSetColorDefault(true);
    m_preview->CreateByID(this);
    if (m_preview->m_hWnd == NULL)
        return;
    const CSize area = m_preview->szGetMemoryDCSize();
    const CRect rcArea(0, 0, area.cx, area.cy);
    // The colour picture with the host's screen colours exchanged for
    // print colours; the black-and-white one as drawn (the dialog grays it).
    CDC* pDC = m_preview->dcGetMemoryDC(true);
    DrawDemoChart(*pDC, rcArea, m_pFont);
    m_preview->vSetExchangeColor();
    m_preview->vConvertSpecialColor(pDC, rcArea);
    m_preview->vMemoryDCDrawDone(true);
    DrawDemoChart(*m_preview->dcGetMemoryDC(false), rcArea, m_pFont);
    m_preview->vMemoryDCDrawDone(false);

    CRect rcMain, rcPreview;
    ::GetWindowRect(::GetAncestor(m_hWnd, GA_ROOT), &rcMain);
    m_preview->GetWindowRect(&rcPreview);
    m_preview->SetWindowPos(NULL, rcMain.CenterPoint().x - rcPreview.Width() / 2,
                            rcMain.CenterPoint().y - rcPreview.Height() / 2, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    m_preview->ShowWindow(SW_SHOW);
}
