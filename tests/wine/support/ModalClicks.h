// Clicking the buttons of dialogs that come up inside modal loops (a dialog
// run with DoModal, the system's print dialog), as a user would. Each step
// waits on a thread timer for its dialog to show, brings it to the front and
// clicks one of its buttons with real mouse input; the timer never pumps
// messages itself, so the modal loop that shows the dialog handles the click.
#pragma once

#include <windows.h>

#include <functional>
#include <vector>

namespace modal_clicks {

struct Step {
    std::function<HWND()> findDialog; // the dialog once it is shown, else NULL
    int nButton;                      // the control identifier to click
};

// Replaces any script still running.
void Start(std::vector<Step> steps);
void Stop();
// Steps whose button has been clicked (the last one perhaps not yet taken).
int StepsClicked();
// MFC's resource handle at the moment step n found its dialog.
HINSTANCE ResourceHandleSeen(int nStep);

// The system's print dialog owned by hOwner, when it is shown, or a message
// box that it shows before it (Wine's "no printers installed", say).
HWND SystemPrintDialogOf(HWND hOwner);
// hDlg itself once it is visible.
HWND WhenShown(HWND hDlg);

} // namespace modal_clicks
