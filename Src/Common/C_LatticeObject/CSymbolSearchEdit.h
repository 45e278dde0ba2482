// An edit in which the user finds a market symbol by typing part of its code
// or name. Its catalogue holds display lines, each tied to the symbol it
// names, loaded from the host's backend service or from records the host
// hands over. Every change of the text lists the matching lines in a popup
// list under the edit; Enter or a click chooses one, writes its symbol ID
// into the edit and posts "g_uMsgSearchInputSelected" to the notify window.
// When nothing matches, a tip above the edit says so for two seconds.
#pragma once

#include <afxwin.h>

#include <memory>
#include <vector>

#include "CSymbolInfo.h"
#include "CSymbolSearchList.h"
#include "CXTTipWindow.h"

struct PopupListEdit;

#pragma pack(push, 1)

// One line of the catalogue and the symbol it names.
struct AFX_EXT_CLASS CSymbolSearchEntry {
    CString m_strLine;
    CSymbolInfo m_info;
};

class AFX_EXT_CLASS CSymbolSearchEdit : public CEdit {
public:
    // Which catalogue the edit loads. Any other value loads nothing.
    enum TYPE : int {
        TYPE_NONE = 0,     // what SetSearchData built, or empty
        TYPE_SYMBOL = 1,   // stocks, the second market, options, then every other service
        TYPE_WARRANT = 2,  // warrants
        TYPE_INDUSTRY = 3, // stocks, then the industry tree
    };

    // Room reserved for catalogue lines when the edit is made.
    static const size_t kCatalogueReserve = 0x20000;

// Constructors
    CSymbolSearchEdit();
    virtual ~CSymbolSearchEdit();

    DECLARE_MESSAGE_MAP()

public:
    // The first button release after a gain of focus selects the text.
    // A NULL message gives FALSE and changes nothing.
    virtual BOOL PreTranslateMessage(MSG* pMsg);

// Catalogue
    // Stores the type only; the catalogue is reloaded later, not here.
    void SetType(TYPE type);
    // Asks for the catalogue of the current type to be loaded again at the
    // next change of the text.
    void ResetSymbolFile();
    // Rebuilds the catalogue from the host's records, one "ID name" line per
    // record whose name the backend knows. Reads each record through its
    // getters, which refresh the record's mirror fields.
    void SetSearchData(std::vector<CSymbolInfo>& data);

// Choice
    // The window told of every choice with "g_uMsgSearchInputSelected". Not owned.
    void SetNofityWnd(CWnd* pWnd);
    // The last chosen symbol; service 0 and "" after Enter on an empty edit.
    void GetSelectedSymbol(CSymbolInfo& info);
    // Replaces the chosen symbol; the text and the list stay as they are.
    void SetSelectedSymbol(CSymbolInfo& info);
    // Takes the list's current line as the chosen symbol.
    void EnterProcess();

// Popup list
    // Makes the popup list and the tip window, once. Does nothing before the
    // edit has a window.
    void InitialPopupList();
    // Places the list under the edit, shows it and gives the edit the focus.
    // Does nothing while the edit has no window.
    void ShowList(int nUnused);

    // Keeps a copy of the font and gives it to the edit, the list and the
    // tip. A null or unreadable font changes nothing.
    void SetFont(CFont* pFont, BOOL bRedraw = TRUE);

protected:
    afx_msg void OnChange();
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg LRESULT OnEnter(WPARAM wParam, LPARAM lParam);
    afx_msg UINT OnGetDlgCode();
    afx_msg LRESULT OnHideList(WPARAM wParam, LPARAM lParam);
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnKillfocus();
    afx_msg BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt);
    afx_msg void OnSetFocus(CWnd* pOldWnd);

private:
    friend class CSymbolSearchList;

    void EnableAllKeys(bool bEnable);
    void Enter();
    // Copies the highlighted line's symbol ID into the edit while browsing.
    void UpdateSymIDToEdit();
    // Lists the lines that contain m_strSearch and selects one.
    void FillList();
    void ShowNoMatchTip();
    // After the focus moved into the edit: the shown list and tip over the
    // dialog again (a Wine difference; see the definition).
    void KeepPopupsOverDialog();
    bool ListExists() const { return ::IsWindow(m_list.m_hWnd) != FALSE; }
    // The catalogue entry a list line stands for, or NULL.
    CSymbolSearchEntry* EntryOfLine(DWORD_PTR dwItemData);
    // This edit's share of what both popup-list edits do alike.
    PopupListEdit Popup();

    // The loaders of the market types (each empties the catalogue first)
    // and the parts they append; SymbolCatalogue does the work.
    void InitSymbolID();
    void InitWarrant();
    void InitIndustryID();
    void InitialServiceSymbol(unsigned char service);
    void InitialOptionSymbol(unsigned char service);
    void InitialNSSISymbol();

    TYPE m_eType;
    CWnd* m_pNotifyWnd;            // told of each choice; not owned
    CFont m_font;                  // given to the edit, the list and the tip
    bool m_bEnableAllKeys;         // ask the dialog for every key
    bool m_bSelectAllOnClick;      // the next button release selects all
    bool m_bListCreated;           // the list and the tip exist
    bool m_bReload;                // load the catalogue at the next change
    CString m_strSearch;           // upper-cased text of the last search
    CSymbolInfo m_SelectedSymbol;  // the last choice
    CSymbolSearchList m_list;
    CXTTipWindow m_tip;
    std::vector<CSymbolSearchEntry> m_vecSymbols;

    // The catalogue's loaders and the upper-cased copy of its lines, and
    // what the last search found; kept here, after the fields the host
    // compiles against, so that a keystroke only scans.
    struct Cache;
    std::unique_ptr<Cache> m_pCache;

    // Shared by every symbol edit of the process (UI thread only): while the
    // flag is up a text change does not search; a change to the text that
    // any symbol edit last handled is ignored.
    static bool g_bSettingText;
    static CString s_strLastText;
};

#pragma pack(pop)
