// SMXTabColorSet painting the toolkit's tab control on the screen in both
// schemes, and the colours it gives the toolkit at each refresh.
#include <afxwin.h>
#include <gtest/gtest.h>

#include <vector>

#include "CXTPTabControl.h"
#include "MessagePump.h"
#include "SMXTabColorSet.h"
#include "WindowReadback.h"

namespace {

struct Scheme {
    COLORREF clrFirst, clrSecond, clrContrast; // header gradient ends; selected tab, separators, arrows
};
const Scheme kLight = {RGB(175, 186, 212), RGB(219, 230, 253), RGB(0, 0, 0)};
const Scheme kDark = {RGB(85, 85, 85), RGB(41, 41, 41), RGB(255, 255, 255)};

// The set's gradient and eleven colours, in the set's order.
std::vector<COLORREF> Colours(const CXTPTabPaintManager::CColorSet& s)
{
    return {s.m_clrHeaderFace.clrLight, s.m_clrHeaderFace.clrDark, s.m_clrFrameBorder, s.m_clrButtonHighlighted,
            s.m_clrSelectedText, s.m_clrHighlightText, s.m_clrNormalText, s.m_clrButtonShadow, s.m_clrNavigateArrow,
            s.m_clrDisabledText, s.m_clrButtonBorder, s.m_clrClientBorder, s.m_clrClientFace};
}
const std::vector<COLORREF> kLightColours = {0xD4BAAF, 0xFDE6DB, 0xD4BAAF, 0xEFC5A4, 0xFDE6DB, 0xFDE6DB, 0,
                                             0, 0, 0xAAAAAA, 0xAAAAAA, 0xAAAAAA, 0xAAAAAA};
const std::vector<COLORREF> kDarkColours = {0x323232, 0x292929, 0x2D2D2D, 0xFFFFFF, 0x555555, 0x555555, 0xFFFFFF,
                                            0, 0xFFFFFF, 0, 0, 0, 0};

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
    }
    void TearDown() override { SMXTabColorSet::ColorType = 0, m_host.DestroyWindow(), PumpUntilIdle(); }
    void Show(SMXTabColorSet* pSet = NULL)
    {
        if (pSet != NULL)
            m_tabs.SetColorSet(pSet); // refreshes the set
        m_tabs.Invalidate(FALSE), m_tabs.UpdateWindow(), PumpUntilIdle();
    }
    COLORREF At(int x, int y) { return ScreenColour(m_tabs.m_hWnd, {x, y}); }
    // The strip shows scheme s in its header, tabs and navigate arrows.
    void ExpectScheme(const Scheme& s)
    {
        const CRect rcTab = m_tabs.GetItem(0)->GetRect(), rcSelected = m_tabs.GetItem(1)->GetRect();
        const CPoint ptArrow = m_tabs.GetNavigateButton(0)->GetRect().CenterPoint() + CSize(2, 0);
        EXPECT_EQ(At(350, 0), s.clrFirst) << "header";
        EXPECT_EQ(At(350, CXTPTabManager::kHeaderHeight - 1), s.clrSecond);
        EXPECT_EQ(At(rcTab.left, rcTab.top), s.clrFirst) << "tab";
        EXPECT_EQ(At(rcTab.left, rcTab.bottom - 1), s.clrSecond);
        for (int y = rcTab.top; y < rcTab.bottom; y += 4)
            EXPECT_EQ(At(rcTab.right - 1, y), s.clrContrast) << "separator row " << y;
        EXPECT_NE(At(rcTab.right - 2, rcTab.top), s.clrContrast);
        EXPECT_EQ(At(rcSelected.left, rcSelected.bottom - 1), s.clrContrast) << "selected tab";
        EXPECT_EQ(At(ptArrow.x, ptArrow.y), s.clrContrast) << "arrow";
    }

    CWnd m_host;
    CXTPTabControl m_tabs;
    SMXTabColorSet m_set;
};

TEST_F(TabColorSetTest, TheFillsFollowTheSwitchAtOnceTheColoursAtTheNextRefresh)
{
    Show(&m_set);
    EXPECT_EQ(Colours(m_set), kLightColours);
    ExpectScheme(kLight);
    const int nFrameRow = CXTPTabManager::kHeaderHeight; // drawn in the set's first single colour
    SMXTabColorSet::ColorType = 7;                        // any value but 0 is dark
    Show();
    ExpectScheme(kDark);
    EXPECT_EQ(Colours(m_set), kLightColours);
    EXPECT_EQ(At(5, nFrameRow), RGB(175, 186, 212));
    m_tabs.RefreshMetrics();
    Show();
    EXPECT_EQ(Colours(m_set), kDarkColours);
    EXPECT_EQ(At(5, nFrameRow), RGB(45, 45, 45));
}

TEST_F(TabColorSetTest, ACopyBehavesTheSameAndATabOfNoManagerIsAnOrdinaryTab)
{
    SMXTabColorSet::ColorType = 1;
    m_set.RefreshMetrics();
    SMXTabColorSet copy(m_set), assigned;
    assigned = m_set;
    EXPECT_EQ(Colours(copy), kDarkColours);
    EXPECT_EQ(Colours(assigned), kDarkColours);
    Show(&copy);
    ExpectScheme(kDark);
    SMXTabColorSet::ColorType = 0;
    Show(&assigned);
    ExpectScheme(kLight);

    CClientDC dc(&m_tabs);
    CXTPTabManagerItem loose;
    for (CXTPTabManagerItem* pItem : {&loose, static_cast<CXTPTabManagerItem*>(NULL)}) {
        assigned.FillStateButton(&dc, CRect(0, 40, 30, 60), pItem);
        EXPECT_EQ(dc.GetPixel(0, 40), kLight.clrFirst);
        EXPECT_EQ(dc.GetPixel(29, 50), kLight.clrContrast);
    }
}

} // namespace
