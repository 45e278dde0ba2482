// SMXTabColorSet painting the toolkit's tab control on the screen in both
// schemes, the colours it gives the toolkit at each refresh, and its fill
// of a tab that belongs to no manager.
#include <afxwin.h>
#include <gtest/gtest.h>

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

// The frame row below the header is drawn in the set's first single colour,
// which changes only when the set is refreshed.
TEST_F(TabColorSetTest, FillsFollowTheSwitchAtOnceColoursAtTheNextRefreshInACopyToo)
{
    const int nFrameRow = CXTPTabManager::kHeaderHeight;
    Show(&m_set);
    ExpectScheme(kLight);
    EXPECT_EQ(At(5, nFrameRow), RGB(175, 186, 212));
    SMXTabColorSet::ColorType = 7; // any value but 0 is dark
    Show();
    ExpectScheme(kDark);
    EXPECT_EQ(At(5, nFrameRow), RGB(175, 186, 212));
    m_tabs.RefreshMetrics();
    Show();
    EXPECT_EQ(At(5, nFrameRow), RGB(45, 45, 45));

    SMXTabColorSet copy(m_set);
    EXPECT_EQ(copy.m_clrFrameBorder, RGB(45, 45, 45)) << "the colours come with it";
    SMXTabColorSet::ColorType = 0;
    Show(&copy);
    ExpectScheme(kLight);

    // A tab of no manager, or none, is filled as an ordinary tab.
    CClientDC dc(&m_tabs);
    CXTPTabManagerItem loose;
    for (CXTPTabManagerItem* pItem : {&loose, static_cast<CXTPTabManagerItem*>(NULL)}) {
        copy.FillStateButton(&dc, CRect(0, 40, 30, 60), pItem);
        EXPECT_EQ(dc.GetPixel(0, 40), kLight.clrFirst);
        EXPECT_EQ(dc.GetPixel(29, 50), kLight.clrContrast);
    }
}

} // namespace
