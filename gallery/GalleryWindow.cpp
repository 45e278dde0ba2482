#include "GalleryWindow.h"

#include "Utf8Text.h"

namespace {
const UINT kPagesId = 100;
const UINT kAboutId = 101;
} // namespace

BEGIN_MESSAGE_MAP(GalleryWindow, CWnd)
    ON_WM_CREATE()
END_MESSAGE_MAP()

GalleryWindow::GalleryWindow() = default;

BOOL GalleryWindow::CreateMain()
{
    return CreateEx(0, NULL, TextFromUtf8(u8"LatticeObject 控制項展示"), WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN,
                    40, 40, 900, 640, NULL, NULL);
}

int GalleryWindow::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    m_font.CreatePointFont(120, "PMingLiU");
    m_pages.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | LBS_NOTIFY, CRect(8, 8, 200, 590), this, kPagesId);
    m_pages.SetFont(&m_font);
    m_pages.AddString(TextFromUtf8(u8"關於"));
    m_pages.SetCurSel(0);
    m_about.Create(TextFromUtf8(u8"控制項程式庫已載入。\r\n請從左側選擇一個頁面。"), WS_CHILD | WS_VISIBLE,
                   CRect(216, 8, 880, 200), this, kAboutId);
    m_about.SetFont(&m_font);
    return 0;
}
