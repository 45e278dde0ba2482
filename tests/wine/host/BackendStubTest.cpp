// The backend stand-in answers as the host's backend does where the library
// depends on it, across the DLL boundary, and records each call's arguments.
// Service lists, forced false answers and tree leaves are read through the
// symbol edit's loaders in the catalogue tests.
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

TEST_F(BackendStubTest, OutputsAreReplacedAndAMissingAnswerFailsWithNothing)
{
    BackendStub::SetContracts(16, {"2330", "2317", "23300"}, {"A", "B", "C"});
    BackendStub::SetItemValue(16, "2330", 1019, "TSMC");
    BackendStub::SetItemValue(1, "2330", 1019, "other market");
    BackendStub::SetNSSIChildren("A", {SSINodeInfo("A1", "Alpha one")});

    // A filter keeps the IDs that begin with it.
    Strings ids{"stale"}, names{"stale"};
    EXPECT_TRUE(Backend().bGetAllContractID(ids, names, 16, "2330"));
    EXPECT_EQ(ids, (Strings{"2330", "23300"}));
    EXPECT_EQ(names, (Strings{"A", "C"}));
    EXPECT_FALSE(Backend().bGetSymbolID(ids, names, 109, "NONE", "", nullptr));
    EXPECT_TRUE(ids.empty() && names.empty());

    // Values are per service and symbol; one unknown item fails the whole question.
    std::vector<X1Format> values(3);
    ASSERT_TRUE(Backend().bGetItemDataByItemNo(1, "2330", {1019}, values, true, nullptr));
    ASSERT_EQ(values.size(), 1u);
    EXPECT_EQ(static_cast<CString>(values[0]), "other market");
    EXPECT_FALSE(Backend().bGetItemDataByItemNo(16, "2330", {1019, 1018}, values, true, nullptr));
    EXPECT_TRUE(values.empty());
    std::vector<SSINodeInfo> children(2);
    EXPECT_TRUE(Backend().GetNSSINode(children, "A"));
    EXPECT_EQ(children.size(), 1u);
    EXPECT_EQ(Backend().LangGetLangString("IDS_UNKNOWN"), "");
}

TEST_F(BackendStubTest, TrueWithNoValueAndTheCallRecord)
{
    // True with no value: the case callers must treat as false.
    BackendStub::SetItemValue(16, "2330", 1019, "TSMC");
    BackendStub::SetAnswer(BackendCallKind::GetItemDataByItemNo, BackendAnswer::TrueEmpty);
    std::vector<X1Format> values(2);
    EXPECT_TRUE(Backend().bGetItemDataByItemNo(16, "2330", {1019}, values, true, nullptr));
    EXPECT_TRUE(values.empty());

    // A false flag and a CDS pointer are recorded as given.
    CCDSInfo cds;
    BackendStub::ClearCalls();
    Backend().bGetItemDataByItemNo(1, "6488", {1018}, values, false, &cds);
    ASSERT_EQ(BackendStub::Calls().size(), 1u);
    const BackendCall& call = BackendStub::Calls()[0];
    EXPECT_EQ(call.service, 1);
    EXPECT_EQ(call.strKey, "6488");
    EXPECT_EQ(call.itemNos, (std::vector<unsigned short>{1018}));
    EXPECT_FALSE(call.bFlag);
    EXPECT_EQ(call.pCds, &cds);
}

} // namespace
