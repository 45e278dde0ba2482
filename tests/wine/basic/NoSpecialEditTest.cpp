// NoSpecialEdit in a real dialog: the user types, pastes and clicks through
// the host's pump; every message box is found, read, counted and dismissed.
// Which bytes pass (double-byte characters among them) is the core's walk,
// tested natively as a table; here each road into the text is taken once.
#include <afxwin.h>
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "BackendStub.h"
#include "BasicForm.h"
#include "MessagePump.h"
#include "NoSpecialEdit.h"
#include "SyntheticInput.h"
#include "WindowReadback.h"

namespace {

const char kNotInput[] = "\xA4\xA3\xA5\x69\xBF\xE9\xA4\x4A"; // "may not be typed", in Big5
const char kNotPaste[] = "\xA4\xA3\xA5\x69\xB6\x4B\xA4\x57"; // "may not be pasted", in Big5
const std::string kTyped = std::string("|") + kNotInput, kPasted = std::string("|") + kNotPaste; // no caption

// Each owned message box as it is activated ("caption|text"), an optional
// action while it is open, then OK.
std::vector<std::string> g_boxes;
std::function<void()> g_whileOpen;
LRESULT CALLBACK BoxHook(int nCode, WPARAM wParam, LPARAM lParam)
{
    const HWND hBox = reinterpret_cast<HWND>(wParam);
    if (nCode == HCBT_ACTIVATE && ::GetWindow(hBox, GW_OWNER) != NULL) {
        std::string box = WindowTextOf(hBox) + "|"; // the text stands in a static; the icon's has none
        for (HWND h = ::FindWindowExA(hBox, NULL, "Static", NULL); h; h = ::FindWindowExA(hBox, h, "Static", NULL))
            box += WindowTextOf(h);
        g_boxes.push_back(box);
        if (auto action = std::exchange(g_whileOpen, nullptr))
            action();
        ::PostMessageA(hBox, WM_COMMAND, IDOK, 0);
    }
    return ::CallNextHookEx(NULL, nCode, wParam, lParam);
}

// The test's edit, counting the right presses and the context menu
// requests that reach its window. A request is swallowed: an ordinary edit
// would open a modal menu on it. Made a host's edit for prices, it takes
// the full stop into the accepted set through the virtual check.
class WatchedEdit : public NoSpecialEdit {
public:
    int m_nRightPresses = 0, m_nMenuRequests = 0;
    bool m_bPrices = false;

protected:
    bool IsAllowInput(int nChar) const override { return (m_bPrices && nChar == '.') || NoSpecialEdit::IsAllowInput(nChar); }
    LRESULT WindowProc(UINT uMsg, WPARAM wParam, LPARAM lParam) override
    {
        m_nRightPresses += uMsg == WM_RBUTTONDOWN;
        return uMsg == WM_CONTEXTMENU ? (++m_nMenuRequests, 0) : NoSpecialEdit::WindowProc(uMsg, wParam, lParam);
    }
};

// The host's form, counting the changes each of its edits tells it of.
class CountingForm : public CDialog {
public:
    std::map<UINT, int> m_changes;
protected:
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pInfo) override
    {
        m_changes[nID] += nCode == EN_CHANGE;
        return CDialog::OnCmdMsg(nID, nCode, pExtra, pInfo);
    }
};

// "text|caret" of an edit as the user sees it.
std::string State(const CWnd& edit)
{
    DWORD dwStart = 0, dwEnd = 0;
    edit.SendMessage(EM_GETSEL, reinterpret_cast<WPARAM>(&dwStart), reinterpret_cast<LPARAM>(&dwEnd));
    return WindowTextOf(edit.m_hWnd) + "|" + (dwStart == dwEnd ? std::to_string(dwEnd) : "selection");
}
void Type(const char* psz) { TypeText(psz), PumpUntilIdle(); }
void Set(CWnd& edit, const char* psz) { edit.SetWindowText(psz), PumpUntilIdle(); }
// Puts text on the clipboard.
void Clipboard(const char* psz)
{
    HGLOBAL hText = ::GlobalAlloc(GMEM_MOVEABLE, strlen(psz) + 1);
    strcpy(static_cast<char*>(::GlobalLock(hText)), psz), ::GlobalUnlock(hText);
    ASSERT_TRUE(::OpenClipboard(NULL) && ::EmptyClipboard() && ::SetClipboardData(CF_TEXT, hText));
    ::CloseClipboard();
}

TEST(NoSpecialEdit, TypingPastingAndTheRightButtonAsTheUserMeetsThem)
{
    BackendStub::Reset();
    BackendStub::SetLangString("IDS_NOSPECIALEDIT_NOT_INPUT", kNotInput);
    BackendStub::SetLangString("IDS_NOSPECIALEDIT_NOT_PASTE", kNotPaste);
    CountingForm dlg;
    WatchedEdit edit;
    ASSERT_TRUE(dlg.Create(IDD_BASIC_FORM));
    AfxGetApp()->m_pMainWnd = &dlg;
    ActivateForInput(dlg.m_hWnd);
    ASSERT_TRUE(edit.SubclassDlgItem(IDC_FILTER_EDIT, &dlg));
    edit.SetFocus();
    const HHOOK hHook = ::SetWindowsHookExA(WH_CBT, BoxHook, NULL, ::GetCurrentThreadId());
    Type("aZ09_-()");
    for (const char* psz : {" ", ".", "/", "@", "~"}) {
        edit.SendMessage(EM_SETSEL, 2, 2), Type(psz); // typed in the middle; the caret comes back at the end
        EXPECT_EQ(State(edit), "aZ09_-()|8") << "after typing \"" << psz << "\"";
    }
    Set(edit, ""), Type(" ");
    EXPECT_EQ(State(edit), "|0") << "the cleared text is what comes back";
    g_whileOpen = [&] { edit.SetWindowText("kept"); };
    Type("q!");
    EXPECT_EQ(State(edit), "kept|4") << "the text accepted while the box was open";
    EXPECT_EQ(g_boxes, std::vector<std::string>(7, kTyped)) << "one box each, no caption";

    Clipboard("cd"), Set(edit, "ab"), edit.SendMessage(EM_SETSEL, 2, 2), g_boxes.clear();
    for (BYTE vkHeld : {VK_SHIFT, VK_CONTROL}) // Shift+Insert, Ctrl+V: each key event handled in turn
        for (DWORD dwEvent : {0, 1, 3, 2}) // held down, key down, key up, held up
            ::keybd_event(dwEvent & 1 ? (vkHeld == VK_SHIFT ? VK_INSERT : 'V') : vkHeld, 0,
                          dwEvent & 2 ? KEYEVENTF_KEYUP : 0, 0), PumpFor(20);
    PumpUntilIdle();
    EXPECT_EQ(g_boxes, (std::vector<std::string>{kPasted, kPasted}));
    EXPECT_EQ(State(edit), "ab|2") << "neither chord pasted";
    edit.SendMessage(WM_PASTE); // a program's paste goes through the change check
    EXPECT_EQ(State(edit), "abcd|4");
    Clipboard("x y"), edit.SendMessage(WM_PASTE);
    EXPECT_EQ(State(edit) + " " + std::to_string(g_boxes.size()), "abcd|4 3");
    CRect rc;
    edit.GetWindowRect(rc), MouseMoveTo(rc.CenterPoint());
    for (DWORD dwButton : {MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP})
        SendMouseInput(dwButton), PumpFor(20);
    PumpUntilIdle();
    EXPECT_EQ(edit.m_nRightPresses * 10 + edit.m_nMenuRequests, 10) << "a press came, no menu request";

    Set(*dlg.GetDlgItem(IDC_PLAIN_EDIT), "x"); // the host hears an ordinary edit, never this one
    EXPECT_EQ(dlg.m_changes[IDC_PLAIN_EDIT] * 10 + dlg.m_changes[IDC_FILTER_EDIT], 10);
    edit.m_bPrices = true;
    Set(edit, ""), edit.SetFocus(), Type("12.5,");
    EXPECT_EQ(State(edit) + " " + std::to_string(g_boxes.size()), "12.5|4 4") << "a derived edit widens the set";
    BackendStub::SetAnswer(BackendCallKind::LangGetLangString, BackendAnswer::FalseEmpty);
    Set(edit, "set by the program");
    EXPECT_EQ(State(edit) + " " + g_boxes.back(), "12.5|4 |") << "an empty text, an empty box";
    ::UnhookWindowsHookEx(hHook), AfxGetApp()->m_pMainWnd = NULL, dlg.DestroyWindow(), PumpUntilIdle();
}

} // namespace
