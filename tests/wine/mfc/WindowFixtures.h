// Windows for the MFC subset's tests: a top-level frame on the virtual desktop, a panel
// inside it, and an edit in the panel, whose handlers count what reaches them.
#pragma once

#include <afxwin.h>

#include <string>
#include <vector>

// Each window's PreTranslateMessage adds its name to m_pTrail for a WM_KEYDOWN, and takes
// the key when m_bStopHere is set.
class TestFrame : public CWnd {
public:
    TestFrame() { CreateEx(0, NULL, "frame", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100, 400, 300, NULL, NULL); }
    ~TestFrame() override { DestroyWindow(); }
    std::vector<std::string>* m_pTrail = nullptr;
    BOOL m_bStopHere = FALSE;
    BOOL PreTranslateMessage(MSG* pMsg) override;
};

class TestPanel : public CWnd {
public:
    int m_nParentChanges = 0;   // EN_CHANGE notifications that reached the panel
    int m_nParentCtlColors = 0; // WM_CTLCOLOREDIT that reached the panel
    std::vector<std::string>* m_pTrail = nullptr;
    BOOL m_bStopHere = FALSE;
    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    afx_msg void OnEditChange() { ++m_nParentChanges; }
    afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    DECLARE_MESSAGE_MAP()
};

class CountingEdit : public CEdit {
public:
    int m_nReflectedChanges = 0;
    int m_nKeyDowns = 0;
    HBRUSH m_hbrReflected = NULL; // what the reflected WM_CTLCOLOR returns
    std::vector<std::string>* m_pTrail = nullptr;
    BOOL m_bStopHere = FALSE;
    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    afx_msg void OnChange() { ++m_nReflectedChanges; }
    afx_msg HBRUSH CtlColor(CDC*, UINT) { return m_hbrReflected; }
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    DECLARE_MESSAGE_MAP()
};

constexpr UINT kEditId = 42;
