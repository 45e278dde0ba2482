// CSymbolSearchEdit in a real dialog: the user types, browses and chooses a
// symbol through the host's pump; the host hears of each choice and reads it
// back; a search without a match shows the tip for two seconds.
#include <afxwin.h>
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "BackendStub.h"
#include "CSymbolSearchEdit.h"
#include "PopupEditForm.h"

namespace {

typedef std::vector<std::string> Strings;

const char kShang[] = "\xA4\x57";                   // a one-character service name
const char kTaiJi[] = "\xA5\x78\xBF\x6E";           // a name whose first trail byte is 'x'
const char kNoMatch[] = "\xAC\x64\xB5\x4C\xB2\xC5"; // the language text of the tip

std::string Line(const char* pszID, const std::string& strName)
{
    std::string strLine = std::string("[") + kShang + "]" + pszID;
    strLine.resize(std::max<std::size_t>(strLine.size(), 4 + 8), ' ');
    return strLine + " " + strName;
}

class SymbolSearchEditTest : public PopupEditForm<CSymbolSearchEdit> {
protected:
    SymbolSearchEditTest() : PopupEditForm("g_uMsgSearchInputSelected") {}
    void SetUp() override
    {
        OpenForm();
        BackendStub::Reset();
        BackendStub::SetServices({16});
        BackendStub::SetServiceName(16, kShang);
        BackendStub::SetContracts(16, {"1101", "2330", "2303", "2317"}, {"Fund23", kTaiJi, "UMC", "Hon"});
        BackendStub::SetLangString("IDS_TOOLBAR_NOMATCH", kNoMatch);
        m_edit.SetType(CSymbolSearchEdit::TYPE_SYMBOL);
        FocusEdit();
    }

    // "service:symbol|notifications": what the host reads back and how often it was told.
    std::string Chosen()
    {
        CSymbolInfo info;
        m_edit.GetSelectedSymbol(info);
        return std::to_string(info.GetService()) + ":" + info.GetSymbol().GetString() + "|" +
               std::to_string(m_dlg.m_nCount);
    }
    void Wheel(short zDelta) { m_edit.SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(zDelta)), 0); }
    // What the user sees at a client point once the dialog repainted: popups stay over it.
    COLORREF SeenAfterRepaint(HWND hWnd, POINT pt)
    {
        m_dlg.RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        PumpFor(100);
        return ScreenColour(hWnd, pt);
    }
};

// Typing lists the matches under the edit and preselects the first ID that
// starts with the text; arrows and the wheel browse without searching; Enter
// or a click chooses; the catalogue is loaded again only when reset; nothing
// matched shows the tip above the edit for two seconds; fonts are kept.
TEST_F(SymbolSearchEditTest, TypeBrowseChooseReloadTheCatalogueMissAndKeepFonts)
{
    EXPECT_EQ(List(), static_cast<HWND>(NULL)) << "no list before the first change";
    Type("23");
    EXPECT_EQ(ListBoxLines(List()),
              (Strings{Line("1101", "Fund23"), Line("2330", kTaiJi), Line("2303", "UMC"), Line("2317", "Hon")}));
    EXPECT_EQ(Browsing(), "1 23/4") << "line 0 matches in its name only";
    CRect rcEdit, rcList, rcLine; // the list's corner: List() finds it only under the edit
    m_edit.GetWindowRect(&rcEdit);
    ::GetWindowRect(List(), &rcList);
    EXPECT_EQ(rcList.Width(), rcEdit.Width() + 100);
    EXPECT_LE(rcList.Height(), rcEdit.Height() + 100); // the list box trims itself to whole lines
    EXPECT_GT(rcList.Height(), rcEdit.Height() + 100 - ToList(LB_GETITEMHEIGHT));
    ToList(LB_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&rcLine)); // the preselected line, right of its text
    const CPoint ptLine(rcLine.right - 3, rcLine.CenterPoint().y);
    EXPECT_EQ(SeenAfterRepaint(List(), ptLine), ::GetSysColor(COLOR_HIGHLIGHT));

    Press(VK_DOWN); // the arrows write the line's ID back
    EXPECT_EQ(Browsing(), "2 2303/4");
    Press(VK_UP);
    EXPECT_EQ(Browsing(), "1 2330/4");
    for (short zDelta : {-360, -1, -120}) // the wheel moves one line per message and leaves the text
        Wheel(zDelta);
    EXPECT_EQ(Browsing(), "3 2330/4") << "stopping at the last line";
    Press(VK_ESCAPE);
    Wheel(120); // also while the list is hidden
    EXPECT_EQ(Browsing(), "2 2330/4 hidden");
    EXPECT_EQ(Chosen(), "0:|0");
    Press(VK_RETURN);
    EXPECT_EQ(Chosen(), "16:2303|1");
    EXPECT_EQ(Browsing(), "0 2303/1 hidden");
    EXPECT_EQ(m_edit.SendMessage(EM_GETSEL), MAKELRESULT(0, 4));

    SetText(m_edit, ""); // Enter on an empty edit clears the choice and still tells the host
    Press(VK_RETURN);
    EXPECT_EQ(Chosen(), "0:|2");

    SetText(m_edit, "23");
    ClickLine(List(), 3);
    EXPECT_EQ(Chosen(), "16:2317|3");
    EXPECT_EQ(Browsing(), "3 2317/4 hidden") << "the text a click writes is not searched";
    EXPECT_EQ(::GetFocus(), m_edit.m_hWnd);

    m_dlg.GetDlgItem(IDC_PLAIN_EDIT)->SetFocus(); // the host sets a new text from elsewhere
    SetText(m_edit, "230");
    EXPECT_EQ(::GetFocus(), m_edit.m_hWnd) << "showing the list takes the focus";
    EXPECT_EQ(SeenAfterRepaint(List(), ptLine), ::GetSysColor(COLOR_WINDOW)) << "the list stays over the dialog";

    BackendStub::SetContracts(16, {"2330", "6505"}, {kTaiJi, "Plastics"}); // loaded again only after ResetSymbolFile
    SetText(m_edit, "65");
    EXPECT_EQ(ListBoxLines(List()), Strings{});
    m_edit.ResetSymbolFile();
    SetText(m_edit, "650");
    EXPECT_EQ(ListBoxLines(List()), Strings{Line("6505", "Plastics")});

    const size_t nSymbols = CSymbolSearchEdit::kCatalogueReserve + 5000; // beyond the reserved room: searched whole
    BackendStub::LoadGeneratedCatalogue(nSymbols, {16});
    m_edit.ResetSymbolFile();
    SetText(m_edit, "");
    EXPECT_EQ(ToList(LB_GETCOUNT), static_cast<LRESULT>(nSymbols));
    SetText(m_edit, "135999"); // the ID, and the name that ends with it
    ASSERT_EQ(ToList(LB_GETCOUNT), 1);
    Press(VK_RETURN);
    EXPECT_EQ(Chosen(), "16:135999|4");

    // Typed over the chosen text, which stands selected: nothing matches.
    Type("zz");
    EXPECT_EQ(Browsing(), "-1 zz/0") << "the empty list shows too";
    const HWND hTip = ::FindWindowA(NULL, kNoMatch); // top-level once made
    ASSERT_TRUE(::IsWindowVisible(hTip));
    CRect rcClient, rcTip;
    m_edit.GetClientRect(&rcClient);
    m_edit.ClientToScreen(&rcClient);
    ::GetWindowRect(hTip, &rcTip);
    EXPECT_EQ(rcTip.TopLeft(), CPoint(rcClient.CenterPoint().x, rcClient.top - rcClient.Height() / 2));
    EXPECT_EQ(::GetFocus(), m_edit.m_hWnd) << "the tip does not take the focus";
    EXPECT_EQ(SeenAfterRepaint(hTip, CPoint(rcTip.Width() / 2, 2)), ::GetSysColor(COLOR_INFOBK));

    ASSERT_TRUE(PumpUntil([&] { return !::IsWindowVisible(hTip); }, 10000)) << "the tip hides itself";
    SetText(m_edit, "qq");
    ASSERT_TRUE(::IsWindowVisible(hTip));
    SetText(m_edit, "135999"); // a match hides a tip at once
    EXPECT_FALSE(::IsWindowVisible(hTip));

    EXPECT_EQ(FaceOf(m_edit.m_hWnd), FaceOf(m_dlg.m_hWnd)) << "a subclassed edit keeps its dialog's font";
    CFont font;
    ASSERT_TRUE(font.CreatePointFont(100, "Courier New"));
    m_edit.SetFont(&font);
    font.DeleteObject(); // the edit keeps its own copy, for its list and tip too
    for (HWND h : {m_edit.m_hWnd, List(), hTip})
        EXPECT_EQ(FaceOf(h), "Courier New");

    CSymbolSearchEdit created; // an edit the host makes draws in Tahoma
    created.SetType(CSymbolSearchEdit::TYPE_SYMBOL);
    ASSERT_TRUE(created.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL, CRect(250, 60, 400, 82), &m_dlg, 100));
    EXPECT_EQ(FaceOf(created.m_hWnd), "Tahoma");
    SetText(created, "135999"); // the last text any symbol edit handled: not searched
    EXPECT_EQ(ListUnder(created), static_cast<HWND>(NULL));
    SetText(created, "2317");
    EXPECT_NE(ListUnder(created), static_cast<HWND>(NULL));
}

} // namespace
