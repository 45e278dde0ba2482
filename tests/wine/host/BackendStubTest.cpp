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

TEST_F(BackendStubTest, CatalogueAnswersAsProgrammed)
{
    EXPECT_EQ(C_BKInterface::GetBKInterface(), C_BKInterface::GetBKInterface());
    BackendStub::SetServices({16, 1, 16});
    BackendStub::SetContracts(16, {"2330", "2317", "23300"}, {"A", "B", "C"});
    BackendStub::SetSymbols(109, "TXO", {"TXO1", "TXO2"}, {"O1", "O2"});
    BackendStub::SetItemValue(16, "2330", 1019, "TSMC");
    BackendStub::SetItemValue(1, "2330", 1019, "other market");

    std::vector<unsigned char> services;
    ASSERT_TRUE(Backend().bGetAllServiceID(services));
    EXPECT_EQ(services, (std::vector<unsigned char>{16, 1, 16})); // duplicates and order kept

    // Outputs are replaced, never appended to; a filter keeps IDs that begin with it.
    Strings ids{"stale"}, names{"stale"};
    EXPECT_TRUE(Backend().bGetAllContractID(ids, names, 16, "2330"));
    EXPECT_EQ(ids, (Strings{"2330", "23300"}));
    EXPECT_EQ(names, (Strings{"A", "C"}));
    EXPECT_TRUE(Backend().bGetSymbolID(ids, names, 109, "TXO", "", nullptr));
    EXPECT_EQ(names, (Strings{"O1", "O2"}));
    EXPECT_FALSE(Backend().bGetSymbolID(ids, names, 109, "NONE", "", nullptr));
    EXPECT_TRUE(ids.empty() && names.empty());

    // Item values are per service and symbol; a missing one fails the query.
    std::vector<X1Format> values(3);
    ASSERT_TRUE(Backend().bGetItemDataByItemNo(1, "2330", {1019}, values, true, nullptr));
    ASSERT_EQ(values.size(), 1u);
    EXPECT_EQ(static_cast<CString>(values[0]), "other market");
    EXPECT_FALSE(Backend().bGetItemDataByItemNo(16, "2330", {1018}, values, true, nullptr));
    EXPECT_TRUE(values.empty());

    EXPECT_EQ(Backend().LangGetLangString("IDS_UNKNOWN"), "");
}

TEST_F(BackendStubTest, NssiNodeReplacesTheVectorContent)
{
    BackendStub::SetNSSIChildren("ROOT", {SSINodeInfo("A", "Alpha"), SSINodeInfo("B", "")});
    BackendStub::SetNSSIChildren("A", {SSINodeInfo("A1", "Alpha one")});

    std::vector<SSINodeInfo> children;
    EXPECT_TRUE(Backend().GetNSSINode(children, "ROOT"));
    ASSERT_EQ(children.size(), 2u);
    EXPECT_TRUE(Backend().GetNSSINode(children, "A"));
    ASSERT_EQ(children.size(), 1u);
    EXPECT_EQ(children[0].m_strNodeName, "Alpha one");
    EXPECT_FALSE(Backend().GetNSSINode(children, "A1")); // a leaf
    EXPECT_TRUE(children.empty());
    EXPECT_EQ(BackendStub::Calls().back().nOutputSizeOnEntry, 1u);
}

TEST_F(BackendStubTest, ForcedAnswersAreFalseOrTrueWithEmptyOutputs)
{
    BackendStub::SetServices({16});
    BackendStub::SetServiceName(16, "TSE");
    BackendStub::SetItemValue(16, "2330", 1019, "TSMC");
    BackendStub::SetLangString("K", "text");
    BackendStub::SetRealMonth(true);

    std::vector<unsigned char> services;
    BackendStub::SetAnswer(BackendCallKind::GetAllServiceID, BackendAnswer::FalseEmpty);
    EXPECT_FALSE(Backend().bGetAllServiceID(services));
    EXPECT_TRUE(services.empty());
    BackendStub::SetAnswer(BackendCallKind::GetAllServiceID, BackendAnswer::AsProgrammed);
    EXPECT_TRUE(Backend().bGetAllServiceID(services));
    EXPECT_EQ(services.size(), 1u);

    // True with no value: the case callers must treat as false.
    std::vector<X1Format> values;
    BackendStub::SetAnswer(BackendCallKind::GetItemDataByItemNo, BackendAnswer::TrueEmpty);
    EXPECT_TRUE(Backend().bGetItemDataByItemNo(16, "2330", {1019}, values, true, nullptr));
    EXPECT_TRUE(values.empty());

    CString name;
    BackendStub::SetAnswer(BackendCallKind::GetServiceExName, BackendAnswer::TrueEmpty);
    EXPECT_TRUE(Backend().bGetServiceExName(name, 16));
    EXPECT_EQ(name, "");
    BackendStub::SetAnswer(BackendCallKind::LangGetLangString, BackendAnswer::FalseEmpty);
    EXPECT_EQ(Backend().LangGetLangString("K"), "");
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

    EXPECT_EQ(BackendStub::CallCount(BackendCallKind::GetAllContractID), 1u);
    EXPECT_EQ(BackendStub::CallCount(BackendCallKind::GetServiceExName), 0u);
    const std::vector<BackendCall>& calls = BackendStub::Calls();
    ASSERT_EQ(calls.size(), 4u);

    EXPECT_EQ(calls[0].service, 16);
    EXPECT_EQ(calls[0].strKey, ""); // the filter
    EXPECT_EQ(calls[0].nOutputSizeOnEntry, 1u);
    EXPECT_EQ(calls[1].strKey, "TXO");
    EXPECT_EQ(calls[1].strSecond, "2nd");
    EXPECT_EQ(calls[1].pCds, &cds);
    EXPECT_EQ(calls[2].n, 7);
    EXPECT_EQ(calls[3].strKey, "6488");
    EXPECT_EQ(calls[3].itemNos, (std::vector<unsigned short>{1018}));
    EXPECT_FALSE(calls[3].bFlag);

    BackendStub::ClearCalls();
    EXPECT_TRUE(BackendStub::Calls().empty());
}

} // namespace
