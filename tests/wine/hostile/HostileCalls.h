// Calls of a control's public operations in the states a careless host
// leaves it in: before its window exists, while it lives, and after its
// window was destroyed (the object kept). Every row runs twice in every
// state; then the control gets a window again and must still do its main
// job, so that a call which quietly broke its state shows.
#pragma once

#include <afxwin.h>
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <type_traits>
#include <vector>

#include "MessagePump.h"

enum class Phase { NoWindow, Live, Destroyed };

// The host's window: an MFC window, so that the controls' reflected
// notifications reach them, which counts the registered messages it gets.
class HostWindow : public CWnd {
public:
    static HostWindow& Get();
    int Count(UINT uMsg) const;
    void Forget() { m_received.clear(); }

protected:
    LRESULT WindowProc(UINT uMsg, WPARAM wParam, LPARAM lParam) override;

private:
    std::vector<UINT> m_received; // registered messages, in order
};

template <class T> struct HostileRow {
    const char* pszName;
    // Makes the call and checks what the contract says it gives, if anything.
    std::function<void(T&, Phase)> call;
};

template <class T> struct HostileTable {
    std::function<std::unique_ptr<T>()> make; // the default constructor when empty
    std::function<bool(T&, CWnd&)> create;   // gives the control a window on the host
    std::function<void(T&, CWnd&)> mainRoad; // the control's main job, checked
    std::vector<HostileRow<T>> rows;
};

inline const char* PhaseName(Phase phase)
{
    return phase == Phase::NoWindow ? "before the window exists"
                                    : phase == Phase::Live ? "with its window" : "after its window was destroyed";
}

template <class T> void RunHostileTable(const HostileTable<T>& table)
{
    HostWindow& host = HostWindow::Get();
    for (Phase phase : {Phase::NoWindow, Phase::Live, Phase::Destroyed}) {
        SCOPED_TRACE(PhaseName(phase));
        std::unique_ptr<T> pControl;
        if constexpr (std::is_default_constructible<T>::value)
            pControl.reset(table.make ? table.make().release() : new T);
        else
            pControl = table.make();
        T& control = *pControl;
        if (phase != Phase::NoWindow) {
            ASSERT_TRUE(table.create(control, host));
            if (phase == Phase::Destroyed) {
                // Used first, so that whatever it made for itself is there.
                host.Forget();
                table.mainRoad(control, host);
                control.DestroyWindow();
                PumpUntilIdle();
            }
        }
        for (const HostileRow<T>& row : table.rows) {
            for (int nTime = 1; nTime <= 2; ++nTime) {
                SCOPED_TRACE(::testing::Message() << row.pszName << ", call " << nTime);
                row.call(control, phase);
                PumpUntilIdle();
            }
        }
        SCOPED_TRACE("the main job afterwards");
        if (control.m_hWnd == NULL) {
            ASSERT_TRUE(table.create(control, host));
        }
        host.Forget();
        table.mainRoad(control, host);
        control.DestroyWindow();
        PumpUntilIdle();
    }
}
