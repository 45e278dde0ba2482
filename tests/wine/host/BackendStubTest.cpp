// The backend stand-in answers through C_BKInterface exactly as a test
// programmed it, across the DLL boundary, and records each call's arguments.
#include <gtest/gtest.h>

#include "BackendStub.h"

namespace {

typedef std::vector<CString> Strings;

class BackendStubTest : public ::testing::Test {
protected:
    void SetUp() override { BackendStub::Reset(); }
    void TearDown() override { BackendStub::Reset(); }

    C_BKInterface& Backend() { return *C_BKInterface::GetBKInterface(); }
};

TEST_F(BackendStubTest, OneInstanceForTheWholeProcess)
{
    EXPECT_NE(C_BKInterface::GetBKInterface(), nullptr);
    EXPECT_EQ(C_BKInterface::GetBKInterface(), C_BKInterface::GetBKInterface());
}

TEST_F(BackendStubTest, CatalogueAnswersAsProgrammed)
{
    BackendStub::SetServices({16, 1, 16});
    BackendStub::SetServiceName(16, "TSE");
    BackendStub::SetContracts(16, {"2330", "2317", "23300"}, {"A", "B", "C"});
    BackendStub::SetSymbols(2, "", {"TXF1"}, {"F1"});
    BackendStub::SetSymbols(109, "TXO", {"TXO1", "TXO2"}, {"O1", "O2"});
    BackendStub::SetCommodities(109, {"TXO"}, {"Index options"});
    BackendStub::SetWarrants({"030001", "030002"});

    std::vector<unsigned char> services;
    ASSERT_TRUE(Backend().bGetAllServiceID(services));
    EXPECT_EQ(services, (std::vector<unsigned char>{16, 1, 16})); // duplicates kept, order kept

    CString name = "stale";
    EXPECT_TRUE(Backend().bGetServiceExName(name, 16));
    EXPECT_EQ(name, "TSE");
    EXPECT_FALSE(Backend().bGetServiceExName(name, 99));
    EXPECT_EQ(name, "");

    Strings ids, names;
    EXPECT_TRUE(Backend().bGetAllContractID(ids, names, 16, ""));
    EXPECT_EQ(ids, (Strings{"2330", "2317", "23300"}));
    EXPECT_EQ(names, (Strings{"A", "B", "C"}));
    EXPECT_TRUE(Backend().bGetAllContractID(ids, names, 16, "2330"));
    EXPECT_EQ(ids, (Strings{"2330", "23300"}));

    EXPECT_TRUE(Backend().bGetSymbolID(ids, names, 2, "", "", nullptr));
    EXPECT_EQ(ids, (Strings{"TXF1"}));
    EXPECT_TRUE(Backend().bGetSymbolID(ids, names, 109, "TXO", "", nullptr));
    EXPECT_EQ(names, (Strings{"O1", "O2"}));
    EXPECT_FALSE(Backend().bGetSymbolID(ids, names, 109, "NONE", "", nullptr));
    EXPECT_TRUE(ids.empty());

    const int n = 0;
    EXPECT_TRUE(Backend().bGetAllCommodityID(ids, names, 109, n));
    EXPECT_EQ(ids, (Strings{"TXO"}));

    EXPECT_TRUE(Backend().bGetAllWarrantRelate(ids));
    EXPECT_EQ(ids, (Strings{"030001", "030002"}));

    EXPECT_FALSE(Backend().GetSymbolIDIsRealMonth());
    BackendStub::SetRealMonth(true);
    EXPECT_TRUE(Backend().GetSymbolIDIsRealMonth());
}

TEST_F(BackendStubTest, ItemValuesPerSymbolAndItemNumber)
{
    BackendStub::SetItemValue(16, "2330", 1019, "TSMC");
    BackendStub::SetItemValue(16, "2330", 1018, "2330R");
    BackendStub::SetItemValue(1, "2330", 1019, "other market");

    std::vector<X1Format> values(3); // whatever the caller held is replaced
    ASSERT_TRUE(Backend().bGetItemDataByItemNo(16, "2330", {1019}, values, true, nullptr));
    ASSERT_EQ(values.size(), 1u);
    EXPECT_EQ(static_cast<CString>(values[0]), "TSMC");

    ASSERT_TRUE(Backend().bGetItemDataByItemNo(16, "2330", {1018, 1019}, values, true, nullptr));
    ASSERT_EQ(values.size(), 2u);
    EXPECT_EQ(static_cast<CString>(values[0]), "2330R");

    EXPECT_TRUE(Backend().bGetItemDataByItemNo(1, "2330", {1019}, values, true, nullptr));
    EXPECT_EQ(static_cast<CString>(values[0]), "other market");

    // A symbol without the item: false and no value, so the caller skips it.
    EXPECT_FALSE(Backend().bGetItemDataByItemNo(1, "2330", {1018}, values, true, nullptr));
    EXPECT_TRUE(values.empty());
    EXPECT_FALSE(Backend().bGetItemDataByItemNo(16, "9999", {1019}, values, true, nullptr));
}

TEST_F(BackendStubTest, NssiNodeReplacesTheVectorContent)
{
    BackendStub::SetNSSIRoot("ROOT");
    BackendStub::SetNSSIChildren("ROOT", {SSINodeInfo("A", "Alpha"), SSINodeInfo("B", "")});
    BackendStub::SetNSSIChildren("A", {SSINodeInfo("A1", "Alpha one")});

    EXPECT_EQ(Backend().GetNSSIRootID(), "ROOT");
    std::vector<SSINodeInfo> children;
    EXPECT_TRUE(Backend().GetNSSINode(children, "ROOT"));
    ASSERT_EQ(children.size(), 2u);
    EXPECT_EQ(children[1].m_strNodeID, "B");
    EXPECT_EQ(children[1].m_strNodeName, "");

    // The same vector asked again holds only the new answer.
    EXPECT_TRUE(Backend().GetNSSINode(children, "A"));
    ASSERT_EQ(children.size(), 1u);
    EXPECT_EQ(children[0].m_strNodeName, "Alpha one");
    EXPECT_FALSE(Backend().GetNSSINode(children, "A1")); // a leaf
    EXPECT_TRUE(children.empty());

    const BackendCall& last = BackendStub::Calls().back();
    EXPECT_EQ(last.kind, BackendCallKind::GetNSSINode);
    EXPECT_EQ(last.strKey, "A1");
    EXPECT_EQ(last.nOutputSizeOnEntry, 1u);
}

TEST_F(BackendStubTest, LanguageTableAnswersByKeyAndEmptyForUnknown)
{
    BackendStub::SetLangString("IDS_TOOLBAR_NOMATCH", "no match");
    EXPECT_EQ(Backend().LangGetLangString("IDS_TOOLBAR_NOMATCH"), "no match");
    EXPECT_EQ(Backend().LangGetLangString("IDS_UNKNOWN"), "");
}

TEST_F(BackendStubTest, ForcedAnswersAreFalseOrTrueWithEmptyOutputs)
{
    BackendStub::SetServices({16});
    BackendStub::SetServiceName(16, "TSE");
    BackendStub::SetContracts(16, {"2330"}, {"A"});
    BackendStub::SetItemValue(16, "2330", 1019, "TSMC");
    BackendStub::SetLangString("K", "text");
    BackendStub::SetNSSIRoot("ROOT");
    BackendStub::SetRealMonth(true);

    std::vector<unsigned char> services;
    BackendStub::SetAnswer(BackendCallKind::GetAllServiceID, BackendAnswer::FalseEmpty);
    EXPECT_FALSE(Backend().bGetAllServiceID(services));
    EXPECT_TRUE(services.empty());
    BackendStub::SetAnswer(BackendCallKind::GetAllServiceID, BackendAnswer::TrueEmpty);
    EXPECT_TRUE(Backend().bGetAllServiceID(services));
    EXPECT_TRUE(services.empty());
    BackendStub::SetAnswer(BackendCallKind::GetAllServiceID, BackendAnswer::AsProgrammed);
    EXPECT_TRUE(Backend().bGetAllServiceID(services));
    EXPECT_EQ(services.size(), 1u);

    // True with no value: the case callers must treat as false.
    std::vector<X1Format> values;
    BackendStub::SetAnswer(BackendCallKind::GetItemDataByItemNo, BackendAnswer::TrueEmpty);
    EXPECT_TRUE(Backend().bGetItemDataByItemNo(16, "2330", {1019}, values, true, nullptr));
    EXPECT_TRUE(values.empty());

    Strings ids, names;
    BackendStub::SetAnswer(BackendCallKind::GetAllContractID, BackendAnswer::FalseEmpty);
    EXPECT_FALSE(Backend().bGetAllContractID(ids, names, 16, ""));
    EXPECT_TRUE(ids.empty() && names.empty());

    CString name;
    BackendStub::SetAnswer(BackendCallKind::GetServiceExName, BackendAnswer::TrueEmpty);
    EXPECT_TRUE(Backend().bGetServiceExName(name, 16));
    EXPECT_EQ(name, "");

    BackendStub::SetAnswer(BackendCallKind::LangGetLangString, BackendAnswer::FalseEmpty);
    EXPECT_EQ(Backend().LangGetLangString("K"), "");
    BackendStub::SetAnswer(BackendCallKind::GetNSSIRootID, BackendAnswer::TrueEmpty);
    EXPECT_EQ(Backend().GetNSSIRootID(), "");
    BackendStub::SetAnswer(BackendCallKind::GetSymbolIDIsRealMonth, BackendAnswer::FalseEmpty);
    EXPECT_FALSE(Backend().GetSymbolIDIsRealMonth());
}

TEST_F(BackendStubTest, CallsAreCountedWithTheirArguments)
{
    CCDSInfo cds;
    Strings ids{"left over"}, names;
    std::vector<X1Format> values;
    const int n = 7;
    Backend().bGetAllContractID(ids, names, 16, "");
    Backend().bGetSymbolID(ids, names, 109, "TXO", "2nd", &cds);
    Backend().bGetAllCommodityID(ids, names, 109, n);
    Backend().bGetItemDataByItemNo(1, "6488", {1018}, values, false, nullptr);
    Backend().LangGetLangString("IDS_NOSPECIALEDIT_NOT_INPUT");

    EXPECT_EQ(BackendStub::CallCount(BackendCallKind::GetAllContractID), 1u);
    EXPECT_EQ(BackendStub::CallCount(BackendCallKind::GetServiceExName), 0u);
    const std::vector<BackendCall>& calls = BackendStub::Calls();
    ASSERT_EQ(calls.size(), 5u);

    EXPECT_EQ(calls[0].kind, BackendCallKind::GetAllContractID);
    EXPECT_EQ(calls[0].service, 16);
    EXPECT_EQ(calls[0].strKey, ""); // the filter
    EXPECT_EQ(calls[0].nOutputSizeOnEntry, 1u);

    EXPECT_EQ(calls[1].strKey, "TXO");
    EXPECT_EQ(calls[1].strSecond, "2nd");
    EXPECT_EQ(calls[1].pCds, &cds);

    EXPECT_EQ(calls[2].n, 7);

    EXPECT_EQ(calls[3].service, 1);
    EXPECT_EQ(calls[3].strKey, "6488");
    EXPECT_EQ(calls[3].itemNos, (std::vector<unsigned short>{1018}));
    EXPECT_FALSE(calls[3].bFlag);
    EXPECT_EQ(calls[3].pCds, nullptr);

    EXPECT_EQ(calls[4].strKey, "IDS_NOSPECIALEDIT_NOT_INPUT");

    BackendStub::ClearCalls();
    EXPECT_TRUE(BackendStub::Calls().empty());
}

} // namespace
