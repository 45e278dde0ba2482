// Calls of a control's public operations in the states a careless host
// leaves it in: before its window exists, while it lives, and after its
// window was destroyed (the object kept). Every row runs twice in every
// state; then the control gets a window again and must still do its main
// job, so that a call which quietly broke its state shows.
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

template <class T> struct HostileTable {
    std::function<std::unique_ptr<T>()> make; // the default constructor when empty
    std::function<bool(T&, CWnd&)> create;   // gives the control a window on the host
    std::function<void(T&)> mainRoad;        // the control's main job, checked
    std::vector<HostileRow<T>> rows;
};

template <class T> void RunHostileTable(const HostileTable<T>& table)
{
    HostWindow& host = HostWindow::Get();
    const char* const names[] = {"before the window exists", "with its window", "after its window was destroyed"};
    for (Phase phase : {Phase::NoWindow, Phase::Live, Phase::Destroyed}) {
        SCOPED_TRACE(names[static_cast<int>(phase)]);
        std::unique_ptr<T> pControl;
        if constexpr (std::is_default_constructible<T>::value)
            pControl.reset(table.make ? table.make().release() : new T);
        else
            pControl = table.make();
        T& control = *pControl;
        ASSERT_TRUE(phase == Phase::NoWindow || table.create(control, host));
        if (phase == Phase::Destroyed) {
            host.Forget(), table.mainRoad(control); // so that whatever it makes for itself is there
            control.DestroyWindow(), PumpUntilIdle();
        }
        for (const HostileRow<T>& row : table.rows) {
            for (int nTime = 1; nTime <= 2; ++nTime) {
                SCOPED_TRACE(::testing::Message() << row.pszName << ", call " << nTime);
                row.call(control, phase), PumpUntilIdle();
            }
        }
        SCOPED_TRACE("the main job afterwards");
        ASSERT_TRUE(control.m_hWnd != NULL || table.create(control, host)) << "a window again";
        host.Forget(), table.mainRoad(control);
        control.DestroyWindow(), PumpUntilIdle();
    }
}

// A window of the thread shown beside the host, or NULL: a control's popups
// must not stay up, nor come up, without its window.
inline HWND ShownPopupOfThread()
{
    HWND hShown = NULL;
    ::EnumThreadWindows(::GetCurrentThreadId(), [](HWND hWnd, LPARAM lParam) -> BOOL {
        if (hWnd == HostWindow::Get().m_hWnd || !::IsWindowVisible(hWnd))
            return TRUE;
        *reinterpret_cast<HWND*>(lParam) = hWnd;
        return FALSE;
    }, reinterpret_cast<LPARAM>(&hShown));
    return hShown;
}
