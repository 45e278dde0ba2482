// What the two edits with a popup list, CSearchEdit and CSymbolSearchEdit,
// do alike, written once: the last-text guard, completing a choice, writing
// the highlighted line back while browsing, Enter and Escape, the focus
// rules, select-all on the first click, the dialog code, the wheel step,
// the click in the list, and filling the list past the message maps.
// Each edit binds its own windows, flags, process-wide pair and messages;
// what a line stands for stays the edit's own (the callbacks below).
#pragma once

#include <afxwin.h>

#include "lattice/core/LeadByteTable.h"

struct PopupListEdit {
    CEdit& edit;
    CListBox& list;
    bool& bEnableAllKeys;    // the edit asks its dialog for every key
    bool& bSelectAllOnClick; // the next button release selects all
    bool& bSettingText;      // the kind's process-wide change-suppression flag
    CString& strLastText;    // the kind's process-wide last text seen
    CWnd* pNotifyWnd;        // told of each choice; not owned
    UINT uHideListMsg;       // posted by the edit to itself after each choice
    UINT uChosenMsg;         // posted to the notify window after each choice

    bool ListExists() const { return ::IsWindow(list.m_hWnd) != FALSE; }

// Typing
    // Whether a change to strText is searched: not while the kind's flag is
    // up, nor when any edit of the kind last handled the same text. A
    // searched text becomes the last one handled.
    bool TakeChange(const CString& strText) const
    {
        if (strText == strLastText || bSettingText)
            return false;
        strLastText = strText;
        return true;
    }

// Choosing
    // chooseLine(itemData, strChosenText) takes the line's item data as the
    // choice and gives the text the edit then shows; false when the data
    // indexes nothing. clearChoice forgets the choice.
    template <class ClearChoice, class ChooseLine>
    void EnterProcess(ClearChoice clearChoice, ChooseLine chooseLine) const
    {
        CString strText;
        edit.GetWindowText(strText);
        if (strText.IsEmpty() && !bSettingText) {
            clearChoice();
            return;
        }
        if (!ListExists())
            return;
        const int nLine = list.GetCurSel();
        if (nLine == LB_ERR || list.GetCount() <= 0) {
            edit.SetWindowText("");
            return;
        }
        CString strChosen;
        if (!chooseLine(list.GetItemData(nLine), strChosen))
            return;
        // Not a search-free write: unless a click raised the flag, the change
        // searches again, and Enter then hides the list it shows.
        if (strText != strChosen)
            edit.SetWindowText(strChosen);
    }

    // Completes a choice: the edit's EnterProcess, the list hidden, the edit
    // told to select its text, the host told.
    template <class EnterProcessFn>
    void Enter(EnterProcessFn enterProcess) const
    {
        bEnableAllKeys = false;
        enterProcess();
        if (ListExists())
            list.ShowWindow(SW_HIDE);
        edit.PostMessage(uHideListMsg, 0, 0);
        if (pNotifyWnd != NULL)
            ::PostMessageA(pNotifyWnd->GetSafeHwnd(), uChosenMsg, 0, 0);
    }

    // While browsing a shown list: writes the highlighted line's text into
    // the edit without searching again; with no line to copy, empties the
    // edit, which searches as typing does. textOfLine(itemData, strText) as
    // chooseLine above, without choosing. True when a line was written.
    template <class TextOfLine>
    bool WriteBack(TextOfLine textOfLine) const
    {
        if (!ListExists() || !list.IsWindowVisible())
            return false;
        const int nLine = list.GetCurSel();
        if (nLine == LB_ERR || list.GetCount() <= 0) {
            edit.SetWindowText("");
            return false;
        }
        CString strText;
        if (!textOfLine(list.GetItemData(nLine), strText))
            return false;
        bSettingText = true;
        edit.SetWindowText(strText);
        bSettingText = false;
        return true;
    }

// Keys, focus and mouse
    // Enter and Escape while the list exists, visible or not; true when the
    // key was taken.
    template <class EnterFn>
    bool TakeChoiceKey(UINT nChar, EnterFn enter) const
    {
        if (!ListExists())
            return false;
        switch (nChar) {
        case VK_RETURN:
            enter();
            return true;
        case VK_ESCAPE:
            bEnableAllKeys = false;
            list.ShowWindow(SW_HIDE);
            return true;
        default:
            return false;
        }
    }

    // The edit lost the focus: the list closes unless the focus went to the
    // edit itself or into its list, or the edit is the active window.
    void KillFocus() const
    {
        if (!ListExists() || !list.IsWindowVisible())
            return;
        const HWND hFocus = ::GetFocus();
        if (hFocus == edit.m_hWnd || hFocus == list.m_hWnd || ::GetActiveWindow() == edit.m_hWnd)
            return;
        list.ShowWindow(SW_HIDE);
        bEnableAllKeys = false;
    }

    // The first button release after the edit gained the focus selects the
    // whole text.
    void PreTranslate(const MSG* pMsg) const
    {
        if (pMsg->message == WM_LBUTTONUP && bSelectAllOnClick) {
            bSelectAllOnClick = false;
            SelectAllText();
        }
    }

    // After a choice: the list hidden and the whole text selected.
    void HideList() const
    {
        if (ListExists())
            list.ShowWindow(SW_HIDE);
        SelectAllText();
    }

    // A single-line edit does not ask for Enter and Escape by itself, and
    // they must reach the edit whenever its list exists; flipping the bit
    // asks for them also while the list is hidden.
    UINT DialogCode(UINT nUsual) const
    {
        return bEnableAllKeys ? (nUsual | DLGC_WANTALLKEYS) : (nUsual ^ DLGC_WANTALLKEYS);
    }

    // One line per wheel message, whatever the amount: up for a positive
    // delta, down otherwise, stopping at either end; down from no selection
    // selects the first line.
    void WheelStep(short zDelta) const
    {
        if (!ListExists())
            return;
        const int nNext = list.GetCurSel() + (zDelta > 0 ? -1 : 1);
        if (nNext >= 0 && nNext < list.GetCount())
            list.SetCurSel(nNext);
    }

    void SelectAllText() const
    {
        edit.SetSel(0, -1);
        edit.SendMessage(EM_SCROLLCARET);
    }

// The list's side
    // A button release in the list: the press has selected the line under
    // the pointer, and with a notify window the release chooses it (sent as
    // uEnterMsg to the edit, with the kind's flag up so that the text the
    // choice writes is not searched again). The edit gets the focus back.
    static void ClickInList(HWND hEdit, bool bChooses, bool& bSettingText, UINT uEnterMsg)
    {
        if (bChooses) {
            bSettingText = true;
            ::SendMessageA(hEdit, uEnterMsg, 0, 0);
            bSettingText = false;
        }
        ::SetFocus(hEdit);
    }

    // Turns a list made as a child of its edit into a top-level tool window
    // that can hang below the dialog's edge, with storage made ready for
    // 16384 lines of 32 bytes.
    static void MakeTopLevel(CListBox& list)
    {
        list.ModifyStyle(WS_CHILD, WS_POPUP | WS_BORDER);
        list.SetParent(NULL);
        list.ModifyStyleEx(0, WS_EX_TOOLWINDOW);
        list.InitStorage(16384, 32);
    }

    // Bulk filling and emptying go straight to the list box's own procedure
    // (the list's CallListBoxProc), past the send and our message maps,
    // which handle none of the LB_ messages: a search can list the whole
    // data, two messages a line.
    // Adds a line at the end with its item data; the line's index or LB_ERR.
    template <class List>
    static int AppendLine(List& list, LPCTSTR lpszLine, DWORD_PTR dwData)
    {
        const int nLine = static_cast<int>(list.CallListBoxProc(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(lpszLine)));
        if (nLine >= 0)
            list.CallListBoxProc(LB_SETITEMDATA, static_cast<WPARAM>(nLine), static_cast<LPARAM>(dwData));
        return nLine;
    }
    // Removes every line. The list box tells its owner of each removed line
    // whose data is not 0 (WM_DELETEITEM), one message a line that nothing
    // handles; clearing the data first costs less (16384 lines: 7 ms
    // instead of 12 under Wine).
    template <class List>
    static void RemoveAllLines(List& list)
    {
        const int nCount = list.GetCount();
        for (int nLine = 0; nLine < nCount; ++nLine)
            list.CallListBoxProc(LB_SETITEMDATA, static_cast<WPARAM>(nLine), 0);
        list.ResetContent();
    }

    // The lead bytes of the process's ANSI code page, asked of the system once.
    static const lattice::LeadByteTable& ProcessLeadBytes()
    {
        static const lattice::LeadByteTable table =
            lattice::LeadByteTable::FromPredicate([](unsigned char b) { return ::IsDBCSLeadByte(b) != FALSE; });
        return table;
    }
};
