// Windows for the MFC subset's tests: a top-level frame on the virtual
// desktop, and an edit whose handlers count what reaches them.
#pragma once

#include <afxwin.h>

#include <string>
#include <vector>

class TestFrame : public CWnd {
public:
    TestFrame();
    ~TestFrame() override;
    int m_nParentChanges = 0;   // EN_CHANGE notifications that reached the frame
    int m_nParentCtlColors = 0; // WM_CTLCOLOREDIT that reached the frame
    std::vector<std::string>* m_pTrail = nullptr;
    BOOL m_bStopHere = FALSE;
    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    afx_msg void OnEditChange();
    afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    DECLARE_MESSAGE_MAP()
};

class CountingEdit : public CEdit {
public:
    CountingEdit() = default;
    int m_nReflectedChanges = 0;
    int m_nChars = 0;
    int m_nKeyDowns = 0;
    HBRUSH m_hbrReflected = NULL; // what the reflected WM_CTLCOLOR returns
    std::vector<std::string>* m_pTrail = nullptr;
    BOOL m_bStopHere = FALSE;
    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    afx_msg void OnChange();
    afx_msg HBRUSH CtlColor(CDC* pDC, UINT nCtlColor);
    afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    DECLARE_MESSAGE_MAP()
};

// A child window between the frame and the edit, for pre-translation.
class TestPanel : public CWnd {
public:
    std::vector<std::string>* m_pTrail = nullptr;
    BOOL m_bStopHere = FALSE;
    BOOL PreTranslateMessage(MSG* pMsg) override;
};

constexpr UINT kEditId = 42;
