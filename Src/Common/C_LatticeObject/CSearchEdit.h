// An edit with autocomplete over strings the host supplies: while the user
// types, a popup list under the edit shows every string that contains the
// text without regard to case; a choice is written into the edit and the
// notify window is told with "EDITMSG_SEARCH_SELECTED".
#pragma once

#include <afxwin.h>

#include <memory>
#include <vector>

#include "CSearchList.h"
#include "SEdit.h"

struct PopupListEdit;

#pragma pack(push, 1)

class AFX_EXT_CLASS CSearchEdit : public SEdit {
public:
    CSearchEdit();
    virtual ~CSearchEdit();

// Operations
    // Replaces the search data with a copy of data, sorted first when bSort
    // is non-zero, and hides the list. The caller's vector is not changed.
    void SetSearchData(std::vector<CString>& data, int bSort);
    // 1 and the chosen string in its supplied case, or 0 when the last
    // choice found none.
    int GetSelectedData(CString& strData) const;
    // Resolves the list's selection to a search-data string.
    void EnterProcess();
    // The window told of every completed choice. Not owned.
    void SetNofityWnd(CWnd* pWnd);

    // The first button release after a gain of focus selects the text.
    // A NULL message gives FALSE and changes nothing.
    virtual BOOL PreTranslateMessage(MSG* pMsg);

protected:
    afx_msg void OnChange();
    afx_msg void OnKillfocus();
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt);
    afx_msg UINT OnGetDlgCode();
    afx_msg LRESULT OnEnter(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnHideList(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    friend class CSearchList;

    void EnableAllKeys(bool bEnable);
    void Enter();
    void InitialPopupList();
    void ShowList(int nExtra);
    int GetMaxListWidth();
    void UpdateDataToEdit();
    void UpdateListScrollBar();
    void SortData(std::vector<CString>& data);
    // This edit's share of what both popup-list edits do alike.
    PopupListEdit Popup();
    // Fills the list with the strings that contain strText and preselects one.
    void Match(const CString& strText);
    bool ListExists() const { return ::IsWindow(m_wndList.m_hWnd) != FALSE; }

    std::vector<CString> m_vecSearchData; // the host's strings, in matching order
    CWnd* m_pNotifyWnd;                   // told of each choice; not owned
    CFont m_fontList;                     // 9-point Tahoma for the list and the edit
    bool m_bEnableAllKeys;                // ask the dialog for every key
    bool m_bSelectAllOnClick;             // the next button release selects all
    bool m_bListInitialized;
    CString m_strSearch;                  // upper-cased text of the last matching
    CString m_strSelectedData;            // the last choice; empty when none
    CSearchList m_wndList;

    // Upper-cased copies of the search data and cached text widths, made
    // when the data is set so that a keystroke only scans. The library's
    // own, not part of the layout the host compiles against: it goes after
    // every field the host knows of.
    struct Cache;
    std::unique_ptr<Cache> m_pCache;

    // Shared by every search edit of the process (UI thread only): while the
    // flag is up a text change does not re-run the matching; a change to the
    // text that any search edit last handled is ignored.
    static bool s_bSuppressChange;
    static CString s_strLastText;
};

#pragma pack(pop)
