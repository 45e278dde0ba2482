#include "SymbolSearchPage.h"

#include "Utf8Text.h"

namespace {
// The host learns of a choice by registering the same name.
UINT g_uSymbolSelected = ::RegisterWindowMessageA("g_uMsgSearchInputSelected");
} // namespace

BEGIN_MESSAGE_MAP(SymbolSearchPage, CWnd)
    ON_REGISTERED_MESSAGE(g_uSymbolSelected, OnSymbolSelected)
END_MESSAGE_MAP()

BOOL SymbolSearchPage::Create(CWnd* pParent, const CRect& rect, UINT nID, CFont* pFont,
                              const char* pszCaptionUtf8, CSymbolSearchEdit::TYPE type)
{
    if (!CreateEx(0, NULL, NULL, WS_CHILD | WS_CLIPCHILDREN, rect, pParent, nID))
        return FALSE;
    m_caption.Create(TextFromUtf8(pszCaptionUtf8), WS_CHILD | WS_VISIBLE, CRect(0, 0, rect.Width(), 44), this,
                     kCaptionId);
    m_caption.SetFont(pFont);
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
    m_choice.Create(TextFromUtf8(u8"尚未選擇。"), WS_CHILD | WS_VISIBLE, CRect(24, 320, rect.Width(), 350), this,
                    kChoiceId);
    m_choice.SetFont(pFont);
    return TRUE;
}

void SymbolSearchPage::SetSearchData(std::vector<CSymbolInfo>& records)
{
    m_edit.SetSearchData(records);
}

void SymbolSearchPage::SetEditText(const CString& strText)
{
    m_edit.SetWindowText(strText);
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
    m_choice.SetWindowText(strChoice);
    return 0;
}
