#include "LinkPage.h"

#include "Utf8Text.h"

namespace {
const UINT kLeftId = 2;
const UINT kCentreId = 3;
const UINT kRightId = 4;
const UINT kShadedId = 5;

// The host learns of a click by registering the same name.
UINT g_uLinkClicked = ::RegisterWindowMessageA("WM_XHYPERLINK_CLICKED");

// A target every Wine prefix can open: the Windows settings file, which
// the shell shows in Notepad.
CString DemoTarget()
{
    char szDir[MAX_PATH];
    const UINT n = ::GetWindowsDirectoryA(szDir, MAX_PATH);
    return CString(n > 0 && n < MAX_PATH ? szDir : "C:\\windows") + "\\win.ini";
}
} // namespace

BEGIN_MESSAGE_MAP(LinkPage, GalleryPage)
    ON_REGISTERED_MESSAGE(g_uLinkClicked, OnLinkClicked)
END_MESSAGE_MAP()

BOOL LinkPage::Create(CWnd* pParent, const CRect& rect, UINT nID, CFont* pFont)
{
    // The face colour of a host's form, which the links erase with.
    LPCTSTR lpszClass = AfxRegisterWndClass(0, ::LoadCursor(NULL, IDC_ARROW), ::GetSysColorBrush(COLOR_3DFACE));
    if (!CreatePage(pParent, rect, nID, pFont,
                    u8"滑鼠移到連結上時變紅並加底線；點選後開啟目標（win.ini），連結變為已瀏覽的紫色。",
                    u8"尚未收到連結的通知。", 320, lpszClass))
        return FALSE;

    const int nWidth = rect.Width() - 48;
    AddLink(m_left, u8"靠左的連結", SS_LEFT, CRect(24, 60, 24 + nWidth, 90), kLeftId, pFont);
    AddLink(m_centre, u8"置中的連結", SS_CENTER, CRect(24, 110, 24 + nWidth, 140), kCentreId, pFont);
    AddLink(m_right, u8"靠右的連結", SS_RIGHT, CRect(24, 160, 24 + nWidth, 190), kRightId, pFont);

    // A background colour applies from the next paint on, so it is set
    // before the link is attached and first drawn.
    m_shaded.SetBackgroundColour(RGB(255, 230, 150));
    AddLink(m_shaded, u8"有底色的連結", SS_LEFT, CRect(24, 210, 24 + nWidth, 240), kShadedId, pFont);

    m_notifying.EnableURL(FALSE);
    m_notifying.SetNotifyParent(TRUE);
    AddLink(m_notifying, u8"通知本頁的連結（不開啟目標）", SS_LEFT, CRect(24, 260, 24 + nWidth, 290), kNotifyingId,
            pFont);
    return TRUE;
}

void LinkPage::AddLink(CXHyperLink& link, const char* pszText, DWORD dwAlign, const CRect& rect, UINT nID,
                       CFont* pFont)
{
    HWND hStatic = ::CreateWindowExA(0, "STATIC", TextFromUtf8(pszText), WS_CHILD | WS_VISIBLE | dwAlign, rect.left,
                                     rect.top, rect.Width(), rect.Height(), m_hWnd,
                                     reinterpret_cast<HMENU>(static_cast<UINT_PTR>(nID)), NULL, NULL);
    ::SendMessageA(hStatic, WM_SETFONT, reinterpret_cast<WPARAM>(pFont->GetSafeHandle()), FALSE);
    link.SetURL(DemoTarget());
    link.SubclassWindow(hStatic);
}

LRESULT LinkPage::OnLinkClicked(WPARAM wParam, LPARAM)
{
    CString strStatus;
    strStatus.Format(TextFromUtf8(u8"收到 WM_XHYPERLINK_CLICKED：控制項識別碼 %u，第 %d 次。"),
                     static_cast<UINT>(wParam), ++m_nClicks);
    SetStatus(strStatus);
    return 0;
}
