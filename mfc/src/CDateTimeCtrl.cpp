#include <afxdtctl.h>

IMPLEMENT_DYNAMIC(CDateTimeCtrl, CWnd)

CDateTimeCtrl::CDateTimeCtrl() = default;

CDateTimeCtrl::~CDateTimeCtrl() = default;

BOOL CDateTimeCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_DATE_CLASSES};
    ::InitCommonControlsEx(&icc);
    return CWnd::Create(DATETIMEPICK_CLASSA, NULL, dwStyle, rect, pParentWnd, nID);
}
