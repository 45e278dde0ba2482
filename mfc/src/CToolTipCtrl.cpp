#include <afxcmn.h>

IMPLEMENT_DYNAMIC(CToolTipCtrl, CWnd)

namespace {

// The tool record up to lParam: every version of the tooltip control
// accepts it.
TOOLINFOA ToolInfo(const CWnd* pWnd, UINT_PTR nIDTool)
{
    TOOLINFOA ti = {};
    ti.cbSize = TTTOOLINFOA_V2_SIZE;
    ti.hwnd = pWnd == NULL ? NULL : pWnd->GetSafeHwnd();
    ti.uId = nIDTool;
    return ti;
}

} // namespace

CToolTipCtrl::CToolTipCtrl() = default;

CToolTipCtrl::~CToolTipCtrl() = default;

BOOL CToolTipCtrl::Create(CWnd* pParentWnd, DWORD dwStyle)
{
    INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_WIN95_CLASSES};
    ::InitCommonControlsEx(&icc);
    return CWnd::CreateEx(0, TOOLTIPS_CLASSA, NULL, WS_POPUP | dwStyle, CW_USEDEFAULT, CW_USEDEFAULT,
                          CW_USEDEFAULT, CW_USEDEFAULT, pParentWnd == NULL ? NULL : pParentWnd->GetSafeHwnd(),
                          NULL, NULL);
}

BOOL CToolTipCtrl::AddTool(CWnd* pWnd, LPCTSTR lpszText, LPCRECT lpRectTool, UINT_PTR nIDTool)
{
    if (pWnd == NULL || m_hWnd == NULL)
        return FALSE;
    TOOLINFOA ti = ToolInfo(pWnd, nIDTool);
    ti.lpszText = const_cast<LPSTR>(lpszText);
    if (lpRectTool != NULL)
        ti.rect = *lpRectTool;
    else
        pWnd->GetClientRect(&ti.rect);
    return static_cast<BOOL>(SendMessage(TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&ti)));
}

void CToolTipCtrl::UpdateTipText(LPCTSTR lpszText, CWnd* pWnd, UINT_PTR nIDTool)
{
    TOOLINFOA ti = ToolInfo(pWnd, nIDTool);
    ti.lpszText = const_cast<LPSTR>(lpszText);
    SendMessage(TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(&ti));
}
