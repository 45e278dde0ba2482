// CXHyperLink on a real dialog under the real mouse: colours and underline
// read from the screen, fitting to the text, the tooltip, and clicks that
// open targets through file associations of a recording program.
#include <afxwin.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "CXHyperLink.h"
#include "LinkForm.h"
#include "MessagePump.h"
#include "SyntheticInput.h"
#include "WindowReadback.h"

namespace {

const COLORREF kLinkBlue = RGB(0, 0, 238);
const COLORREF kHoverRed = RGB(255, 0, 0);
const COLORREF kVisitedPurple = RGB(85, 26, 139);

// The link with its inner state in view, and a record of each hover tick:
// where the pointer was when the tick was taken, and whether hover survived.
class WatchedLink : public CXHyperLink {
public:
    struct Tick {
        bool bPointerInside;
        bool bHoverAfter;
    };
    std::vector<Tick> m_ticks;

    bool Hovering() const { return m_bHover != FALSE; }
    HWND Tooltip() const { return m_tooltip.GetSafeHwnd(); }
    std::string TipText()
    {
        CString str;
        m_tooltip.GetText(str, this, 1);
        return std::string(str);
    }
    HGDIOBJ FontHandle(bool bUnderline) const { return (bUnderline ? m_fontUnderline : m_fontNormal).GetSafeHandle(); }
    HGDIOBJ BrushHandle() const { return m_brBackground.GetSafeHandle(); }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message != WM_TIMER)
            return CXHyperLink::WindowProc(message, wParam, lParam);
        CPoint pt = GetCurrentMessage()->pt;
        ScreenToClient(&pt);
        CRect rc;
        GetClientRect(&rc);
        const LRESULT lResult = CXHyperLink::WindowProc(message, wParam, lParam);
        m_ticks.push_back({rc.PtInRect(pt) != FALSE, m_bHover != FALSE});
        return lResult;
    }
};

// The host form: records the control identifier of each link click it hears of.
class LinkDialog : public CDialog {
public:
    std::vector<WPARAM> m_clicks;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == m_uClicked)
            return m_clicks.push_back(wParam), 0;
        return CDialog::WindowProc(message, wParam, lParam);
    }
    void OnOK() override {}
    void OnCancel() override {}

private:
    const UINT m_uClicked = ::RegisterWindowMessageA("WM_XHYPERLINK_CLICKED");
};

// What a window shows in one colour: how many pixels, and whether one row
// of them spans the columns they occupy, as an underline does.
struct Ink {
    int nPixels = 0;
    bool bUnderlined = false;
};

Ink InkOf(HWND hWnd, COLORREF cr)
{
    CRect rc;
    ::GetClientRect(hWnd, &rc);
    POINT ptOrigin = {0, 0};
    ::ClientToScreen(hWnd, &ptOrigin);
    BITMAPINFO bi = {};
    bi.bmiHeader.biSize = sizeof(bi.bmiHeader);
    bi.bmiHeader.biWidth = rc.Width();
    bi.bmiHeader.biHeight = -rc.Height();
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    void* pBits = NULL;
    HDC hScreen = ::GetDC(NULL);
    HDC hMem = ::CreateCompatibleDC(hScreen);
    HBITMAP hBitmap = ::CreateDIBSection(hScreen, &bi, DIB_RGB_COLORS, &pBits, NULL, 0);
    HGDIOBJ hOld = ::SelectObject(hMem, hBitmap);
    ::BitBlt(hMem, 0, 0, rc.Width(), rc.Height(), hScreen, ptOrigin.x, ptOrigin.y, SRCCOPY);
    ::GdiFlush();

    const DWORD dwWanted = (GetRValue(cr) << 16) | (GetGValue(cr) << 8) | GetBValue(cr);
    const DWORD* pPixels = static_cast<const DWORD*>(pBits);
    Ink ink;
    int nLeft = rc.Width(), nRight = -1;
    std::vector<int> rows(static_cast<size_t>(rc.Height()));
    for (int y = 0; y < rc.Height(); ++y)
        for (int x = 0; x < rc.Width(); ++x)
            if ((pPixels[y * rc.Width() + x] & 0xFFFFFF) == dwWanted) {
                ++ink.nPixels, ++rows[static_cast<size_t>(y)];
                nLeft = std::min(nLeft, x), nRight = std::max(nRight, x);
            }
    for (int nRow : rows)
        ink.bUnderlined |= nRight - nLeft > 10 && nRow >= (nRight - nLeft + 1) * 9 / 10;

    ::SelectObject(hMem, hOld);
    ::DeleteObject(hBitmap);
    ::DeleteDC(hMem);
    ::ReleaseDC(NULL, hScreen);
    return ink;
}

// "blue" / "blue underlined" / "red underlined" / ...: the colour the text
// shows in, among the link's three, as the user sees it.
std::string Look(HWND hWnd)
{
    const std::pair<COLORREF, const char*> colours[] = {
        {kLinkBlue, "blue"}, {kHoverRed, "red"}, {kVisitedPurple, "purple"}};
    std::string look;
    for (const auto& colour : colours) {
        const Ink ink = InkOf(hWnd, colour.first);
        if (ink.nPixels >= 10)
            look += std::string(look.empty() ? "" : " and ") + colour.second + (ink.bUnderlined ? " underlined" : "");
    }
    return look.empty() ? "nothing" : look;
}

CPoint CentreOnScreen(HWND hWnd)
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
        MoveAway();
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
    // The real pointer onto the link, until the link shows it noticed.
    void HoverOver(WatchedLink& link)
    {
        EXPECT_TRUE(PumpUntil([&] { return KeepPointerAt(CentreOnScreen(link.m_hWnd)), link.Hovering(); }));
        PumpUntilIdle();
    }
    // The pointer to a corner of the form that no link covers.
    CPoint AwayPoint()
    {
        CRect rc;
        m_dlg.GetWindowRect(&rc);
        return CPoint(rc.left + 4, rc.bottom - 4);
    }
    void MoveAway() { MouseMoveTo(AwayPoint()); }
    void Leave(WatchedLink& link)
    {
        EXPECT_TRUE(PumpUntil([&] { return KeepPointerAt(AwayPoint()), !link.Hovering(); }));
        PumpUntilIdle();
    }
    // Under Wine's X11 driver a pointer warp can be undone by a late motion
    // event from the previous one; move again until the pointer stays put.
    static void KeepPointerAt(CPoint pt)
    {
        POINT ptNow;
        if (!::GetCursorPos(&ptNow) || ptNow.x != pt.x || ptNow.y != pt.y)
            MouseMoveTo(pt);
    }
    void Click(CXHyperLink& link)
    {
        PumpFor(::GetDoubleClickTime() + 50); // no double click with an earlier one
        // Another link's tooltip may still cover this one: wait until the
        // pointer is over the link itself.
        const CPoint pt = CentreOnScreen(link.m_hWnd);
        MouseMoveTo(pt);
        EXPECT_TRUE(PumpUntil([&] { return ::WindowFromPoint(pt) == link.m_hWnd; }, 10000));
        ClickAt(pt);
        PumpUntilIdle();
    }
    // Polls the screen until the link looks as expected; the last look.
    std::string LooksLike(HWND hWnd, const std::string& expected)
    {
        PumpUntil([&] { return Look(hWnd) == expected; });
        return Look(hWnd);
    }

    LinkDialog m_dlg;
};

TEST_F(HyperLinkTest, HoverTurnsTheLinkRedAndUnderlinedUntilTheFirstTickWithThePointerOutside)
{
    WatchedLink link;
    Attach(link, IDC_LINK_LEFT);
    EXPECT_EQ(LooksLike(link.m_hWnd, "blue"), "blue");

    HoverOver(link);
    EXPECT_EQ(LooksLike(link.m_hWnd, "red underlined"), "red underlined");
    EXPECT_EQ(::GetCursor(), ::LoadCursor(NULL, IDC_HAND)) << "the hand over the link";
    EXPECT_EQ(link.GetLinkCursor(), ::LoadCursor(NULL, IDC_HAND));
    PumpUntil([&] { return link.m_ticks.size() >= 2; });

    Leave(link);
    EXPECT_EQ(LooksLike(link.m_hWnd, "blue"), "blue");
    ASSERT_FALSE(link.m_ticks.empty());
    const size_t nLeft = link.m_ticks.size() - 1;
    for (size_t i = 0; i < nLeft; ++i)
        EXPECT_TRUE(link.m_ticks[i].bPointerInside && link.m_ticks[i].bHoverAfter) << "tick " << i;
    EXPECT_FALSE(link.m_ticks[nLeft].bPointerInside || link.m_ticks[nLeft].bHoverAfter)
        << "the first tick outside ends hover";
    PumpFor(300);
    EXPECT_EQ(link.m_ticks.size(), nLeft + 1) << "and stops the timer";
}

TEST_F(HyperLinkTest, UnderlineModesAlwaysAndNeverAndAModeSetBeforeAttachingDoesNotLast)
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
    Leave(never);
}

TEST_F(HyperLinkTest, SetUpTakesTextAndTargetFromEachOtherFitsTheTextAndTipsTheTarget)
{
    WatchedLink left, right, centre, empty, middle;
    empty.SetURL("lattice-test:empty");
    CRect rcBefore[3];
    const int ids[3] = {IDC_LINK_LEFT, IDC_LINK_RIGHT, IDC_LINK_CENTER};
    for (int i = 0; i < 3; ++i) {
        m_dlg.GetDlgItem(ids[i])->GetWindowRect(&rcBefore[i]);
        m_dlg.ScreenToClient(&rcBefore[i]);
    }
    Attach(left, IDC_LINK_LEFT);
    Attach(right, IDC_LINK_RIGHT);
    Attach(centre, IDC_LINK_CENTER);
    Attach(empty, IDC_LINK_EMPTY);
    Attach(middle, IDC_LINK_MIDDLE);

    EXPECT_EQ(std::string(left.GetURL()), "Lattice link") << "the target taken from the text";
    EXPECT_EQ(WindowTextOf(empty.m_hWnd), "lattice-test:empty") << "the text taken from the target";
    EXPECT_TRUE(left.GetStyle() & SS_NOTIFY);
    EXPECT_EQ(left.TipText(), "Lattice link");
    left.SetURL("lattice-test:moved");
    EXPECT_EQ(left.TipText(), "lattice-test:moved");

    // Each window now fits its text in the underlined font; the alignment
    // decides which edge stayed.
    CXHyperLink* links[3] = {&left, &right, &centre};
    for (int i = 0; i < 3; ++i) {
        CClientDC dc(links[i]);
        LOGFONT lf;
        ::GetObjectA(reinterpret_cast<HFONT>(links[i]->SendMessage(WM_GETFONT)), sizeof(lf), &lf);
        lf.lfUnderline = TRUE;
        CFont font;
        font.CreateFontIndirect(&lf);
        CFont* pOld = dc.SelectObject(&font);
        CString text;
        links[i]->GetWindowText(text);
        const CSize szText = dc.GetTextExtent(text);
        dc.SelectObject(pOld);
        CRect rc;
        links[i]->GetWindowRect(&rc);
        m_dlg.ScreenToClient(&rc);
        // Centring halves an odd difference toward zero: one pixel over.
        EXPECT_LE(std::abs(rc.Width() - szText.cx), i == 2 ? 1 : 0) << "link " << i;
        EXPECT_EQ(rc.Height(), szText.cy) << "link " << i;
        const int nKept[3] = {rc.left - rcBefore[0].left, rc.right - rcBefore[1].right,
                              (rc.left + rc.right) - (rcBefore[2].left + rcBefore[2].right)};
        EXPECT_EQ(nKept[i], 0) << "link " << i << " kept its edge or centre";
        EXPECT_EQ(rc.top, rcBefore[i].top);
    }
    CRect rcMiddle;
    middle.GetWindowRect(&rcMiddle);
    EXPECT_LT(rcMiddle.Height(), 40) << "centred vertically: shrunk from both sides";

    HoverOver(empty);
    EXPECT_TRUE(PumpUntil([&] { return ::IsWindowVisible(empty.Tooltip()) != FALSE; }, 5000))
        << "the tooltip comes up over the hovered link";
    EXPECT_EQ(WindowTextOf(empty.Tooltip()), "lattice-test:empty");
    Leave(empty);
}

TEST_F(HyperLinkTest, ColoursAndBackgroundPaintWhatTheySay)
{
    WatchedLink link, plain;
    Attach(link, IDC_LINK_LEFT);
    Attach(plain, IDC_LINK_RIGHT);
    link.SetColours(RGB(0, 128, 0), kVisitedPurple, 0xFFFFFFFF);
    EXPECT_EQ(link.GetHoverColour(), ::GetSysColor(COLOR_HIGHLIGHT));
    link.SetBackgroundColour(RGB(255, 255, 0));
    link.Invalidate();
    PumpUntil([&] { return InkOf(link.m_hWnd, RGB(0, 128, 0)).nPixels >= 10; });
    EXPECT_GE(InkOf(link.m_hWnd, RGB(0, 128, 0)).nPixels, 10);

    CRect rc;
    link.GetClientRect(&rc);
    const int nArea = rc.Width() * rc.Height();
    EXPECT_GT(InkOf(link.m_hWnd, RGB(255, 255, 0)).nPixels, nArea / 2) << "the background colour";
    const COLORREF crFace = ::GetSysColor(COLOR_3DFACE);
    plain.GetClientRect(&rc);
    EXPECT_GT(InkOf(plain.m_hWnd, crFace).nPixels, rc.Width() * rc.Height() / 2) << "the dialog face without one";

    HoverOver(link);
    EXPECT_GE(InkOf(link.m_hWnd, ::GetSysColor(COLOR_HIGHLIGHT)).nPixels, 10);
    Leave(link);
}

TEST_F(HyperLinkTest, ClicksThatOpenNothingCountAsSuccessAndNotifyWithTheId)
{
    WatchedLink off, empty;
    Attach(off, IDC_LINK_LEFT);
    Attach(empty, IDC_LINK_RIGHT);
    EXPECT_EQ(reinterpret_cast<INT_PTR>(CXHyperLink::GotoURL("", SW_SHOW)), 36);
    EXPECT_EQ(reinterpret_cast<INT_PTR>(CXHyperLink::GotoURL(NULL, SW_SHOW)), 36);

    off.EnableURL(FALSE);
    off.SetNotifyParent(TRUE);
    Click(off);
    EXPECT_TRUE(off.GetVisited());
    EXPECT_EQ(m_dlg.m_clicks, std::vector<WPARAM>{IDC_LINK_LEFT});

    empty.SetURL("");
    Click(empty);
    EXPECT_TRUE(empty.GetVisited());
    EXPECT_EQ(m_dlg.m_clicks.size(), 1u) << "a link that does not notify";
    Leave(empty);
    EXPECT_EQ(LooksLike(empty.m_hWnd, "purple"), "purple");
}

TEST_F(HyperLinkTest, BadInputIsQuietAndLeavesNothingBehind)
{
    HGDIOBJ hFonts[2], hBrush;
    {
        WatchedLink link;
        Attach(link, IDC_LINK_LEFT);
        link.SetWindowTextA(NULL);
        EXPECT_EQ(WindowTextOf(link.m_hWnd), "Lattice link");

        // A font the caller deletes at once: the link keeps drawing.
        CFont* pFont = new CFont;
        pFont->CreatePointFont(80, "Tahoma"); // smaller: the window is not refitted
        link.ChangeFont(*pFont);
        delete pFont;
        link.SetLinkCursor(NULL);
        EXPECT_EQ(link.GetLinkCursor(), ::LoadCursor(NULL, IDC_HAND));
        link.SetBackgroundColour(RGB(1, 2, 3));
        hFonts[0] = link.FontHandle(false), hFonts[1] = link.FontHandle(true), hBrush = link.BrushHandle();

        HoverOver(link); // and destroyed with its timer running
        EXPECT_EQ(LooksLike(link.m_hWnd, "red underlined"), "red underlined");
    }
    PumpFor(300);
    for (HGDIOBJ h : {hFonts[0], hFonts[1], hBrush})
        EXPECT_EQ(::GetObjectType(h), 0u) << "deleted with the link";

    // A static without a parent and without a font.
    HWND hStatic = ::CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 10, 10, 100, 20, NULL, NULL, NULL, NULL);
    {
        WatchedLink orphan;
        ASSERT_TRUE(orphan.SubclassWindow(hStatic));
        orphan.SetURL("lattice-test:orphan");
        EXPECT_NE(orphan.FontHandle(true), static_cast<HGDIOBJ>(NULL)) << "built from the stock font";
        EXPECT_EQ(WindowTextOf(hStatic), "");
        orphan.DestroyWindow();
    }
}

// Opening targets for real: the tests register the recording program as the
// handler of a URL scheme and of web pages, and read back its command lines.
class OpeningTest : public HyperLinkTest {
protected:
    void SetUp() override
    {
        HyperLinkTest::SetUp();
        char szPath[MAX_PATH];
        ::GetModuleFileNameA(NULL, szPath, MAX_PATH);
        m_strRecorder = szPath;
        m_strRecorder = m_strRecorder.substr(0, m_strRecorder.rfind('\\') + 1) + "link_recorder.exe";
        ::GetTempPathA(MAX_PATH, szPath);
        m_strRecord = std::string(szPath) + "lattice_link_record.txt";
        ::DeleteFileA(m_strRecord.c_str());
        ::SetEnvironmentVariableA("LATTICE_LINK_RECORD", m_strRecord.c_str());

        m_bHadHtm = ReadDefault(".htm", m_strSavedHtm);
        const std::string quoted = "\"" + m_strRecorder + "\"";
        SetDefault("lattice-test", "URL:lattice test");
        SetValue("lattice-test", "URL Protocol", "");
        SetDefault("lattice-test\\shell\\open\\command", quoted + " \"%1\"");
        SetDefault("lattice-test\\shell\\new\\command", quoted + " new \"%1\"");
        SetDefault(".htm", "LatticeTestPage");
    }
    void TearDown() override
    {
        ::RegDeleteTreeA(HKEY_CLASSES_ROOT, "lattice-test");
        ::RegDeleteTreeA(HKEY_CLASSES_ROOT, "LatticeTestPage");
        if (m_bHadHtm)
            SetDefault(".htm", m_strSavedHtm);
        ::DeleteFileA(m_strRecord.c_str());
        HyperLinkTest::TearDown();
    }

    static void SetValue(const std::string& key, const char* pszName, const std::string& value)
    {
        HKEY hKey;
        ASSERT_EQ(::RegCreateKeyExA(HKEY_CLASSES_ROOT, key.c_str(), 0, NULL, 0, KEY_SET_VALUE, NULL, &hKey, NULL), 0);
        ::RegSetValueExA(hKey, pszName, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                         static_cast<DWORD>(value.size() + 1));
        ::RegCloseKey(hKey);
    }
    static void SetDefault(const std::string& key, const std::string& value) { SetValue(key, NULL, value); }
    static bool ReadDefault(const char* pszKey, std::string& value)
    {
        char sz[1024];
        LONG cb = sizeof(sz);
        if (::RegQueryValueA(HKEY_CLASSES_ROOT, pszKey, sz, &cb) != ERROR_SUCCESS)
            return false;
        value = sz;
        return true;
    }
    void SetPageCommand(const std::string& command) { SetDefault("LatticeTestPage\\shell\\open\\command", command); }

    // The command lines recorded so far, once there are n of them.
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
    // Opens a target the shell has no handler for, so the fallback runs.
    static INT_PTR OpenUnknown(const std::string& target)
    {
        return reinterpret_cast<INT_PTR>(CXHyperLink::GotoURL(target.c_str(), SW_SHOW));
    }

    std::string m_strRecorder;
    std::string m_strRecord;
    bool m_bHadHtm = false;
    std::string m_strSavedHtm;
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
    ASSERT_EQ(Recorded(1).size(), 1u);
    EXPECT_NE(Recorded(1)[0].find("lattice-test:page?a=1&b=2"), std::string::npos) << Recorded(1)[0];

    link.SetAlwaysOpenNew(TRUE);
    Click(link);
    ASSERT_EQ(Recorded(2).size(), 2u);
    EXPECT_NE(Recorded(2)[1].find(" new "), std::string::npos) << "the verb new: " << Recorded(2)[1];
}

TEST_F(OpeningTest, TheFallbackRunsTheRewrittenWebPageCommand)
{
    const std::string recorder = "\"" + m_strRecorder + "\"";
    const std::string target = "lattice-none:a b&c=\"d\"";
    const std::string rows[][2] = {
        {recorder + " \"%1\"", recorder + "  " + target},
        {recorder + " -x %1 -y", recorder + " -x  " + target},
        {recorder + " -x", recorder + " -x " + target},
    };
    size_t n = 0;
    for (const auto& row : rows) {
        SetPageCommand(row[0]);
        EXPECT_GT(OpenUnknown(target), 32) << row[0];
        const std::vector<std::string> lines = Recorded(++n);
        ASSERT_EQ(lines.size(), n);
        EXPECT_EQ(lines.back(), row[1]);
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

    const std::string recorder = "\"" + m_strRecorder + "\"";
    SetPageCommand(recorder + " " + std::string(300, 'x') + " %1"); // longer than the value buffer
    EXPECT_LE(OpenUnknown("lattice-none:a"), 32);
    SetPageCommand(recorder + " %1");
    EXPECT_LE(OpenUnknown("lattice-none:" + std::string(600, 't')), 32) << "longer than the command buffer";
    ::RegDeleteTreeA(HKEY_CLASSES_ROOT, "LatticeTestPage");
    EXPECT_LE(OpenUnknown("lattice-none:b"), 32) << "no command registered";

    // A run that must happen, after those that must not.
    SetPageCommand(recorder + " %1");
    EXPECT_GT(OpenUnknown("lattice-none:marker"), 32);
    EXPECT_EQ(Recorded(1), std::vector<std::string>{recorder + "  lattice-none:marker"});
}

} // namespace
