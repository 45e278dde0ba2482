#include "GalleryWindow.h"

#include <vector>

#include "Utf8Text.h"

namespace {
const UINT kPagesId = 100;
const UINT kAboutId = 101;
const UINT kDragPageId = 110;
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
} // namespace

BEGIN_MESSAGE_MAP(GalleryWindow, CWnd)
    ON_WM_CREATE()
    ON_LBN_SELCHANGE(kPagesId, OnPageChange)
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

    const CRect rcPage(216, 8, 880, 590);
    m_pages.AddString(TextFromUtf8(u8"拖放清單"));
    m_dragPage.Create(this, rcPage, kDragPageId, &m_font);
    m_pages.AddString(TextFromUtf8(u8"搜尋輸入框"));
    m_searchPage.Create(this, rcPage, kSearchPageId, &m_font);

    static_assert(sizeof(kSymbolPages) / sizeof(kSymbolPages[0]) == kSymbolPageCount, "one setup per page");
    for (int i = 0; i < kSymbolPageCount; ++i) {
        m_pages.AddString(TextFromUtf8(kSymbolPages[i].pszName));
        m_symbolPages[i].Create(this, rcPage, kFirstSymbolPageId + i, &m_font,
                                kSymbolPages[i].pszCaption, kSymbolPages[i].type);
    }
    std::vector<CSymbolInfo> records = WatchListRecords();
    m_symbolPages[kSymbolPageCount - 1].SetSearchData(records);

    m_pages.AddString(TextFromUtf8(u8"預覽列印"));
    m_previewPage.Create(this, rcPage, kPreviewPageId, &m_font);
    m_pages.AddString(TextFromUtf8(u8"基本控制項"));
    m_basicPage.Create(this, rcPage, kBasicPageId, &m_font);
    m_pages.AddString(TextFromUtf8(u8"超連結"));
    m_linkPage.Create(this, rcPage, kLinkPageId, &m_font);
    m_pages.AddString(TextFromUtf8(u8"按鈕"));
    m_buttonsPage.Create(this, rcPage, kButtonsPageId, &m_font);
    return 0;
}

void GalleryWindow::ShowPage(int nPage)
{
    m_pages.SetCurSel(nPage);
    OnPageChange();
}

void GalleryWindow::OnPageChange()
{
    const int nShown = m_pages.GetCurSel();
    for (int nPage = 0; nPage < kPageCount; ++nPage)
        PageWindow(nPage)->ShowWindow(nPage == nShown ? SW_SHOW : SW_HIDE);
}

CWnd* GalleryWindow::PageWindow(int nPage)
{
    CWnd* const pages[kPageCount] = {&m_about, &m_dragPage, &m_searchPage, &m_symbolPages[0], &m_symbolPages[1],
                                     &m_symbolPages[2], &m_symbolPages[3], &m_previewPage, &m_basicPage,
                                     &m_linkPage, &m_buttonsPage};
    static_assert(kSymbolPageCount == 4, "one line per symbol page");
    return nPage >= 0 && nPage < kPageCount ? pages[nPage] : NULL;
}
