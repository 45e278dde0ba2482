// NoSpecialEdit in a real dialog: the user types, pastes and clicks through
// the host's pump; every message box is found, read, counted and dismissed.
#include <afxwin.h>
#include <gtest/gtest.h>

#include <functional>
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

// Each message box of the thread, as it is activated: "caption|text", then
// an optional action while it is open, then OK.
struct Boxes {
    static inline std::vector<std::string> shown;
    static inline std::function<void()> whileOpen;
    static inline HWND hOwner = NULL;
    static LRESULT CALLBACK Hook(int nCode, WPARAM wParam, LPARAM lParam)
    {
        const HWND hBox = reinterpret_cast<HWND>(wParam);
        char sz[256] = {};
        if (nCode == HCBT_ACTIVATE && ::GetClassNameA(hBox, sz, sizeof(sz)) && !strcmp(sz, "#32770") &&
            ::GetWindow(hBox, GW_OWNER) != NULL) {
            std::string box = WindowTextOf(hBox) + "|"; // the text stands in a static; the icon's has none
            for (HWND h = ::FindWindowExA(hBox, NULL, "Static", NULL); h; h = ::FindWindowExA(hBox, h, "Static", NULL))
                box += WindowTextOf(h);
            shown.push_back(box);
            hOwner = ::GetWindow(hBox, GW_OWNER);
            if (auto action = std::exchange(whileOpen, nullptr))
                action();
            ::PostMessageA(hBox, WM_COMMAND, IDOK, 0);
        }
        return ::CallNextHookEx(NULL, nCode, wParam, lParam);
    }
};

// A right click's release taken from the queue, and the context menu request it raises.
int g_nReleases = 0, g_nMenuRequests = 0;
LRESULT CALLBACK QueueHook(int nCode, WPARAM wParam, LPARAM lParam)
{
    g_nReleases += nCode == HC_ACTION && wParam == PM_REMOVE && reinterpret_cast<MSG*>(lParam)->message == WM_RBUTTONUP;
    return ::CallNextHookEx(NULL, nCode, wParam, lParam);
}
LRESULT CALLBACK SentHook(int nCode, WPARAM wParam, LPARAM lParam)
{
    g_nMenuRequests += nCode == HC_ACTION && reinterpret_cast<CWPSTRUCT*>(lParam)->message == WM_CONTEXTMENU;
    return ::CallNextHookEx(NULL, nCode, wParam, lParam);
}

// Real input: a key pressed while another is held, each event handled in turn.
void PressChord(BYTE vkHeld, BYTE vk)
{
    for (DWORD dwEvent : {0, 1, 3, 2}) // held down, key down, key up, held up
        ::keybd_event(dwEvent & 1 ? vk : vkHeld, 0, dwEvent & 2 ? KEYEVENTF_KEYUP : 0, 0), PumpFor(20);
    PumpUntilIdle();
}

class FormDialog : public CDialog {
public:
    int m_nFilterChanges = 0, m_nPlainChanges = 0; // change notifications reaching the host's own map
protected:
    void OnOK() override {}
    void OnCancel() override {}
    afx_msg void OnFilterChange() { ++m_nFilterChanges; }
    afx_msg void OnPlainChange() { ++m_nPlainChanges; }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(FormDialog, CDialog)
    ON_EN_CHANGE(IDC_FILTER_EDIT, OnFilterChange)
    ON_EN_CHANGE(IDC_PLAIN_EDIT, OnPlainChange)
END_MESSAGE_MAP()

// A host's edit for prices: the full stop joins the accepted set.
class PriceEdit : public NoSpecialEdit {
protected:
    bool IsAllowInput(int nChar) const override { return nChar == '.' || NoSpecialEdit::IsAllowInput(nChar); }
};

class NoSpecialEditTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        BackendStub::Reset();
        BackendStub::SetLangString("IDS_NOSPECIALEDIT_NOT_INPUT", kNotInput);
        BackendStub::SetLangString("IDS_NOSPECIALEDIT_NOT_PASTE", kNotPaste);
        ASSERT_TRUE(m_dlg.Create(IDD_BASIC_FORM));
        AfxGetApp()->m_pMainWnd = &m_dlg;
        ActivateForInput(m_dlg.m_hWnd);
        ASSERT_TRUE(m_edit.SubclassDlgItem(IDC_FILTER_EDIT, &m_dlg));
        m_edit.SetFocus();
        Boxes::shown.clear();
        m_hHook = ::SetWindowsHookExA(WH_CBT, Boxes::Hook, NULL, ::GetCurrentThreadId());
    }
    void TearDown() override
    {
        ::UnhookWindowsHookEx(m_hHook);
        AfxGetApp()->m_pMainWnd = NULL;
        m_dlg.DestroyWindow();
        PumpUntilIdle();
        BackendStub::Reset();
    }
    // "text|caret" as the user sees it.
    std::string State() const
    {
        DWORD dwStart = 0, dwEnd = 0;
        m_edit.SendMessage(EM_GETSEL, reinterpret_cast<WPARAM>(&dwStart), reinterpret_cast<LPARAM>(&dwEnd));
        return WindowTextOf(m_edit.m_hWnd) + "|" + (dwStart == dwEnd ? std::to_string(dwEnd) : "selection");
    }
    static void Type(const char* psz) { TypeText(psz), PumpUntilIdle(); }
    // An input method's commit of double-byte text at the caret. Wine's ANSI
    // edit takes the two bytes of a typed double-byte character as two
    // characters of their own (each becomes "?"), so the commit is made as
    // the replacement of the selection that it is under Windows.
    void Commit(const char* psz) { m_edit.SendMessage(EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(psz)), PumpUntilIdle(); }
    void Set(CWnd& edit, const char* psz) { edit.SetWindowText(psz), PumpUntilIdle(); }

    FormDialog m_dlg;
    NoSpecialEdit m_edit;
    HHOOK m_hHook = NULL;
};

TEST_F(NoSpecialEditTest, LettersDigitsAndFourMarksAreKeptEverythingElseIsRefusedWithTheCaretAtTheEnd)
{
    Type("aZ09_-()");
    std::vector<std::string> expected;
    for (const char* psz : {" ", ".", "/", "@", "~"}) {
        m_edit.SendMessage(EM_SETSEL, 2, 2); // typed in the middle; the caret comes back at the end
        Type(psz);
        EXPECT_EQ(State(), "aZ09_-()|8") << "after typing \"" << psz << "\"";
        expected.push_back(std::string("|") + kNotInput);
    }
    EXPECT_EQ(Boxes::shown, expected) << "one box each, no caption";
    EXPECT_EQ(Boxes::hOwner, m_dlg.m_hWnd) << "owned through the edit by its top-level window";
    Set(*m_dlg.GetDlgItem(IDC_PLAIN_EDIT), "x"); // the host hears an ordinary edit, never this one
    EXPECT_EQ(m_dlg.m_nPlainChanges, 1);
    EXPECT_EQ(m_dlg.m_nFilterChanges, 0);

    PriceEdit price; // a derived edit widens the set
    ASSERT_TRUE(price.SubclassDlgItem(IDC_PLAIN_EDIT, &m_dlg));
    Set(price, "");
    price.SetFocus();
    Type("12.5,");
    EXPECT_EQ(WindowTextOf(price.m_hWnd), "12.5");
    EXPECT_EQ(Boxes::shown.size(), 6u);
    price.UnsubclassWindow();
}

TEST_F(NoSpecialEditTest, DoubleByteCharactersPassKeyboardPastingAndTheRightButtonAreRefused)
{
    Commit("\xA4\x40\xB3\x5C"); // second bytes "@" and "\\"
    EXPECT_EQ(WindowTextOf(m_edit.m_hWnd), "\xA4\x40\xB3\x5C");
    const auto Clipboard = [](const char* psz) {
        HGLOBAL hText = ::GlobalAlloc(GMEM_MOVEABLE, strlen(psz) + 1);
        strcpy(static_cast<char*>(::GlobalLock(hText)), psz), ::GlobalUnlock(hText);
        ASSERT_TRUE(::OpenClipboard(NULL) && ::EmptyClipboard() && ::SetClipboardData(CF_TEXT, hText));
        ::CloseClipboard();
    };
    Set(m_edit, "ab"), m_edit.SendMessage(EM_SETSEL, 2, 2);
    Clipboard("cd");
    PressChord(VK_SHIFT, VK_INSERT);
    PressChord(VK_CONTROL, 'V');
    EXPECT_EQ(Boxes::shown, (std::vector<std::string>{std::string("|") + kNotPaste, std::string("|") + kNotPaste}));
    EXPECT_EQ(State(), "ab|2") << "neither chord pasted";
    m_edit.SendMessage(WM_PASTE); // a program's paste goes through the change check
    EXPECT_EQ(State(), "abcd|4");
    Clipboard("x y");
    m_edit.SendMessage(WM_PASTE);
    EXPECT_EQ(State(), "abcd|4");
    EXPECT_EQ(Boxes::shown.size(), 3u);

    // An ordinary edit opens its (modal) menu on the request; this one is never asked.
    const HHOOK hQueue = ::SetWindowsHookExA(WH_GETMESSAGE, QueueHook, NULL, ::GetCurrentThreadId());
    const HHOOK hSent = ::SetWindowsHookExA(WH_CALLWNDPROC, SentHook, NULL, ::GetCurrentThreadId());
    CRect rc;
    m_edit.GetWindowRect(rc);
    MouseMoveTo(rc.CenterPoint());
    for (DWORD dwButton : {MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP})
        ::mouse_event(dwButton, 0, 0, 0, 0), PumpFor(20);
    PumpUntilIdle();
    ::UnhookWindowsHookEx(hSent), ::UnhookWindowsHookEx(hQueue);
    EXPECT_EQ(g_nReleases, 1) << "the click reached the edit";
    EXPECT_EQ(g_nMenuRequests, 0);
}

TEST_F(NoSpecialEditTest, ClearingTextSetWhileTheBoxIsOpenAnEmptyLanguageTextAndAMultiLineEdit)
{
    Type("abc");
    Set(m_edit, "");
    Type(" ");
    EXPECT_EQ(State(), "|0") << "the cleared text is what comes back";
    Type("q");
    Boxes::whileOpen = [this] { m_edit.SetWindowText("kept"); };
    Type("!");
    EXPECT_EQ(State(), "kept|4") << "the text accepted while the box was open";
    BackendStub::SetAnswer(BackendCallKind::LangGetLangString, BackendAnswer::FalseEmpty);
    Set(m_edit, "set by the program");
    EXPECT_EQ(State(), "kept|4");
    EXPECT_EQ(Boxes::shown, (std::vector<std::string>{std::string("|") + kNotInput, std::string("|") + kNotInput, "|"}));

    // A multi-line edit raises no change for text set by the program: such
    // text is neither checked nor taken as the last accepted text.
    NoSpecialEdit multi;
    ASSERT_TRUE(multi.SubclassDlgItem(IDC_MULTILINE_EDIT, &m_dlg));
    Set(multi, "a b");
    EXPECT_EQ(Boxes::shown.size(), 3u);
    multi.SetFocus(), multi.SendMessage(EM_SETSEL, 3, 3);
    Type("c");
    EXPECT_EQ(WindowTextOf(multi.m_hWnd), "");
    EXPECT_EQ(Boxes::shown.size(), 4u);
    multi.UnsubclassWindow();
}

} // namespace
