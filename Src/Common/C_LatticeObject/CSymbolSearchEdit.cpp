#include "CSymbolSearchEdit.h"

#include <cstddef>

#include "C_BKInterface.h"
#include "FontCopy.h"
#include "PopupListEdit.h"
#include "RegisteredMessages.h"
#include "lattice/core/SearchData.h"
#include "lattice/core/SymbolLine.h"

#include <string_view>

namespace {

// Services and item numbers the catalogue is made of.
const unsigned char kServiceStock = 16;
const unsigned char kServiceSecond = 1;
const unsigned char kServiceOption = 109;
const unsigned char kServiceSkipped = 79;
const unsigned char kServiceNSSI = 105;
const unsigned short kItemDisplayCode = 1018;
const unsigned short kItemName = 1019;

// The tree levels that are listed lie between these, the root's children
// being level 1.
const int kNSSIFirstListedLevel = 2;
const int kNSSILastListedLevel = 4;

C_BKInterface* Backend()
{
    return C_BKInterface::GetBKInterface();
}

std::string_view View(const CString& str)
{
    return std::string_view(str.GetString()); // up to the first NUL, as "%s" reads it
}

// A service line's symbol ID begins after "[", a one-character service name
// and "]": typing the beginning of an ID preselects the first such line.
const lattice::search::Preselection kSymbolIDAtStart{4, '['};

// How the no-match tip shows.
const DWORD kTipStyle = TWS_XT_THICKBORDER | TWS_XT_DROPSHADOW;
const UINT kTipMilliseconds = 2000;

// The text of one item of a symbol; false when the backend does not answer
// with a value.
bool QueryItemText(unsigned char service, const CString& strSymbol, unsigned short usItemNo, CString& strText)
{
    const std::vector<unsigned short> itemNos(1, usItemNo);
    std::vector<X1Format> values;
    if (!Backend()->bGetItemDataByItemNo(service, strSymbol, itemNos, values, true, nullptr) || values.empty())
        return false;
    strText = static_cast<CString>(values.front());
    return true;
}

const CString& NameAt(const std::vector<CString>& names, size_t i)
{
    static const CString s_strEmpty;
    return i < names.size() ? names[i] : s_strEmpty;
}

} // namespace

struct CSymbolSearchEdit::Cache {
    lattice::search::UpperCasedData upper; // one upper-cased copy per catalogue line
    lattice::search::MatchResult match;    // what the last search put in the list
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
    , m_pCache(new Cache)
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
}

CSymbolSearchEdit::~CSymbolSearchEdit()
{
    // The list window goes with its object.
    if (::IsWindow(m_tip.m_hWnd))
        m_tip.DestroyWindow();
}

void CSymbolSearchEdit::SetType(TYPE type)
{
    m_eType = type;
}

void CSymbolSearchEdit::ResetSymbolFile()
{
    m_bReload = true;
}

void CSymbolSearchEdit::LoadCatalogue()
{
    switch (m_eType) {
    case TYPE_SYMBOL:
        InitSymbolID();
        break;
    case TYPE_WARRANT:
        InitWarrant();
        break;
    case TYPE_INDUSTRY:
        InitIndustryID();
        break;
    default:
        break;
    }
}

void CSymbolSearchEdit::ClearCatalogue()
{
    m_vecSymbols.clear();
    m_pCache->upper.Clear();
}

CSymbolSearchEntry& CSymbolSearchEdit::NewEntry(unsigned char service, const CString& strSymbol)
{
    m_vecSymbols.emplace_back();
    CSymbolSearchEntry& entry = m_vecSymbols.back();
    entry.m_info.SetService(service);
    entry.m_info.SetSymbol(strSymbol);
    return entry;
}

void CSymbolSearchEdit::IndexLastEntry()
{
    const CString& strLine = m_vecSymbols.back().m_strLine;
    m_pCache->upper.Add(std::string_view(strLine.GetString(), strLine.GetLength()),
                        popup_list_edit::ProcessLeadBytes());
}

void CSymbolSearchEdit::AppendServiceLine(const CString& strServiceName, const CString& strShownID,
                                          const CString& strName, unsigned char service, const CString& strSymbol)
{
    const std::string_view svc = View(strServiceName), id = View(strShownID), name = View(strName);
    const int nLength = static_cast<int>(lattice::symbols::ServiceLineLength(svc, id, name));
    CString& strLine = NewEntry(service, strSymbol).m_strLine;
    lattice::symbols::WriteServiceLine(strLine.GetBufferSetLength(nLength), svc, id, name);
    strLine.ReleaseBuffer(nLength);
    IndexLastEntry();
}

void CSymbolSearchEdit::AppendPlainLine(const CString& strName, unsigned char service, const CString& strSymbol)
{
    const std::string_view id = View(strSymbol), name = View(strName);
    const int nLength = static_cast<int>(lattice::symbols::PlainLineLength(id, name));
    CString& strLine = NewEntry(service, strSymbol).m_strLine;
    lattice::symbols::WritePlainLine(strLine.GetBufferSetLength(nLength), id, name);
    strLine.ReleaseBuffer(nLength);
    IndexLastEntry();
}

void CSymbolSearchEdit::SetSearchData(std::vector<CSymbolInfo>& data)
{
    ClearCatalogue();
    for (CSymbolInfo& record : data) {
        const unsigned char service = record.GetService();
        const CString strSymbol = record.GetSymbol();
        CString strName;
        if (QueryItemText(service, strSymbol, kItemName, strName))
            AppendPlainLine(strName, service, strSymbol);
    }
}

void CSymbolSearchEdit::InitSymbolID()
{
    ClearCatalogue();
    std::vector<unsigned char> services;
    if (!Backend()->bGetAllServiceID(services))
        return;

    InitialServiceSymbol(kServiceStock);
    InitialServiceSymbol(kServiceSecond);
    InitialOptionSymbol(kServiceOption);
    for (unsigned char service : services) {
        if (service == kServiceStock || service == kServiceSecond || service == kServiceOption ||
            service == kServiceSkipped)
            continue;
        InitialServiceSymbol(service);
    }
}

void CSymbolSearchEdit::InitIndustryID()
{
    ClearCatalogue();
    InitialServiceSymbol(kServiceStock);
    InitialNSSISymbol();
}

void CSymbolSearchEdit::InitWarrant()
{
    ClearCatalogue();
    std::vector<CString> warrants;
    Backend()->bGetAllWarrantRelate(warrants);
    for (const CString& strID : warrants) {
        CString strName;
        if (QueryItemText(kServiceStock, strID, kItemName, strName))
            AppendPlainLine(strName, kServiceStock, strID);
    }
}

void CSymbolSearchEdit::InitialServiceSymbol(unsigned char service)
{
    CString strServiceName;
    Backend()->bGetServiceExName(strServiceName, service);

    std::vector<CString> ids, names;
    Backend()->bGetAllContractID(ids, names, service, CString(""));
    // A service with a single contract lists that contract's symbols instead.
    if (ids.size() == 1) {
        ids.clear();
        names.clear();
        Backend()->bGetSymbolID(ids, names, service, CString(""), CString(""), nullptr);
    }

    if (!Backend()->GetSymbolIDIsRealMonth()) {
        for (size_t i = 0; i < ids.size(); ++i)
            AppendServiceLine(strServiceName, ids[i], NameAt(names, i), service, ids[i]);
        return;
    }
    // Real-month contracts show their display code in place of the ID.
    for (size_t i = 0; i < ids.size(); ++i) {
        CString strCode;
        if (QueryItemText(service, ids[i], kItemDisplayCode, strCode))
            AppendServiceLine(strServiceName, strCode, NameAt(names, i), service, ids[i]);
    }
}

void CSymbolSearchEdit::InitialOptionSymbol(unsigned char service)
{
    CString strServiceName;
    Backend()->bGetServiceExName(strServiceName, service);
    std::vector<CString> commodities, commodityNames;
    const int nAll = 0;
    Backend()->bGetAllCommodityID(commodities, commodityNames, service, nAll);

    for (const CString& strCommodity : commodities) {
        std::vector<CString> ids, names;
        Backend()->bGetSymbolID(ids, names, service, strCommodity, CString(""), nullptr);
        for (size_t j = 0; j < ids.size(); ++j)
            AppendServiceLine(strServiceName, ids[j], NameAt(names, j), service, ids[j]);
    }
}

void CSymbolSearchEdit::InitialNSSISymbol()
{
    CString strServiceName;
    Backend()->bGetServiceExName(strServiceName, kServiceNSSI);
    const CString strRoot = Backend()->GetNSSIRootID();

    // One vector per level. Level 1 (the root's children) is walked but not
    // listed; below it, a node without a name is neither listed nor opened.
    std::vector<SSINodeInfo> levels[kNSSILastListedLevel + 1];
    Backend()->GetNSSINode(levels[1], strRoot);

    struct Walker {
        CSymbolSearchEdit* pEdit;
        const CString& strServiceName;
        std::vector<SSINodeInfo>* levels;

        void Walk(int nLevel)
        {
            for (const SSINodeInfo& node : levels[nLevel]) {
                if (node.m_strNodeName.IsEmpty())
                    continue;
                pEdit->AppendServiceLine(strServiceName, node.m_strNodeID, node.m_strNodeName, kServiceNSSI,
                                         node.m_strNodeID);
                if (nLevel < kNSSILastListedLevel) {
                    // Handed over as it is: the answer replaces what it holds.
                    Backend()->GetNSSINode(levels[nLevel + 1], node.m_strNodeID);
                    Walk(nLevel + 1);
                }
            }
        }
    } walker{this, strServiceName, levels};

    for (const SSINodeInfo& node : levels[1]) {
        levels[kNSSIFirstListedLevel].clear();
        Backend()->GetNSSINode(levels[kNSSIFirstListedLevel], node.m_strNodeID);
        walker.Walk(kNSSIFirstListedLevel);
    }
}

/////////////////////////////////////////////////////////////////////////////
// Choice

void CSymbolSearchEdit::SetNofityWnd(CWnd* pWnd) { m_pNotifyWnd = pWnd; }

void CSymbolSearchEdit::GetSelectedSymbol(CSymbolInfo& info) { info = m_SelectedSymbol; }

void CSymbolSearchEdit::SetSelectedSymbol(CSymbolInfo& info) { m_SelectedSymbol = info; }

void CSymbolSearchEdit::EnableAllKeys(bool bEnable) { m_bEnableAllKeys = bEnable; }

CSymbolSearchEntry* CSymbolSearchEdit::EntryOfLine(int nLine)
{
    const DWORD_PTR i = m_list.GetItemData(nLine);
    return i < m_vecSymbols.size() ? &m_vecSymbols[i] : NULL;
}

void CSymbolSearchEdit::EnterProcess()
{
    CString strText;
    GetWindowText(strText);
    if (strText.IsEmpty() && !g_bSettingText) {
        m_SelectedSymbol.Clear();
        return;
    }
    if (!ListExists())
        return;
    const int nLine = m_list.GetCurSel();
    if (nLine == LB_ERR || m_list.GetCount() <= 0) {
        SetWindowText("");
        return;
    }
    CSymbolSearchEntry* pEntry = EntryOfLine(nLine);
    if (pEntry == NULL)
        return;
    m_SelectedSymbol = pEntry->m_info;
    pEntry->m_info.GetService(); // the entry's mirror follows, as every read of a record does
    const CString strSymbol = m_SelectedSymbol.GetSymbol();
    if (strText != strSymbol)
        SetWindowText(strSymbol);
}

void CSymbolSearchEdit::Enter()
{
    EnableAllKeys(false);
    EnterProcess();
    if (ListExists())
        m_list.ShowWindow(SW_HIDE);
    PostMessage(g_uMsgHideList, 0, 0);
    if (m_pNotifyWnd != NULL)
        ::PostMessageA(m_pNotifyWnd->GetSafeHwnd(), g_uMsgSearchInputSelected, 0, 0);
}

void CSymbolSearchEdit::UpdateSymIDToEdit()
{
    if (!ListExists() || !m_list.IsWindowVisible())
        return;
    const int nLine = m_list.GetCurSel();
    if (nLine == LB_ERR || m_list.GetCount() <= 0) {
        // Nothing to copy: an empty text, searched as if typed.
        SetWindowText("");
        return;
    }
    g_bSettingText = true;
    if (CSymbolSearchEntry* pEntry = EntryOfLine(nLine))
        SetWindowText(pEntry->m_info.GetSymbol());
    g_bSettingText = false;
}

/////////////////////////////////////////////////////////////////////////////
// Searching and the popup list

void CSymbolSearchEdit::InitialPopupList()
{
    if (m_bListCreated)
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
        popup_list_edit::MakeTopLevel(m_list);
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
    // The edit takes the focus before the list shows: under Wine a window
    // that takes the focus lifts its top-level window above every popup,
    // this list included. The list is shown without activation for the
    // same reason, and the dialog stays active under it.
    EnableAllKeys(true);
    SetFocus();
    CRect rcEdit;
    GetWindowRect(&rcEdit);
    if (ListExists())
        m_list.SetWindowPos(&wndTopMost, rcEdit.left, rcEdit.bottom, rcEdit.Width() + 100, rcEdit.Height() + 100,
                            SWP_SHOWWINDOW | SWP_NOACTIVATE);
}

void CSymbolSearchEdit::FillList()
{
    Cache& cache = *m_pCache;
    const std::string_view key(m_strSearch.GetString(), m_strSearch.GetLength());
    cache.upper.Match(key, popup_list_edit::ProcessLeadBytes(), cache.match, kSymbolIDAtStart);
    for (const std::uint32_t i : cache.match.hits)
        m_list.AppendLine(m_vecSymbols[i].m_strLine, i);
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
    if (strText == s_strLastText || g_bSettingText)
        return;
    s_strLastText = strText;
    if (!m_bListCreated || m_bReload) {
        LoadCatalogue();
        InitialPopupList();
        m_bReload = false;
    }
    GetWindowText(m_strSearch);
    m_strSearch.MakeUpper();

    m_list.SendMessage(WM_SETREDRAW, FALSE);
    m_list.RemoveAllLines();
    FillList();
    const lattice::search::MatchResult& match = m_pCache->match;
    if (match.hits.empty()) {
        // The focus that ShowList gives comes first here: under Wine, taking
        // it would lift the dialog over the tip.
        SetFocus();
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
    if (ListExists()) {
        switch (nChar) {
        case VK_UP:
        case VK_DOWN:
            m_list.SendMessage(WM_KEYDOWN, nChar, MAKELPARAM(nRepCnt, nFlags));
            UpdateSymIDToEdit();
            return;
        case VK_RETURN:
            Enter();
            return;
        case VK_ESCAPE:
            EnableAllKeys(false);
            m_list.ShowWindow(SW_HIDE);
            return;
        default:
            break;
        }
    }
    CEdit::OnKeyDown(nChar, nRepCnt, nFlags);
}

BOOL CSymbolSearchEdit::OnMouseWheel(UINT /*nFlags*/, short zDelta, CPoint /*pt*/)
{
    if (ListExists())
        popup_list_edit::WheelStep(m_list, zDelta); // the text stays as it is
    return TRUE;
}

void CSymbolSearchEdit::OnSetFocus(CWnd* pOldWnd)
{
    m_bSelectAllOnClick = true;
    CEdit::OnSetFocus(pOldWnd);
}

void CSymbolSearchEdit::OnKillfocus()
{
    if (!ListExists() || !m_list.IsWindowVisible())
        return;
    // Focus moving into our own list keeps it open; the tip hides itself.
    if (!popup_list_edit::FocusLeftEditAndList(m_hWnd, m_list.m_hWnd))
        return;
    m_list.ShowWindow(SW_HIDE);
    EnableAllKeys(false);
}

UINT CSymbolSearchEdit::OnGetDlgCode()
{
    return popup_list_edit::DialogCode(CEdit::OnGetDlgCode(), m_bEnableAllKeys);
}

LRESULT CSymbolSearchEdit::OnEnter(WPARAM, LPARAM)
{
    Enter();
    return 0;
}

LRESULT CSymbolSearchEdit::OnHideList(WPARAM, LPARAM)
{
    if (ListExists())
        m_list.ShowWindow(SW_HIDE);
    popup_list_edit::SelectAllText(*this);
    return 0;
}

BOOL CSymbolSearchEdit::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message == WM_LBUTTONUP && m_bSelectAllOnClick) {
        m_bSelectAllOnClick = false;
        popup_list_edit::SelectAllText(*this);
    }
    return CEdit::PreTranslateMessage(pMsg);
}
