// NoSpecialEdit in a real dialog: the user types, pastes and clicks through
// the host's pump; every message box is found, read, counted and dismissed.
#include <afxwin.h>
#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <string>

#include "BackendStub.h"
#include "BasicForm.h"
#include "MessageBoxWatcher.h"
#include "MessagePump.h"
#include "NoSpecialEdit.h"
#include "SyntheticInput.h"
#include "WindowReadback.h"

namespace {

const char kNotInput[] = "\xA4\xA3\xA5\x69\xBF\xE9\xA4\x4A";  // "may not be typed", in Big5
const char kNotPaste[] = "\xA4\xA3\xA5\x69\xB6\x4B\xA4\x57";  // "may not be pasted", in Big5

// The host's form: counts the change notifications that reach its own map.
class FormDialog : public CDialog {
public:
    int m_nFilterChanges = 0;
    int m_nPlainChanges = 0;

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

// Keys pressed in order and released in reverse, as real input.
void PressChord(std::initializer_list<WORD> keys)
{
    for (WORD vk : keys) {
        INPUT in = {};
        in.type = INPUT_KEYBOARD;
        in.ki.wVk = vk;
        ::SendInput(1, &in, sizeof(in));
        PumpFor(20);
    }
    for (auto it = keys.end(); it != keys.begin();) {
        INPUT in = {};
        in.type = INPUT_KEYBOARD;
        in.ki.wVk = *--it;
        in.ki.dwFlags = KEYEVENTF_KEYUP;
        ::SendInput(1, &in, sizeof(in));
        PumpFor(20);
    }
    PumpUntilIdle();
}

void RightClick(HWND hWnd)
{
    CRect rc;
    ::GetWindowRect(hWnd, &rc);
    MouseMoveTo(rc.CenterPoint());
    for (DWORD dwFlags : {MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP}) {
        INPUT in = {};
        in.type = INPUT_MOUSE;
        in.mi.dwFlags = dwFlags;
        ::SendInput(1, &in, sizeof(in));
        PumpFor(50);
    }
    PumpUntilIdle();
}

void SetClipboardText(const char* psz)
{
    ASSERT_TRUE(::OpenClipboard(NULL));
    ::EmptyClipboard();
    const size_t n = strlen(psz) + 1;
    HGLOBAL hMem = ::GlobalAlloc(GMEM_MOVEABLE, n);
    memcpy(::GlobalLock(hMem), psz, n);
    ::GlobalUnlock(hMem);
    ::SetClipboardData(CF_TEXT, hMem);
    ::CloseClipboard();
}

// What a right click makes of the edit: the button's release taken from
// the queue, and the context menu request the release would raise.
HWND g_hClicked = NULL;
int g_nReleases = 0, g_nMenuRequests = 0;
LRESULT CALLBACK QueueHook(int nCode, WPARAM wParam, LPARAM lParam)
{
    const MSG* pMsg = reinterpret_cast<const MSG*>(lParam);
    if (nCode == HC_ACTION && wParam == PM_REMOVE && pMsg->hwnd == g_hClicked && pMsg->message == WM_RBUTTONUP)
        ++g_nReleases;
    return ::CallNextHookEx(NULL, nCode, wParam, lParam);
}
LRESULT CALLBACK SentHook(int nCode, WPARAM wParam, LPARAM lParam)
{
    const CWPSTRUCT* pMsg = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (nCode == HC_ACTION && pMsg->hwnd == g_hClicked && pMsg->message == WM_CONTEXTMENU)
        ++g_nMenuRequests;
    return ::CallNextHookEx(NULL, nCode, wParam, lParam);
}

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
        PumpUntilIdle();
        m_pBoxes = std::make_unique<MessageBoxWatcher>(m_dlg.m_hWnd);
    }
    void TearDown() override
    {
        m_pBoxes.reset();
        AfxGetApp()->m_pMainWnd = NULL;
        m_dlg.DestroyWindow();
        PumpUntilIdle();
        BackendStub::Reset();
    }

    std::string Text() const { return WindowTextOf(m_edit.m_hWnd); }
    size_t Boxes() const { return m_pBoxes->Shown().size(); }
    const ShownMessageBox& LastBox() const { return m_pBoxes->Shown().back(); }
    // "text|caret": what the user sees after a step.
    std::string State() const
    {
        DWORD dwStart = 0, dwEnd = 0;
        m_edit.SendMessage(EM_GETSEL, reinterpret_cast<WPARAM>(&dwStart), reinterpret_cast<LPARAM>(&dwEnd));
        return Text() + "|" + std::to_string(dwStart) + (dwStart == dwEnd ? "" : "-" + std::to_string(dwEnd));
    }
    // Whether the caret stands alone at the end of the text. Windows counts
    // an ANSI edit's positions in bytes, Wine in characters: either end counts.
    bool CaretAtEnd() const
    {
        DWORD dwStart = 0, dwEnd = 0;
        m_edit.SendMessage(EM_GETSEL, reinterpret_cast<WPARAM>(&dwStart), reinterpret_cast<LPARAM>(&dwEnd));
        const std::string text = Text();
        const int nBytes = static_cast<int>(text.size());
        const int nChars = ::MultiByteToWideChar(CP_ACP, 0, text.data(), nBytes, NULL, 0);
        return dwStart == dwEnd && (static_cast<int>(dwEnd) == nBytes || static_cast<int>(dwEnd) == nChars);
    }
    void Type(const char* psz) { TypeText(psz), PumpUntilIdle(); }
    // An input method's commit of double-byte text at the caret. Wine's ANSI
    // edit takes the two bytes of a typed double-byte character as two
    // characters of their own (each becomes "?"), so the commit is made as
    // the replacement of the selection that it is under Windows.
    void Commit(const char* psz) { m_edit.SendMessage(EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(psz)), PumpUntilIdle(); }

    FormDialog m_dlg;
    NoSpecialEdit m_edit;
    std::unique_ptr<MessageBoxWatcher> m_pBoxes;
};

TEST_F(NoSpecialEditTest, LettersDigitsAndFourMarksAreKeptEverythingElseIsRefusedWithTheCaretAtTheEnd)
{
    Type("aZ09_-()");
    EXPECT_EQ(State(), "aZ09_-()|8");
    EXPECT_EQ(Boxes(), 0u);

    int nRefused = 0;
    for (const char* psz : {" ", ".", "/", "@", "~"}) {
        m_edit.SendMessage(EM_SETSEL, 2, 2); // typed in the middle; the caret comes back at the end
        Type(psz);
        ++nRefused;
        EXPECT_EQ(State(), "aZ09_-()|8") << "after typing \"" << psz << "\"";
        ASSERT_EQ(Boxes(), static_cast<size_t>(nRefused));
        EXPECT_EQ(LastBox().strText, kNotInput);
        EXPECT_EQ(LastBox().strCaption, "");
        EXPECT_EQ(LastBox().hOwner, m_dlg.m_hWnd) << "owned by the edit's top-level window";
    }
    EXPECT_EQ(m_dlg.m_nFilterChanges, 0) << "the edit keeps its change notifications";
    // The parent would see them from an ordinary edit.
    m_dlg.GetDlgItem(IDC_PLAIN_EDIT)->SetWindowText("x");
    EXPECT_EQ(m_dlg.m_nPlainChanges, 1);
}

TEST_F(NoSpecialEditTest, DoubleByteCharactersAreNeverCheckedInside)
{
    Commit("\xA4\x40"); // its second byte is "@"
    Commit("\xB3\x5C"); // its second byte is "\\"
    EXPECT_EQ(Text(), "\xA4\x40\xB3\x5C");
    EXPECT_EQ(Boxes(), 0u);
    Type("@");
    EXPECT_EQ(Text(), "\xA4\x40\xB3\x5C");
    EXPECT_TRUE(CaretAtEnd());
    EXPECT_EQ(Boxes(), 1u);
}

TEST_F(NoSpecialEditTest, KeyboardPastingAndTheRightButtonAreRefusedAProgramPasteIsChecked)
{
    Type("ab");
    SetClipboardText("cd");
    PressChord({VK_SHIFT, VK_INSERT});
    ASSERT_EQ(Boxes(), 1u);
    EXPECT_EQ(LastBox().strText, kNotPaste);
    EXPECT_EQ(LastBox().strCaption, "");
    PressChord({VK_CONTROL, 'V'});
    ASSERT_EQ(Boxes(), 2u);
    EXPECT_EQ(LastBox().strText, kNotPaste);
    EXPECT_EQ(State(), "ab|2") << "neither chord pasted";

    m_edit.SendMessage(WM_PASTE); // a program's paste goes through the change check
    EXPECT_EQ(State(), "abcd|4");
    SetClipboardText("x.y");
    m_edit.SendMessage(WM_PASTE);
    EXPECT_EQ(State(), "abcd|4");
    ASSERT_EQ(Boxes(), 3u);
    EXPECT_EQ(LastBox().strText, kNotInput);

    // An ordinary edit opens its menu (modal) on the request; this one must
    // never be asked.
    g_hClicked = m_edit.m_hWnd;
    const DWORD dwThread = ::GetCurrentThreadId();
    const HHOOK hQueueHook = ::SetWindowsHookExA(WH_GETMESSAGE, QueueHook, NULL, dwThread);
    const HHOOK hSentHook = ::SetWindowsHookExA(WH_CALLWNDPROC, SentHook, NULL, dwThread);
    RightClick(m_edit.m_hWnd);
    ::UnhookWindowsHookEx(hSentHook);
    ::UnhookWindowsHookEx(hQueueHook);
    EXPECT_EQ(g_nReleases, 1) << "the click reached the edit";
    EXPECT_EQ(g_nMenuRequests, 0);
    EXPECT_EQ(Boxes(), 3u);
}

TEST_F(NoSpecialEditTest, ClearingIsAcceptedAndTextSetWhileTheBoxIsOpenIsWhatComesBack)
{
    Type("abc");
    m_edit.SetWindowText(""); // the program clears the edit
    PumpUntilIdle();
    Type(" ");
    EXPECT_EQ(State(), "|0");
    EXPECT_EQ(Boxes(), 1u);

    Type("q");
    m_pBoxes->WhileNextIsOpen([this] { m_edit.SetWindowText("kept"); });
    Type("!");
    EXPECT_EQ(State(), "kept|4") << "the text accepted while the box was open";
    m_edit.SetWindowText("set by the program"); // spaces: refused like typed text
    PumpUntilIdle();
    EXPECT_EQ(State(), "kept|4");
    EXPECT_EQ(Boxes(), 3u);
    EXPECT_EQ(m_dlg.m_nFilterChanges, 0);
}

TEST_F(NoSpecialEditTest, AnEmptyLanguageTextGivesAnEmptyBox)
{
    BackendStub::SetAnswer(BackendCallKind::LangGetLangString, BackendAnswer::FalseEmpty);
    Type("a#");
    ASSERT_EQ(Boxes(), 1u);
    EXPECT_EQ(LastBox().strText, "");
    EXPECT_EQ(State(), "a|1");
}

TEST_F(NoSpecialEditTest, AMultiLineEditChecksOnlyWhatTheUserChanges)
{
    // A multi-line edit raises no change for text set by the program, so
    // such text is neither checked nor taken as the last accepted text.
    NoSpecialEdit multi;
    ASSERT_TRUE(multi.SubclassDlgItem(IDC_MULTILINE_EDIT, &m_dlg));
    multi.SetWindowText("a b");
    PumpUntilIdle();
    EXPECT_EQ(WindowTextOf(multi.m_hWnd), "a b");
    EXPECT_EQ(Boxes(), 0u);
    multi.SetFocus();
    multi.SendMessage(EM_SETSEL, 3, 3);
    Type("c");
    EXPECT_EQ(Boxes(), 1u);
    EXPECT_EQ(WindowTextOf(multi.m_hWnd), "") << "back to the last text a check accepted";
    multi.UnsubclassWindow();
}

} // namespace
