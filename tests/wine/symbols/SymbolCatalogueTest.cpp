// The symbol edit's catalogue loaders against the backend stand-in: which
// questions they ask, in which order and with which arguments, and the lines
// they build from the answers.
#include <gtest/gtest.h>

#include <string>

#include "BackendStub.h"
#include "SymbolSearchEditTestAccess.h"

namespace {

typedef CSymbolSearchEditTestAccess Access;
typedef std::vector<std::string> Texts;

// One call of the record in a short form that names every argument the
// loaders pass.
std::string Describe(const BackendCall& call)
{
    const std::string svc = std::to_string(call.service);
    const std::string key = call.strKey.GetString();
    const std::string cds = call.pCds ? " cds" : " null";
    switch (call.kind) {
    case BackendCallKind::GetAllServiceID: return "services/" + std::to_string(call.nOutputSizeOnEntry);
    case BackendCallKind::GetServiceExName: return "name " + svc;
    case BackendCallKind::GetAllContractID: return "contracts " + svc + " '" + key + "'";
    case BackendCallKind::GetSymbolID: return "symbols " + svc + " '" + key + "' '" + call.strSecond.GetString() + "'" + cds;
    case BackendCallKind::GetAllCommodityID: return "commodities " + svc + " n=" + std::to_string(call.n);
    case BackendCallKind::GetSymbolIDIsRealMonth: return "realmonth";
    case BackendCallKind::GetItemDataByItemNo: {
        std::string items;
        for (unsigned short no : call.itemNos)
            items += " " + std::to_string(no);
        return "item " + svc + " " + key + items + (call.bFlag ? " true" : " false") + cds;
    }
    case BackendCallKind::GetNSSIRootID: return "root";
    case BackendCallKind::GetNSSINode: return "node " + key + "/" + std::to_string(call.nOutputSizeOnEntry);
    case BackendCallKind::GetAllWarrantRelate: return "warrants/" + std::to_string(call.nOutputSizeOnEntry);
    default: return "other";
    }
}

Texts CallLog()
{
    Texts log;
    for (const BackendCall& call : BackendStub::Calls())
        log.push_back(Describe(call));
    return log;
}

// "line | service symbol" for each entry, both pairs of the symbol checked.
Texts Lines(const CSymbolSearchEdit& edit)
{
    Texts lines;
    for (const CSymbolSearchEntry& entry : Access::Catalogue(edit)) {
        const CSymbolInfo& info = entry.m_info;
        EXPECT_EQ(info.m_ucService, info.m_ucServiceMirror);
        EXPECT_STREQ(info.m_strSymbol.GetString(), info.m_strSymbolMirror.GetString());
        lines.push_back(std::string(entry.m_strLine.GetString()) + " | " + std::to_string(info.m_ucService) + " " +
                        info.m_strSymbol.GetString());
    }
    return lines;
}

class SymbolCatalogueTest : public ::testing::Test {
protected:
    void SetUp() override { BackendStub::Reset(); }
    void TearDown() override { BackendStub::Reset(); }

    CSymbolSearchEdit m_edit;
};

TEST_F(SymbolCatalogueTest, TypeChoosesTheLoaderSettingItLoadsNothing)
{
    EXPECT_EQ(Access::Type(m_edit), CSymbolSearchEdit::TYPE_NONE);
    EXPECT_GE(Access::Catalogue(m_edit).capacity(), 131072u);
    std::vector<CSymbolInfo> records(1);
    records[0].SetService(16);
    records[0].SetSymbol("2330");
    BackendStub::SetItemValue(16, "2330", 1019, "TSMC");
    // The first question tells the loader; without one the host's catalogue stays.
    const std::pair<int, const char*> kTypes[] = {
        {CSymbolSearchEdit::TYPE_NONE, ""}, {4, ""}, {-1, ""}, {CSymbolSearchEdit::TYPE_SYMBOL, "services/0"},
        {CSymbolSearchEdit::TYPE_WARRANT, "warrants/0"}, {CSymbolSearchEdit::TYPE_INDUSTRY, "name 16"}};
    for (const auto& type : kTypes) {
        m_edit.SetSearchData(records);
        BackendStub::ClearCalls();
        m_edit.SetType(static_cast<CSymbolSearchEdit::TYPE>(type.first));
        EXPECT_TRUE(BackendStub::Calls().empty());
        Access::LoadCatalogue(m_edit);
        const Texts calls = CallLog();
        EXPECT_EQ(calls.empty() ? "" : calls.front(), type.second) << type.first;
        EXPECT_EQ(Access::Catalogue(m_edit).size(), calls.empty() ? 1u : 0u) << type.first;
    }
}

TEST_F(SymbolCatalogueTest, SymbolLoaderOrderSkipsAndRepeats)
{
    BackendStub::SetServices({5, 16, 79, 1, 109, 5, 7});
    BackendStub::SetServiceName(16, "TSE");
    BackendStub::SetServiceName(1, "OTC");
    BackendStub::SetServiceName(109, "OPT");
    BackendStub::SetServiceName(5, "%s");
    BackendStub::SetContracts(16, {"2330", "12345678"}, {"TSMC", "eight"});
    BackendStub::SetContracts(1, {"6488", "123456789AB"}, {"\xA5\x41\xA6\x6E", "long"});
    BackendStub::SetContracts(79, {"X"}, {"never"});
    BackendStub::SetContracts(5, {"%d", "E"}, {"%n%s", ""});
    BackendStub::SetCommodities(109, {"TXO", "TEO"}, {"ignored", "ignored"});
    BackendStub::SetSymbols(109, "TXO", {"TXO18000L5"}, {"call"});
    BackendStub::SetSymbols(109, "TEO", {"TEO1", "TEO2"}, {"e1", "e2"});

    Access::InitSymbolID(m_edit);

    const Texts expected = {
        "[TSE]2330     TSMC | 16 2330",
        "[TSE]12345678 eight | 16 12345678",
        "[OTC]6488     \xA5\x41\xA6\x6E | 1 6488",
        "[OTC]123456789AB long | 1 123456789AB",
        "[OPT]TXO18000L5 call | 109 TXO18000L5",
        "[OPT]TEO1     e1 | 109 TEO1",
        "[OPT]TEO2     e2 | 109 TEO2",
        "[%s]%d       %n%s | 5 %d",
        "[%s]E         | 5 E",
        "[%s]%d       %n%s | 5 %d", // listed twice by the backend, loaded twice
        "[%s]E         | 5 E",
        // 7: no name, no contracts: nothing
    };
    EXPECT_EQ(Lines(m_edit), expected);

    const Texts calls = {
        "services/0",
        "name 16", "contracts 16 ''", "realmonth",
        "name 1", "contracts 1 ''", "realmonth",
        "name 109", "commodities 109 n=0", "symbols 109 'TXO' '' null", "symbols 109 'TEO' '' null",
        "name 5", "contracts 5 ''", "realmonth",
        "name 5", "contracts 5 ''", "realmonth",
        "name 7", "contracts 7 ''", "realmonth",
    };
    EXPECT_EQ(CallLog(), calls);
}

TEST_F(SymbolCatalogueTest, SingleContractFallsBackToItsSymbolsOnce)
{
    BackendStub::SetServices({16, 1});
    BackendStub::SetServiceName(16, "TSE");
    BackendStub::SetContracts(16, {"ONLY"}, {"the contract"});
    BackendStub::SetSymbols(16, "", {"2330", "2317"}, {"A", "B"});
    BackendStub::SetContracts(1, {"6488", "6489"}, {"C", "D"});
    BackendStub::SetSymbols(1, "", {"wrong"}, {"wrong"});

    Access::InitSymbolID(m_edit);

    EXPECT_EQ(Lines(m_edit), (Texts{"[TSE]2330     A | 16 2330", "[TSE]2317     B | 16 2317",
                                    "[]6488     C | 1 6488", "[]6489     D | 1 6489"}));
    EXPECT_EQ(CallLog(), (Texts{"services/0", "name 16", "contracts 16 ''", "symbols 16 '' '' null", "realmonth",
                                "name 1", "contracts 1 ''", "realmonth", "name 109", "commodities 109 n=0"}));
}

TEST_F(SymbolCatalogueTest, RealMonthShowsDisplayCodeAndDropsUnansweredContracts)
{
    BackendStub::SetRealMonth(true);
    BackendStub::SetServiceName(2, "FUT");
    BackendStub::SetContracts(2, {"TXF202612", "MXF202612", "ZZZ"}, {"TX Dec", "MX Dec", "no code"});
    BackendStub::SetItemValue(2, "TXF202612", 1018, "TXFL6");
    BackendStub::SetItemValue(2, "MXF202612", 1018, "%s\xA5\x41");
    BackendStub::SetItemValue(2, "ZZZ", 1019, "only a name");

    Access::InitialServiceSymbol(m_edit, 2);

    EXPECT_EQ(Lines(m_edit), (Texts{"[FUT]TXFL6    TX Dec | 2 TXF202612", "[FUT]%s\xA5\x41     MX Dec | 2 MXF202612"}));
    EXPECT_EQ(CallLog(), (Texts{"name 2", "contracts 2 ''", "realmonth", "item 2 TXF202612 1018 true null",
                                "item 2 MXF202612 1018 true null", "item 2 ZZZ 1018 true null"}));

    // A true answer without a value counts as no answer; the loader appends.
    BackendStub::SetAnswer(BackendCallKind::GetItemDataByItemNo, BackendAnswer::TrueEmpty);
    Access::InitialServiceSymbol(m_edit, 2);
    EXPECT_EQ(Access::Catalogue(m_edit).size(), 2u);
}

TEST_F(SymbolCatalogueTest, WarrantsAndHostRecordsUseItemNamesAndDropUnknownSymbols)
{
    BackendStub::SetWarrants({"030001", "030002", "03000312345"});
    BackendStub::SetItemValue(16, "030001", 1019, "\xA5\x41\xA6\x6E%s");
    BackendStub::SetItemValue(16, "03000312345", 1019, "");
    BackendStub::SetItemValue(1, "6488", 1019, "GW");
    BackendStub::SetItemValue(16, "%d", 1019, "pct");

    Access::InitWarrant(m_edit);
    EXPECT_EQ(Lines(m_edit), (Texts{"030001 \xA5\x41\xA6\x6E%s | 16 030001", "03000312345  | 16 03000312345"}));
    EXPECT_EQ(CallLog(), (Texts{"warrants/0", "item 16 030001 1019 true null", "item 16 030002 1019 true null",
                                "item 16 03000312345 1019 true null"}));

    // Host records: read through the getters, which fix their mirrors.
    std::vector<CSymbolInfo> records(3);
    records[0].m_ucService = 1;
    records[0].m_strSymbol = "6488";
    records[0].m_ucServiceMirror = 200;
    records[1].SetService(16);
    records[1].SetSymbol("unknown");
    records[2].SetService(16);
    records[2].SetSymbol("%d");
    records[2].m_strSymbolMirror = "stale";
    BackendStub::ClearCalls();

    m_edit.SetSearchData(records);

    EXPECT_EQ(Lines(m_edit), (Texts{"6488 GW | 1 6488", "%d pct | 16 %d"}));
    EXPECT_EQ(CallLog(), (Texts{"item 1 6488 1019 true null", "item 16 unknown 1019 true null",
                                "item 16 %d 1019 true null"}));
    for (const CSymbolInfo& record : records) {
        EXPECT_EQ(record.m_ucService, record.m_ucServiceMirror);
        EXPECT_STREQ(record.m_strSymbol.GetString(), record.m_strSymbolMirror.GetString());
    }
}

TEST_F(SymbolCatalogueTest, IndustryTreeDepthFirstToLevelFourWithoutNamelessBranches)
{
    BackendStub::SetServiceName(105, "IND");
    BackendStub::SetNSSIRoot("R");
    BackendStub::SetNSSIChildren("R", {SSINodeInfo("L1a", "level one"), SSINodeInfo("L1b", "")});
    BackendStub::SetNSSIChildren("L1a", {SSINodeInfo("A", "\xA5\x41"), SSINodeInfo("GAP", ""), SSINodeInfo("B", "b")});
    BackendStub::SetNSSIChildren("L1b", {SSINodeInfo("C", "c")});
    BackendStub::SetNSSIChildren("GAP", {SSINodeInfo("HIDDEN", "hidden")});
    BackendStub::SetNSSIChildren("A", {SSINodeInfo("A1", "a1"), SSINodeInfo("A2", "")});
    BackendStub::SetNSSIChildren("A2", {SSINodeInfo("HIDDEN2", "hidden")});
    BackendStub::SetNSSIChildren("A1", {SSINodeInfo("A1x", "a1x")});
    BackendStub::SetNSSIChildren("A1x", {SSINodeInfo("TOO_DEEP", "five")});

    Access::InitIndustryID(m_edit);

    EXPECT_EQ(Lines(m_edit), (Texts{"[IND]A        \xA5\x41 | 105 A", "[IND]A1       a1 | 105 A1",
                                    "[IND]A1x      a1x | 105 A1x", "[IND]B        b | 105 B",
                                    "[IND]C        c | 105 C"}));
    // Level 2 is asked with an emptied vector; levels 3 and 4 with the last answer.
    EXPECT_EQ(CallLog(), (Texts{"name 16", "contracts 16 ''", "realmonth", "name 105", "root", "node R/0",
                                "node L1a/0", "node A/0", "node A1/0", "node B/2", "node L1b/0", "node C/0"}));
}

TEST_F(SymbolCatalogueTest, AFalseServiceListStopsTheSymbolLoaderBeforeAnyOtherQuestion)
{
    BackendStub::SetServices({16});
    BackendStub::SetContracts(16, {"2330", "2317"}, {"A", "B"});
    BackendStub::SetAnswer(BackendCallKind::GetAllServiceID, BackendAnswer::FalseEmpty);
    Access::InitSymbolID(m_edit);
    EXPECT_EQ(CallLog(), (Texts{"services/0"}));
    EXPECT_TRUE(Access::Catalogue(m_edit).empty());
}

} // namespace
