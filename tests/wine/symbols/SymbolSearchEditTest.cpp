// CSymbolSearchEdit in a real dialog: the user types, browses and chooses a
// symbol through the host's pump; the host hears of each choice and reads it
// back; a search without a match shows the tip for two seconds.
#include <afxwin.h>
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "BackendStub.h"
#include "MessagePump.h"
#include "SymbolForm.h"
#include "SymbolSearchEditTestAccess.h"
#include "SyntheticInput.h"
#include "WindowReadback.h"

namespace {

typedef CSymbolSearchEditTestAccess Access;
typedef std::vector<std::string> Strings;

UINT g_uSelectedMsg = ::RegisterWindowMessageA("g_uMsgSearchInputSelected");

const char kShang[] = "\xA4\x57";                // a one-character service name
const char kTaiJi[] = "\xA5\x78\xBF\x6E";        // a name whose first trail byte is 'x'
const char kNoMatch[] = "\xAC\x64\xB5\x4C\xB2\xC5"; // the language text of the tip

class HostDialog : public CDialog {
public:
    int m_nSelected = 0; // "g_uMsgSearchInputSelected" received

protected:
    afx_msg LRESULT OnSymbolSelected(WPARAM, LPARAM) { return ++m_nSelected, 0; }
    void OnOK() override {}
    void OnCancel() override {}
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(HostDialog, CDialog)
    ON_REGISTERED_MESSAGE(g_uSelectedMsg, OnSymbolSelected)
END_MESSAGE_MAP()

std::string Line(const char* pszID, const std::string& strName)
{
    std::string strLine = std::string("[") + kShang + "]" + pszID;
    strLine.resize(std::max<std::size_t>(strLine.size(), 4 + 8), ' ');
    return strLine + " " + strName;
}

std::string FaceOf(HFONT hFont)
{
    LOGFONT lf = {};
    return ::GetObjectA(hFont, sizeof(lf), &lf) != 0 ? lf.lfFaceName : "<no font>";
}
std::string FaceOf(HWND hWnd) { return FaceOf(reinterpret_cast<HFONT>(::SendMessageA(hWnd, WM_GETFONT, 0, 0))); }

class SymbolSearchEditTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        BackendStub::Reset();
        BackendStub::SetServices({16});
        BackendStub::SetServiceName(16, kShang);
        BackendStub::SetContracts(16, {"1101", "2330", "2303", "2317"}, {"Fund23", kTaiJi, "UMC", "Hon"});
        BackendStub::SetLangString("IDS_TOOLBAR_NOMATCH", kNoMatch);
        Access::ForgetLastText();

        ASSERT_TRUE(m_dlg.Create(IDD_SYMBOL_FORM));
        AfxGetApp()->m_pMainWnd = &m_dlg;
        ASSERT_TRUE(m_edit.SubclassDlgItem(IDC_SYMBOL_EDIT, &m_dlg));
        m_edit.SetType(CSymbolSearchEdit::TYPE_SYMBOL);
        m_edit.SetNofityWnd(&m_dlg);
        ActivateForInput(m_dlg.m_hWnd);
        m_edit.SetFocus();
        PumpUntilIdle();
    }
    void TearDown() override
    {
        AfxGetApp()->m_pMainWnd = NULL;
        m_dlg.DestroyWindow();
        PumpUntilIdle();
    }

    HWND List() { return Access::List(m_edit); }
    bool Shown() { return ::IsWindowVisible(List()) != FALSE; }
    LRESULT ToList(UINT uMsg, WPARAM wParam = 0, LPARAM lParam = 0) { return ::SendMessageA(List(), uMsg, wParam, lParam); }
    Strings Lines() { return ListBoxLines(List()); }
    static std::string Text(CWnd& wnd) { return WindowTextOf(wnd.m_hWnd); }
    // "selection text/line count": browsing must move the selection, not search again.
    std::string Browsing() { return std::to_string(ToList(LB_GETCURSEL)) + " " + Text(m_edit) + "/" + std::to_string(ToList(LB_GETCOUNT)); }
    // "service:symbol|notifications": what the host reads back and how often it was told.
    std::string Chosen()
    {
        CSymbolInfo info;
        m_edit.GetSelectedSymbol(info);
        return std::to_string(info.GetService()) + ":" + std::string(info.GetSymbol()) + "|" + std::to_string(m_dlg.m_nSelected);
    }
    void SetText(CWnd& wnd, const char* psz) { wnd.SetWindowText(psz), PumpUntilIdle(); }
    void Type(const char* psz) { TypeText(psz), PumpUntilIdle(); }
    void Press(WORD vk) { PressKey(vk), PumpUntilIdle(); }
    void Wheel(CWnd& wnd, short zDelta) { wnd.SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(zDelta)), 0); }
    // A line of a list, in its client area.
    static CRect LineRect(HWND hList, int nLine)
    {
        CRect rc;
        ::SendMessageA(hList, LB_GETITEMRECT, nLine, reinterpret_cast<LPARAM>(&rc));
        return rc;
    }
    void RepaintDialog()
    {
        m_dlg.RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        PumpFor(100);
    }
    void ClickLine(HWND hList, int nLine)
    {
        PumpFor(::GetDoubleClickTime() + 150); // settled, and no double click with an earlier click
        CPoint pt = LineRect(hList, nLine).CenterPoint();
        ::ClientToScreen(hList, &pt);
        MouseMoveTo(pt);
        PumpFor(50);
        ClickAt(pt);
        PumpUntilIdle();
    }

    HostDialog m_dlg;
    CSymbolSearchEdit m_edit;
};

TEST_F(SymbolSearchEditTest, TypingListsMatchesUnderTheEditAndPreselectsTheFirstIDThatStartsWithTheText)
{
    EXPECT_EQ(List(), static_cast<HWND>(NULL)) << "no list before the first change";
    Type("23");
    ASSERT_TRUE(Shown());
    EXPECT_EQ(Lines(), (Strings{Line("1101", "Fund23"), Line("2330", kTaiJi), Line("2303", "UMC"), Line("2317", "Hon")}));
    EXPECT_EQ(Browsing(), "1 23/4") << "line 0 matches in its name only";
    CRect rcEdit, rcList;
    m_edit.GetWindowRect(&rcEdit);
    ::GetWindowRect(List(), &rcList);
    EXPECT_EQ(rcList.TopLeft(), CPoint(rcEdit.left, rcEdit.bottom));
    EXPECT_EQ(rcList.Width(), rcEdit.Width() + 100);
    EXPECT_LE(rcList.Height(), rcEdit.Height() + 100); // the list box trims itself to whole lines
    EXPECT_GT(rcList.Height(), rcEdit.Height() + 100 - ToList(LB_GETITEMHEIGHT));
    EXPECT_TRUE(::GetWindowLongA(List(), GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_EQ(::GetFocus(), m_edit.m_hWnd);
    RepaintDialog(); // the list stays on the screen over the dialog
    const CRect rcLine = LineRect(List(), 1); // the preselected line, right of its text
    EXPECT_EQ(ScreenColour(List(), CPoint(rcLine.right - 3, rcLine.CenterPoint().y)), ::GetSysColor(COLOR_HIGHLIGHT));
    EXPECT_EQ(m_edit.SendMessage(WM_GETDLGCODE) & DLGC_WANTALLKEYS, static_cast<LRESULT>(DLGC_WANTALLKEYS));

    SetText(m_edit, "");
    EXPECT_EQ(Browsing(), "0 /4") << "an empty text lists the whole catalogue";
    EXPECT_EQ(BackendStub::CallCount(BackendCallKind::GetAllServiceID), 1u) << "loaded at the first change only";

    BackendStub::SetContracts(16, {"2330", "6505"}, {kTaiJi, "Plastics"});
    m_edit.ResetSymbolFile();
    SetText(m_edit, "65");
    EXPECT_EQ(Lines(), Strings{Line("6505", "Plastics")});
    EXPECT_EQ(BackendStub::CallCount(BackendCallKind::GetAllServiceID), 2u);
}

TEST_F(SymbolSearchEditTest, AMarketBeyondTheReservedRoomIsSearchedWhole)
{
    const size_t nSymbols = CSymbolSearchEdit::kCatalogueReserve + 5000;
    BackendStub::LoadGeneratedCatalogue(nSymbols, {16});
    SetText(m_edit, "");
    EXPECT_EQ(ToList(LB_GETCOUNT), static_cast<LRESULT>(nSymbols));
    SetText(m_edit, "135999"); // the ID, and the name that ends with it
    ASSERT_EQ(ToList(LB_GETCOUNT), 1);
    Press(VK_RETURN);
    EXPECT_EQ(Chosen(), "16:135999|1");
}

TEST_F(SymbolSearchEditTest, ArrowsWriteTheSymbolIDBackAndEnterChoosesIt)
{
    Type("23");
    Press(VK_DOWN);
    EXPECT_EQ(Browsing(), "2 2303/4");
    Press(VK_UP);
    EXPECT_EQ(Browsing(), "1 2330/4");
    EXPECT_EQ(Chosen(), "0:|0");
    Press(VK_RETURN);
    EXPECT_EQ(Chosen(), "16:2330|1");
    EXPECT_FALSE(Shown());
    EXPECT_EQ(Text(m_edit), "2330");
    int nStart = -1, nEnd = -1;
    m_edit.GetSel(nStart, nEnd);
    EXPECT_EQ(nStart, 0);
    EXPECT_EQ(nEnd, 4);

    SetText(m_edit, "11"); // a line whose data does not index the catalogue chooses nothing
    ToList(LB_SETITEMDATA, 0, 999);
    Press(VK_RETURN);
    EXPECT_EQ(Chosen(), "16:2330|2");
    EXPECT_EQ(Text(m_edit), "11");

    SetText(m_edit, ""); // Enter on an empty edit clears the choice and still tells the host
    Press(VK_RETURN);
    EXPECT_EQ(Chosen(), "0:|3");
}

TEST_F(SymbolSearchEditTest, TheWheelMovesTheSelectionOnlyAlsoWhileTheListIsHidden)
{
    Wheel(m_edit, -120); // no list yet: nothing happens
    Type("3");
    ASSERT_EQ(Browsing(), "0 3/4");
    Wheel(m_edit, 120);
    EXPECT_EQ(Browsing(), "0 3/4");
    for (short zDelta : {-360, -1, -120, -120})
        Wheel(m_edit, zDelta);
    EXPECT_EQ(Browsing(), "3 3/4") << "one line per message, stopping at the last";
    Press(VK_ESCAPE);
    EXPECT_FALSE(Shown());
    Wheel(m_edit, 120);
    EXPECT_EQ(Browsing(), "2 3/4");
    ToList(LB_SETCURSEL, static_cast<WPARAM>(-1));
    Wheel(m_edit, -120);
    EXPECT_EQ(Browsing(), "0 3/4") << "from no selection to the first line";
}

TEST_F(SymbolSearchEditTest, AClickChoosesOnlyWithANotifyWindowSetBeforeTheListWasMade)
{
    Type("23");
    ClickLine(List(), 3);
    EXPECT_EQ(Chosen(), "16:2317|1");
    EXPECT_EQ(Text(m_edit), "2317");
    EXPECT_EQ(ToList(LB_GETCOUNT), 4) << "the text a click writes is not searched";
    EXPECT_FALSE(Shown());
    EXPECT_EQ(::GetFocus(), m_edit.m_hWnd);

    CSymbolSearchEdit created; // no notify window: a click only returns the focus
    ASSERT_TRUE(created.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL, CRect(250, 60, 400, 82), &m_dlg,
                               IDC_CREATED_EDIT));
    created.SetType(CSymbolSearchEdit::TYPE_SYMBOL);
    SetText(created, "1");
    const HWND hList = Access::List(created);
    ASSERT_TRUE(::IsWindowVisible(hList));
    ClickLine(hList, 0); // the list takes the focus on the press and gives it back on the release
    EXPECT_EQ(::GetFocus(), created.m_hWnd);
    EXPECT_TRUE(::IsWindowVisible(hList));
    EXPECT_EQ(Text(created), "1");
    CSymbolInfo info;
    created.GetSelectedSymbol(info);
    EXPECT_EQ(info.GetSymbol(), "");
    EXPECT_EQ(m_dlg.m_nSelected, 1);
}

TEST_F(SymbolSearchEditTest, NothingMatchedShowsTheTipAboveTheEditForTwoSeconds)
{
    Type("zz");
    EXPECT_TRUE(Shown()) << "the empty list shows too";
    EXPECT_EQ(Lines(), Strings{});
    const HWND hTip = Access::Tip(m_edit);
    ASSERT_TRUE(::IsWindowVisible(hTip));
    EXPECT_EQ(WindowTextOf(hTip), kNoMatch);
    CRect rcClient, rcTip;
    m_edit.GetClientRect(&rcClient);
    m_edit.ClientToScreen(&rcClient);
    ::GetWindowRect(hTip, &rcTip);
    EXPECT_EQ(rcTip.TopLeft(), CPoint(rcClient.CenterPoint().x, rcClient.top - rcClient.Height() / 2));
    EXPECT_EQ(::GetFocus(), m_edit.m_hWnd) << "the tip does not take the focus";
    RepaintDialog();
    EXPECT_EQ(ScreenColour(hTip, CPoint(rcTip.Width() / 2, 2)), ::GetSysColor(COLOR_INFOBK));

    const DWORD dwShown = ::GetTickCount();
    ASSERT_TRUE(PumpUntil([&] { return !::IsWindowVisible(hTip); }, 4000));
    EXPECT_GE(::GetTickCount() - dwShown, 1500u) << "hid too early";

    Type("z"); // a match hides a tip at once
    SetText(m_edit, "qq");
    ASSERT_TRUE(::IsWindowVisible(hTip));
    SetText(m_edit, "1");
    EXPECT_FALSE(::IsWindowVisible(hTip));
}

TEST_F(SymbolSearchEditTest, FontsFocusAndTheSharedLastText)
{
    Type("1");
    EXPECT_EQ(FaceOf(m_edit.m_hWnd), FaceOf(m_dlg.m_hWnd)) << "a subclassed edit keeps its dialog's font";
    EXPECT_EQ(::SendMessageA(List(), WM_GETFONT, 0, 0), 0) << "and its list draws in the system font";

    CFont font;
    ASSERT_TRUE(font.CreatePointFont(100, "Courier New"));
    m_edit.SetFont(&font);
    font.DeleteObject(); // the edit keeps its own copy
    for (HWND h : {m_edit.m_hWnd, List(), Access::Tip(m_edit)})
        EXPECT_EQ(FaceOf(h), "Courier New");
    const HFONT hKept = reinterpret_cast<HFONT>(m_edit.SendMessage(WM_GETFONT));
    m_edit.SetFont(NULL);
    m_edit.SetFont(&font); // deleted: unreadable
    EXPECT_EQ(reinterpret_cast<HFONT>(m_edit.SendMessage(WM_GETFONT)), hKept);

    CSymbolSearchEdit created; // an edit made by the host draws in 9-point Tahoma
    ASSERT_TRUE(created.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL, CRect(250, 60, 400, 82), &m_dlg,
                               IDC_CREATED_EDIT));
    EXPECT_EQ(FaceOf(created.m_hWnd), "Tahoma");
    SetText(created, "1"); // the last text any symbol edit handled: not searched
    EXPECT_EQ(Access::List(created), static_cast<HWND>(NULL));

    CWnd* pPlain = m_dlg.GetDlgItem(IDC_PLAIN_EDIT); // focus leaving hides the list
    pPlain->SetFocus();
    PumpUntilIdle();
    EXPECT_FALSE(Shown());
    SetText(m_edit, "2317"); // the host's text is searched like typing
    EXPECT_TRUE(Shown());
    EXPECT_EQ(Browsing(), "0 2317/1");
    EXPECT_EQ(::GetFocus(), m_edit.m_hWnd);
}

} // namespace
