#include "WindowFixtures.h"

namespace {
BOOL Record(std::vector<std::string>* pTrail, const char* pszName, const MSG* pMsg, BOOL bStop)
{
    if (pTrail != nullptr && pMsg->message == WM_KEYDOWN)
        pTrail->push_back(pszName);
    return pMsg->message == WM_KEYDOWN && bStop;
}
} // namespace

BOOL TestFrame::PreTranslateMessage(MSG* pMsg) { return Record(m_pTrail, "frame", pMsg, m_bStopHere); }
BOOL TestPanel::PreTranslateMessage(MSG* pMsg) { return Record(m_pTrail, "panel", pMsg, m_bStopHere); }
BOOL CountingEdit::PreTranslateMessage(MSG* pMsg) { return Record(m_pTrail, "edit", pMsg, m_bStopHere); }

BEGIN_MESSAGE_MAP(TestPanel, CWnd)
    ON_EN_CHANGE(kEditId, OnEditChange)
    ON_WM_CTLCOLOR()
END_MESSAGE_MAP()

HBRUSH TestPanel::OnCtlColor(CDC*, CWnd*, UINT nCtlColor)
{
    if (nCtlColor == CTLCOLOR_EDIT)
        ++m_nParentCtlColors;
    return static_cast<HBRUSH>(::GetStockObject(GRAY_BRUSH));
}

BEGIN_MESSAGE_MAP(CountingEdit, CEdit)
    ON_CONTROL_REFLECT(EN_CHANGE, OnChange)
    ON_WM_CTLCOLOR_REFLECT()
    ON_WM_KEYDOWN()
END_MESSAGE_MAP()

void CountingEdit::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    ++m_nKeyDowns;
    CEdit::OnKeyDown(nChar, nRepCnt, nFlags);
}
