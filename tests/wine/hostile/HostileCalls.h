// Calls of a control's public operations in the states a careless host
// leaves it in: before its window exists, while it lives, and after its
// window was destroyed (the object kept). Every row runs twice in every
// state, and every control is offered a NULL message; then the control gets
// a window again and must still do its main job, so that a call which
// quietly broke its state shows.
#pragma once

#include <afxwin.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <type_traits>
#include <vector>

#include "MessagePump.h"

enum class Phase { NoWindow, Live, Destroyed };

// The host's window: an MFC window, so that the controls' reflected
// notifications reach them, which records the registered messages it gets.
class HostWindow : public CWnd {
public:
    static HostWindow& Get()
    {
        static HostWindow host;
        if (host.m_hWnd == NULL)
            host.CreateEx(0, NULL, "", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 40, 40, 500, 400, NULL, 0);
        return host;
    }
    // How often the registered message of that name arrived since the last Forget.
    int Count(const char* pszName) const
    {
        return static_cast<int>(std::count(m_received.begin(), m_received.end(), ::RegisterWindowMessageA(pszName)));
    }
    void Forget() { m_received.clear(); }

protected:
    LRESULT WindowProc(UINT uMsg, WPARAM wParam, LPARAM lParam) override
    {
        if (uMsg >= 0xC000 && uMsg <= 0xFFFF)
            m_received.push_back(uMsg);
        return CWnd::WindowProc(uMsg, wParam, lParam);
    }
    std::vector<UINT> m_received;
};

template <class T> struct HostileRow {
    const char* pszName;
    std::function<void(T&, Phase)> call; // checks what the contract says the call gives, if anything
};

// Gives the control a window on the host: buttons and statics with a text,
// a combo box with an edit field.
template <class T> bool CreateOn(T& control, CWnd& host)
{
    const DWORD dwStyle = WS_CHILD | WS_VISIBLE;
    const CRect rc(10, 10, 210, 200);
    if constexpr (std::is_base_of<CButton, T>::value || std::is_base_of<CStatic, T>::value)
        return control.Create("x", dwStyle | (std::is_base_of<CButton, T>::value ? BS_RADIOBUTTON : 0), rc, &host, 1) != FALSE;
    else
        return control.Create(dwStyle | (std::is_base_of<CComboBox, T>::value ? CBS_DROPDOWN : 0), rc, &host, 1) != FALSE;
}

template <class T> struct HostileTable {
    std::function<void(T&)> mainRoad; // the control's main job, checked
    std::vector<HostileRow<T>> rows;
    std::function<bool(T&, CWnd&)> create = CreateOn<T>; // gives the control a window on the host
    std::function<std::unique_ptr<T>()> make = [] { return std::unique_ptr<T>(new T); };
};

template <class T> void RunHostileTable(const HostileTable<T>& table)
{
    HostWindow& host = HostWindow::Get();
    const char* const names[] = {"before the window exists", "with its window", "after its window was destroyed"};
    for (Phase phase : {Phase::NoWindow, Phase::Live, Phase::Destroyed}) {
        SCOPED_TRACE(names[static_cast<int>(phase)]);
        const std::unique_ptr<T> pControl = table.make();
        T& control = *pControl;
        ASSERT_TRUE(phase == Phase::NoWindow || table.create(control, host));
        if (phase == Phase::Destroyed) // after the main job, so that whatever it makes for itself is there
            host.Forget(), table.mainRoad(control), control.DestroyWindow(), PumpUntilIdle();
        for (const HostileRow<T>& row : table.rows)
            for (int nTime = 1; nTime <= 2; ++nTime) {
                SCOPED_TRACE(::testing::Message() << row.pszName << ", call " << nTime);
                row.call(control, phase), PumpUntilIdle();
            }
        EXPECT_FALSE(control.PreTranslateMessage(NULL)) << "a NULL message gives FALSE";
        SCOPED_TRACE("the main job afterwards");
        ASSERT_TRUE(control.m_hWnd != NULL || table.create(control, host)) << "a window again";
        host.Forget(), table.mainRoad(control), control.DestroyWindow(), PumpUntilIdle();
    }
}

// The thread's top-level windows beside the host that pass the test.
template <class Test> std::vector<HWND> WindowsOfThread(Test test)
{
    std::vector<HWND> windows;
    for (HWND hWnd = ::GetTopWindow(NULL); hWnd != NULL; hWnd = ::GetWindow(hWnd, GW_HWNDNEXT))
        if (::GetWindowThreadProcessId(hWnd, NULL) == ::GetCurrentThreadId() && hWnd != HostWindow::Get().m_hWnd && test(hWnd))
            windows.push_back(hWnd);
    return windows;
}

// A control's popups must not stay up, nor come up, without its window.
inline bool NoPopupShown() { return WindowsOfThread(::IsWindowVisible).empty(); }
