// The toolkit stand-in's tip window: shown after its delay at the asked
// point, fitted to its text. That it hides after its time without taking the
// focus is seen with the symbol edit's tip.
#include <afxwin.h>
#include <gtest/gtest.h>

#include "CXTTipWindow.h"
#include "MessagePump.h"

namespace {

TEST(TipWindowTest, ShowsAfterItsDelayCentredOnThePointAndFittedToItsText)
{
    CWnd host; // its window goes with it, after the tip's
    ASSERT_TRUE(host.CreateEx(0, NULL, "host", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 50, 50, 400, 300, NULL, NULL));
    CXTTipWindow tip;
    ASSERT_TRUE(tip.Create(&host));
    tip.SetTipText("", "short");
    tip.ShowTipWindow(CPoint(200, 120), TWS_XT_DROPSHADOW, 0, 0, TRUE);
    CRect rcShort;
    tip.GetWindowRect(&rcShort);
    tip.SetTipText("title", "a longer text than before");
    tip.HideTipWindow();
    EXPECT_FALSE(tip.IsWindowVisible());

    tip.ShowTipWindow(CPoint(200, 120), TWS_XT_THICKBORDER, 300, 400, TRUE);
    // Checked before any message is pumped, so that no timer can have run:
    // the delay holds the tip back however slowly this machine goes.
    EXPECT_FALSE(tip.IsWindowVisible()) << "shown before its delay";
    ASSERT_TRUE(PumpUntil([&] { return tip.IsWindowVisible() != FALSE; }, 10000));
    CRect rc;
    tip.GetWindowRect(&rc);
    EXPECT_EQ(rc.top, 120);
    EXPECT_NEAR(rc.CenterPoint().x, 200, 1);
    EXPECT_GT(rc.Width(), rcShort.Width()) << "fitted to the longer text";
    EXPECT_GT(rc.Height(), rcShort.Height()) << "and to the title above it";
}

} // namespace
