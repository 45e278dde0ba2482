// The host form of the two popup-list edits' tests: the edit under test on
// its first field, a second field and a plain edit to take the focus; and
// what the user sees of the edit's popup list.
#pragma once

#include <afxwin.h>

#include <string>

#include "DialogFixture.h"
#include "SearchForm.h"
#include "WindowReadback.h"

// The popup list of a search edit, found where it must be: under it.
inline HWND ListUnder(const CWnd& edit)
{
    RECT rcEdit, rc;
    edit.GetWindowRect(&rcEdit);
    for (HWND h = ::FindWindowExA(NULL, NULL, "ListBox", NULL); h != NULL; h = ::FindWindowExA(NULL, h, "ListBox", NULL))
        if ((::GetWindowLongA(h, GWL_EXSTYLE) & WS_EX_TOOLWINDOW) && ::GetWindowRect(h, &rc) &&
            rc.left == rcEdit.left && rc.top == rcEdit.bottom)
            return h;
    return NULL;
}

template <class Edit> class PopupEditForm : public DialogFixture {
protected:
    explicit PopupEditForm(const char* pszChosenMessage) : DialogFixture(pszChosenMessage) {}
    // The edits of a kind share the last text they handled, for the whole
    // process: each program holds one script, which CTest runs in a process
    // of its own, so the first text typed is always searched.
    void OpenForm()
    {
        OpenDialog(IDD_SEARCH_FORM);
        ASSERT_TRUE(m_edit.SubclassDlgItem(IDC_SEARCH_FIRST, &m_dlg));
        m_edit.SetNofityWnd(&m_dlg);
    }
    void FocusEdit() { m_edit.SetFocus(), PumpUntilIdle(); }

    // The helpers act on m_pEdit: the first edit unless a test switches.
    HWND List() const { return ListUnder(*m_pEdit); }
    bool Shown() const { return ::IsWindowVisible(List()) != FALSE; }
    LRESULT ToList(UINT uMsg, WPARAM w = 0, LPARAM l = 0) const { return ::SendMessageA(List(), uMsg, w, l); }
    // "selection text/line count", then " hidden" unless the list shows.
    std::string Browsing() const { return ::Browsing(List(), m_pEdit->m_hWnd) + (Shown() ? "" : " hidden"); }

    Edit m_edit;
    Edit* m_pEdit = &m_edit;
};
