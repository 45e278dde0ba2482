// Driving the application's message pump from a test, as the host's loop
// would: every message is offered to PreTranslateMessage first.
#pragma once

#include <windows.h>

// Pumps until the queue is empty, then runs the idle-time cleanup.
void PumpUntilIdle();

// Pumps for the given time, sleeping while the queue is empty (timers fire).
void PumpFor(DWORD dwMilliseconds);

// Pumps until the condition holds or the timeout passes; the condition's
// final value.
template <class Condition>
bool PumpUntil(Condition condition, DWORD dwTimeoutMilliseconds = 3000)
{
    const DWORD dwStart = ::GetTickCount();
    while (!condition()) {
        if (::GetTickCount() - dwStart > dwTimeoutMilliseconds)
            return condition();
        PumpFor(10);
    }
    return true;
}
