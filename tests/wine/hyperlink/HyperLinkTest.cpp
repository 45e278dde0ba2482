// CXHyperLink on a real dialog under the real mouse: colours and underline
// read back from its window, fitting to the text, the tooltip, and clicks that
// open targets through file associations of a handler program.
#include <algorithm>

#include "CXHyperLink.h"
#include "DialogFixture.h"
#include "LinkForm.h"
#include "WindowReadback.h"

namespace {

const COLORREF kBlue = RGB(0, 0, 238), kRed = RGB(255, 0, 0), kPurple = RGB(85, 26, 139);
const COLORREF kGreen = RGB(0, 128, 0), kYellow = RGB(255, 255, 0); // a link's own colours

// The link with its inner state in view.
class WatchedLink : public CXHyperLink {
public:
    bool Hovering() const { return m_bHover != FALSE; }
    HWND Tooltip() const { return m_tooltip.GetSafeHwnd(); }
};

// "blue", "red underlined", "green on yellow": the colours a link's window
// shows. A colour in ten pixels or more is the text's, underlined when one
// row of it spans all the columns it occupies; one over half the window is
// the background.
std::string Look(HWND hWnd)
{
    CRect rc;
    ::GetClientRect(hWnd, &rc);
    CClientDC dc(CWnd::FromHandle(hWnd));
    std::string text, background;
    const std::pair<COLORREF, const char*> colours[] = {
        {kBlue, "blue"}, {kRed, "red"}, {kPurple, "purple"}, {kGreen, "green"}, {kYellow, "yellow"}};
    for (const auto& colour : colours) {
        int nPixels = 0, nLeft = rc.right, nRight = -1, nWidestRow = 0;
        for (int y = 0; y < rc.bottom; ++y) {
            int nRow = 0;
            for (int x = 0; x < rc.right; ++x)
                if (dc.GetPixel(x, y) == colour.first)
                    ++nRow, nLeft = std::min(nLeft, x), nRight = std::max(nRight, x);
            nPixels += nRow, nWidestRow = std::max(nWidestRow, nRow);
        }
        const int nSpan = nRight - nLeft + 1;
        if (nPixels > rc.right * rc.bottom / 2)
            background = std::string(" on ") + colour.second;
        else if (nPixels >= 10)
            text += (text.empty() ? "" : " and ") + std::string(colour.second) +
                    (nSpan > 11 && nWidestRow >= nSpan * 9 / 10 ? " underlined" : "");
    }
    return (text.empty() ? "nothing" : text) + background;
}

// The form with its links, hearing of their clicks; the handler program
// registered for the scheme "lattice-test" with the verb "open" and for web
// pages, a missing program for the verb "new". The handler is found by name
// in the test program's folder, the first place a command's program is
// looked for.
class HyperLinkTest : public DialogFixture {
protected:
    HyperLinkTest() : DialogFixture("WM_XHYPERLINK_CLICKED") {}
    void SetUp() override
    {
        OpenDialog(IDD_LINK_FORM);
        LONG cb = sizeof(m_szSavedHtm); // put back after the test; empty if there was none
        ::RegQueryValueA(HKEY_CLASSES_ROOT, ".htm", m_szSavedHtm, &cb);
        Register("lattice-test\\shell\\open\\command", m_strHandler + " \"%1\"");
        Register("lattice-test\\shell\\new\\command", "lattice_missing.exe \"%1\"");
        Register(".htm", "LatticeTestPage");
    }
    void TearDown() override
    {
        ::RegDeleteTreeA(HKEY_CLASSES_ROOT, "lattice-test");
        ::RegDeleteTreeA(HKEY_CLASSES_ROOT, "LatticeTestPage");
        Register(".htm", m_szSavedHtm);
        MouseMoveTo(ScreenPoint(NULL));
        DialogFixture::TearDown();
    }

    void Attach(CXHyperLink& link, int nID)
    {
        ASSERT_TRUE(link.SubclassDlgItem(nID, &m_dlg));
        // A host attaches in OnInitDialog, before the form's first paint;
        // this form is on the screen already, so it paints the link again.
        link.Invalidate(), PumpUntilIdle();
    }
    // The centre of a link on the screen; without one, a corner of the form
    // that no link covers.
    CPoint ScreenPoint(CWnd* pLink)
    {
        CRect rc;
        (pLink != NULL ? pLink : &m_dlg)->GetWindowRect(&rc);
        return pLink != NULL ? rc.CenterPoint() : CPoint(rc.left + 4, rc.bottom - 4);
    }
    // Under Wine's X11 driver a late motion event can undo a pointer warp:
    // the pointer is put back until the link has seen it.
    void HoverOver(WatchedLink& link) { KeepPointerUntil(ScreenPoint(&link), [&] { return link.Hovering(); }); }
    void Leave(WatchedLink& link) { KeepPointerUntil(ScreenPoint(NULL), [&] { return !link.Hovering(); }); }
    template <class Condition>
    static void KeepPointerUntil(CPoint pt, Condition done)
    {
        EXPECT_TRUE(PumpUntil([&] {
            POINT ptNow;
            if (!::GetCursorPos(&ptNow) || ptNow.x != pt.x || ptNow.y != pt.y)
                MouseMoveTo(pt);
            return done();
        }));
        PumpUntilIdle();
    }
    void Click(CXHyperLink& link)
    {
        PumpFor(::GetDoubleClickTime() + 50); // no double click with an earlier one
        // Another link's tooltip may still cover this one.
        const CPoint pt = ScreenPoint(&link);
        KeepPointerUntil(pt, [&] { return ::WindowFromPoint(pt) == link.m_hWnd; });
        ClickAt(pt);
        PumpUntilIdle();
    }
    // Polls the screen until the link looks as expected, then checks it.
    static void ExpectLook(CWnd& link, const std::string& expected)
    {
        EXPECT_EQ((PumpUntil([&] { return Look(link.m_hWnd) == expected; }), Look(link.m_hWnd)), expected);
    }

    static void Register(const char* pszKey, const std::string& value)
    {
        ::RegSetValueA(HKEY_CLASSES_ROOT, pszKey, REG_SZ, value.c_str(), static_cast<DWORD>(value.size()));
    }
    void SetPageCommand(const std::string& command) { Register("LatticeTestPage\\shell\\open\\command", command); }
    // Opens a target of a scheme the shell has no handler for, so that the
    // web page command runs; the shell's result.
    static INT_PTR OpenUnknown() { return INT_PTR(CXHyperLink::GotoURL("lattice-none:a", SW_SHOW)); }

    const std::string m_strHandler = "link_handler.exe";
    char m_szSavedHtm[MAX_PATH] = "";
};

// One form, as a user meets it: links set up on its statics in each
// alignment, hovered in the three underline modes (a mode set before
// attaching does not last), their tooltip and own colours, links given bad
// input, one destroyed while hovered, and clicks.
TEST_F(HyperLinkTest, SetUpHoverUnderlineColoursBadInputAndClicksThatOpenTargetsSafely)
{
    const int ids[] = {IDC_LINK_LEFT, IDC_LINK_RIGHT, IDC_LINK_CENTER, IDC_LINK_MIDDLE};
    // Narrower than the static: the alignment decides which edge stays
    // (left, right, the middle across, the middle down).
    auto kept = [](int i, const CRect& rc) {
        return i == 0 ? rc.left : i == 1 ? rc.right : i == 2 ? rc.left + rc.right : rc.top + rc.bottom;
    };
    WatchedLink links[4];
    WatchedLink &link = links[0], &always = links[1], &early = links[3];
    early.SetUnderline(1);
    for (int i = 0; i < 4; ++i) {
        CRect rcBefore, rcAfter;
        m_dlg.GetDlgItem(ids[i])->GetWindowRect(&rcBefore);
        Attach(links[i], ids[i]);
        links[i].GetWindowRect(&rcAfter);
        EXPECT_TRUE(rcAfter.Width() < rcBefore.Width() && kept(i, rcAfter) == kept(i, rcBefore)) << "link " << i;
    }
    EXPECT_EQ(std::string(link.GetURL()), "Lattice link") << "the target taken from the text";
    ExpectLook(early, "blue");

    link.SetURL("lattice-test:moved");
    HoverOver(link);
    ExpectLook(link, "red underlined");
    EXPECT_TRUE(PumpUntil([&] { return ::IsWindowVisible(link.Tooltip()) != FALSE; }, 5000));
    EXPECT_EQ(WindowTextOf(link.Tooltip()), "lattice-test:moved") << "the tooltip shows the new target";
    PumpFor(300);
    EXPECT_TRUE(link.Hovering()) << "ticks with the pointer inside keep hover";
    Leave(link);
    ExpectLook(link, "blue");
    always.SetUnderline(1);
    HoverOver(always);
    Leave(always);
    ExpectLook(always, "blue underlined");

    // Own colours. (A hover colour left to the system's highlight is read back
    // in the hostile table; the hover colour on the screen is the red above.)
    early.SetBackgroundColour(kYellow);
    early.SetColours(kGreen, kPurple, 0xFFFFFFFF);
    ExpectLook(early, "green on yellow");

    {
        WatchedLink never;
        never.SetURL("lattice-test:empty");
        Attach(never, IDC_LINK_EMPTY);
        EXPECT_EQ(WindowTextOf(never.m_hWnd), "lattice-test:empty") << "the text taken from the target";
        never.SetUnderline(0), never.SetWindowTextA(NULL), never.SetLinkCursor(NULL);
        HoverOver(never); // destroyed below with its timer running
        ExpectLook(never, "red");
        EXPECT_EQ(::GetCursor(), ::LoadCursor(NULL, IDC_HAND)) << "the hand over the link";
    }
    PumpFor(300); // no tick reaches the link that is gone

    // Clicks, through the shell with the verbs "open" and "new", then
    // through the web page command (rewritten, or refused when it would run
    // the target itself, as the core's OpenCommand tests check): commands
    // that overflow the value buffer or are missing open nothing. A link not
    // enabled, or an empty target, opens nothing and counts as opened.
    link.SetURL("lattice-test:page?a=1&b=2");
    Click(link); // not notifying yet
    EXPECT_TRUE(link.GetVisited());
    Leave(link);
    ExpectLook(link, "purple");
    link.SetNotifyParent(TRUE), link.SetAlwaysOpenNew(TRUE);
    Click(link);
    EXPECT_FALSE(link.GetVisited()) << "the verb \"new\", whose program is missing: a failed open";

    SetPageCommand(m_strHandler + " \"%1\"");
    link.SetURL("lattice-none:a b&c=\"d\""), link.SetAlwaysOpenNew(FALSE);
    Click(link);
    EXPECT_TRUE(link.GetVisited()) << "through the web page command";
    SetPageCommand(m_strHandler + " " + std::string(300, 'x') + " %1"); // longer than the value buffer
    EXPECT_LE(OpenUnknown(), 32);
    ::RegDeleteTreeA(HKEY_CLASSES_ROOT, "LatticeTestPage");
    EXPECT_LE(OpenUnknown(), 32) << "no command registered";

    link.EnableURL(FALSE);
    Click(link);
    EXPECT_TRUE(link.GetVisited());
    EXPECT_EQ(m_dlg.m_nCount, 3) << "from the link once it notifies, failed or not";
    EXPECT_EQ(m_dlg.m_wLastParam, static_cast<WPARAM>(IDC_LINK_LEFT));
    EXPECT_EQ(reinterpret_cast<INT_PTR>(CXHyperLink::GotoURL("", SW_SHOW)), 36);
    EXPECT_EQ(reinterpret_cast<INT_PTR>(CXHyperLink::GotoURL(NULL, SW_SHOW)), 36);
}

} // namespace
