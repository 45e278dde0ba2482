#include "CXHyperLink.h"

#include <shellapi.h>

#include <cstddef>
#include <cstring>
#include <string_view>

#include "RegisteredMessages.h"
#include "lattice/core/LinkPlacement.h"
#include "lattice/core/OpenCommand.h"

namespace {

const COLORREF kNoColour = 0xFFFFFFFF;
const UINT kHoverInterval = 100;  // ms between checks whether the pointer has left
const UINT_PTR kTooltipToolId = 1;
const int kEmptyTargetResult = 36; // an empty target "succeeds" without opening anything
const int kNotOpenedResult = 33;   // a click with opening switched off also counts as success
const WORD kFallbackCursorId = 106; // the hand cursor of the old help viewer

bool Succeeded(HINSTANCE hResult) { return reinterpret_cast<INT_PTR>(hResult) > 32; }

// The shared system hand cursor belongs to the system: it is never destroyed.
bool IsSharedHand(HCURSOR hCursor) { return hCursor == ::LoadCursor(NULL, IDC_HAND); }

// Replaces both fonts by plain and underlined copies of hFont; nothing
// changes when hFont cannot be read (NULL, or already deleted).
void MakeLinkFonts(HGDIOBJ hFont, CFont& normal, CFont& underline)
{
    LOGFONT lf;
    if (hFont == NULL || ::GetObjectA(hFont, sizeof(lf), &lf) == 0)
        return;
    normal.DeleteObject();
    normal.CreateFontIndirect(&lf);
    lf.lfUnderline = TRUE;
    underline.DeleteObject();
    underline.CreateFontIndirect(&lf);
}

} // namespace

CXHyperLink::CXHyperLink()
    : m_crLink(RGB(0, 0, 238))
    , m_crVisited(RGB(85, 26, 139))
    , m_crHover(RGB(255, 0, 0))
    , m_crBackground(kNoColour)
    , m_bHover(FALSE)
    , m_bVisited(FALSE)
    , m_nUnderline(-1)
    , m_bAutoSize(TRUE)
    , m_hLinkCursor(NULL)
    , m_nHoverTimer(100)
    , m_bURLEnabled(TRUE)
    , m_bNotifyParent(FALSE)
    , m_bTooltip(TRUE)
    , m_bAlwaysOpenNew(FALSE)
{
    // The host compiles against this layout: fields one after the other,
    // in this order, with no gaps. The offsets are this compiler's, as the
    // host's sees them.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Winvalid-offsetof"
    static_assert(sizeof(CString) == sizeof(void*), "CString is one pointer wide");
#if defined(_WIN64)
    static_assert(offsetof(CXHyperLink, m_crLink) == 40, "CXHyperLink layout (x86-64)");
    static_assert(offsetof(CXHyperLink, m_brBackground) == 56, "CXHyperLink layout (x86-64)");
    static_assert(offsetof(CXHyperLink, m_bHover) == 72, "CXHyperLink layout (x86-64)");
    static_assert(offsetof(CXHyperLink, m_nUnderline) == 80, "CXHyperLink layout (x86-64)");
    static_assert(offsetof(CXHyperLink, m_strURL) == 88, "CXHyperLink layout (x86-64)");
    static_assert(offsetof(CXHyperLink, m_fontUnderline) == 96, "CXHyperLink layout (x86-64)");
    static_assert(offsetof(CXHyperLink, m_fontNormal) == 112, "CXHyperLink layout (x86-64)");
    static_assert(offsetof(CXHyperLink, m_hLinkCursor) == 128, "CXHyperLink layout (x86-64)");
    static_assert(offsetof(CXHyperLink, m_tooltip) == 136, "CXHyperLink layout (x86-64)");
    static_assert(offsetof(CXHyperLink, m_nHoverTimer) == 160, "CXHyperLink layout (x86-64)");
    static_assert(offsetof(CXHyperLink, m_bAlwaysOpenNew) == 176, "CXHyperLink layout (x86-64)");
    static_assert(sizeof(CXHyperLink) == 180, "CXHyperLink layout (x86-64)");
#else
    static_assert(offsetof(CXHyperLink, m_crLink) == 20, "CXHyperLink layout (i686)");
    static_assert(offsetof(CXHyperLink, m_brBackground) == 36, "CXHyperLink layout (i686)");
    static_assert(offsetof(CXHyperLink, m_bHover) == 44, "CXHyperLink layout (i686)");
    static_assert(offsetof(CXHyperLink, m_nUnderline) == 52, "CXHyperLink layout (i686)");
    static_assert(offsetof(CXHyperLink, m_strURL) == 60, "CXHyperLink layout (i686)");
    static_assert(offsetof(CXHyperLink, m_fontUnderline) == 64, "CXHyperLink layout (i686)");
    static_assert(offsetof(CXHyperLink, m_fontNormal) == 72, "CXHyperLink layout (i686)");
    static_assert(offsetof(CXHyperLink, m_hLinkCursor) == 80, "CXHyperLink layout (i686)");
    static_assert(offsetof(CXHyperLink, m_tooltip) == 84, "CXHyperLink layout (i686)");
    static_assert(offsetof(CXHyperLink, m_nHoverTimer) == 96, "CXHyperLink layout (i686)");
    static_assert(offsetof(CXHyperLink, m_bAlwaysOpenNew) == 112, "CXHyperLink layout (i686)");
    static_assert(sizeof(CXHyperLink) == 116, "CXHyperLink layout (i686)");
#endif
#pragma GCC diagnostic pop
}

CXHyperLink::~CXHyperLink()
{
    // The shared system hand is left alone; any other cursor held (the copy
    // made from the help viewer, or one the caller handed over) is ours.
    if (m_hLinkCursor != NULL && !IsSharedHand(m_hLinkCursor))
        ::DestroyCursor(m_hLinkCursor);
    m_hLinkCursor = NULL;
    m_fontUnderline.DeleteObject();
    m_brBackground.DeleteObject();
}

BEGIN_MESSAGE_MAP(CXHyperLink, SStatic)
    ON_WM_CTLCOLOR_REFLECT()
    ON_WM_SETCURSOR()
    ON_WM_MOUSEMOVE()
    ON_WM_TIMER()
    ON_CONTROL_REFLECT(STN_CLICKED, OnClicked)
    ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

/////////////////////////////////////////////////////////////////////////////
// Attributes

void CXHyperLink::SetURL(CString strURL)
{
    m_strURL = strURL;
    if (::IsWindow(m_hWnd)) {
        PositionWindow();
        if (m_tooltip.GetSafeHwnd() != NULL)
            m_tooltip.UpdateTipText(m_strURL, this, kTooltipToolId);
    }
}

CString CXHyperLink::GetURL() const { return m_strURL; }

void CXHyperLink::SetColours(COLORREF crLinkColour, COLORREF crVisitedColour, COLORREF crHoverColour)
{
    m_crLink = crLinkColour;
    m_crVisited = crVisitedColour;
    m_crHover = crHoverColour == kNoColour ? ::GetSysColor(COLOR_HIGHLIGHT) : crHoverColour;
    if (::IsWindow(m_hWnd))
        Invalidate();
}

COLORREF CXHyperLink::GetLinkColour() const { return m_crLink; }
COLORREF CXHyperLink::GetVisitedColour() const { return m_crVisited; }
COLORREF CXHyperLink::GetHoverColour() const { return m_crHover; }

void CXHyperLink::SetBackgroundColour(COLORREF crBackground)
{
    m_crBackground = crBackground;
    m_brBackground.DeleteObject();
    m_brBackground.CreateSolidBrush(crBackground);
}

COLORREF CXHyperLink::GetBackgroundColour() const { return m_crBackground; }

void CXHyperLink::SetVisited(BOOL bVisited)
{
    m_bVisited = bVisited;
    if (::IsWindow(m_hWnd))
        Invalidate();
}

BOOL CXHyperLink::GetVisited() const { return m_bVisited; }

void CXHyperLink::SetUnderline(int nUnderline)
{
    if (nUnderline != m_nUnderline && ::IsWindow(m_hWnd)) {
        SStatic::SetFont(nUnderline == 1 ? &m_fontUnderline : &m_fontNormal, TRUE);
        Invalidate();
    }
    m_nUnderline = nUnderline;
}

int CXHyperLink::GetUnderline() const { return m_nUnderline; }

void CXHyperLink::SetAutoSize(BOOL bAutoSize)
{
    m_bAutoSize = bAutoSize;
    if (::IsWindow(m_hWnd))
        PositionWindow();
}

BOOL CXHyperLink::GetAutoSize() const { return m_bAutoSize; }

void CXHyperLink::SetLinkCursor(HCURSOR hCursor)
{
    m_hLinkCursor = hCursor;
    if (m_hLinkCursor == NULL)
        SetDefaultCursor();
}

HCURSOR CXHyperLink::GetLinkCursor() const { return m_hLinkCursor; }

void CXHyperLink::EnableURL(BOOL bFlag) { m_bURLEnabled = bFlag; }
BOOL CXHyperLink::IsURLEnabled() const { return m_bURLEnabled; }

void CXHyperLink::EnableTooltip(BOOL bFlag)
{
    m_bTooltip = bFlag;
    if (m_tooltip.GetSafeHwnd() != NULL)
        m_tooltip.Activate(bFlag);
}

BOOL CXHyperLink::IsTooltipEmabled() const { return m_bTooltip; }

void CXHyperLink::SetNotifyParent(BOOL bFlag) { m_bNotifyParent = bFlag; }
BOOL CXHyperLink::GetNotifyParent() const { return m_bNotifyParent; }

void CXHyperLink::SetAlwaysOpenNew(BOOL bFlag) { m_bAlwaysOpenNew = bFlag; }
BOOL CXHyperLink::GetAlwaysOpenNew() const { return m_bAlwaysOpenNew; }

/////////////////////////////////////////////////////////////////////////////
// Operations

void CXHyperLink::SetWindowTextA(const char* lpszString)
{
    // Without a window there is nothing to set, and a repaint of no window
    // would repaint the whole desktop.
    if (lpszString == NULL || !::IsWindow(m_hWnd))
        return;
    ::SetWindowTextA(m_hWnd, "");
    RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    ::SetWindowTextA(m_hWnd, lpszString);
    PositionWindow();
}

void CXHyperLink::ChangeFont(CFont& rFont)
{
    MakeLinkFonts(rFont.GetSafeHandle(), m_fontNormal, m_fontUnderline);
}

HINSTANCE CXHyperLink::GotoURL(const char* pszURL, int nShowCmd, BOOL bAlwaysOpenNew)
{
    if (pszURL == NULL || *pszURL == '\0')
        return reinterpret_cast<HINSTANCE>(static_cast<INT_PTR>(kEmptyTargetResult));

    HINSTANCE hResult = ::ShellExecuteA(NULL, bAlwaysOpenNew ? "new" : "open", pszURL, NULL, NULL, nShowCmd);
    if (Succeeded(hResult))
        return hResult;

    // The shell could not open it: run the program registered for web
    // pages with the target on its command line.
    char szValue[lattice::core::kRegistryValueBufferSize];
    if (GetRegKey(HKEY_CLASSES_ROOT, ".htm", szValue) != ERROR_SUCCESS)
        return hResult;
    CString strCommandKey(szValue);
    strCommandKey += "\\shell\\open\\command";
    if (GetRegKey(HKEY_CLASSES_ROOT, strCommandKey, szValue) != ERROR_SUCCESS)
        return hResult;

    char szCommandLine[lattice::core::kOpenCommandBufferSize];
    const std::string_view command(szValue, ::strnlen(szValue, sizeof(szValue)));
    if (!lattice::core::BuildOpenCommand(command, pszURL, szCommandLine, sizeof(szCommandLine)))
        return hResult; // refused: too long, or no program of its own to run
    return reinterpret_cast<HINSTANCE>(static_cast<UINT_PTR>(::WinExec(szCommandLine, static_cast<UINT>(nShowCmd))));
}

LONG CXHyperLink::GetRegKey(HKEY hKey, const char* pszSubKey, char* pszValue)
{
    pszValue[0] = '\0';
    HKEY hSubKey = NULL;
    const LONG lResult = ::RegOpenKeyExA(hKey, pszSubKey, 0, KEY_QUERY_VALUE, &hSubKey);
    if (lResult != ERROR_SUCCESS)
        return lResult;
    const DWORD cbBuffer = static_cast<DWORD>(lattice::core::kRegistryValueBufferSize);
    DWORD cbData = cbBuffer;
    DWORD dwType = REG_NONE;
    const LONG lRead = ::RegQueryValueExA(hSubKey, NULL, NULL, &dwType, reinterpret_cast<BYTE*>(pszValue), &cbData);
    ::RegCloseKey(hSubKey);
    // A value that cannot be read, is not text or does not fit with its
    // terminator reads as empty; a stored value may lack its terminator.
    if (lRead != ERROR_SUCCESS || (dwType != REG_SZ && dwType != REG_EXPAND_SZ) || cbData > cbBuffer)
        pszValue[0] = '\0';
    else if (cbData == 0 || pszValue[cbData - 1] != '\0')
        pszValue[cbData < cbBuffer ? cbData : 0] = '\0';
    return lResult;
}

/////////////////////////////////////////////////////////////////////////////
// Overrides

void CXHyperLink::PreSubclassWindow()
{
    // A static reports clicks, and takes the mouse at all, only with SS_NOTIFY.
    ModifyStyle(0, SS_NOTIFY);

    CString strText;
    GetWindowText(strText);
    if (m_strURL.IsEmpty())
        m_strURL = strText;
    if (strText.IsEmpty())
        SetWindowTextA(m_strURL);

    HFONT hFont = reinterpret_cast<HFONT>(SendMessage(WM_GETFONT));
    if (hFont == NULL)
        hFont = static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
    if (hFont == NULL)
        hFont = static_cast<HFONT>(::GetStockObject(ANSI_VAR_FONT));
    MakeLinkFonts(hFont, m_fontNormal, m_fontUnderline);

    PositionWindow();
    SetDefaultCursor();

    // An underline mode set before the window existed does not survive.
    if (m_nUnderline != -1) {
        if (::IsWindow(m_hWnd)) {
            SStatic::SetFont(&m_fontNormal, TRUE);
            Invalidate();
        }
        m_nUnderline = -1;
    }

    // A tooltip made for an earlier window of this control (its owner, the
    // dialog, outlives the control's window) would show that window's tool:
    // the new window gets a tooltip of its own.
    if (m_bTooltip && m_tooltip.GetSafeHwnd() != NULL)
        m_tooltip.DestroyWindow();
    if (m_bTooltip && m_tooltip.Create(this, 0)) {
        CRect rcClient;
        GetClientRect(&rcClient);
        m_tooltip.AddTool(this, m_strURL, &rcClient, kTooltipToolId);
    }

    SStatic::PreSubclassWindow();
}

BOOL CXHyperLink::DestroyWindow()
{
    if (m_hWnd != NULL)
        KillTimer(m_nHoverTimer);
    return SStatic::DestroyWindow();
}

BOOL CXHyperLink::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg == NULL)
        return FALSE;
    if (m_tooltip.GetSafeHwnd() != NULL)
        m_tooltip.RelayEvent(pMsg);
    return SStatic::PreTranslateMessage(pMsg);
}

/////////////////////////////////////////////////////////////////////////////
// Implementation

void CXHyperLink::PositionWindow()
{
    if (!::IsWindow(m_hWnd) || !m_bAutoSize)
        return;

    CRect rcWnd, rcClient;
    GetWindowRect(&rcWnd);
    GetClientRect(&rcClient);
    ClientToScreen(&rcClient);
    const HWND hParent = ::GetParent(m_hWnd);
    if (hParent != NULL) {
        ::MapWindowPoints(NULL, hParent, reinterpret_cast<POINT*>(&rcWnd), 2);
        ::MapWindowPoints(NULL, hParent, reinterpret_cast<POINT*>(&rcClient), 2);
    }

    // Measured with the underlined font whatever the state, so that the
    // window does not change size as the underline comes and goes.
    CString strText;
    GetWindowText(strText);
    CSize szText;
    {
        CClientDC dc(this);
        const HGDIOBJ hOld = m_fontUnderline.GetSafeHandle() != NULL
                                 ? ::SelectObject(dc.GetSafeHdc(), m_fontUnderline.GetSafeHandle())
                                 : NULL;
        szText = dc.GetTextExtent(strText);
        if (hOld != NULL)
            ::SelectObject(dc.GetSafeHdc(), hOld);
    }

    const DWORD dwStyle = GetStyle();
    const lattice::core::LinkAlignment align = {(dwStyle & SS_CENTERIMAGE) != 0, (dwStyle & SS_CENTER) != 0,
                                                (dwStyle & SS_RIGHT) != 0};
    const lattice::core::LinkRect rc = lattice::core::FitLinkToText(
        {rcWnd.left, rcWnd.top, rcWnd.right, rcWnd.bottom}, rcClient.Width(), rcClient.Height(), szText.cx,
        szText.cy, align);
    SetWindowPos(NULL, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top, SWP_NOZORDER);
}

void CXHyperLink::SetDefaultCursor()
{
    if (m_hLinkCursor != NULL)
        return;
    m_hLinkCursor = ::LoadCursor(NULL, IDC_HAND);
    if (m_hLinkCursor != NULL)
        return;

    // Systems without a hand cursor: borrow the old help viewer's. It is
    // loaded as data only, since none of its code is wanted.
    char szPath[MAX_PATH];
    const UINT nDir = ::GetWindowsDirectoryA(szPath, MAX_PATH);
    CString strPath;
    if (nDir == 0 || nDir >= MAX_PATH)
        return;
    strPath = szPath;
    strPath += "\\winhlp32.exe";
    HMODULE hModule = ::LoadLibraryExA(strPath, NULL, LOAD_LIBRARY_AS_DATAFILE);
    if (hModule == NULL)
        return;
    HCURSOR hCursor = ::LoadCursorA(hModule, MAKEINTRESOURCEA(kFallbackCursorId));
    if (hCursor != NULL)
        m_hLinkCursor = ::CopyIcon(hCursor);
    ::FreeLibrary(hModule);
}

void CXHyperLink::NotifyParent()
{
    const HWND hParent = ::GetParent(m_hWnd);
    if (m_bNotifyParent && hParent != NULL && ::IsWindow(hParent))
        ::SendMessageA(hParent, WM_XHYPERLINK_CLICKED, static_cast<WPARAM>(GetDlgCtrlID()), 0);
}

void CXHyperLink::ReportError(int) {}

HBRUSH CXHyperLink::CtlColor(CDC* pDC, UINT)
{
    pDC->SetTextColor(m_bHover ? m_crHover : m_bVisited ? m_crVisited : m_crLink);
    pDC->SetBkMode(TRANSPARENT);
    if (m_brBackground.GetSafeHandle() != NULL) {
        pDC->SetBkColor(m_crBackground);
        return m_brBackground;
    }
    return static_cast<HBRUSH>(::GetStockObject(NULL_BRUSH));
}

BOOL CXHyperLink::OnSetCursor(CWnd*, UINT, UINT)
{
    if (m_hLinkCursor == NULL)
        return FALSE;
    ::SetCursor(m_hLinkCursor);
    return TRUE;
}

void CXHyperLink::OnMouseMove(UINT nFlags, CPoint point)
{
    if (!m_bHover) {
        m_bHover = TRUE;
        if (m_nUnderline == -1)
            SStatic::SetFont(&m_fontUnderline, TRUE);
        Invalidate();
        SetTimer(m_nHoverTimer, kHoverInterval, NULL);
    }
    SStatic::OnMouseMove(nFlags, point);
}

void CXHyperLink::OnTimer(UINT_PTR nIDEvent)
{
    // The pointer's position when this tick was taken from the queue.
    CPoint pt = GetCurrentMessage()->pt;
    ScreenToClient(&pt);
    CRect rcClient;
    GetClientRect(&rcClient);
    if (!rcClient.PtInRect(pt)) {
        m_bHover = FALSE;
        KillTimer(m_nHoverTimer);
        if (m_nUnderline != 1)
            SStatic::SetFont(&m_fontNormal, TRUE);
        rcClient.bottom += 10;
        InvalidateRect(&rcClient);
    }
    SStatic::OnTimer(nIDEvent);
}

void CXHyperLink::OnClicked()
{
    m_bHover = FALSE;
    const HINSTANCE hResult = m_bURLEnabled ? GotoURL(m_strURL, SW_SHOW, m_bAlwaysOpenNew)
                                            : reinterpret_cast<HINSTANCE>(static_cast<INT_PTR>(kNotOpenedResult));
    m_bVisited = Succeeded(hResult);
    if (m_bVisited) {
        if (::IsWindow(m_hWnd))
            Invalidate();
    } else {
        ::MessageBeep(MB_ICONEXCLAMATION);
        ReportError(static_cast<int>(reinterpret_cast<INT_PTR>(hResult)));
    }
    NotifyParent();
}

BOOL CXHyperLink::OnEraseBkgnd(CDC* pDC)
{
    CRect rcClient;
    GetClientRect(&rcClient);
    pDC->FillSolidRect(&rcClient, m_crBackground == kNoColour ? ::GetSysColor(COLOR_3DFACE) : m_crBackground);
    return TRUE;
}
