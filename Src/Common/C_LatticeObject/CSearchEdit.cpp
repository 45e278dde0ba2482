#include "CSearchEdit.h"

#include <cstddef>

#include <string_view>

#include "PopupListEdit.h"
#include "RegisteredMessages.h"
#include "lattice/core/SearchData.h"

namespace {

std::string_view View(const CString& s) { return std::string_view(s.GetString(), s.GetLength()); }

} // namespace

struct CSearchEdit::Cache {
    lattice::search::UpperCasedData upper; // one upper-cased copy per data string
    lattice::search::MatchResult match;    // what the last matching put in the list
    std::vector<int> widths;               // text width in the list font; -1 until measured

    // The last placement asked of the list and the window rectangle it
    // produced (the list box trims its height to whole items).
    bool bPlaced = false;
    CRect rcRequested;
    int nItemHeight = 0;
    CRect rcPlaced;
};

bool CSearchEdit::s_bSuppressChange = false;
CString CSearchEdit::s_strLastText;

BEGIN_MESSAGE_MAP(CSearchEdit, SEdit)
    ON_WM_KEYDOWN()
    ON_WM_GETDLGCODE()
    ON_WM_SETFOCUS()
    ON_CONTROL_REFLECT(EN_CHANGE, OnChange)
    ON_CONTROL_REFLECT(EN_KILLFOCUS, OnKillfocus)
    ON_WM_MOUSEWHEEL()
    ON_REGISTERED_MESSAGE(EDITMSG_HIDE_DATALIST, OnHideList)
    ON_REGISTERED_MESSAGE(EDITMSG_INPUT_ENTER, OnEnter)
END_MESSAGE_MAP()

CSearchEdit::CSearchEdit()
    : m_pNotifyWnd(NULL)
    , m_bEnableAllKeys(false)
    , m_bSelectAllOnClick(false)
    , m_bListInitialized(false)
    , m_pCache(new Cache)
{
    // The host compiles against this layout: every field right after the
    // previous one, in this order, on both architectures.
#if defined(_WIN64)
    static_assert(offsetof(CSearchEdit, m_vecSearchData) == 40, "CSearchEdit::m_vecSearchData offset (x86-64)");
    static_assert(offsetof(CSearchEdit, m_pNotifyWnd) == 64, "CSearchEdit::m_pNotifyWnd offset (x86-64)");
    static_assert(offsetof(CSearchEdit, m_fontList) == 72, "CSearchEdit::m_fontList offset (x86-64)");
    static_assert(offsetof(CSearchEdit, m_bEnableAllKeys) == 88, "CSearchEdit::m_bEnableAllKeys offset (x86-64)");
    static_assert(offsetof(CSearchEdit, m_bSelectAllOnClick) == 89, "CSearchEdit::m_bSelectAllOnClick offset (x86-64)");
    static_assert(offsetof(CSearchEdit, m_bListInitialized) == 90, "CSearchEdit::m_bListInitialized offset (x86-64)");
    static_assert(offsetof(CSearchEdit, m_strSearch) == 91, "CSearchEdit::m_strSearch offset (x86-64)");
    static_assert(offsetof(CSearchEdit, m_strSelectedData) == 99, "CSearchEdit::m_strSelectedData offset (x86-64)");
    static_assert(offsetof(CSearchEdit, m_wndList) == 107, "CSearchEdit::m_wndList offset (x86-64)");
    static_assert(offsetof(CSearchEdit, m_pCache) == 147, "CSearchEdit::m_pCache offset (x86-64)");
    static_assert(sizeof(CSearchEdit) == 155, "sizeof(CSearchEdit) (x86-64)");
#else
    static_assert(offsetof(CSearchEdit, m_vecSearchData) == 20, "CSearchEdit::m_vecSearchData offset (i686)");
    static_assert(offsetof(CSearchEdit, m_pNotifyWnd) == 32, "CSearchEdit::m_pNotifyWnd offset (i686)");
    static_assert(offsetof(CSearchEdit, m_fontList) == 36, "CSearchEdit::m_fontList offset (i686)");
    static_assert(offsetof(CSearchEdit, m_bEnableAllKeys) == 44, "CSearchEdit::m_bEnableAllKeys offset (i686)");
    static_assert(offsetof(CSearchEdit, m_bSelectAllOnClick) == 45, "CSearchEdit::m_bSelectAllOnClick offset (i686)");
    static_assert(offsetof(CSearchEdit, m_bListInitialized) == 46, "CSearchEdit::m_bListInitialized offset (i686)");
    static_assert(offsetof(CSearchEdit, m_strSearch) == 47, "CSearchEdit::m_strSearch offset (i686)");
    static_assert(offsetof(CSearchEdit, m_strSelectedData) == 51, "CSearchEdit::m_strSelectedData offset (i686)");
    static_assert(offsetof(CSearchEdit, m_wndList) == 55, "CSearchEdit::m_wndList offset (i686)");
    static_assert(offsetof(CSearchEdit, m_pCache) == 75, "CSearchEdit::m_pCache offset (i686)");
    static_assert(sizeof(CSearchEdit) == 79, "sizeof(CSearchEdit) (i686)");
#endif
}

CSearchEdit::~CSearchEdit()
{
    // The list is top-level: no parent destroys it for us.
    if (ListExists())
        m_wndList.DestroyWindow();
}

/////////////////////////////////////////////////////////////////////////////
// Data

void CSearchEdit::SetSearchData(std::vector<CString>& data, int bSort)
{
    std::vector<CString> copy(data);
    if (bSort != 0)
        SortData(copy);
    m_vecSearchData = std::move(copy);

    Cache& cache = *m_pCache;
    std::size_t bytes = 0;
    for (const CString& s : m_vecSearchData)
        bytes += static_cast<std::size_t>(s.GetLength());
    cache.upper.Clear();
    cache.upper.Reserve(m_vecSearchData.size(), bytes);
    for (const CString& s : m_vecSearchData)
        cache.upper.Add(View(s), PopupListEdit::ProcessLeadBytes());
    cache.widths.assign(m_vecSearchData.size(), -1);
    cache.match.hits.clear();
    cache.match.preselectIndex = lattice::search::MatchResult::kNone;

    // The items stay until the next change, but a hidden list is never used.
    if (ListExists())
        m_wndList.ShowWindow(SW_HIDE);
}

void CSearchEdit::SortData(std::vector<CString>& data)
{
    lattice::search::SortUniqueByBytes(data, View);
}

int CSearchEdit::GetSelectedData(CString& strData) const
{
    if (m_strSelectedData.IsEmpty())
        return 0;
    strData = m_strSelectedData;
    return 1;
}

void CSearchEdit::SetNofityWnd(CWnd* pWnd) { m_pNotifyWnd = pWnd; }

void CSearchEdit::EnableAllKeys(bool bEnable) { m_bEnableAllKeys = bEnable; }

PopupListEdit CSearchEdit::Popup()
{
    return PopupListEdit{*this, m_wndList, m_bEnableAllKeys, m_bSelectAllOnClick, s_bSuppressChange, s_strLastText,
                         m_pNotifyWnd, EDITMSG_HIDE_DATALIST, EDITMSG_SEARCH_SELECTED};
}

void CSearchEdit::Match(const CString& strText)
{
    const std::string upperKey = lattice::search::UpperCopy(View(strText), PopupListEdit::ProcessLeadBytes());
    m_strSearch = CString(upperKey.data(), static_cast<int>(upperKey.size()));
    if (!ListExists())
        return;

    Cache& cache = *m_pCache;
    cache.upper.Match(upperKey, PopupListEdit::ProcessLeadBytes(), cache.match);
    const std::vector<std::uint32_t>& hits = cache.match.hits;
    if (hits.empty())
        return;
    m_wndList.InitStorage(static_cast<int>(hits.size()), 32);
    for (const std::uint32_t i : hits)
        PopupListEdit::AppendLine(m_wndList, cache.upper.CStr(i), i);
    if (cache.match.preselectIndex == lattice::search::MatchResult::kNone) {
        m_wndList.SetCurSel(0);
        return;
    }
    // The list box's own prefix search, which ignores case, looking from
    // item 1 onwards and wrapping round to item 0; no hit leaves nothing
    // selected.
    m_wndList.SetCurSel(m_wndList.FindString(0, m_vecSearchData[cache.match.preselectIndex]));
}

void CSearchEdit::EnterProcess()
{
    Popup().EnterProcess([this] { m_strSelectedData.Empty(); },
                         [this](DWORD_PTR i, CString& strChosen) {
                             if (i >= m_vecSearchData.size())
                                 return false;
                             strChosen = m_strSelectedData = m_vecSearchData[i];
                             return true;
                         });
}

/////////////////////////////////////////////////////////////////////////////
// The popup list

void CSearchEdit::InitialPopupList()
{
    if (m_bListInitialized)
        return;
    m_fontList.CreatePointFont(90, "Tahoma");
    SEdit::SetFont(&m_fontList, TRUE);

    // Created as a child of the edit so that it knows its owner, then made a
    // top-level tool window that can hang below the dialog's edge.
    m_wndList.Create(WS_CHILD, CRect(0, 0, 0, 0), this, 1);
    m_wndList.m_pNotifyWnd = m_pNotifyWnd;
    m_wndList.SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(m_fontList.GetSafeHandle()), TRUE);
    m_wndList.m_pSearchEdit = this;
    if (ListExists()) {
        PopupListEdit::MakeTopLevel(m_wndList);
    }
    m_bListInitialized = true;
}

void CSearchEdit::ShowList(int /*nExtra*/)
{
    CRect rcEdit;
    GetWindowRect(&rcEdit);
    if (!ListExists()) {
        EnableAllKeys(true);
        return;
    }
    const int nHeight = rcEdit.Height() + 100;
    const CRect rcRequest(CPoint(rcEdit.left, rcEdit.bottom), CSize(GetMaxListWidth(), nHeight));
    const int nItemHeight = m_wndList.GetItemHeight(0);
    // Asking again for the height that the list box trimmed to whole items
    // makes it resize twice (to the request, then back to whole items), and
    // under Wine each resize makes a new window surface: 5 to 8 ms a
    // keystroke. When the same request would land on the same rectangle,
    // only the order, the showing and the activation are asked for.
    Cache& cache = *m_pCache;
    CRect rcNow;
    m_wndList.GetWindowRect(&rcNow);
    UINT nFlags = SWP_SHOWWINDOW;
    if (cache.bPlaced && cache.rcRequested == rcRequest && cache.nItemHeight == nItemHeight && cache.rcPlaced == rcNow)
        nFlags |= SWP_NOMOVE | SWP_NOSIZE;
    m_wndList.SetWindowPos(&wndTopMost, rcRequest.left, rcRequest.top, rcRequest.Width(), rcRequest.Height(), nFlags);
    cache.bPlaced = true;
    cache.rcRequested = rcRequest;
    cache.nItemHeight = nItemHeight;
    m_wndList.GetWindowRect(&cache.rcPlaced);
    const int nCount = m_wndList.GetCount();
    if (nCount <= 0) {
        EnableAllKeys(true);
        return;
    }
    const bool bNeedBar = static_cast<long long>(nHeight) < static_cast<long long>(nCount) * nItemHeight;
    // Each change of a bar recomputes and repaints the frame; skip the ones
    // that would change nothing.
    const DWORD dwStyle = m_wndList.GetStyle();
    if ((dwStyle & WS_HSCROLL) != 0)
        m_wndList.ShowScrollBar(SB_HORZ, FALSE);
    if (((dwStyle & WS_VSCROLL) != 0) != bNeedBar)
        m_wndList.ShowScrollBar(SB_VERT, bNeedBar);
    if (bNeedBar && nItemHeight > 0) {
        SCROLLINFO si = {};
        si.cbSize = sizeof(si);
        si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
        si.nMin = 0;
        si.nMax = nCount - 1;
        si.nPage = static_cast<UINT>(nHeight / nItemHeight);
        si.nPos = 0;
        // Wine repaints the bar at every call, changed or not (1 to 3 ms
        // each). A bar that already shows these values is left alone, and
        // the position needs no second call: the range starts at 0, so
        // position 0 always stands as given and the bar is already drawn.
        SCROLLINFO old = {};
        old.cbSize = sizeof(old);
        old.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
        const bool bSame = ::GetScrollInfo(m_wndList.m_hWnd, SB_VERT, &old) != FALSE &&
                           old.nMin == si.nMin && old.nMax == si.nMax && old.nPage == si.nPage && old.nPos == si.nPos;
        if (!bSame)
            m_wndList.SetScrollInfo(SB_VERT, &si, TRUE);
    }
    EnableAllKeys(true);
}

int CSearchEdit::GetMaxListWidth()
{
    if (!ListExists())
        return 0;
    CRect rcEdit;
    GetWindowRect(&rcEdit);
    int nWidth = rcEdit.Width() + 50;
    const int nCount = m_wndList.GetCount();
    if (nCount <= 0)
        return nWidth;

    CDC* pDC = GetDC();
    if (pDC == NULL)
        return nWidth;
    CFont* pOldFont = pDC->SelectObject(&m_fontList);
    Cache& cache = *m_pCache;
    // The list holds exactly the last matches unless someone else filled it;
    // then measure what it shows.
    const bool bFromMatches = cache.match.hits.size() == static_cast<std::size_t>(nCount);
    CString strItem;
    for (int nItem = 0; nItem < nCount; ++nItem) {
        int cx;
        if (bFromMatches) {
            const std::uint32_t i = cache.match.hits[nItem];
            if (cache.widths[i] < 0)
                cache.widths[i] = pDC->GetTextExtent(cache.upper.CStr(i), static_cast<int>(cache.upper.At(i).size())).cx;
            cx = cache.widths[i];
        } else {
            m_wndList.GetText(nItem, strItem);
            cx = pDC->GetTextExtent(strItem).cx;
        }
        if (cx >= nWidth)
            nWidth = cx + 10;
    }
    pDC->SelectObject(pOldFont);
    ReleaseDC(pDC);
    return nWidth;
}

void CSearchEdit::UpdateDataToEdit()
{
    const bool bWritten = Popup().WriteBack([this](DWORD_PTR i, CString& strText) {
        if (i >= m_vecSearchData.size())
            return false;
        strText = m_vecSearchData[i];
        return true;
    });
    if (bWritten)
        UpdateListScrollBar();
}

void CSearchEdit::UpdateListScrollBar()
{
    const int nSel = m_wndList.GetCurSel();
    if (nSel == LB_ERR)
        return;
    m_wndList.SetScrollPos(SB_VERT, nSel, TRUE);
    Invalidate(FALSE);
}

void CSearchEdit::Enter()
{
    Popup().Enter([this] { EnterProcess(); });
}

/////////////////////////////////////////////////////////////////////////////
// Message handlers

void CSearchEdit::OnChange()
{
    CString strText;
    GetWindowText(strText);
    if (!Popup().TakeChange(strText))
        return;
    InitialPopupList();
    if (ListExists()) {
        m_wndList.SendMessage(WM_SETREDRAW, FALSE);
        PopupListEdit::RemoveAllLines(m_wndList);
    }
    Match(strText);
    if (ListExists())
        m_wndList.SendMessage(WM_SETREDRAW, TRUE);
    ShowList(100);
}

void CSearchEdit::OnKillfocus()
{
    Popup().KillFocus();
}

void CSearchEdit::OnSetFocus(CWnd* pOldWnd)
{
    m_bSelectAllOnClick = true;
    SEdit::OnSetFocus(pOldWnd);
}

void CSearchEdit::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (ListExists() && (nChar == VK_UP || nChar == VK_DOWN)) {
        // The list moves its own selection once it is active; here the
        // current one is only copied in and the list made active.
        UpdateDataToEdit();
        m_wndList.BringWindowToTop();
        return;
    }
    if (!Popup().TakeChoiceKey(nChar, [this] { Enter(); }))
        SEdit::OnKeyDown(nChar, nRepCnt, nFlags);
}

BOOL CSearchEdit::OnMouseWheel(UINT /*nFlags*/, short zDelta, CPoint /*pt*/)
{
    Popup().WheelStep(zDelta);
    UpdateDataToEdit();
    return TRUE;
}

UINT CSearchEdit::OnGetDlgCode()
{
    return Popup().DialogCode(SEdit::OnGetDlgCode());
}

LRESULT CSearchEdit::OnEnter(WPARAM, LPARAM)
{
    Enter();
    return 0;
}

LRESULT CSearchEdit::OnHideList(WPARAM, LPARAM)
{
    Popup().HideList();
    return 0;
}

BOOL CSearchEdit::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg == NULL)
        return FALSE;
    Popup().PreTranslate(pMsg);
    return SEdit::PreTranslateMessage(pMsg);
}
