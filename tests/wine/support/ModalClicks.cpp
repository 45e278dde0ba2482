#include "ModalClicks.h"

#include <afxwin.h>

#include <utility>

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
    if (g_script.nCurrent >= g_script.steps.size()) {
        Stop();
        return;
    }
    const Step& step = g_script.steps[g_script.nCurrent];
    switch (g_script.phase) {
    case Phase::Looking: {
        HWND hDlg = step.findDialog();
        HWND hButton = hDlg == NULL ? NULL : ::GetDlgItem(hDlg, step.nButton);
        if (hButton == NULL || !::IsWindowVisible(hButton))
            return;
        if (g_script.resources.size() == g_script.nCurrent)
            g_script.resources.push_back(AfxGetResourceHandle());
        g_script.hDialog = hDlg;
        ::SetForegroundWindow(hDlg);
        RECT rc;
        ::GetWindowRect(hButton, &rc);
        PlaceCursor({(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2});
        g_script.phase = Phase::Pressing;
        return;
    }
    case Phase::Pressing:
        SendMouseInput(MOUSEEVENTF_LEFTDOWN);
        g_script.phase = Phase::Releasing;
        return;
    case Phase::Releasing:
        SendMouseInput(MOUSEEVENTF_LEFTUP);
        g_script.nClicked = g_script.nCurrent + 1;
        g_script.phase = Phase::Confirming;
        g_script.nWaited = 0;
        return;
    case Phase::Confirming: {
        const size_t nNext = g_script.nCurrent + 1;
        const HWND hDlg = g_script.hDialog;
        const bool bTaken = !::IsWindow(hDlg) || !::IsWindowVisible(hDlg) || !::IsWindowEnabled(hDlg) ||
                            (nNext < g_script.steps.size() && g_script.steps[nNext].findDialog() != NULL);
        if (bTaken) {
            ++g_script.nCurrent;
            g_script.phase = Phase::Looking;
        } else if (++g_script.nWaited >= kConfirmTicks) {
            g_script.phase = Phase::Looking;
        }
        return;
    }
    }
}

// Stops at a visible dialog owned, directly or not, by the pair's first
// window, and leaves it as the second.
BOOL CALLBACK MatchOwnedDialog(HWND hWnd, LPARAM lParam)
{
    auto* pFind = reinterpret_cast<std::pair<HWND, HWND>*>(lParam);
    char szClass[16] = "";
    ::GetClassNameA(hWnd, szClass, sizeof(szClass));
    HWND hOwner = ::GetWindow(hWnd, GW_OWNER);
    while (hOwner != NULL && hOwner != pFind->first)
        hOwner = ::GetWindow(hOwner, GW_OWNER);
    if (hOwner == NULL || ::lstrcmpA(szClass, "#32770") != 0 || !::IsWindowVisible(hWnd))
        return TRUE;
    pFind->second = hWnd;
    return FALSE;
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
    std::pair<HWND, HWND> find(hOwner, NULL);
    ::EnumThreadWindows(::GetCurrentThreadId(), MatchOwnedDialog, reinterpret_cast<LPARAM>(&find));
    return find.second;
}

HWND WhenShown(HWND hDlg) { return hDlg != NULL && ::IsWindowVisible(hDlg) ? hDlg : NULL; }

} // namespace modal_clicks
