#include "ModalClicks.h"

#include <afxwin.h>

#include "SyntheticInput.h"

namespace modal_clicks {

namespace {

// Every step goes found -> pressed -> released -> confirmed, one timer tick
// apart, so that each input event is handled before the next one is sent.
// A click on a dialog that has only just come up can be lost (under Wine,
// while it is still being activated); a click counts once its dialog has
// gone, or has been disabled by a modal dialog it opened, or the next
// step's dialog is up; otherwise it is clicked again.
enum class Phase { Looking, Pressing, Releasing, Confirming };
const int kConfirmTicks = 25;

struct Script {
    std::vector<Step> steps;
    std::vector<HINSTANCE> resources;
    size_t nCurrent = 0;
    Phase phase = Phase::Looking;
    HWND hDialog = NULL; // the current step's dialog once found
    int nWaited = 0;     // ticks spent confirming the current click
    size_t nClicked = 0; // steps whose button has been clicked at least once
    UINT_PTR nTimer = 0;
} g_script;

void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD)
{
    Script& script = g_script;
    if (script.nCurrent >= script.steps.size())
        return Stop();
    const Step& step = script.steps[script.nCurrent];
    switch (script.phase) {
    case Phase::Looking: {
        HWND hDlg = step.findDialog();
        HWND hButton = hDlg == NULL ? NULL : ::GetDlgItem(hDlg, step.nButton);
        if (hButton == NULL || !::IsWindowVisible(hButton))
            return;
        if (script.resources.size() == script.nCurrent)
            script.resources.push_back(AfxGetResourceHandle());
        script.hDialog = hDlg;
        ::SetForegroundWindow(hDlg);
        RECT rc;
        ::GetWindowRect(hButton, &rc);
        PlaceCursor({(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2});
        break;
    }
    case Phase::Pressing:
        SendMouseInput(MOUSEEVENTF_LEFTDOWN);
        break;
    case Phase::Releasing:
        SendMouseInput(MOUSEEVENTF_LEFTUP);
        script.nClicked = script.nCurrent + 1;
        script.nWaited = 0;
        break;
    case Phase::Confirming: {
        const size_t nNext = script.nCurrent + 1;
        const HWND hDlg = script.hDialog;
        const bool bTaken = !::IsWindow(hDlg) || !::IsWindowVisible(hDlg) || !::IsWindowEnabled(hDlg) ||
                            (nNext < script.steps.size() && script.steps[nNext].findDialog() != NULL);
        if (bTaken)
            ++script.nCurrent;
        else if (++script.nWaited < kConfirmTicks)
            return;
        script.phase = Phase::Looking;
        return;
    }
    }
    script.phase = static_cast<Phase>(static_cast<int>(script.phase) + 1);
}

} // namespace

void Start(std::vector<Step> steps)
{
    Stop();
    g_script = Script();
    g_script.steps = std::move(steps);
    g_script.nTimer = ::SetTimer(NULL, 0, 40, Tick);
}

void Stop()
{
    if (g_script.nTimer != 0)
        ::KillTimer(NULL, g_script.nTimer);
    g_script.nTimer = 0;
}

int StepsClicked() { return static_cast<int>(g_script.nClicked); }

HINSTANCE ResourceHandleSeen(int nStep)
{
    return nStep < static_cast<int>(g_script.resources.size()) ? g_script.resources[nStep] : NULL;
}

HWND SystemPrintDialogOf(HWND hOwner)
{
    // A visible dialog of this thread owned, directly or not, by hOwner.
    for (HWND hWnd = ::GetTopWindow(NULL); hWnd != NULL; hWnd = ::GetWindow(hWnd, GW_HWNDNEXT)) {
        char szClass[16] = "";
        ::GetClassNameA(hWnd, szClass, sizeof(szClass));
        if (::GetWindowThreadProcessId(hWnd, NULL) != ::GetCurrentThreadId() || ::lstrcmpA(szClass, "#32770") != 0 ||
            !::IsWindowVisible(hWnd))
            continue;
        for (HWND hUp = ::GetWindow(hWnd, GW_OWNER); hUp != NULL; hUp = ::GetWindow(hUp, GW_OWNER))
            if (hUp == hOwner)
                return hWnd;
    }
    return NULL;
}

HWND WhenShown(HWND hDlg) { return hDlg != NULL && ::IsWindowVisible(hDlg) ? hDlg : NULL; }

} // namespace modal_clicks
