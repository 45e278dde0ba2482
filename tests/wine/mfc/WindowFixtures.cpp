#include "WindowFixtures.h"

namespace {
BOOL Record(std::vector<std::string>* pTrail, const char* pszName, const MSG* pMsg, BOOL bStop)
{
    if (pTrail != nullptr && pMsg->message == WM_KEYDOWN)
        pTrail->push_back(pszName);
    return pMsg->message == WM_KEYDOWN && bStop;
}
} // namespace

BEGIN_MESSAGE_MAP(TestFrame, CWnd)
    ON_EN_CHANGE(kEditId, OnEditChange)
    ON_WM_CTLCOLOR()
END_MESSAGE_MAP()

TestFrame::TestFrame()
{
    CreateEx(0, NULL, "frame", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100, 400, 300, NULL, NULL);
}

TestFrame::~TestFrame() { DestroyWindow(); }

BOOL TestFrame::PreTranslateMessage(MSG* pMsg) { return Record(m_pTrail, "frame", pMsg, m_bStopHere); }

void TestFrame::OnEditChange() { ++m_nParentChanges; }

HBRUSH TestFrame::OnCtlColor(CDC*, CWnd*, UINT nCtlColor)
{
    if (nCtlColor == CTLCOLOR_EDIT)
        ++m_nParentCtlColors;
    return static_cast<HBRUSH>(::GetStockObject(GRAY_BRUSH));
}

BEGIN_MESSAGE_MAP(CountingEdit, CEdit)
    ON_CONTROL_REFLECT(EN_CHANGE, OnChange)
    ON_WM_CTLCOLOR_REFLECT()
    ON_WM_CHAR()
    ON_WM_KEYDOWN()
END_MESSAGE_MAP()

BOOL CountingEdit::PreTranslateMessage(MSG* pMsg) { return Record(m_pTrail, "edit", pMsg, m_bStopHere); }

void CountingEdit::OnChange() { ++m_nReflectedChanges; }

HBRUSH CountingEdit::CtlColor(CDC*, UINT) { return m_hbrReflected; }

void CountingEdit::OnChar(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    ++m_nChars;
    CEdit::OnChar(nChar, nRepCnt, nFlags);
}

void CountingEdit::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    ++m_nKeyDowns;
    CEdit::OnKeyDown(nChar, nRepCnt, nFlags);
}

BOOL TestPanel::PreTranslateMessage(MSG* pMsg) { return Record(m_pTrail, "panel", pMsg, m_bStopHere); }
