// A host dialog for tests in real windows, and a fixture that opens it for
// input and acts as the user through the host's pump. The dialog counts one
// registered notification and ignores Enter and Escape, as a host form does.
#pragma once

#include <afxwin.h>
#include <gtest/gtest.h>

#include "MessagePump.h"
#include "SyntheticInput.h"

class CountingDialog : public CDialog {
public:
    explicit CountingDialog(const char* pszMessage) : m_uCounted(::RegisterWindowMessageA(pszMessage)) {}
    int m_nCount = 0; // the registered message received
    WPARAM m_wLastParam = 0; // its word parameter the last time, a control's id for some

protected:
    LRESULT WindowProc(UINT uMsg, WPARAM wParam, LPARAM lParam) override
    {
        return uMsg == m_uCounted ? (++m_nCount, m_wLastParam = wParam, 0) : CDialog::WindowProc(uMsg, wParam, lParam);
    }
    void OnOK() override {}
    void OnCancel() override {}

private:
    const UINT m_uCounted;
};

class DialogFixture : public ::testing::Test {
protected:
    explicit DialogFixture(const char* pszMessage) : m_dlg(pszMessage) {}
    void OpenDialog(UINT nIDTemplate)
    {
        ASSERT_TRUE(m_dlg.Create(nIDTemplate));
        AfxGetApp()->m_pMainWnd = &m_dlg;
        ActivateForInput(m_dlg.m_hWnd);
    }
    void TearDown() override
    {
        AfxGetApp()->m_pMainWnd = NULL;
        m_dlg.DestroyWindow();
        PumpUntilIdle();
    }

    static void SetText(CWnd& wnd, const char* psz) { wnd.SetWindowText(psz), PumpUntilIdle(); }
    static void Type(const char* psz) { TypeText(psz), PumpUntilIdle(); }
    static void Press(WORD vk) { PressKey(vk), PumpUntilIdle(); }
    // A real click on a line of a list box, once the list has settled on the
    // desktop and far enough in time from an earlier click not to make a double click.
    static void ClickLine(HWND hList, int nLine)
    {
        CRect rc;
        ::SendMessageA(hList, LB_GETITEMRECT, nLine, reinterpret_cast<LPARAM>(&rc));
        CPoint pt = rc.CenterPoint();
        ::ClientToScreen(hList, &pt);
        PumpFor(::GetDoubleClickTime() + 150);
        MouseMoveTo(pt);
        PumpFor(50);
        ClickAt(pt);
        PumpUntilIdle();
    }

    CountingDialog m_dlg;
};
