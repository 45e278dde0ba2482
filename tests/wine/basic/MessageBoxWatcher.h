// Watches for message boxes while a test acts as the user: each box the
// thread shows is recorded (caption and text) and dismissed with OK as soon
// as it is activated, after an optional action run while it is open.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

struct ShownMessageBox {
    std::string strCaption;
    std::string strText;
    HWND hBox;
    HWND hOwner; // a child given as owner makes its top-level window the owner
};

class MessageBoxWatcher {
public:
    // hIgnored: a dialog of the test's own, activated as the boxes are.
    explicit MessageBoxWatcher(HWND hIgnored);
    ~MessageBoxWatcher();
    MessageBoxWatcher(const MessageBoxWatcher&) = delete;
    MessageBoxWatcher& operator=(const MessageBoxWatcher&) = delete;

    const std::vector<ShownMessageBox>& Shown() const { return m_shown; }
    // Runs once, inside the next box's modal loop, before it is dismissed.
    void WhileNextIsOpen(std::function<void()> action) { m_action = std::move(action); }

private:
    static LRESULT CALLBACK CbtHook(int nCode, WPARAM wParam, LPARAM lParam);
    void Record(HWND hBox);

    HWND m_hIgnored;
    HHOOK m_hHook;
    std::vector<ShownMessageBox> m_shown;
    std::function<void()> m_action;
};

inline MessageBoxWatcher* g_pWatcher = nullptr;

inline MessageBoxWatcher::MessageBoxWatcher(HWND hIgnored)
    : m_hIgnored(hIgnored), m_hHook(::SetWindowsHookExA(WH_CBT, CbtHook, NULL, ::GetCurrentThreadId()))
{
    g_pWatcher = this;
}

inline MessageBoxWatcher::~MessageBoxWatcher()
{
    ::UnhookWindowsHookEx(m_hHook);
    g_pWatcher = nullptr;
}

inline LRESULT CALLBACK MessageBoxWatcher::CbtHook(int nCode, WPARAM wParam, LPARAM lParam)
{
    if (nCode == HCBT_ACTIVATE && g_pWatcher != nullptr) {
        const HWND hWnd = reinterpret_cast<HWND>(wParam);
        char szClass[16] = {};
        ::GetClassNameA(hWnd, szClass, sizeof(szClass));
        if (hWnd != g_pWatcher->m_hIgnored && lstrcmpA(szClass, "#32770") == 0)
            g_pWatcher->Record(hWnd);
    }
    return ::CallNextHookEx(NULL, nCode, wParam, lParam);
}

inline void MessageBoxWatcher::Record(HWND hBox)
{
    // Activation comes again when the box regains the focus (after the
    // action, say): record and dismiss each box once.
    for (const ShownMessageBox& box : m_shown)
        if (box.hBox == hBox)
            return;
    ShownMessageBox box;
    char szText[512] = {};
    ::GetWindowTextA(hBox, szText, sizeof(szText));
    box.strCaption = szText;
    // The text stands in a static control; the icon's static has none.
    for (HWND h = ::FindWindowExA(hBox, NULL, "Static", NULL); h != NULL; h = ::FindWindowExA(hBox, h, "Static", NULL)) {
        szText[0] = '\0';
        ::GetWindowTextA(h, szText, sizeof(szText));
        box.strText += szText;
    }
    box.hBox = hBox;
    box.hOwner = ::GetWindow(hBox, GW_OWNER);
    m_shown.push_back(box);
    if (m_action) {
        auto action = std::move(m_action);
        m_action = nullptr;
        action();
    }
    ::PostMessageA(hBox, WM_COMMAND, IDOK, 0);
}
