// The host stand-ins' demo data: the market the gallery and its tests show, read
// from UTF-8 files into code page 950, and the screen scale switch.
#include <gtest/gtest.h>

#include "BackendStub.h"
#include "CommonObjectStub.h"

namespace {

typedef std::vector<CString> Strings;

C_BKInterface& Backend() { return *C_BKInterface::GetBKInterface(); }

// The demo shows 79 skipped and a one-contract market.
TEST(DefaultDataTest, DemoMarketLoadsInBig5WithWhatTheLoadersShow)
{
    ASSERT_EQ(::GetACP(), 950u) << "the tests run in the host's code page";
    BackendStub::Reset();
    EXPECT_TRUE(BackendStub::LoadDefaultData().empty());
    std::vector<unsigned char> services;
    ASSERT_TRUE(Backend().bGetAllServiceID(services));
    EXPECT_EQ(services, (std::vector<unsigned char>{16, 1, 109, 79, 2}));
    Strings ids, names;
    ASSERT_TRUE(Backend().bGetAllContractID(ids, names, 16, ""));
    EXPECT_EQ(ids[0] + names[0], "2330\xA5\x78\xBF\x6E\xB9\x71"); // 台積電
    ASSERT_TRUE(Backend().bGetAllContractID(ids, names, 2, ""));
    EXPECT_EQ(ids.size(), 1u);
}

// Lengths scale to the nearest pixel, halves away from zero; a refused value leaves the scale at 1.
TEST(DefaultDataTest, ScreenScaleSwitch)
{
    const struct {
        const char* percent;
        size_t problems;
        int in, out;
    } rows[] = {{"125", 0, 18, 23}, {"15O", 1, 15, 15}};
    for (const auto& row : rows) {
        CommonObjectStub::Reset();
        ::SetEnvironmentVariableA("HOST_DEVICE_SCALE_PERCENT", row.percent);
        EXPECT_EQ(CommonObjectStub::LoadDefaultData().size(), row.problems) << row.percent;
        EXPECT_EQ(iCalTransDevScale(row.in), row.out) << row.percent;
    }
    ::SetEnvironmentVariableA("HOST_DEVICE_SCALE_PERCENT", NULL); // the last row left the scale at 1
}

} // namespace
