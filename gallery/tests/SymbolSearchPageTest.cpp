// The gallery's symbol search page on the demo market: the user types a
// symbol and presses Enter, and the page's read-out names the chosen
// service and symbol; Enter on an empty edit clears it.
#include <afxwin.h>
#include <gtest/gtest.h>

#include <vector>

#include "BackendStub.h"
#include "MessagePump.h"
#include "SymbolSearchPage.h"
#include "SyntheticInput.h"
#include "Utf8Text.h"

namespace {

CString WindowText(HWND hWnd)
{
    CString strText;
    const int nLength = ::GetWindowTextLengthA(hWnd);
    ::GetWindowTextA(hWnd, strText.GetBufferSetLength(nLength), nLength + 1);
    strText.ReleaseBuffer();
    return strText;
}

struct PageRow {
    CSymbolSearchEdit::TYPE type;
    const char* pszTyped;
    const char* pszReadOut; // UTF-8
};

TEST(SymbolSearchPageTest, ReadOutFollowsEachChoiceOnEveryCatalogue)
{
    BackendStub::Reset();
    ASSERT_TRUE(BackendStub::LoadDefaultData().empty());
    CFont font;
    font.CreatePointFont(120, "PMingLiU");

    const PageRow rows[] = {
        {CSymbolSearchEdit::TYPE_SYMBOL, "TXO202612P", u8"已選擇：服務 109，代號 TXO202612P17000"},
        {CSymbolSearchEdit::TYPE_WARRANT, "030002", u8"已選擇：服務 16，代號 030002"},
        {CSymbolSearchEdit::TYPE_INDUSTRY, "TW0102", u8"已選擇：服務 105，代號 TW0102"},
        // Fed by the host's records below, not by a loader.
        {CSymbolSearchEdit::TYPE_NONE, "6488", u8"已選擇：服務 1，代號 6488"},
    };
    for (const PageRow& row : rows) {
        SCOPED_TRACE(row.pszTyped);
        CWnd host;
        ASSERT_TRUE(host.CreateEx(0, NULL, "host", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 40, 40, 700, 420, NULL, NULL));
        SymbolSearchPage page;
        ASSERT_TRUE(page.Create(&host, CRect(0, 0, 680, 380), 1, &font, u8"說明", row.type));
        std::vector<CSymbolInfo> records(2);
        records[0].SetService(1), records[0].SetSymbol("6488");
        records[1].SetService(16), records[1].SetSymbol("9999"); // no name: left out
        if (row.type == CSymbolSearchEdit::TYPE_NONE)
            page.SetSearchData(records);
        page.ShowWindow(SW_SHOW);
        ActivateForInput(host.m_hWnd);
        ::SetFocus(::GetDlgItem(page.m_hWnd, SymbolSearchPage::kEditId));
        const HWND hReadOut = ::GetDlgItem(page.m_hWnd, SymbolSearchPage::kChoiceId);

        TypeText(row.pszTyped);
        PressKey(VK_RETURN);
        EXPECT_TRUE(PumpUntil([&] { return WindowText(hReadOut) == TextFromUtf8(row.pszReadOut); }))
            << static_cast<const char*>(WindowText(hReadOut));

        // A choice leaves the whole text selected: Delete empties the edit,
        // and Enter on it takes the choice back.
        PressKey(VK_DELETE);
        PressKey(VK_RETURN);
        EXPECT_TRUE(PumpUntil([&] { return WindowText(hReadOut) == TextFromUtf8(u8"已清除選擇。"); }))
            << static_cast<const char*>(WindowText(hReadOut));
        host.DestroyWindow();
        PumpUntilIdle();
    }
}

} // namespace
