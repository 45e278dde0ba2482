// The host stand-ins' default data set loads from the UTF-8 files beside the
// program into code page 950 text; a bad line is reported with its file and
// line while the rest still loads.
#include <gtest/gtest.h>

#include <stdio.h>

#include <algorithm>
#include <string>

#include "BackendStub.h"
#include "CommonObjectStub.h"

namespace {

typedef std::vector<CString> Strings;

C_BKInterface& Backend() { return *C_BKInterface::GetBKInterface(); }

std::string Joined(const Strings& problems)
{
    std::string text;
    for (const CString& problem : problems)
        text += std::string(problem.GetString()) + "\n";
    return text;
}

class DefaultDataTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        BackendStub::Reset();
        CommonObjectStub::Reset();
    }
    void TearDown() override { SetUp(); }
};

// Walks the industry tree below parent, checking each node's level on the way.
int DeepestIndustryLevel(const CString& parent, int level)
{
    std::vector<SSINodeInfo> children;
    Backend().GetNSSINode(children, parent);
    int deepest = children.empty() ? level - 1 : level;
    for (const SSINodeInfo& node : children) {
        EXPECT_EQ(node.m_nLevel, level) << node.m_strNodeID.GetString();
        deepest = std::max(deepest, DeepestIndustryLevel(node.m_strNodeID, level + 1));
    }
    return deepest;
}

// What the symbol search loaders walk: every service, the contracts of a stock
// market, the symbols of a one-contract futures market and of a commodity,
// and the industry tree.
TEST_F(DefaultDataTest, MarketLoadsInBig5WithTheServicesTheLibraryWalks)
{
    ASSERT_EQ(::GetACP(), 950u) << "the tests run in the host's code page";
    Strings problems = BackendStub::LoadDefaultData();
    EXPECT_TRUE(problems.empty()) << Joined(problems);

    std::vector<unsigned char> services;
    ASSERT_TRUE(Backend().bGetAllServiceID(services));
    EXPECT_EQ(services, (std::vector<unsigned char>{16, 1, 109, 79, 2}));
    CString name;
    EXPECT_TRUE(Backend().bGetServiceExName(name, 16));
    EXPECT_EQ(name, "\xA4\x57\xA5\xAB"); // 上市
    EXPECT_FALSE(Backend().LangGetLangString("IDS_TOOLBAR_NOMATCH").IsEmpty());

    Strings ids, names;
    ASSERT_TRUE(Backend().bGetAllContractID(ids, names, 16, ""));
    ASSERT_GE(ids.size(), 10u);
    EXPECT_EQ(ids[0], "2330");
    EXPECT_STREQ(names[0], "\xA5\x78\xBF\x6E\xB9\x71"); // 台積電

    ASSERT_TRUE(Backend().bGetAllContractID(ids, names, 2, ""));
    EXPECT_EQ(ids.size(), 1u);
    ASSERT_TRUE(Backend().bGetSymbolID(ids, names, 2, "", "", nullptr));
    EXPECT_EQ(ids.size(), 3u);
    ASSERT_TRUE(Backend().bGetAllCommodityID(ids, names, 109, 0));
    ASSERT_TRUE(Backend().bGetSymbolID(ids, names, 109, CString(ids[0]), "", nullptr));
    EXPECT_FALSE(ids.empty());

    // The industry tree: four listed levels and one more the library never asks for.
    const CString strRoot = Backend().GetNSSIRootID();
    ASSERT_FALSE(strRoot.IsEmpty());
    EXPECT_GE(DeepestIndustryLevel(strRoot, 1), 4);
}

// Lengths scale to the nearest pixel, halves away from zero; a value the
// switch refuses is one problem and leaves the scale at 1.
TEST_F(DefaultDataTest, ScreenScaleSwitch)
{
    struct Row {
        const char* percent;
        double scale;
        size_t problems;
        int in1, out1, in2, out2;
    } rows[] = {{"125", 1.25, 0, 17, 21, 18, 23}, {"150", 1.5, 0, 15, 23, 16, 24},
                {"15O", 1.0, 1, 15, 15, 0, 0}, {"1000", 1.0, 1, 16, 16, 0, 0}};
    for (const Row& row : rows) {
        CommonObjectStub::Reset();
        ::SetEnvironmentVariableA("HOST_DEVICE_SCALE_PERCENT", row.percent);
        EXPECT_EQ(CommonObjectStub::LoadDefaultData().size(), row.problems) << row.percent;
        EXPECT_EQ(dbGetDeviceScale(), row.scale) << row.percent;
        EXPECT_EQ(iCalTransDevScale(row.in1), row.out1) << row.percent;
        EXPECT_EQ(iCalTransDevScale(row.in2), row.out2) << row.percent;
    }
    ::SetEnvironmentVariableA("HOST_DEVICE_SCALE_PERCENT", NULL);
}

TEST_F(DefaultDataTest, BadLinesAreReportedWithFileAndLineAndTheRestLoads)
{
    char szFolder[MAX_PATH];
    ::GetTempPathA(MAX_PATH, szFolder);
    const CString path = CString(szFolder) + "host-stub-bad.txt";
    const std::string content = "service\t16\tTSE\n"                     // 1: good
                                "contract\t16\t2330\n"                   // 2: a field short
                                "contract\t16\t2317\t\xA5\x78\n"         // 3: Big5, not UTF-8
                                "contract\t16\t2412\t\xE4\xB8\xAD\n";    // 4: good, 中
    FILE* file = fopen(path, "wb");
    fwrite(content.data(), 1, content.size(), file);
    fclose(file);
    Strings problems = BackendStub::LoadDataFile(path);
    ::DeleteFileA(path);
    ASSERT_EQ(problems.size(), 2u) << Joined(problems);
    const int nPrefix = path.GetLength() + 4;
    EXPECT_EQ(problems[0].Left(nPrefix), path + ":2: ");
    EXPECT_EQ(problems[1].Left(nPrefix), path + ":3: ");
    Strings ids, names;
    ASSERT_TRUE(Backend().bGetAllContractID(ids, names, 16, ""));
    EXPECT_EQ(ids, (Strings{"2412"}));
    EXPECT_EQ(names[0], "\xA4\xA4");
}

TEST_F(DefaultDataTest, GeneratedCatalogueBeyond131072Symbols)
{
    // Block arithmetic and IDs are the generator's own (tested natively); here
    // its wiring into the backend and the names in Big5.
    BackendStub::LoadGeneratedCatalogue(131073, {16, 1});
    Strings ids, names;
    ASSERT_TRUE(Backend().bGetAllContractID(ids, names, 16, ""));
    EXPECT_EQ(ids.size(), 65537u);
    EXPECT_EQ(names[0], "\xB9\x71\xA4\x6C" "000000"); // 電子 + the ID, in Big5
    ASSERT_TRUE(Backend().bGetAllContractID(ids, names, 1, ""));
    EXPECT_EQ(ids.size(), 65536u);
    EXPECT_EQ(ids.back(), "131072");
    // The name is also the symbol's item 1019.
    std::vector<X1Format> values;
    ASSERT_TRUE(Backend().bGetItemDataByItemNo(1, "131072", {1019}, values, true, nullptr));
    EXPECT_EQ(static_cast<CString>(values[0]), names.back());
}

} // namespace
