// What the two edits with a popup list, CSearchEdit and CSymbolSearchEdit,
// do alike: the lead bytes their matching uses, making the list a popup,
// the focus rule that closes it, the dialog code, selecting the whole text
// and the wheel's step.
#pragma once

#include <afxwin.h>

#include "lattice/core/LeadByteTable.h"

namespace popup_list_edit {

// The lead bytes of the process's ANSI code page, asked of the system once.
inline const lattice::LeadByteTable& ProcessLeadBytes()
{
    static const lattice::LeadByteTable table =
        lattice::LeadByteTable::FromPredicate([](unsigned char b) { return ::IsDBCSLeadByte(b) != FALSE; });
    return table;
}

// Turns a list made as a child of its edit into a top-level tool window
// that can hang below the dialog's edge, with storage made ready for 16384
// lines of 32 bytes.
inline void MakeTopLevel(CListBox& list)
{
    list.ModifyStyle(WS_CHILD, WS_POPUP | WS_BORDER);
    list.SetParent(NULL);
    list.ModifyStyleEx(0, WS_EX_TOOLWINDOW);
    list.InitStorage(16384, 32);
}

// Whether the edit's loss of the focus closes its list: not when the focus
// went to the edit itself or into its list, nor while the edit is the
// active window.
inline bool FocusLeftEditAndList(HWND hEdit, HWND hList)
{
    const HWND hFocus = ::GetFocus();
    return hFocus != hEdit && hFocus != hList && ::GetActiveWindow() != hEdit;
}

// A single-line edit does not ask for Enter and Escape by itself, and they
// must reach the edit whenever its list exists; flipping the bit asks for
// them also while the list is hidden.
inline UINT DialogCode(UINT nUsual, bool bEnableAllKeys)
{
    return bEnableAllKeys ? (nUsual | DLGC_WANTALLKEYS) : (nUsual ^ DLGC_WANTALLKEYS);
}

inline void SelectAllText(CEdit& edit)
{
    edit.SetSel(0, -1);
    edit.SendMessage(EM_SCROLLCARET);
}

// One line per wheel message, whatever the amount: up for a positive delta,
// down otherwise, stopping at either end; down from no selection selects the
// first line.
inline void WheelStep(CListBox& list, short zDelta)
{
    const int nNext = list.GetCurSel() + (zDelta > 0 ? -1 : 1);
    if (nNext >= 0 && nNext < list.GetCount())
        list.SetCurSel(nNext);
}

} // namespace popup_list_edit
