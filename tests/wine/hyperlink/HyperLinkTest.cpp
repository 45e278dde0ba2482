// CXHyperLink on a real dialog under the real mouse: colours and underline
// read from the screen, fitting to the text, the tooltip, and clicks that
// open targets through file associations of a recording program.
#include <afxwin.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include "CXHyperLink.h"
#include "LinkForm.h"
#include "MessagePump.h"
#include "SyntheticInput.h"
#include "WindowReadback.h"

namespace {

const COLORREF kBlue = RGB(0, 0, 238), kRed = RGB(255, 0, 0), kPurple = RGB(85, 26, 139);

// The link with its inner state in view.
class WatchedLink : public CXHyperLink {
public:
    bool Hovering() const { return m_bHover != FALSE; }
    HWND Tooltip() const { return m_tooltip.GetSafeHwnd(); }
    std::vector<HGDIOBJ> GdiObjects() const
    {
        return {m_fontNormal.GetSafeHandle(), m_fontUnderline.GetSafeHandle(), m_brBackground.GetSafeHandle()};
    }
};

// The host form: the control identifier of each link click it hears of.
class LinkDialog : public CDialog {
public:
    std::vector<WPARAM> m_clicks;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        return message == m_uClicked ? (m_clicks.push_back(wParam), 0) : CDialog::WindowProc(message, wParam, lParam);
    }
    void OnOK() override {}
    void OnCancel() override {}
    const UINT m_uClicked = ::RegisterWindowMessageA("WM_XHYPERLINK_CLICKED");
};

// How many pixels of a window show colour cr, and whether one row of them
// spans all the columns they occupy, as an underline does.
std::pair<int, bool> InkOf(HWND hWnd, COLORREF cr)
{
    CRect rc;
    ::GetClientRect(hWnd, &rc);
    ::MapWindowPoints(hWnd, NULL, reinterpret_cast<POINT*>(&rc), 2);
    BITMAPINFO bi = {};
    bi.bmiHeader = {sizeof(BITMAPINFOHEADER), rc.Width(), -rc.Height(), 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    std::vector<DWORD> pixels(static_cast<size_t>(rc.Width() * rc.Height()));
    HDC hScreen = ::GetDC(NULL), hMem = ::CreateCompatibleDC(hScreen);
    HBITMAP hBitmap = ::CreateCompatibleBitmap(hScreen, rc.Width(), rc.Height());
    HGDIOBJ hOld = ::SelectObject(hMem, hBitmap);
    ::BitBlt(hMem, 0, 0, rc.Width(), rc.Height(), hScreen, rc.left, rc.top, SRCCOPY);
    ::SelectObject(hMem, hOld);
    ::GetDIBits(hMem, hBitmap, 0, rc.Height(), pixels.data(), &bi, DIB_RGB_COLORS);
    ::DeleteObject(hBitmap), ::DeleteDC(hMem), ::ReleaseDC(NULL, hScreen);

    const DWORD dwWanted = (GetRValue(cr) << 16) | (GetGValue(cr) << 8) | GetBValue(cr);
    int nPixels = 0, nLeft = rc.Width(), nRight = -1, nWidestRow = 0;
    for (int y = 0; y < rc.Height(); ++y) {
        int nRow = 0;
        for (int x = 0; x < rc.Width(); ++x)
            if ((pixels[static_cast<size_t>(y * rc.Width() + x)] & 0xFFFFFF) == dwWanted)
                ++nRow, nLeft = std::min(nLeft, x), nRight = std::max(nRight, x);
        nPixels += nRow, nWidestRow = std::max(nWidestRow, nRow);
    }
    return {nPixels, nRight - nLeft > 10 && nWidestRow >= (nRight - nLeft + 1) * 9 / 10};
}

// "blue", "red underlined", ...: which of the link's colours the text shows.
std::string Look(HWND hWnd)
{
    std::string look;
    const std::pair<COLORREF, const char*> colours[] = {{kBlue, "blue"}, {kRed, "red"}, {kPurple, "purple"}};
    for (const auto& colour : colours) {
        const std::pair<int, bool> ink = InkOf(hWnd, colour.first);
        if (ink.first >= 10)
            look += (look.empty() ? "" : " and ") + std::string(colour.second) + (ink.second ? " underlined" : "");
    }
    return look.empty() ? "nothing" : look;
}

CPoint Centre(HWND hWnd)
{
    CRect rc;
    ::GetWindowRect(hWnd, &rc);
    return rc.CenterPoint();
}

class HyperLinkTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dlg.Create(IDD_LINK_FORM));
        AfxGetApp()->m_pMainWnd = &m_dlg;
        ActivateForInput(m_dlg.m_hWnd);
    }
    void TearDown() override
    {
        MouseMoveTo(AwayPoint());
        AfxGetApp()->m_pMainWnd = NULL;
        m_dlg.DestroyWindow();
        PumpUntilIdle();
    }

    void Attach(CXHyperLink& link, int nID)
    {
        ASSERT_TRUE(link.SubclassDlgItem(nID, &m_dlg));
        // A host attaches in OnInitDialog, before the form's first paint;
        // this form is on the screen already, so it paints the link again.
        link.Invalidate();
        PumpUntilIdle();
    }
    CPoint AwayPoint() // a corner of the form that no link covers
    {
        CRect rc;
        m_dlg.GetWindowRect(&rc);
        return CPoint(rc.left + 4, rc.bottom - 4);
    }
    // Under Wine's X11 driver a late motion event can undo a pointer warp:
    // the pointer is put back until the link has seen it.
    void HoverOver(WatchedLink& link) { KeepPointerUntil(Centre(link.m_hWnd), [&] { return link.Hovering(); }); }
    void Leave(WatchedLink& link) { KeepPointerUntil(AwayPoint(), [&] { return !link.Hovering(); }); }
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
        const CPoint pt = Centre(link.m_hWnd);
        KeepPointerUntil(pt, [&] { return ::WindowFromPoint(pt) == link.m_hWnd; });
        ClickAt(pt);
        PumpUntilIdle();
    }
    // Polls the screen until the link looks as expected; the last look.
    static std::string LooksLike(HWND hWnd, const std::string& expected)
    {
        PumpUntil([&] { return Look(hWnd) == expected; });
        return Look(hWnd);
    }

    LinkDialog m_dlg;
};

TEST_F(HyperLinkTest, HoverTurnsTheLinkRedAndUnderlinedUntilATickFindsThePointerOutside)
{
    WatchedLink link;
    Attach(link, IDC_LINK_LEFT);
    EXPECT_EQ(LooksLike(link.m_hWnd, "blue"), "blue");

    HoverOver(link);
    EXPECT_EQ(LooksLike(link.m_hWnd, "red underlined"), "red underlined");
    EXPECT_EQ(::GetCursor(), ::LoadCursor(NULL, IDC_HAND)) << "the hand over the link";
    PumpFor(300);
    EXPECT_TRUE(link.Hovering()) << "ticks with the pointer inside keep hover";

    Leave(link);
    EXPECT_EQ(LooksLike(link.m_hWnd, "blue"), "blue");
    EXPECT_FALSE(::KillTimer(link.m_hWnd, 100)) << "the tick that ended hover stopped the timer";
}

TEST_F(HyperLinkTest, UnderlineAlwaysOrNeverAndAModeSetBeforeAttachingDoesNotLast)
{
    WatchedLink always, never, early;
    early.SetUnderline(1);
    Attach(always, IDC_LINK_LEFT);
    Attach(never, IDC_LINK_RIGHT);
    Attach(early, IDC_LINK_CENTER);
    EXPECT_EQ(early.GetUnderline(), -1);
    EXPECT_EQ(LooksLike(early.m_hWnd, "blue"), "blue");

    always.SetUnderline(1);
    EXPECT_EQ(LooksLike(always.m_hWnd, "blue underlined"), "blue underlined");
    HoverOver(always);
    EXPECT_EQ(LooksLike(always.m_hWnd, "red underlined"), "red underlined");
    Leave(always);
    EXPECT_EQ(LooksLike(always.m_hWnd, "blue underlined"), "blue underlined");

    never.SetUnderline(0);
    HoverOver(never);
    EXPECT_EQ(LooksLike(never.m_hWnd, "red"), "red");
}

TEST_F(HyperLinkTest, SetUpExchangesTextAndTargetFitsTheTextAndTipsTheTarget)
{
    const int ids[] = {IDC_LINK_LEFT, IDC_LINK_RIGHT, IDC_LINK_CENTER, IDC_LINK_MIDDLE};
    CRect rcBefore[4], rcAfter[4];
    WatchedLink links[4], empty;
    empty.SetURL("lattice-test:empty");
    for (int i = 0; i < 4; ++i) {
        m_dlg.GetDlgItem(ids[i])->GetWindowRect(&rcBefore[i]);
        Attach(links[i], ids[i]);
        links[i].GetWindowRect(&rcAfter[i]);
    }
    Attach(empty, IDC_LINK_EMPTY);
    EXPECT_EQ(std::string(links[0].GetURL()), "Lattice link") << "the target taken from the text";
    EXPECT_EQ(WindowTextOf(empty.m_hWnd), "lattice-test:empty") << "the text taken from the target";
    EXPECT_TRUE(links[0].GetStyle() & SS_NOTIFY);

    // Narrower than the static: the alignment decides which edge stays.
    EXPECT_EQ(rcAfter[0].left, rcBefore[0].left);
    EXPECT_EQ(rcAfter[1].right, rcBefore[1].right);
    EXPECT_EQ(rcAfter[2].left + rcAfter[2].right, rcBefore[2].left + rcBefore[2].right);
    EXPECT_EQ(rcAfter[3].top + rcAfter[3].bottom, rcBefore[3].top + rcBefore[3].bottom) << "centred vertically";
    for (int i = 0; i < 4; ++i)
        EXPECT_LT(rcAfter[i].Width(), rcBefore[i].Width()) << "link " << i;

    links[0].SetURL("lattice-test:moved");
    HoverOver(links[0]);
    EXPECT_TRUE(PumpUntil([&] { return ::IsWindowVisible(links[0].Tooltip()) != FALSE; }, 5000));
    EXPECT_EQ(WindowTextOf(links[0].Tooltip()), "lattice-test:moved") << "the tooltip shows the new target";
}

TEST_F(HyperLinkTest, ColoursAndBackgroundPaintWhatTheySay)
{
    WatchedLink link, plain;
    Attach(link, IDC_LINK_LEFT);
    Attach(plain, IDC_LINK_RIGHT);
    link.SetColours(RGB(0, 128, 0), kPurple, 0xFFFFFFFF);
    link.SetBackgroundColour(RGB(255, 255, 0));
    link.Invalidate();
    EXPECT_TRUE(PumpUntil([&] { return InkOf(link.m_hWnd, RGB(0, 128, 0)).first >= 10; }));
    CRect rc;
    link.GetClientRect(&rc);
    EXPECT_GT(InkOf(link.m_hWnd, RGB(255, 255, 0)).first, rc.Width() * rc.Height() / 2) << "the background colour";
    plain.GetClientRect(&rc);
    EXPECT_GT(InkOf(plain.m_hWnd, ::GetSysColor(COLOR_3DFACE)).first, rc.Width() * rc.Height() / 2) << "the face";

    HoverOver(link);
    EXPECT_TRUE(PumpUntil([&] { return InkOf(link.m_hWnd, ::GetSysColor(COLOR_HIGHLIGHT)).first >= 10; }));
}

TEST_F(HyperLinkTest, ClicksThatOpenNothingCountAsSuccessAndNotifyWithTheId)
{
    WatchedLink off, empty;
    Attach(off, IDC_LINK_LEFT);
    Attach(empty, IDC_LINK_RIGHT);
    EXPECT_EQ(reinterpret_cast<INT_PTR>(CXHyperLink::GotoURL(NULL, SW_SHOW)), 36);

    off.EnableURL(FALSE);
    off.SetNotifyParent(TRUE);
    Click(off);
    EXPECT_TRUE(off.GetVisited());
    EXPECT_EQ(m_dlg.m_clicks, std::vector<WPARAM>{IDC_LINK_LEFT});

    empty.SetURL("");
    Click(empty);
    EXPECT_EQ(m_dlg.m_clicks.size(), 1u) << "a link that does not notify";
    Leave(empty);
    EXPECT_EQ(LooksLike(empty.m_hWnd, "purple"), "purple") << "an empty target counts as opened";
}

TEST_F(HyperLinkTest, BadInputIsQuietAndLeavesNothingBehind)
{
    std::vector<HGDIOBJ> objects;
    {
        WatchedLink link;
        Attach(link, IDC_LINK_LEFT);
        link.SetWindowTextA(NULL);
        EXPECT_EQ(WindowTextOf(link.m_hWnd), "Lattice link");
        CFont* pFont = new CFont; // deleted by its owner at once
        pFont->CreatePointFont(80, "Tahoma");
        link.ChangeFont(*pFont);
        delete pFont;
        link.SetLinkCursor(NULL);
        EXPECT_EQ(link.GetLinkCursor(), ::LoadCursor(NULL, IDC_HAND));
        link.SetBackgroundColour(RGB(1, 2, 3));
        objects = link.GdiObjects();
        HoverOver(link); // destroyed below with its timer running
        EXPECT_EQ(LooksLike(link.m_hWnd, "red underlined"), "red underlined");
    }
    PumpFor(300);
    for (HGDIOBJ h : objects)
        EXPECT_EQ(::GetObjectType(h), 0u) << "deleted with the link";

    // A static without parent, font or text, and no target.
    HWND hStatic = ::CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 10, 10, 100, 20, NULL, NULL, NULL, NULL);
    WatchedLink orphan;
    ASSERT_TRUE(orphan.SubclassWindow(hStatic));
    EXPECT_NE(orphan.GdiObjects()[1], static_cast<HGDIOBJ>(NULL)) << "built from the stock font";
    orphan.SetURL("lattice-test:orphan");
    orphan.DestroyWindow();
}

// The recording program registered as the handler of the scheme
// "lattice-test" and of web pages; its command lines are read back.
class OpeningTest : public HyperLinkTest {
protected:
    void SetUp() override
    {
        HyperLinkTest::SetUp();
        char sz[MAX_PATH];
        ::GetModuleFileNameA(NULL, sz, MAX_PATH);
        m_strRecorder = std::string(sz);
        m_strRecorder = "\"" + m_strRecorder.substr(0, m_strRecorder.rfind('\\') + 1) + "link_recorder.exe\"";
        ::GetTempPathA(MAX_PATH, sz);
        m_strRecord = std::string(sz) + "lattice_link_record.txt";
        ::DeleteFileA(m_strRecord.c_str());
        ::SetEnvironmentVariableA("LATTICE_LINK_RECORD", m_strRecord.c_str());
        LONG cb = sizeof(m_szSavedHtm);
        m_bHadHtm = ::RegQueryValueA(HKEY_CLASSES_ROOT, ".htm", m_szSavedHtm, &cb) == ERROR_SUCCESS;
        Register("lattice-test\\shell\\open\\command", m_strRecorder + " \"%1\"");
        Register("lattice-test\\shell\\new\\command", m_strRecorder + " new \"%1\"");
        Register(".htm", "LatticeTestPage");
    }
    void TearDown() override
    {
        ::RegDeleteTreeA(HKEY_CLASSES_ROOT, "lattice-test");
        ::RegDeleteTreeA(HKEY_CLASSES_ROOT, "LatticeTestPage");
        if (m_bHadHtm)
            Register(".htm", m_szSavedHtm);
        ::DeleteFileA(m_strRecord.c_str());
        HyperLinkTest::TearDown();
    }
    static void Register(const char* pszKey, const std::string& value)
    {
        ::RegSetValueA(HKEY_CLASSES_ROOT, pszKey, REG_SZ, value.c_str(), static_cast<DWORD>(value.size()));
    }
    void SetPageCommand(const std::string& command) { Register("LatticeTestPage\\shell\\open\\command", command); }
    // The command lines recorded, once there are n of them.
    std::vector<std::string> Recorded(size_t n)
    {
        std::vector<std::string> lines;
        PumpUntil([&] {
            lines.clear();
            std::ifstream file(m_strRecord);
            for (std::string line; std::getline(file, line);)
                lines.push_back(line);
            return lines.size() >= n;
        }, 10000);
        return lines;
    }
    // A scheme the shell has no handler for, so that the fallback runs.
    static INT_PTR OpenUnknown(const std::string& target)
    {
        return reinterpret_cast<INT_PTR>(CXHyperLink::GotoURL(("lattice-none:" + target).c_str(), SW_SHOW));
    }

    std::string m_strRecorder; // quoted, as a registered command has it
    std::string m_strRecord;
    char m_szSavedHtm[MAX_PATH] = "";
    bool m_bHadHtm = false;
};

TEST_F(OpeningTest, TheShellRunsTheRegisteredProgramAndTheLinkTurnsVisited)
{
    WatchedLink link;
    Attach(link, IDC_LINK_LEFT);
    link.SetURL("lattice-test:page?a=1&b=2");
    link.SetNotifyParent(TRUE);
    Click(link);
    EXPECT_TRUE(link.GetVisited());
    EXPECT_EQ(m_dlg.m_clicks, std::vector<WPARAM>{IDC_LINK_LEFT});
    link.SetAlwaysOpenNew(TRUE);
    Click(link);
    const std::vector<std::string> lines = Recorded(2);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_NE(lines[0].find(" \"lattice-test:page?a=1&b=2\""), std::string::npos) << lines[0];
    EXPECT_NE(lines[1].find(" new \"lattice-test:page?a=1&b=2\""), std::string::npos) << lines[1];
}

TEST_F(OpeningTest, TheFallbackRunsTheRewrittenWebPageCommand)
{
    const std::string target = "lattice-none:a b&c=\"d\"";
    const std::string& rec = m_strRecorder;
    const std::pair<std::string, std::string> rows[] = {
        {rec + " \"%1\"", rec + "  " + target}, // cut at the opening quote
        {rec + " -x %1 -y", rec + " -x  " + target}, // cut at the bare %1
        {rec + " -x", rec + " -x " + target}, // kept whole
    };
    for (size_t i = 0; i < 3; ++i) {
        SetPageCommand(rows[i].first);
        EXPECT_GT(OpenUnknown("a b&c=\"d\""), 32) << rows[i].first;
        const std::vector<std::string> lines = Recorded(i + 1);
        ASSERT_EQ(lines.size(), i + 1);
        EXPECT_EQ(lines.back(), rows[i].second);
    }
}

TEST_F(OpeningTest, AFailedFallbackClearsVisitedStillNotifiesAndOverlongInputRunsNothing)
{
    WatchedLink link;
    Attach(link, IDC_LINK_LEFT);
    link.SetURL("lattice-none:page");
    link.SetNotifyParent(TRUE);
    link.SetVisited(TRUE);
    SetPageCommand("\"%1\""); // would run the target itself
    Click(link);
    EXPECT_FALSE(link.GetVisited());
    EXPECT_EQ(m_dlg.m_clicks, std::vector<WPARAM>{IDC_LINK_LEFT});

    SetPageCommand(m_strRecorder + " " + std::string(300, 'x') + " %1"); // longer than the value buffer
    EXPECT_LE(OpenUnknown("a"), 32);
    SetPageCommand(m_strRecorder + " %1");
    EXPECT_LE(OpenUnknown(std::string(600, 't')), 32) << "longer than the command buffer";
    ::RegDeleteTreeA(HKEY_CLASSES_ROOT, "LatticeTestPage");
    EXPECT_LE(OpenUnknown("b"), 32) << "no command registered";
    // A run that must happen, after those that must not.
    SetPageCommand(m_strRecorder + " %1");
    EXPECT_GT(OpenUnknown("marker"), 32);
    EXPECT_EQ(Recorded(1), std::vector<std::string>{m_strRecorder + "  lattice-none:marker"});
}

} // namespace
