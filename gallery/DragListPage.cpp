#include "DragListPage.h"

#include "Utf8Text.h"

namespace {
// The host learns of a finished drag by registering the same name.
UINT g_uDragEnd = ::RegisterWindowMessageA("DRAGLISTBOX_MSG_DRAG_END");
} // namespace

BEGIN_MESSAGE_MAP(DragListPage, GalleryPage)
    ON_REGISTERED_MESSAGE(g_uDragEnd, OnDragEnd)
END_MESSAGE_MAP()

BOOL DragListPage::Create(CWnd* pParent, const CRect& rect, UINT nID, CFont* pFont)
{
    if (!CreatePage(pParent, rect, nID, pFont, u8"選取一或多個項目（Ctrl、Shift 可多選），拖到新位置放開；Esc 取消。",
                    u8"尚未拖放。", 422))
        return FALSE;
    // Room on both sides for the marker's arrows, which are drawn beside the list.
    m_list.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | WS_VSCROLL | LBS_EXTENDEDSEL, CRect(24, 48, 304, 412), this,
                  kListId);
    m_list.SetFont(pFont);
    const char* const symbols[] = {u8"2330 台積電", u8"2317 鴻海", u8"2454 聯發科", u8"2412 中華電",
                                   u8"2882 國泰金", u8"2881 富邦金", u8"1301 台塑", u8"2002 中鋼",
                                   u8"2303 聯電", u8"3711 日月光投控", u8"2308 台達電", u8"1216 統一",
                                   u8"2886 兆豐金", u8"2891 中信金", u8"2603 長榮", u8"5880 合庫金",
                                   u8"2207 和泰車", u8"2912 統一超", u8"4904 遠傳", u8"3008 大立光",
                                   u8"2357 華碩", u8"2382 廣達", u8"6505 台塑化", u8"1303 南亞"};
    for (int i = 0; i < static_cast<int>(sizeof(symbols) / sizeof(symbols[0])); ++i) {
        const int nIndex = m_list.AddString(TextFromUtf8(symbols[i]));
        m_list.SetItemData(nIndex, static_cast<DWORD_PTR>(i));
    }
    return TRUE;
}

LRESULT DragListPage::OnDragEnd(WPARAM, LPARAM)
{
    CString strStatus;
    strStatus.Format(TextFromUtf8(u8"拖放已結束 %d 次。"), ++m_nDragEnds);
    SetStatus(strStatus);
    return 0;
}
