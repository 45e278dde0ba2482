#include "CSymbolSearchEdit.h"

#include <cstddef>

#include "C_BKInterface.h"
#include "FontCopy.h"
#include "PopupListEdit.h"
#include "RegisteredMessages.h"
#include "SymbolCatalogue.h"

#include <string_view>

namespace {

// A service line's symbol ID begins after "[", a one-character service name
// and "]": typing the beginning of an ID preselects the first such line.
const lattice::search::Preselection kSymbolIDAtStart{4, '['};

// How the no-match tip shows.
const DWORD kTipStyle = TWS_XT_THICKBORDER | TWS_XT_DROPSHADOW;
const UINT kTipMilliseconds = 2000;

} // namespace

struct CSymbolSearchEdit::Cache {
    explicit Cache(std::vector<CSymbolSearchEntry>& entries) : catalogue(entries) {}
    SymbolCatalogue catalogue;          // fills the edit's entries and indexes their lines
    lattice::search::MatchResult match; // what the last search put in the list
};

bool CSymbolSearchEdit::g_bSettingText = false;
CString CSymbolSearchEdit::s_strLastText;

BEGIN_MESSAGE_MAP(CSymbolSearchEdit, CEdit)
    ON_WM_KEYDOWN()
    ON_WM_GETDLGCODE()
    ON_WM_SETFOCUS()
    ON_CONTROL_REFLECT(EN_CHANGE, OnChange)
    ON_CONTROL_REFLECT(EN_KILLFOCUS, OnKillfocus)
    ON_WM_MOUSEWHEEL()
    ON_WM_CREATE()
    ON_REGISTERED_MESSAGE(g_uMsgHideList, OnHideList)
    ON_REGISTERED_MESSAGE(g_uMsgEnter, OnEnter)
END_MESSAGE_MAP()

CSymbolSearchEdit::CSymbolSearchEdit()
    : m_eType(TYPE_NONE)
    , m_pNotifyWnd(NULL)
    , m_bEnableAllKeys(false)
    , m_bSelectAllOnClick(false)
    , m_bListCreated(false)
    , m_bReload(false)
{
    // The host compiles against this layout: every field right after the
    // previous one, in this order, on both architectures.
#if defined(_WIN64)
    static_assert(offsetof(CSymbolSearchEdit, m_eType) == 24, "CSymbolSearchEdit::m_eType offset (x86-64)");
    static_assert(offsetof(CSymbolSearchEdit, m_pNotifyWnd) == 28, "CSymbolSearchEdit::m_pNotifyWnd offset (x86-64)");
    static_assert(offsetof(CSymbolSearchEdit, m_font) == 36, "CSymbolSearchEdit::m_font offset (x86-64)");
    static_assert(offsetof(CSymbolSearchEdit, m_bEnableAllKeys) == 52, "CSymbolSearchEdit::m_bEnableAllKeys offset (x86-64)");
    static_assert(offsetof(CSymbolSearchEdit, m_bSelectAllOnClick) == 53, "CSymbolSearchEdit::m_bSelectAllOnClick offset (x86-64)");
    static_assert(offsetof(CSymbolSearchEdit, m_bListCreated) == 54, "CSymbolSearchEdit::m_bListCreated offset (x86-64)");
    static_assert(offsetof(CSymbolSearchEdit, m_bReload) == 55, "CSymbolSearchEdit::m_bReload offset (x86-64)");
    static_assert(offsetof(CSymbolSearchEdit, m_strSearch) == 56, "CSymbolSearchEdit::m_strSearch offset (x86-64)");
    static_assert(offsetof(CSymbolSearchEdit, m_SelectedSymbol) == 64, "CSymbolSearchEdit::m_SelectedSymbol offset (x86-64)");
    static_assert(offsetof(CSymbolSearchEdit, m_list) == 82, "CSymbolSearchEdit::m_list offset (x86-64)");
    static_assert(offsetof(CSymbolSearchEdit, m_tip) == 122, "CSymbolSearchEdit::m_tip offset (x86-64)");
    static_assert(offsetof(CSymbolSearchEdit, m_vecSymbols) == 194, "CSymbolSearchEdit::m_vecSymbols offset (x86-64)");
    static_assert(offsetof(CSymbolSearchEdit, m_pCache) == 218, "CSymbolSearchEdit::m_pCache offset (x86-64)");
    static_assert(sizeof(CSymbolSearchEdit) == 226, "sizeof(CSymbolSearchEdit) (x86-64)");
#else
    static_assert(offsetof(CSymbolSearchEdit, m_eType) == 12, "CSymbolSearchEdit::m_eType offset (i686)");
    static_assert(offsetof(CSymbolSearchEdit, m_pNotifyWnd) == 16, "CSymbolSearchEdit::m_pNotifyWnd offset (i686)");
    static_assert(offsetof(CSymbolSearchEdit, m_font) == 20, "CSymbolSearchEdit::m_font offset (i686)");
    static_assert(offsetof(CSymbolSearchEdit, m_bEnableAllKeys) == 28, "CSymbolSearchEdit::m_bEnableAllKeys offset (i686)");
    static_assert(offsetof(CSymbolSearchEdit, m_bSelectAllOnClick) == 29, "CSymbolSearchEdit::m_bSelectAllOnClick offset (i686)");
    static_assert(offsetof(CSymbolSearchEdit, m_bListCreated) == 30, "CSymbolSearchEdit::m_bListCreated offset (i686)");
    static_assert(offsetof(CSymbolSearchEdit, m_bReload) == 31, "CSymbolSearchEdit::m_bReload offset (i686)");
    static_assert(offsetof(CSymbolSearchEdit, m_strSearch) == 32, "CSymbolSearchEdit::m_strSearch offset (i686)");
    static_assert(offsetof(CSymbolSearchEdit, m_SelectedSymbol) == 36, "CSymbolSearchEdit::m_SelectedSymbol offset (i686)");
    static_assert(offsetof(CSymbolSearchEdit, m_list) == 46, "CSymbolSearchEdit::m_list offset (i686)");
    static_assert(offsetof(CSymbolSearchEdit, m_tip) == 66, "CSymbolSearchEdit::m_tip offset (i686)");
    static_assert(offsetof(CSymbolSearchEdit, m_vecSymbols) == 118, "CSymbolSearchEdit::m_vecSymbols offset (i686)");
    static_assert(offsetof(CSymbolSearchEdit, m_pCache) == 130, "CSymbolSearchEdit::m_pCache offset (i686)");
    static_assert(sizeof(CSymbolSearchEdit) == 134, "sizeof(CSymbolSearchEdit) (i686)");
#endif
    // The catalogue's entries cross to the host inside m_vecSymbols.
#if defined(_WIN64)
    static_assert(offsetof(CSymbolSearchEntry, m_strLine) == 0, "CSymbolSearchEntry::m_strLine offset (x86-64)");
    static_assert(offsetof(CSymbolSearchEntry, m_info) == 8, "CSymbolSearchEntry::m_info offset (x86-64)");
    static_assert(sizeof(CSymbolSearchEntry) == 26, "sizeof(CSymbolSearchEntry) (x86-64)");
#else
    static_assert(offsetof(CSymbolSearchEntry, m_strLine) == 0, "CSymbolSearchEntry::m_strLine offset (i686)");
    static_assert(offsetof(CSymbolSearchEntry, m_info) == 4, "CSymbolSearchEntry::m_info offset (i686)");
    static_assert(sizeof(CSymbolSearchEntry) == 14, "sizeof(CSymbolSearchEntry) (i686)");
#endif
    m_vecSymbols.reserve(kCatalogueReserve);
    m_pCache.reset(new Cache(m_vecSymbols));
}

CSymbolSearchEdit::~CSymbolSearchEdit()
{
    // The list window goes with its object.
    if (::IsWindow(m_tip.m_hWnd))
        m_tip.DestroyWindow();
}

/////////////////////////////////////////////////////////////////////////////
// Catalogue

void CSymbolSearchEdit::SetType(TYPE type)
{
    m_eType = type;
}

void CSymbolSearchEdit::ResetSymbolFile()
{
    m_bReload = true;
}

void CSymbolSearchEdit::SetSearchData(std::vector<CSymbolInfo>& data)
{
    m_pCache->catalogue.LoadRecords(data);
}

void CSymbolSearchEdit::InitSymbolID() { m_pCache->catalogue.LoadSymbols(); }
void CSymbolSearchEdit::InitWarrant() { m_pCache->catalogue.LoadWarrants(); }
void CSymbolSearchEdit::InitIndustryID() { m_pCache->catalogue.LoadIndustries(); }
void CSymbolSearchEdit::InitialServiceSymbol(unsigned char service) { m_pCache->catalogue.AppendService(service); }
void CSymbolSearchEdit::InitialOptionSymbol(unsigned char service) { m_pCache->catalogue.AppendOptions(service); }
void CSymbolSearchEdit::InitialNSSISymbol() { m_pCache->catalogue.AppendIndustryTree(); }

/////////////////////////////////////////////////////////////////////////////
// Choice

void CSymbolSearchEdit::SetNofityWnd(CWnd* pWnd) { m_pNotifyWnd = pWnd; }

void CSymbolSearchEdit::GetSelectedSymbol(CSymbolInfo& info) { info = m_SelectedSymbol; }

void CSymbolSearchEdit::SetSelectedSymbol(CSymbolInfo& info) { m_SelectedSymbol = info; }

void CSymbolSearchEdit::EnableAllKeys(bool bEnable) { m_bEnableAllKeys = bEnable; }

PopupListEdit CSymbolSearchEdit::Popup()
{
    return PopupListEdit{*this, m_list, m_bEnableAllKeys, m_bSelectAllOnClick, g_bSettingText, s_strLastText,
                         m_pNotifyWnd, g_uMsgHideList, g_uMsgSearchInputSelected};
}

CSymbolSearchEntry* CSymbolSearchEdit::EntryOfLine(DWORD_PTR dwItemData)
{
    return dwItemData < m_vecSymbols.size() ? &m_vecSymbols[dwItemData] : NULL;
}

void CSymbolSearchEdit::EnterProcess()
{
    Popup().EnterProcess([this] { m_SelectedSymbol.Clear(); },
                         [this](DWORD_PTR dwItemData, CString& strChosen) {
                             CSymbolSearchEntry* pEntry = EntryOfLine(dwItemData);
                             if (pEntry == NULL)
                                 return false;
                             m_SelectedSymbol = pEntry->m_info;
                             pEntry->m_info.GetService(); // the entry's mirror follows, as every read of a record does
                             strChosen = m_SelectedSymbol.GetSymbol();
                             return true;
                         });
}

void CSymbolSearchEdit::Enter()
{
    Popup().Enter([this] { EnterProcess(); });
}

void CSymbolSearchEdit::UpdateSymIDToEdit()
{
    Popup().WriteBack([this](DWORD_PTR dwItemData, CString& strText) {
        CSymbolSearchEntry* pEntry = EntryOfLine(dwItemData);
        if (pEntry == NULL)
            return false;
        strText = pEntry->m_info.GetSymbol();
        return true;
    });
}

/////////////////////////////////////////////////////////////////////////////
// Searching and the popup list

void CSymbolSearchEdit::InitialPopupList()
{
    // Without the edit's window the list and the tip would have no owner;
    // they are made at the first change once the edit has one.
    if (m_bListCreated || !::IsWindow(m_hWnd))
        return;
    // Made as a child of the edit so that it knows its owner, then turned
    // into a top-level tool window that can hang below the dialog's edge.
    m_list.Create(WS_CHILD, CRect(0, 0, 0, 0), this, 1);
    m_list.m_pNotifyWnd = m_pNotifyWnd;
    m_list.SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(m_font.GetSafeHandle()), TRUE);
    m_list.m_pEdit = this;
    if (ListExists()) {
        // Wine activates a window that SetParent makes top-level, hidden or
        // not, and gives it the focus; Windows does neither. The focus goes
        // back at once, as the edit would have kept it.
        const HWND hFocus = ::GetFocus();
        const bool bSelectAllOnClick = m_bSelectAllOnClick;
        PopupListEdit::MakeTopLevel(m_list);
        if (hFocus != NULL && ::GetFocus() != hFocus) {
            ::SetFocus(hFocus);
            m_bSelectAllOnClick = bSelectAllOnClick;
        }
    }
    m_tip.Create(this);
    m_tip.ShowWindow(SW_HIDE);
    m_bListCreated = true;
}

void CSymbolSearchEdit::ShowList(int /*nUnused*/)
{
    // Without the edit's window there is no place under it, and taking the
    // focus for no window would take it from whichever window has it.
    if (!::IsWindow(m_hWnd))
        return;
    CRect rcEdit;
    GetWindowRect(&rcEdit);
    if (ListExists())
        m_list.SetWindowPos(&wndTopMost, rcEdit.left, rcEdit.bottom, rcEdit.Width() + 100, rcEdit.Height() + 100,
                            SWP_SHOWWINDOW | SWP_NOACTIVATE);
    EnableAllKeys(true);
    const bool bFocusMoves = ::GetFocus() != m_hWnd;
    SetFocus();
    if (bFocusMoves)
        KeepPopupsOverDialog();
}

void CSymbolSearchEdit::KeepPopupsOverDialog()
{
    // On Windows the topmost popups stay over the dialog whatever takes the
    // focus. Under Wine, a focus that moves into the dialog restacks its
    // top-level window above every popup, topmost or not, while Wine's own
    // z-order still has the popups on top, so placing them on top again
    // changes nothing. Leaving the topmost band and coming back restacks
    // them over the dialog, as Windows shows them; on Windows it ends where
    // it began.
    for (CWnd* pPopup : {static_cast<CWnd*>(&m_list), static_cast<CWnd*>(&m_tip)}) {
        if (!::IsWindow(pPopup->m_hWnd) || !pPopup->IsWindowVisible())
            continue;
        pPopup->SetWindowPos(&wndNoTopMost, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        pPopup->SetWindowPos(&wndTopMost, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
}

void CSymbolSearchEdit::FillList()
{
    Cache& cache = *m_pCache;
    const std::string_view key(m_strSearch.GetString(), m_strSearch.GetLength());
    cache.catalogue.UpperCasedLines().Match(key, PopupListEdit::ProcessLeadBytes(), cache.match, kSymbolIDAtStart);
    for (const std::uint32_t i : cache.match.hits)
        PopupListEdit::AppendLine(m_list, m_vecSymbols[i].m_strLine, i);
}

void CSymbolSearchEdit::ShowNoMatchTip()
{
    CRect rc;
    GetClientRect(&rc);
    ClientToScreen(&rc);
    m_tip.SetMargins(CSize(1, 1));
    m_tip.SetLineSpace(1);
    m_tip.SetTipText("", C_BKInterface::GetBKInterface()->LangGetLangString("IDS_TOOLBAR_NOMATCH"), FALSE);
    m_tip.ShowTipWindow(CPoint(rc.CenterPoint().x, rc.top - rc.Height() / 2), kTipStyle, 0, kTipMilliseconds,
                        FALSE);
}

/////////////////////////////////////////////////////////////////////////////
// Message handlers

void CSymbolSearchEdit::OnChange()
{
    CString strText;
    GetWindowText(strText);
    if (!Popup().TakeChange(strText))
        return;
    if (!m_bListCreated || m_bReload) {
        m_pCache->catalogue.Load(m_eType);
        InitialPopupList();
        m_bReload = false;
    }
    GetWindowText(m_strSearch);
    m_strSearch.MakeUpper();

    m_list.SendMessage(WM_SETREDRAW, FALSE);
    PopupListEdit::RemoveAllLines(m_list);
    FillList();
    const lattice::search::MatchResult& match = m_pCache->match;
    if (match.hits.empty()) {
        ShowNoMatchTip();
    } else {
        m_tip.HideTipWindow();
        // The list box's own prefix search, which ignores case, looking from
        // line 1 onwards and wrapping round to line 0.
        m_list.SetCurSel(match.preselectIndex == lattice::search::MatchResult::kNone
                             ? 0
                             : m_list.FindString(0, m_vecSymbols[match.preselectIndex].m_strLine));
    }
    m_list.SendMessage(WM_SETREDRAW, TRUE);
    ShowList(100);
}

int CSymbolSearchEdit::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CEdit::OnCreate(lpCreateStruct) == -1)
        return -1;
    m_font.CreatePointFont(90, "Tahoma");
    SetFont(&m_font, TRUE);
    return 0;
}

void CSymbolSearchEdit::SetFont(CFont* pFont, BOOL bRedraw)
{
    if (!CopyFont(m_font, pFont))
        return;
    const WPARAM wFont = reinterpret_cast<WPARAM>(m_font.GetSafeHandle());
    for (CWnd* pWnd : {static_cast<CWnd*>(&m_list), static_cast<CWnd*>(&m_tip), static_cast<CWnd*>(this)})
        if (::IsWindow(pWnd->m_hWnd))
            pWnd->SendMessage(WM_SETFONT, wFont, bRedraw);
}

void CSymbolSearchEdit::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (ListExists() && (nChar == VK_UP || nChar == VK_DOWN)) {
        m_list.SendMessage(WM_KEYDOWN, nChar, MAKELPARAM(nRepCnt, nFlags));
        UpdateSymIDToEdit();
        return;
    }
    if (!Popup().TakeChoiceKey(nChar, [this] { Enter(); }))
        CEdit::OnKeyDown(nChar, nRepCnt, nFlags);
}

BOOL CSymbolSearchEdit::OnMouseWheel(UINT /*nFlags*/, short zDelta, CPoint /*pt*/)
{
    Popup().WheelStep(zDelta); // the text stays as it is
    return TRUE;
}

void CSymbolSearchEdit::OnSetFocus(CWnd* pOldWnd)
{
    m_bSelectAllOnClick = true;
    CEdit::OnSetFocus(pOldWnd);
}

void CSymbolSearchEdit::OnKillfocus()
{
    Popup().KillFocus(); // the tip hides itself
}

UINT CSymbolSearchEdit::OnGetDlgCode()
{
    return Popup().DialogCode(CEdit::OnGetDlgCode());
}

LRESULT CSymbolSearchEdit::OnEnter(WPARAM, LPARAM)
{
    Enter();
    return 0;
}

LRESULT CSymbolSearchEdit::OnHideList(WPARAM, LPARAM)
{
    Popup().HideList();
    return 0;
}

BOOL CSymbolSearchEdit::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg == NULL)
        return FALSE;
    Popup().PreTranslate(pMsg);
    return CEdit::PreTranslateMessage(pMsg);
}
