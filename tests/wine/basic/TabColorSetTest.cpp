// SMXTabColorSet painting the toolkit's tab control on the screen in both
// schemes, and the colours it gives the toolkit at each refresh.
#include <afxwin.h>
#include <gtest/gtest.h>

#include <vector>

#include "CXTPTabControl.h"
#include "MessagePump.h"
#include "SMXTabColorSet.h"
#include "SyntheticInput.h"
#include "WindowReadback.h"

namespace {

const COLORREF kBlack = RGB(0, 0, 0);
const COLORREF kWhite = RGB(255, 255, 255);

struct Scheme {
    COLORREF clrFirst, clrSecond, clrContrast;
};
const Scheme kLight = {RGB(175, 186, 212), RGB(219, 230, 253), kBlack};
const Scheme kDark = {RGB(85, 85, 85), RGB(41, 41, 41), kWhite};

// The set's gradient and its eleven colours, in the set's order.
std::vector<COLORREF> SetColours(const CXTPTabPaintManager::CColorSet& set)
{
    return {set.m_clrHeaderFace.clrLight, set.m_clrHeaderFace.clrDark, set.m_clrFrameBorder,
            set.m_clrButtonHighlighted,   set.m_clrSelectedText,       set.m_clrHighlightText,
            set.m_clrNormalText,          set.m_clrButtonShadow,       set.m_clrNavigateArrow,
            set.m_clrDisabledText,        set.m_clrButtonBorder,       set.m_clrClientBorder,
            set.m_clrClientFace};
}
const std::vector<COLORREF> kLightColours = {0xD4BAAF, 0xFDE6DB, 0xD4BAAF, 0xEFC5A4, 0xFDE6DB, 0xFDE6DB, 0x000000,
                                             0x000000, 0x000000, 0xAAAAAA, 0xAAAAAA, 0xAAAAAA, 0xAAAAAA};
const std::vector<COLORREF> kDarkColours = {0x323232, 0x292929, 0x2D2D2D, 0xFFFFFF, 0x555555, 0x555555, 0xFFFFFF,
                                            0x000000, 0xFFFFFF, 0x000000, 0x000000, 0x000000, 0x000000};

class TabColorSetTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        SMXTabColorSet::ColorType = 0;
        ASSERT_TRUE(m_host.CreateEx(WS_EX_TOPMOST, NULL, "", WS_POPUP | WS_VISIBLE, 40, 40, 420, 120, NULL, 0));
        ASSERT_TRUE(m_tabs.Create(WS_VISIBLE, CRect(0, 0, 400, 100), &m_host, 1));
        for (const char* psz : {"One", "Two", "Three"})
            m_tabs.InsertItem(m_tabs.GetItemCount(), psz);
        m_tabs.SetSelectedItem(m_tabs.GetItem(1));
        m_tabs.SetColorSet(&m_set);
        Repaint();
    }
    void TearDown() override
    {
        SMXTabColorSet::ColorType = 0;
        m_host.DestroyWindow();
        PumpUntilIdle();
    }
    void Repaint()
    {
        m_tabs.Invalidate(FALSE);
        m_tabs.UpdateWindow();
        PumpUntilIdle();
    }
    COLORREF At(int x, int y) { return ScreenColour(m_tabs.m_hWnd, {x, y}); }

    // The strip shows the scheme s: its header, tabs and navigate arrows.
    void ExpectScheme(const Scheme& s, const char* pszWhat)
    {
        SCOPED_TRACE(pszWhat);
        const CRect rcTab = m_tabs.GetItem(0)->GetRect();
        const CRect rcSelected = m_tabs.GetItem(1)->GetRect();
        // The header's gradient runs from its top row to its bottom row; a
        // tab that is not selected shows the same, with its separator.
        EXPECT_EQ(At(350, 0), s.clrFirst);
        EXPECT_EQ(At(350, CXTPTabManager::kHeaderHeight - 1), s.clrSecond);
        EXPECT_EQ(At(rcTab.left + 1, rcTab.top), s.clrFirst);
        EXPECT_EQ(At(rcTab.left + 1, rcTab.bottom - 1), s.clrSecond);
        for (int y = rcTab.top; y < rcTab.bottom; y += 3)
            EXPECT_EQ(At(rcTab.right - 1, y), s.clrContrast) << "separator row " << y;
        EXPECT_NE(At(rcTab.right - 2, rcTab.top), s.clrContrast);
        EXPECT_EQ(At(rcSelected.left + 1, rcSelected.top + 1), s.clrContrast) << "selected tab";
        EXPECT_EQ(At(rcSelected.right - 2, rcSelected.bottom - 1), s.clrContrast);
        // Each navigate arrow in the text colour the set chose, on the header.
        const CRect rcLeft = m_tabs.GetNavigateButton(0)->GetRect();
        EXPECT_EQ(At(rcLeft.CenterPoint().x + 2, rcLeft.CenterPoint().y), s.clrContrast);
        EXPECT_EQ(At(rcLeft.left, rcLeft.top), At(rcLeft.left - 1, rcLeft.top)) << "nothing drawn behind the arrow";
    }

    CWnd m_host;
    CXTPTabControl m_tabs;
    SMXTabColorSet m_set;
};

TEST_F(TabColorSetTest, BothSchemesPaintTheHeaderTabsAndNavigateButtons)
{
    EXPECT_EQ(SetColours(m_set), kLightColours);
    ExpectScheme(kLight, "light");
    SMXTabColorSet::ColorType = 7; // any value but 0 is dark
    m_tabs.RefreshMetrics();
    Repaint();
    EXPECT_EQ(SetColours(m_set), kDarkColours);
    ExpectScheme(kDark, "dark");
}

TEST_F(TabColorSetTest, ASwitchShowsInTheFillsAtOnceAndInTheColoursAtTheNextRefresh)
{
    const int nFrameRow = CXTPTabManager::kHeaderHeight; // drawn in the set's first colour
    EXPECT_EQ(At(5, nFrameRow), RGB(175, 186, 212));
    SMXTabColorSet::ColorType = 1;
    Repaint();
    ExpectScheme(kDark, "dark fills, light colours");
    EXPECT_EQ(SetColours(m_set), kLightColours);
    EXPECT_EQ(At(5, nFrameRow), RGB(175, 186, 212));
    m_tabs.RefreshMetrics();
    Repaint();
    EXPECT_EQ(At(5, nFrameRow), RGB(45, 45, 45));
}

TEST_F(TabColorSetTest, ACopyPaintsTheSameAndFollowsTheSwitchAlike)
{
    SMXTabColorSet copy(m_set);
    SMXTabColorSet assigned;
    assigned = m_set;
    EXPECT_EQ(SetColours(copy), kLightColours);
    EXPECT_EQ(SetColours(assigned), kLightColours);
    m_tabs.SetColorSet(&copy);
    Repaint();
    ExpectScheme(kLight, "copy");
    SMXTabColorSet::ColorType = 1;
    m_tabs.SetColorSet(&assigned);
    Repaint();
    ExpectScheme(kDark, "assigned");
    EXPECT_EQ(SetColours(assigned), kDarkColours);
}

TEST(TabColorSet, ATabOfNoManagerIsAnOrdinaryTab)
{
    SMXTabColorSet::ColorType = 0;
    SMXTabColorSet set;
    CDC dc;
    ASSERT_TRUE(dc.CreateCompatibleDC(NULL));
    BITMAPINFO bmi = {};
    bmi.bmiHeader = {sizeof(BITMAPINFOHEADER), 40, -20, 1, 32, BI_RGB};
    void* pBits = NULL;
    const HBITMAP hBitmap = ::CreateDIBSection(NULL, &bmi, DIB_RGB_COLORS, &pBits, NULL, 0);
    const HGDIOBJ hOld = ::SelectObject(dc.m_hDC, hBitmap);
    CXTPTabManagerItem loose;
    for (CXTPTabManagerItem* pItem : {&loose, static_cast<CXTPTabManagerItem*>(NULL)}) {
        dc.FillSolidRect(CRect(0, 0, 40, 20), RGB(1, 2, 3));
        set.FillStateButton(&dc, CRect(0, 0, 30, 20), pItem);
        EXPECT_EQ(dc.GetPixel(0, 0), kLight.clrFirst);
        EXPECT_EQ(dc.GetPixel(0, 19), kLight.clrSecond);
        EXPECT_EQ(dc.GetPixel(29, 10), kBlack);
        EXPECT_EQ(dc.GetPixel(30, 10), RGB(1, 2, 3)) << "nothing past the tab";
    }
    EXPECT_EQ(::GetCurrentObject(dc.m_hDC, OBJ_PEN), ::GetStockObject(BLACK_PEN)) << "the pen put back";
    ::SelectObject(dc.m_hDC, hOld);
    ::DeleteObject(hBitmap);
}

} // namespace
