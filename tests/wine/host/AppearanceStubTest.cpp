// The settings and common-object stand-ins: named colours, the common font
// and the screen scale, as programmed, with a record of the calls.
#include <gtest/gtest.h>

#include <string.h>

#include "CommonObjectStub.h"
#include "SettingsStub.h"

namespace {

class AppearanceStubTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        SettingsStub::Reset();
        CommonObjectStub::Reset();
    }
    void TearDown() override
    {
        SettingsStub::Reset();
        CommonObjectStub::Reset();
    }
};

TEST_F(AppearanceStubTest, ColoursByKeyFromTheOneSettingsObject)
{
    EXPECT_EQ(&CSyncInfo::GetSettingCFG(), &CSyncInfo::GetSettingCFG());
    SettingsStub::SetColor("COLOR_LISTCTL_DOWN", RGB(0, 192, 0));
    SettingsStub::SetColor("COLOR_LISTCTL_BACKGROUND", RGB(1, 2, 3));
    SettingsStub::ClearCalls();

    EXPECT_EQ(CSyncInfo::GetSettingCFG().SYS_crGetOtherColor("COLOR_LISTCTL_DOWN"), RGB(0, 192, 0));
    EXPECT_EQ(CSyncInfo::GetSettingCFG().SYS_crGetOtherColor("COLOR_LISTCTL_BACKGROUND"), 0x030201u);
    // An unknown key still answers, with black.
    EXPECT_EQ(CSyncInfo::GetSettingCFG().SYS_crGetOtherColor("COLOR_NONE"), RGB(0, 0, 0));

    EXPECT_EQ(SettingsStub::SettingCFGCount(), 3u);
    EXPECT_EQ(SettingsStub::ColorKeysAsked(),
              (std::vector<CString>{"COLOR_LISTCTL_DOWN", "COLOR_LISTCTL_BACKGROUND", "COLOR_NONE"}));
}

TEST_F(AppearanceStubTest, CommonFontIsLiveAndFollowsTheProgrammedLogfont)
{
    CFont* pFont = CComponentComFont::GetComponentComFont();
    ASSERT_NE(pFont, nullptr);
    ASSERT_NE(pFont->GetSafeHandle(), nullptr);

    LOGFONT lf;
    memset(&lf, 0, sizeof lf);
    lf.lfHeight = -20;
    lf.lfWeight = FW_BOLD;
    strcpy(lf.lfFaceName, "Tahoma");
    CommonObjectStub::SetComFont(lf);

    LOGFONT got;
    ASSERT_NE(CComponentComFont::GetComponentComFont()->GetLogFont(&got), 0);
    EXPECT_EQ(got.lfHeight, -20);
    EXPECT_EQ(got.lfWeight, FW_BOLD);
    EXPECT_STREQ(got.lfFaceName, "Tahoma");
    EXPECT_EQ(CommonObjectStub::ComFontCount(), 2u);
}

TEST_F(AppearanceStubTest, ScaleAndLengthConversion)
{
    EXPECT_EQ(dbGetDeviceScale(), 1.0);
    EXPECT_EQ(iCalTransDevScale(17), 17);

    struct Row {
        double scale;
        int in, out;
    } rows[] = {{1.25, 16, 20}, {1.25, 17, 21}, {1.25, 18, 23}, {1.5, 16, 24}, {1.5, 15, 23}, {1.5, 0, 0}};
    for (const Row& row : rows) {
        CommonObjectStub::SetDeviceScale(row.scale);
        EXPECT_EQ(dbGetDeviceScale(), row.scale);
        EXPECT_EQ(iCalTransDevScale(row.in), row.out) << row.scale << " x " << row.in;
    }
    EXPECT_EQ(CommonObjectStub::DeviceScaleCount(), 7u);
    EXPECT_EQ(CommonObjectStub::TransDevScaleArgs()[1], 16);
}

} // namespace
