#include "SearchEditPage.h"

#include <vector>

#include "Utf8Text.h"

namespace {
// The host learns of a choice by registering the same name.
UINT g_uSearchSelected = ::RegisterWindowMessageA("EDITMSG_SEARCH_SELECTED");

// About four thousand names: each company with each of a few products.
std::vector<CString> DemoSearchData()
{
    const char* const companies[] = {
        u8"台積電", u8"鴻海", u8"聯發科", u8"中華電", u8"國泰金", u8"富邦金", u8"台塑", u8"中鋼",
        u8"聯電", u8"日月光", u8"台達電", u8"統一", u8"兆豐金", u8"中信金", u8"長榮", u8"合庫金",
        u8"和泰車", u8"統一超", u8"遠傳", u8"大立光", u8"華碩", u8"廣達", u8"台塑化", u8"南亞",
        u8"玉山金", u8"元大金", u8"第一金", u8"華南金", u8"台泥", u8"亞泥", u8"光寶科", u8"仁寶",
        u8"緯創", u8"英業達", u8"宏碁", u8"友達", u8"群創", u8"陽明", u8"萬海", u8"長榮航"};
    const char* const products[] = {u8"股票", u8"期貨", u8"選擇權", u8"認購權證", u8"認售權證", u8"ETF",
                                    u8"零股", u8"融資", u8"融券", u8"盤後", u8"夜盤", u8"ADR",
                                    u8"可轉債", u8"存託憑證", u8"指數", u8"牛證", u8"熊證", u8"個股期",
                                    u8"個股選", u8"鉅額", u8"標借", u8"標購", u8"拍賣", u8"申購",
                                    u8"除權", u8"除息", u8"增資", u8"減資", u8"合併", u8"分割",
                                    u8"下市", u8"上櫃", u8"興櫃", u8"創新板", u8"處置", u8"注意",
                                    u8"全額", u8"變更", u8"暫停", u8"恢復", u8"公告", u8"財報",
                                    u8"營收", u8"股利", u8"股東會", u8"法說會", u8"外資", u8"投信",
                                    u8"自營商", u8"主力", u8"大戶", u8"散戶", u8"借券", u8"還券",
                                    u8"現股", u8"當沖", u8"沖銷", u8"庫藏股", u8"員工", u8"董監",
                                    u8"持股", u8"質押", u8"解質", u8"申報", u8"轉讓", u8"買超",
                                    u8"賣超", u8"漲停", u8"跌停", u8"成交", u8"委買", u8"委賣",
                                    u8"開盤", u8"收盤", u8"最高", u8"最低", u8"均價", u8"量比",
                                    u8"週線", u8"月線", u8"季線", u8"年線", u8"技術", u8"籌碼",
                                    u8"基本", u8"消息", u8"新聞", u8"研究", u8"評等", u8"目標價",
                                    u8"本益比", u8"淨值比", u8"殖利率"};
    std::vector<CString> data;
    for (const char* company : companies) {
        for (const char* product : products)
            data.push_back(TextFromUtf8(company) + " " + TextFromUtf8(product));
    }
    return data;
}
} // namespace

BEGIN_MESSAGE_MAP(SearchEditPage, GalleryPage)
    ON_REGISTERED_MESSAGE(g_uSearchSelected, OnSearchSelected)
END_MESSAGE_MAP()

BOOL SearchEditPage::Create(CWnd* pParent, const CRect& rect, UINT nID, CFont* pFont)
{
    if (!CreatePage(pParent, rect, nID, pFont,
                    u8"輸入名稱的任一部分（例如「金」或「權證」），以上下鍵、滾輪或滑鼠選擇，Enter 確定。", u8"尚未選擇。"))
        return FALSE;
    m_edit.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, CRect(24, 52, 304, 78), this,
                  kEditId);
    m_edit.SetFont(pFont);
    m_edit.SetNofityWnd(this);
    std::vector<CString> data = DemoSearchData();
    m_edit.SetSearchData(data, TRUE);
    return TRUE;
}

LRESULT SearchEditPage::OnSearchSelected(WPARAM, LPARAM)
{
    CString strChoice;
    if (m_edit.GetSelectedData(strChoice))
        SetStatus(TextFromUtf8(u8"已選擇：") + strChoice);
    return 0;
}
