#include "ButtonsPage.h"

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "CSyncInfo.h"
#include "CommonObjectStub.h"
#include "DeviceScale.h"
#include "GalleryResources.h"
#include "SettingsStub.h"
#include "Utf8Text.h"

namespace {
const UINT kInfoId = 2;
const UINT kInfoDisabledId = 3;
const UINT kFirstRadioId = 5;
const UINT kColourSwitchId = 8;
const UINT kScaleSwitchId = 9;

const char kTextKey[] = "COLOR_LISTCTL_NORMALTEXT";

// The host's list text colours the switch goes through, the settings'
// own first.
const struct {
    const char* pszName;
    COLORREF cr;
} kTextColours[] = {{u8"灰白", RGB(220, 220, 220)}, {u8"黃", RGB(255, 255, 0)}, {u8"綠", RGB(0, 192, 0)},
                    {u8"紅", RGB(255, 64, 64)}};
const int kTextColourCount = sizeof(kTextColours) / sizeof(kTextColours[0]);

// The percentage after "/scale" on the command line, or 0.
int ScaleFromCommandLine()
{
    const char* pszCmdLine = AfxGetApp() == NULL ? NULL : AfxGetApp()->m_lpCmdLine;
    const char* pszSwitch = pszCmdLine == NULL ? NULL : strstr(pszCmdLine, "/scale ");
    return pszSwitch == NULL ? 0 : atoi(pszSwitch + strlen("/scale "));
}
} // namespace

BEGIN_MESSAGE_MAP(ButtonsPage, GalleryPage)
    ON_BN_CLICKED(kInfoId, OnHoverClicked)
    ON_BN_CLICKED(kPlayId, OnHoverClicked)
    ON_BN_CLICKED(kColourSwitchId, OnNextColour)
    ON_BN_CLICKED(kScaleSwitchId, OnToggleScale)
    ON_WM_CTLCOLOR()
    ON_WM_KEYDOWN()
END_MESSAGE_MAP()

BOOL ButtonsPage::Create(CWnd* pParent, const CRect& rect, UINT nID, CFont* pFont)
{
    if (!CreatePage(pParent, rect, nID, pFont,
                    u8"滑鼠移到按鈕上會換圖；按下放開即按一下。下方的選項按鈕以主程式清單的文字顏色顯示，"
                    u8"上下鍵切換選項，按鍵也會轉給父視窗。",
                    "", 316))
        return FALSE;
    // The host's colours and scale come from the stand-ins' demo data
    // (HOST_DEVICE_SCALE_PERCENT applies); "/scale" overrides the scale.
    for (const CString& strProblem : SettingsStub::LoadDefaultData())
        fprintf(stderr, "gallery: %s\n", static_cast<const char*>(strProblem));
    for (const CString& strProblem : CommonObjectStub::LoadDefaultData())
        fprintf(stderr, "gallery: %s\n", static_cast<const char*>(strProblem));
    const int nPercent = ScaleFromCommandLine();
    if (nPercent >= 50 && nPercent <= 400)
        CommonObjectStub::SetDeviceScale(nPercent / 100.0);
    SettingsStub::SetColor(kTextKey, kTextColours[0].cr);


    const DWORD dwHover = WS_CHILD | WS_VISIBLE | BS_OWNERDRAW;
    m_info.Create("", dwHover, CRect(24, 60, 42, 78), this, kInfoId);
    m_infoDisabled.Create("", dwHover, CRect(80, 60, 98, 78), this, kInfoDisabledId);
    m_play.Create("", dwHover, CRect(136, 60, 176, 88), this, kPlayId);
    LoadHoverButtons();
    m_infoDisabled.SetButtonState(CHoverButton::BTN_DISABLED);

    m_listBackground.CreateSolidBrush(
        CSyncInfo::GetSettingCFG().SYS_crGetOtherColor(CString("COLOR_LISTCTL_BACKGROUND")));
    const char* const markets[] = {u8"上市", u8"上櫃", u8"興櫃"};
    for (int i = 0; i < 3; ++i) {
        const DWORD dwGroup = i == 0 ? WS_GROUP | WS_TABSTOP : 0;
        m_radios[i].Create(TextFromUtf8(markets[i]), WS_CHILD | WS_VISIBLE | BS_AUTORADIOBUTTON | dwGroup,
                           CRect(24, 170 + 28 * i, 224, 194 + 28 * i), this, kFirstRadioId + i);
        m_radios[i].SetFont(pFont, TRUE);
    }
    m_radios[0].SetCheck(BST_CHECKED);

    m_colourSwitch.Create(TextFromUtf8(u8"換文字顏色"), WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON | WS_GROUP,
                          CRect(24, 270, 184, 300), this, kColourSwitchId);
    m_colourSwitch.SetFont(pFont);
    m_scaleSwitch.Create(TextFromUtf8(u8"切換畫面比例"), WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON,
                         CRect(200, 270, 360, 300), this, kScaleSwitchId);
    m_scaleSwitch.SetFont(pFont);
    ShowStatus();
    return TRUE;
}

void ButtonsPage::LoadHoverButtons()
{
    // Loading again starts from the bitmaps as drawn, so sizing converts
    // them once for the scale of the moment.
    m_info.LoadTAIEXButtonBitmaps();
    m_infoDisabled.LoadTAIEXButtonBitmaps();
    m_play.LoadBitmaps(IDB_PLAY_BUTTON, IDB_PLAY_BUTTON_HOVER, IDB_PLAY_BUTTON_HOVER, IDB_PLAY_BUTTON);
    for (CHoverButton* pButton : {&m_info, &m_infoDisabled, &m_play}) {
        pButton->SizeToContent();
        pButton->Invalidate();
    }
}

void ButtonsPage::ShowStatus()
{
    CString strStatus;
    strStatus.Format(TextFromUtf8(u8"按鈕按了 %d 次。文字顏色：%s。畫面比例：%d%%。父視窗收到按鍵 %d 次。"), m_nClicks,
                     static_cast<const char*>(TextFromUtf8(kTextColours[m_nColour].pszName)),
                     static_cast<int>(dbGetDeviceScale() * 100 + 0.5), m_nKeyCopies);
    SetStatus(strStatus);
}

void ButtonsPage::OnHoverClicked()
{
    ++m_nClicks;
    ShowStatus();
}

void ButtonsPage::OnNextColour()
{
    // The host changes its colour; the radio buttons show it at their next
    // paint, since they ask for it every time.
    m_nColour = (m_nColour + 1) % kTextColourCount;
    SettingsStub::SetColor(kTextKey, kTextColours[m_nColour].cr);
    for (CCJRadioButton& radio : m_radios)
        radio.Invalidate();
    ShowStatus();
}

void ButtonsPage::OnToggleScale()
{
    CommonObjectStub::SetDeviceScale(dbGetDeviceScale() == 1.0 ? 1.5 : 1.0);
    LoadHoverButtons();
    ShowStatus();
}

HBRUSH ButtonsPage::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor)
{
    for (CCJRadioButton& radio : m_radios) {
        if (pWnd != NULL && pWnd->m_hWnd == radio.m_hWnd)
            return m_listBackground;
    }
    return GalleryPage::OnCtlColor(pDC, pWnd, nCtlColor);
}

void ButtonsPage::OnKeyDown(UINT, UINT, UINT)
{
    ++m_nKeyCopies;
    ShowStatus();
}
