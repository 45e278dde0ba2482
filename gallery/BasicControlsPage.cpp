#include "BasicControlsPage.h"

#include "CMemDrawDC.h"
#include "Utf8Text.h"

BEGIN_MESSAGE_MAP(BufferedChartPanel, CWnd)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

void BufferedChartPanel::OnPaint()
{
    CPaintDC dc(this);
    CRect rc;
    GetClientRect(rc);
    CMemDrawDC mem(&dc, rc);
    const bool bDark = SMXTabColorSet::ColorType != 0;
    mem->FillSolidRect(CRect(0, 0, rc.Width(), rc.Height()), bDark ? RGB(41, 41, 41) : RGB(255, 255, 255));
    // A week of closing prices, as bars rising from the bottom edge.
    const int closes[] = {62, 70, 55, 81, 77, 90, 86};
    const int nBars = static_cast<int>(sizeof(closes) / sizeof(closes[0]));
    const int nSlot = rc.Width() / nBars;
    for (int i = 0; i < nBars; ++i) {
        const int nHeight = (rc.Height() - 10) * closes[i] / 100;
        const COLORREF clr = i > 0 && closes[i] < closes[i - 1] ? RGB(0, 160, 0) : RGB(220, 0, 0);
        mem->FillSolidRect(CRect(i * nSlot + 6, rc.Height() - nHeight, (i + 1) * nSlot - 6, rc.Height()), clr);
    }
    mem.ForceBitBlt(SRCCOPY);
}

// The whole client area is painted by OnPaint in one copy.
BOOL BufferedChartPanel::OnEraseBkgnd(CDC*) { return TRUE; }

BEGIN_MESSAGE_MAP(BasicControlsPage, GalleryPage)
    ON_BN_CLICKED(kSchemeId, OnSchemeSwitch)
END_MESSAGE_MAP()

BOOL BasicControlsPage::Create(CWnd* pParent, const CRect& rect, UINT nID, CFont* pFont)
{
    if (!CreatePage(pParent, rect, nID, pFont,
                    u8"代號只接受英文字母、數字、( ) - _ 與中文字；特殊字元與鍵盤貼上會被拒絕。"))
        return FALSE;
    m_filter.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, CRect(24, 52, 304, 78), this,
                    kFilterId);
    m_filter.SetFont(pFont);

    m_rich.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP | ES_MULTILINE | ES_AUTOVSCROLL,
                  CRect(24, 96, 640, 176), this, kRichId);
    m_rich.SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(pFont->m_hObject), TRUE);
    m_rich.SetWindowText(TextFromUtf8(u8"台積電今日收盤 1,085 元，漲 15 元；成交量放大，外資連續三日買超。\r\n"
                                      u8"這是一個豐富文字編輯框，可直接輸入繁體中文。"));

    m_darkScheme.Create(TextFromUtf8(u8"深色配色"), WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX,
                        CRect(24, 192, 200, 218), this, kSchemeId);
    m_darkScheme.SetFont(pFont);
    // The chart stands on the tab strip's client area: the strip must not paint over it.
    m_tabs.Create(WS_VISIBLE | WS_CLIPSIBLINGS, CRect(24, 224, 640, 420), this, kTabsId);
    for (const char* pszTab : {u8"自選股", u8"報價", u8"走勢圖", u8"技術分析", u8"新聞"})
        m_tabs.InsertItem(m_tabs.GetItemCount(), TextFromUtf8(pszTab));
    m_tabs.SetSelectedItem(m_tabs.GetItem(1));
    m_tabs.SetFont(pFont);
    m_tabs.SetColorSet(&m_tabColours);

    m_chart.CreateEx(0, NULL, NULL, WS_CHILD | WS_VISIBLE, CRect(48, 264, 616, 404), this, kChartId);
    m_chart.SetWindowPos(&CWnd::wndTop, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    return TRUE;
}

void BasicControlsPage::OnSchemeSwitch()
{
    // The host's switch: the fills follow at the next repaint, the colour
    // set's own colours at its next refresh.
    SMXTabColorSet::ColorType = m_darkScheme.GetCheck() == BST_CHECKED ? 1 : 0;
    m_tabs.RefreshMetrics();
    m_tabs.Invalidate(FALSE);
    m_chart.Invalidate(FALSE);
}
