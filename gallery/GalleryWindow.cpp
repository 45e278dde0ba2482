#include "GalleryWindow.h"

#include <vector>

#include "Utf8Text.h"

namespace {
const UINT kPagesId = 100;
const UINT kAboutId = 101;
const UINT kDragHelpId = 110;
const UINT kDragListId = 111;
const UINT kDragStatusId = 112;
const UINT kSearchPageId = 120;
const UINT kFirstSymbolPageId = 130;
const UINT kPreviewPageId = 140;
const UINT kBasicPageId = 160;
const UINT kLinkPageId = 170;
const UINT kButtonsPageId = 180;

struct SymbolPageSetup {
    const char* pszName;    // the page's line in the list of pages
    const char* pszCaption; // the help text above the edit
    CSymbolSearchEdit::TYPE type;
};

const SymbolPageSetup kSymbolPages[] = {
    {u8"商品代號搜尋",
     u8"輸入代號或名稱的一部分（例如「23」、「TXO」或「期」），搜尋上市、上櫃、選擇權與其他市場的商品；"
     u8"上下鍵或滾輪瀏覽，Enter 或按一下確定。",
     CSymbolSearchEdit::TYPE_SYMBOL},
    {u8"權證搜尋", u8"輸入權證代號或名稱的一部分（例如「0300」或「購」）。", CSymbolSearchEdit::TYPE_WARRANT},
    {u8"產業搜尋", u8"輸入上市股票或產業的代號、名稱（例如「TW01」或「半導體」）。",
     CSymbolSearchEdit::TYPE_INDUSTRY},
    {u8"自選商品搜尋", u8"搜尋主程式交給的商品記錄，每筆列為「代號 名稱」；後台查不到名稱的記錄不列出。",
     CSymbolSearchEdit::TYPE_NONE},
};

// The host's own list for the last symbol page: stocks of both markets and
// a warrant, and two symbols the backend has no name for, which the edit
// leaves out.
std::vector<CSymbolInfo> WatchListRecords()
{
    const struct {
        unsigned char service;
        const char* pszSymbol;
    } records[] = {{16, "2330"}, {16, "2454"}, {16, "0050"}, {1, "6488"}, {1, "8069"},
                   {16, "030002"}, {16, "9999"}, {109, "TXO202612C17000"}};
    std::vector<CSymbolInfo> data;
    for (const auto& record : records) {
        CSymbolInfo info;
        info.SetService(record.service);
        info.SetSymbol(record.pszSymbol);
        data.push_back(info);
    }
    return data;
}

// The host learns of a finished drag by registering the same name.
UINT g_uDragEnd = ::RegisterWindowMessageA("DRAGLISTBOX_MSG_DRAG_END");
} // namespace

BEGIN_MESSAGE_MAP(GalleryWindow, CWnd)
    ON_WM_CREATE()
    ON_LBN_SELCHANGE(kPagesId, OnPageChange)
    ON_REGISTERED_MESSAGE(g_uDragEnd, OnDragEnd)
END_MESSAGE_MAP()

GalleryWindow::GalleryWindow() = default;

BOOL GalleryWindow::CreateMain()
{
    return CreateEx(0, NULL, TextFromUtf8(u8"LatticeObject 控制項展示"), WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN,
                    40, 40, 900, 640, NULL, NULL);
}

int GalleryWindow::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    m_font.CreatePointFont(120, "PMingLiU");
    m_pages.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | LBS_NOTIFY, CRect(8, 8, 200, 590), this, kPagesId);
    m_pages.SetFont(&m_font);
    m_pages.AddString(TextFromUtf8(u8"關於"));
    m_pages.SetCurSel(0);
    m_about.Create(TextFromUtf8(u8"控制項程式庫已載入。\r\n請從左側選擇一個頁面。"), WS_CHILD | WS_VISIBLE,
                   CRect(216, 8, 880, 200), this, kAboutId);
    m_about.SetFont(&m_font);

    m_pages.AddString(TextFromUtf8(u8"拖放清單"));
    m_dragHelp.Create(TextFromUtf8(u8"選取一或多個項目（Ctrl、Shift 可多選），拖到新位置放開；Esc 取消。"),
                      WS_CHILD, CRect(216, 8, 880, 48), this, kDragHelpId);
    m_dragHelp.SetFont(&m_font);
    // Room on both sides for the marker's arrows, which are drawn beside the list.
    m_dragList.Create(WS_CHILD | WS_BORDER | WS_VSCROLL | LBS_EXTENDEDSEL, CRect(240, 56, 520, 420), this,
                      kDragListId);
    m_dragList.SetFont(&m_font);
    const char* const symbols[] = {u8"2330 台積電", u8"2317 鴻海", u8"2454 聯發科", u8"2412 中華電",
                                   u8"2882 國泰金", u8"2881 富邦金", u8"1301 台塑", u8"2002 中鋼",
                                   u8"2303 聯電", u8"3711 日月光投控", u8"2308 台達電", u8"1216 統一",
                                   u8"2886 兆豐金", u8"2891 中信金", u8"2603 長榮", u8"5880 合庫金",
                                   u8"2207 和泰車", u8"2912 統一超", u8"4904 遠傳", u8"3008 大立光",
                                   u8"2357 華碩", u8"2382 廣達", u8"6505 台塑化", u8"1303 南亞"};
    for (int i = 0; i < static_cast<int>(sizeof(symbols) / sizeof(symbols[0])); ++i) {
        const int nIndex = m_dragList.AddString(TextFromUtf8(symbols[i]));
        m_dragList.SetItemData(nIndex, static_cast<DWORD_PTR>(i));
    }
    m_dragStatus.Create(TextFromUtf8(u8"尚未拖放。"), WS_CHILD, CRect(240, 430, 880, 460), this, kDragStatusId);
    m_dragStatus.SetFont(&m_font);

    m_pages.AddString(TextFromUtf8(u8"搜尋輸入框"));
    m_searchPage.Create(this, CRect(216, 8, 880, 590), kSearchPageId, &m_font);

    static_assert(sizeof(kSymbolPages) / sizeof(kSymbolPages[0]) == kSymbolPageCount, "one setup per page");
    for (int i = 0; i < kSymbolPageCount; ++i) {
        m_pages.AddString(TextFromUtf8(kSymbolPages[i].pszName));
        m_symbolPages[i].Create(this, CRect(216, 8, 880, 590), kFirstSymbolPageId + i, &m_font,
                                kSymbolPages[i].pszCaption, kSymbolPages[i].type);
    }
    std::vector<CSymbolInfo> records = WatchListRecords();
    m_symbolPages[kSymbolPageCount - 1].SetSearchData(records);

    m_pages.AddString(TextFromUtf8(u8"預覽列印"));
    m_previewPage.Create(this, CRect(216, 8, 880, 590), kPreviewPageId, &m_font);
    m_nBasicPage = m_pages.AddString(TextFromUtf8(u8"基本控制項"));
    m_basicPage.Create(this, CRect(216, 8, 880, 590), kBasicPageId, &m_font);
    m_nLinkPage = m_pages.AddString(TextFromUtf8(u8"超連結"));
    m_linkPage.Create(this, CRect(216, 8, 880, 590), kLinkPageId, &m_font);
    m_nButtonsPage = m_pages.AddString(TextFromUtf8(u8"按鈕"));
    m_buttonsPage.Create(this, CRect(216, 8, 880, 590), kButtonsPageId, &m_font);
    return 0;
}

void GalleryWindow::ShowPage(int nPage)
{
    m_pages.SetCurSel(nPage);
    OnPageChange();
}

void GalleryWindow::OnPageChange()
{
    const int nPage = m_pages.GetCurSel();
    const bool bDragPage = nPage == 1;
    m_about.ShowWindow(nPage == 0 ? SW_SHOW : SW_HIDE);
    m_searchPage.ShowWindow(nPage == 2 ? SW_SHOW : SW_HIDE);
    m_dragHelp.ShowWindow(bDragPage ? SW_SHOW : SW_HIDE);
    m_dragList.ShowWindow(bDragPage ? SW_SHOW : SW_HIDE);
    m_dragStatus.ShowWindow(bDragPage ? SW_SHOW : SW_HIDE);
    for (int i = 0; i < kSymbolPageCount; ++i)
        m_symbolPages[i].ShowWindow(nPage == kFirstSymbolPage + i ? SW_SHOW : SW_HIDE);
    m_previewPage.ShowWindow(nPage == m_nPreviewPage ? SW_SHOW : SW_HIDE);
    m_basicPage.ShowWindow(nPage == m_nBasicPage ? SW_SHOW : SW_HIDE);
    m_linkPage.ShowWindow(nPage == m_nLinkPage ? SW_SHOW : SW_HIDE);
    m_buttonsPage.ShowWindow(nPage == m_nButtonsPage ? SW_SHOW : SW_HIDE);
}

void GalleryWindow::TypeIntoPage(const CString& strText)
{
    const int nSymbolPage = m_pages.GetCurSel() - kFirstSymbolPage;
    if (nSymbolPage >= 0 && nSymbolPage < kSymbolPageCount)
        m_symbolPages[nSymbolPage].SetEditText(strText);
    if (m_pages.GetCurSel() == m_nPreviewPage && strText == "print")
        m_previewPage.PrintChart();
    else if (m_pages.GetCurSel() == m_nPreviewPage)
        m_previewPage.OpenPreview();
}

LRESULT GalleryWindow::OnDragEnd(WPARAM, LPARAM)
{
    ++m_nDragEnds;
    CString strStatus;
    strStatus.Format(TextFromUtf8(u8"拖放已結束 %d 次。"), m_nDragEnds);
    m_dragStatus.SetWindowText(strStatus);
    return 0;
}
