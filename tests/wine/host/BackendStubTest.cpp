// The backend stand-in records each call's arguments as given, across the DLL
// boundary: the catalogue tests read the loaders' arguments from this record.
#include <gtest/gtest.h>

#include "BackendStub.h"

TEST(BackendStubTest, CallRecordKeepsTheArgumentsAsGiven)
{
    BackendStub::Reset();
    CCDSInfo cds;
    std::vector<X1Format> values(2);
    C_BKInterface::GetBKInterface()->bGetItemDataByItemNo(1, "6488", {1018}, values, false, &cds);
    ASSERT_EQ(BackendStub::Calls().size(), 1u);
    const BackendCall& call = BackendStub::Calls()[0];
    EXPECT_EQ(call.kind, BackendCallKind::GetItemDataByItemNo);
    EXPECT_EQ(call.service, 1);
    EXPECT_EQ(call.strKey, "6488");
    EXPECT_EQ(call.itemNos, (std::vector<unsigned short>{1018}));
    EXPECT_FALSE(call.bFlag);
    EXPECT_EQ(call.pCds, &cds);
    EXPECT_EQ(call.nOutputSizeOnEntry, 2u);
}
