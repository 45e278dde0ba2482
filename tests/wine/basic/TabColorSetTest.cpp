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

// The frame row below the header is drawn in the set's first single colour,
// which changes only when the set is refreshed; the fills follow the switch
// at once.
TEST(TabColorSet, FillsFollowTheSwitchAtOnceColoursAtTheNextRefreshInACopyToo)
{
    SMXTabColorSet set;
    CWnd host;
    CXTPTabControl tabs;
    SMXTabColorSet::ColorType = 0;
    ASSERT_TRUE(host.CreateEx(WS_EX_TOPMOST, NULL, "", WS_POPUP | WS_VISIBLE, 40, 40, 420, 120, NULL, 0));
    ASSERT_TRUE(tabs.Create(WS_VISIBLE, CRect(0, 0, 400, 100), &host, 1));
    for (const char* psz : {"One", "Two", "Three"})
        tabs.InsertItem(tabs.GetItemCount(), psz);
    tabs.SetSelectedItem(tabs.GetItem(1));
    const auto At = [&](int x, int y) { return ScreenColour(tabs.m_hWnd, {x, y}); };
    // Repainted (with pSet given to it, which refreshes the set), the strip
    // shows scheme s in its header, tabs, separators and navigate arrows, and
    // the frame row below the header in the set's first colour.
    const auto ExpectScheme = [&](SMXTabColorSet* pSet, const Scheme& s, COLORREF clrFrame) {
        if (pSet != NULL)
            tabs.SetColorSet(pSet);
        tabs.Invalidate(FALSE), tabs.UpdateWindow(), PumpUntilIdle();
        const CRect rc = tabs.GetItem(0)->GetRect(), rcSelected = tabs.GetItem(1)->GetRect();
        const CPoint ptArrow = tabs.GetNavigateButton(0)->GetRect().CenterPoint() + CSize(2, 0);
        const struct { CPoint pt; COLORREF clr; } pixels[] = {
            {{350, 0}, s.clrFirst}, {{350, CXTPTabManager::kHeaderHeight - 1}, s.clrSecond},
            {rc.TopLeft(), s.clrFirst}, {{rc.left, rc.bottom - 1}, s.clrSecond},
            {{rc.right - 1, rc.top}, s.clrContrast}, {{rc.right - 1, rc.CenterPoint().y}, s.clrContrast},
            {{rc.right - 1, rc.bottom - 1}, s.clrContrast}, {{rcSelected.left, rcSelected.bottom - 1}, s.clrContrast},
            {ptArrow, s.clrContrast}, {{5, CXTPTabManager::kHeaderHeight}, clrFrame}};
        for (const auto& p : pixels)
            EXPECT_EQ(At(p.pt.x, p.pt.y), p.clr) << p.pt.x << "," << p.pt.y;
        EXPECT_NE(At(rc.right - 2, rc.top), s.clrContrast) << "the separator is one pixel wide";
    };

    ExpectScheme(&set, kLight, RGB(175, 186, 212));
    SMXTabColorSet::ColorType = 7; // any value but 0 is dark
    ExpectScheme(NULL, kDark, RGB(175, 186, 212));
    tabs.RefreshMetrics();
    ExpectScheme(NULL, kDark, RGB(45, 45, 45));
    SMXTabColorSet copy(set);
    EXPECT_EQ(copy.m_clrFrameBorder, RGB(45, 45, 45)) << "the colours come with it";
    SMXTabColorSet::ColorType = 0;
    ExpectScheme(&copy, kLight, RGB(175, 186, 212));

    // A tab of no manager, or none, is filled as an ordinary tab.
    CClientDC dc(&tabs);
    CXTPTabManagerItem loose;
    for (CXTPTabManagerItem* pItem : {&loose, static_cast<CXTPTabManagerItem*>(NULL)}) {
        copy.FillStateButton(&dc, CRect(0, 40, 30, 60), pItem);
        EXPECT_EQ(dc.GetPixel(0, 40), kLight.clrFirst);
        EXPECT_EQ(dc.GetPixel(29, 50), kLight.clrContrast);
    }
}

} // namespace
