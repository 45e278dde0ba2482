#include "SymbolSearchPage.h"

#include "Utf8Text.h"

namespace {
// The host learns of a choice by registering the same name.
UINT g_uSymbolSelected = ::RegisterWindowMessageA("g_uMsgSearchInputSelected");
} // namespace

BEGIN_MESSAGE_MAP(SymbolSearchPage, GalleryPage)
    ON_REGISTERED_MESSAGE(g_uSymbolSelected, OnSymbolSelected)
END_MESSAGE_MAP()

BOOL SymbolSearchPage::Create(CWnd* pParent, const CRect& rect, UINT nID, CFont* pFont,
                              const char* pszCaptionUtf8, CSymbolSearchEdit::TYPE type)
{
    if (!CreatePage(pParent, rect, nID, pFont, pszCaptionUtf8, u8"尚未選擇。"))
        return FALSE;
    // The notify window must be set before the first search creates the
    // popup list: the list copies it then, and a click chooses only if it
    // has one. The edit makes its own 9-point Tahoma when created; the page
    // gives it the gallery's font instead, which it passes on to its list
    // and tip (Chinese at 9 points loses strokes in the stand-in font).
    m_edit.SetType(type);
    m_edit.SetNofityWnd(this);
    if (!m_edit.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, CRect(24, 52, 304, 76),
                       this, kEditId))
        return FALSE;
    m_edit.SetFont(pFont);
    return TRUE;
}

void SymbolSearchPage::SetSearchData(std::vector<CSymbolInfo>& records)
{
    m_edit.SetSearchData(records);
}

LRESULT SymbolSearchPage::OnSymbolSelected(WPARAM, LPARAM)
{
    CSymbolInfo info;
    m_edit.GetSelectedSymbol(info);
    CString strChoice;
    if (info.GetSymbol().IsEmpty())
        strChoice = TextFromUtf8(u8"已清除選擇。");
    else
        strChoice.Format(TextFromUtf8(u8"已選擇：服務 %u，代號 %s"), static_cast<unsigned>(info.GetService()),
                         static_cast<const char*>(info.GetSymbol()));
    SetStatus(strChoice);
    return 0;
}
