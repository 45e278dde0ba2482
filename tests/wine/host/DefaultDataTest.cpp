// The host stand-ins' default data set loads from the UTF-8 files beside the
// program into code page 950 text; bad data files are reported line by line
// while the rest still loads.
#include <gtest/gtest.h>

#include <stdio.h>

#include <functional>
#include <string>

#include "BackendStub.h"
#include "CommonObjectStub.h"
#include "SettingsStub.h"

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

// A data file of the test's own, in the temporary folder, removed afterwards.
struct TempDataFile {
    TempDataFile(const char* pszName, const std::string& content)
    {
        char szFolder[MAX_PATH];
        ::GetTempPathA(MAX_PATH, szFolder);
        path = CString(szFolder) + pszName;
        FILE* file = fopen(path, "wb");
        fwrite(content.data(), 1, content.size(), file);
        fclose(file);
    }
    ~TempDataFile() { ::DeleteFileA(path); }
    CString path;
};

class DefaultDataTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        BackendStub::Reset();
        SettingsStub::Reset();
        CommonObjectStub::Reset();
    }
    void TearDown() override { SetUp(); }
};

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
    EXPECT_TRUE(Backend().bGetServiceExName(name, 105));
    EXPECT_EQ(name, "\xB2\xA3\xB7\x7E"); // 產業
    EXPECT_EQ(Backend().LangGetLangString("IDS_DIALOG-CONNECT_BUTTON_OK"), "\xBD\x54\xA9\x77"); // 確定

    Strings ids, names;
    ASSERT_TRUE(Backend().bGetAllContractID(ids, names, 16, ""));
    ASSERT_GE(ids.size(), 10u);
    EXPECT_EQ(ids[0], "2330");
    EXPECT_STREQ(names[0], "\xA5\x78\xBF\x6E\xB9\x71"); // 台積電
    std::vector<X1Format> values;
    ASSERT_TRUE(Backend().bGetItemDataByItemNo(16, "2330", {1019}, values, true, nullptr));
    EXPECT_EQ(static_cast<CString>(values[0]), names[0]);

    // Futures: one contract, so the library lists its symbols instead.
    ASSERT_TRUE(Backend().bGetAllContractID(ids, names, 2, ""));
    EXPECT_EQ(ids.size(), 1u);
    ASSERT_TRUE(Backend().bGetSymbolID(ids, names, 2, "", "", nullptr));
    EXPECT_EQ(ids.size(), 3u);
    const int n = 0;
    ASSERT_TRUE(Backend().bGetAllCommodityID(ids, names, 109, n));
    ASSERT_TRUE(Backend().bGetSymbolID(ids, names, 109, CString(ids[0]), "", nullptr));
    EXPECT_FALSE(ids.empty());

    // Every string the library asks for is there.
    for (const char* key :
         {"IDS_TOOLBAR_NOMATCH", "IDS_DIALOG-TAPREVIEW_TITLE", "IDS_DIALOG-TAPREVIEW_PRINT_COLOR",
          "IDS_DIALOG-TAPREVIEW_PRINT_COLOR_DEFAULT", "IDS_DIALOG-TAPREVIEW_PRINT_BW",
          "IDS_DIALOG-TAPREVIEW_PRINT_BW_DEFAULT", "IDS_DIALOG-TAPREVIEW_PRINT_PORTRAIT",
          "IDS_DIALOG-TAPREVIEW_PRINT_LANDSCAPE", "IDS_DIALOG-TAPREVIEW_PRINT_EXTEND", "IDS_DIALOG-CONNECT_BUTTON_OK",
          "IDS_DIALOG-CONNECT_BUTTON_CANCEL", "IDS_NOSPECIALEDIT_NOT_INPUT", "IDS_NOSPECIALEDIT_NOT_PASTE"})
        EXPECT_FALSE(Backend().LangGetLangString(key).IsEmpty()) << key;
}

TEST_F(DefaultDataTest, NssiTreeIsFourLevelsDeepBelowTheRoot)
{
    ASSERT_TRUE(BackendStub::LoadDefaultData().empty());
    size_t nDeepest = 0, nNodes = 0;
    bool bEmptyNameAtLevel2 = false;
    std::function<void(const CString&, size_t)> walk = [&](const CString& parent, size_t level) {
        std::vector<SSINodeInfo> children;
        Backend().GetNSSINode(children, parent);
        for (const SSINodeInfo& node : children) {
            ++nNodes;
            nDeepest = std::max(nDeepest, level);
            EXPECT_EQ(node.m_nLevel, static_cast<int>(level)) << node.m_strNodeID.GetString();
            bEmptyNameAtLevel2 |= level == 2 && node.m_strNodeName.IsEmpty();
            walk(node.m_strNodeID, level + 1);
        }
    };
    const CString strRoot = Backend().GetNSSIRootID();
    ASSERT_FALSE(strRoot.IsEmpty());
    walk(strRoot, 1);
    // Four listed levels and one more the library never asks for.
    EXPECT_GE(nDeepest, 4u);
    EXPECT_GE(nNodes, 10u);
    EXPECT_TRUE(bEmptyNameAtLevel2);
}

TEST_F(DefaultDataTest, AppearanceDefaultsAndTheScreenScaleSwitch)
{
    Strings problems = SettingsStub::LoadDefaultData();
    EXPECT_TRUE(problems.empty()) << Joined(problems);
    problems = CommonObjectStub::LoadDefaultData();
    EXPECT_TRUE(problems.empty()) << Joined(problems);

    const std::pair<const char*, COLORREF> colours[] = {
        {"COLOR_LISTCTL_NORMALTEXT", RGB(220, 220, 220)}, {"COLOR_LISTCTL_BACKGROUND", RGB(0, 0, 0)},
        {"COLOR_LISTCTL_BACKGROUNDSLASH", RGB(24, 24, 48)}, {"COLOR_LISTCTL_NORMALNUMBER", RGB(255, 255, 0)},
        {"COLOR_LISTCTL_DOWN", RGB(0, 192, 0)}, {"COLOR_UNKNOWN_KEY", RGB(0, 0, 0)}};
    for (const auto& colour : colours)
        EXPECT_EQ(CSyncInfo::GetSettingCFG().SYS_crGetOtherColor(colour.first), colour.second) << colour.first;

    LOGFONT lf;
    ASSERT_NE(CComponentComFont::GetComponentComFont()->GetLogFont(&lf), 0);
    EXPECT_STREQ(lf.lfFaceName, "\xB7\x73\xB2\xD3\xA9\xFA\xC5\xE9"); // 新細明體
    EXPECT_EQ(lf.lfHeight, -12);
    EXPECT_EQ(dbGetDeviceScale(), 1.0);
    EXPECT_EQ(iCalTransDevScale(17), 17);

    // Lengths scale to the nearest pixel, halves away from zero; a value the
    // switch refuses is one problem and leaves the scale at 1.
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

TEST_F(DefaultDataTest, BadLinesAndMissingFilesAreReportedAndTheRestLoads)
{
    TempDataFile file("host-stub-bad.txt",
                      "service\t16\tTSE\n"                       // 1: good
                      "contract\t16\t2330\n"                     // 2: a field short
                      "contract\t16\t2317\t\xA5\x78\n"           // 3: Big5, not UTF-8
                      "contract\t300\t2317\tX\n"                 // 4: service out of range
                      "quote\t16\t2330\n"                        // 5: unknown kind
                      "contract\t16\t2454\t\xF0\x9F\x98\x80\n"   // 6: no such character in Big5
                      "contract\t16\t2412\t\xE4\xB8\xAD\xE8\x8F\xAF\xE9\x9B\xBB\n"); // 7: good, 中華電
    Strings problems = BackendStub::LoadDataFile(file.path);
    ASSERT_EQ(problems.size(), 5u) << Joined(problems);
    const int lines[] = {2, 3, 4, 5, 6};
    for (size_t i = 0; i < problems.size(); ++i) {
        CString prefix;
        prefix.Format("%s:%d: ", file.path.GetString(), lines[i]);
        EXPECT_EQ(problems[i].Left(prefix.GetLength()), prefix) << problems[i].GetString();
    }
    // The character Big5 lacks still gives its symbol, with '?' for it.
    Strings ids, names;
    ASSERT_TRUE(Backend().bGetAllContractID(ids, names, 16, ""));
    EXPECT_EQ(ids, (Strings{"2454", "2412"}));
    EXPECT_EQ(names[1], "\xA4\xA4\xB5\xD8\xB9\x71");

    TempDataFile settings("host-stub-colours.txt", "color\tCOLOR_A\t1\t2\t3\n"
                                                   "color\tCOLOR_B\t1\t2\t256\n"
                                                   "color\tCOLOR_C\t1\t2\n");
    EXPECT_EQ(SettingsStub::LoadDataFile(settings.path).size(), 2u);
    EXPECT_EQ(CSyncInfo::GetSettingCFG().SYS_crGetOtherColor("COLOR_A"), RGB(1, 2, 3));
    TempDataFile common("host-stub-common.txt", "scale\t150\n"
                                                "scale\t1.25\n"
                                                "font\t\t12\t400\n");
    EXPECT_EQ(CommonObjectStub::LoadDataFile(common.path).size(), 2u);
    EXPECT_EQ(dbGetDeviceScale(), 1.5);

    // A missing file is one problem and changes nothing.
    problems = BackendStub::LoadDataFile("no-such-folder\\market.txt");
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_EQ(problems[0].Left(25), "no-such-folder\\market.txt");
    EXPECT_EQ(SettingsStub::LoadDataFile("no-such-folder\\settings.txt").size(), 1u);
    EXPECT_EQ(CommonObjectStub::LoadDataFile("no-such-folder\\common.txt").size(), 1u);
    EXPECT_TRUE(Backend().bGetAllContractID(ids, names, 16, ""));
    EXPECT_EQ(ids.size(), 2u);
    EXPECT_EQ(dbGetDeviceScale(), 1.5);
}

TEST_F(DefaultDataTest, GeneratedCatalogueBeyond131072Symbols)
{
    // Block arithmetic and IDs are the generator's own (tested natively); here
    // its wiring into the backend and the names in Big5.
    BackendStub::LoadGeneratedCatalogue(131073, {16, 1});
    Strings ids16, names16, ids1, names1;
    ASSERT_TRUE(Backend().bGetAllContractID(ids16, names16, 16, ""));
    ASSERT_TRUE(Backend().bGetAllContractID(ids1, names1, 1, ""));
    EXPECT_EQ(ids16.size(), 65537u);
    EXPECT_EQ(ids1.size(), 65536u);
    EXPECT_EQ(ids1.back(), "131072");
    // 電子 + the ID, in Big5; also the symbol's item 1019.
    EXPECT_EQ(names16[0], "\xB9\x71\xA4\x6C" "000000");
    std::vector<X1Format> values;
    ASSERT_TRUE(Backend().bGetItemDataByItemNo(1, "131072", {1019}, values, true, nullptr));
    EXPECT_EQ(static_cast<CString>(values[0]), names1.back());
}

} // namespace
