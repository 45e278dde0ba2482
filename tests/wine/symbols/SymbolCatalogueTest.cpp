// The symbol edit's catalogue loaders against the backend stand-in: which
// questions they ask, in which order and with which arguments, and the lines
// they build from the answers; and the records they hand over, whose two
// pairs CSymbolInfo keeps in step.
#include <gtest/gtest.h>

#include <string>

#include "BackendStub.h"
#include "SymbolCatalogue.h"

namespace {

typedef std::vector<std::string> Texts;

// Each call recorded since the last look, which forgets them: its kind, then every
// argument that is not zero or empty, "/n" being the size of the output vector the
// loader handed over.
Texts CallLog()
{
    static const char* const kKinds[] = {"lang",      "services", "name", "contracts", "symbols", "commodities",
                                         "realmonth", "item",     "root", "node",      "warrants"};
    Texts log;
    for (const BackendCall& call : BackendStub::Calls()) {
        std::string text = kKinds[static_cast<int>(call.kind)];
        text += call.service ? " " + std::to_string(call.service) : "";
        for (const CString* pstr : {&call.strKey, &call.strSecond})
            text += pstr->IsEmpty() ? "" : std::string(" '") + pstr->GetString() + "'";
        for (unsigned short no : call.itemNos)
            text += " " + std::to_string(no);
        text += std::string(call.bFlag ? " flag" : "") + (call.pCds ? " cds" : "");
        text += call.n ? " n=" + std::to_string(call.n) : "";
        log.push_back(text + (call.nOutputSizeOnEntry ? " /" + std::to_string(call.nOutputSizeOnEntry) : ""));
    }
    BackendStub::ClearCalls();
    return log;
}

// "line | service symbol" for each entry; every line has its upper-cased copy.
Texts Lines(const SymbolCatalogue& catalogue)
{
    Texts lines;
    EXPECT_EQ(catalogue.UpperCasedLines().Size(), catalogue.Entries().size());
    for (const CSymbolSearchEntry& entry : catalogue.Entries())
        lines.push_back(std::string(entry.m_strLine.GetString()) + " | " + std::to_string(entry.m_info.m_ucService) +
                        " " + entry.m_info.m_strSymbol.GetString());
    return lines;
}

// "service symbol / mirrored service and symbol".
std::string Pairs(const CSymbolInfo& info)
{
    return std::to_string(info.m_ucService) + " " + info.m_strSymbol.GetString() + " / " +
           std::to_string(info.m_ucServiceMirror) + " " + info.m_strSymbolMirror.GetString();
}

// Copies take the source's main pair only, getters refresh the mirrors, setters go through the mirrors.
TEST(SymbolInfo, CopiesTakeTheMainPairGettersRefreshMirrorsSettersKeepPairsEqual)
{
    CSymbolInfo skewed;
    skewed.m_ucService = 16;
    skewed.m_strSymbol = "2330";
    skewed.m_ucServiceMirror = 99;
    skewed.m_strSymbolMirror = "stale";
    EXPECT_EQ(Pairs(CSymbolInfo(skewed)), "16 2330 / 16 2330");
    CSymbolInfo target;
    target.SetService(7);
    target.SetSymbol("\xA5\x41%s 123456789");
    EXPECT_EQ(Pairs(target), "7 \xA5\x41%s 123456789 / 7 \xA5\x41%s 123456789");
    target = skewed;
    EXPECT_EQ(Pairs(target), "16 2330 / 16 2330");
    EXPECT_EQ(Pairs(skewed), "16 2330 / 99 stale") << "the source is not written";
    EXPECT_EQ(std::to_string(skewed.GetService()) + " " + skewed.GetSymbol().GetString(), "16 2330");
    EXPECT_EQ(Pairs(skewed), "16 2330 / 16 2330");
    skewed.Clear();
    EXPECT_EQ(Pairs(skewed), "0  / 0 ");
}

// The host's records, then each loader in turn: the questions it asks, in
// order with their arguments, and the lines it builds from the answers.
TEST(SymbolCatalogue, RecordsThenEachLoaderAskInOrderAndListWhatTheAnswersName)
{
    BackendStub::Reset();
    BackendStub::RecordCalls(true);
    std::vector<CSymbolSearchEntry> entries;
    SymbolCatalogue catalogue(entries);
    // The host's records are read through the getters, which fix the caller's mirrors. Setting a type
    // loads nothing; the next load asks the chosen loader's first question.
    std::vector<CSymbolInfo> records(1);
    records[0].m_ucService = 1;
    records[0].m_strSymbol = "6488";
    records[0].m_ucServiceMirror = 200;
    BackendStub::SetItemValue(1, "6488", 1019, "GW");
    catalogue.LoadRecords(records);
    EXPECT_EQ(CallLog(), Texts{"item 1 '6488' 1019 flag"});
    EXPECT_EQ(records[0].m_ucServiceMirror, 1);
    const std::pair<int, const char*> kTypes[] = {
        {CSymbolSearchEdit::TYPE_NONE, ""}, {4, ""}, {-1, ""}, {CSymbolSearchEdit::TYPE_SYMBOL, "services"},
        {CSymbolSearchEdit::TYPE_WARRANT, "warrants"}, {CSymbolSearchEdit::TYPE_INDUSTRY, "name 16"}};
    CSymbolSearchEdit edit;
    for (const auto& type : kTypes) {
        catalogue.LoadRecords(records);
        BackendStub::ClearCalls();
        edit.SetType(static_cast<CSymbolSearchEdit::TYPE>(type.first));
        EXPECT_TRUE(BackendStub::Calls().empty());
        catalogue.Load(static_cast<CSymbolSearchEdit::TYPE>(type.first));
        const Texts calls = CallLog();
        EXPECT_EQ(calls.empty() ? "" : calls.front(), type.second) << type.first;
        EXPECT_EQ(Lines(catalogue).size(), calls.empty() ? 1u : 0u) << type.first;
    }

    // Level 1 is walked but not listed; a nameless node is neither listed nor opened; level 5 is never
    // asked. Level 2 is asked with an emptied vector, levels 3 and 4 with the last answer.
    BackendStub::SetServiceName(105, "IND");
    BackendStub::SetNSSIRoot("R");
    BackendStub::SetNSSIChildren("R", {SSINodeInfo("L1a", "level one"), SSINodeInfo("L1b", "")});
    BackendStub::SetNSSIChildren("L1a", {SSINodeInfo("A", "\xA5\x41"), SSINodeInfo("GAP", ""), SSINodeInfo("B", "b")});
    BackendStub::SetNSSIChildren("L1b", {SSINodeInfo("C", "c")});
    BackendStub::SetNSSIChildren("GAP", {SSINodeInfo("HIDDEN", "hidden")});
    BackendStub::SetNSSIChildren("A", {SSINodeInfo("A1", "a1")});
    BackendStub::SetNSSIChildren("A1", {SSINodeInfo("A1x", "a1x")});
    BackendStub::SetNSSIChildren("A1x", {SSINodeInfo("TOO_DEEP", "five")});
    catalogue.LoadIndustries();
    EXPECT_EQ(Lines(catalogue), (Texts{"[IND]A        \xA5\x41 | 105 A", "[IND]A1       a1 | 105 A1",
                                    "[IND]A1x      a1x | 105 A1x", "[IND]B        b | 105 B",
                                    "[IND]C        c | 105 C"}));
    EXPECT_EQ(CallLog(), (Texts{"name 16", "contracts 16", "realmonth", "name 105", "root", "node 'R'", "node 'L1a'",
                                "node 'A'", "node 'A1'", "node 'B' /1", "node 'L1b'", "node 'C'"}));

    // Stocks, the second market and options come first whether listed or not; 79 is never loaded,
    // a service listed twice is loaded twice, and one with a single contract lists its symbols.
    BackendStub::SetServices({5, 16, 79, 5});
    BackendStub::SetServiceName(16, "TSE");
    BackendStub::SetServiceName(109, "OPT");
    BackendStub::SetServiceName(5, "%s");
    BackendStub::SetContracts(16, {"2330", "123456789AB"}, {"\xA5\x41\xA6\x6E", "long"});
    BackendStub::SetContracts(5, {"ONLY"}, {"the contract"});
    BackendStub::SetSymbols(5, "", {"%d"}, {"%n%s"});
    BackendStub::SetCommodities(109, {"TXO", "TEO"}, {"ignored", "ignored"});
    BackendStub::SetSymbols(109, "TXO", {"TXO18000L5"}, {"call"});
    catalogue.LoadSymbols();
    EXPECT_EQ(Lines(catalogue), (Texts{"[TSE]2330     \xA5\x41\xA6\x6E | 16 2330",
                                    "[TSE]123456789AB long | 16 123456789AB", "[OPT]TXO18000L5 call | 109 TXO18000L5",
                                    "[%s]%d       %n%s | 5 %d", "[%s]%d       %n%s | 5 %d"}));
    EXPECT_EQ(CallLog(), (Texts{"services", "name 16", "contracts 16", "realmonth", "name 1", "contracts 1",
                                "realmonth", "name 109", "commodities 109", "symbols 109 'TXO'", "symbols 109 'TEO'",
                                "name 5", "contracts 5", "symbols 5", "realmonth", "name 5", "contracts 5",
                                "symbols 5", "realmonth"}));
    // A false service list: no other question, and the catalogue is left empty.
    BackendStub::SetAnswer(BackendCallKind::GetAllServiceID, BackendAnswer::FalseEmpty);
    catalogue.LoadSymbols();
    EXPECT_EQ(CallLog(), Texts{"services"});
    EXPECT_TRUE(entries.empty());

    // Real-month contracts show their display code and warrants their name; no answer, no line.
    BackendStub::SetRealMonth(true);
    BackendStub::SetServiceName(2, "FUT");
    BackendStub::SetContracts(2, {"TXF202612", "ZZZ"}, {"TX Dec", "no code"});
    BackendStub::SetItemValue(2, "TXF202612", 1018, "TXFL6");
    catalogue.AppendService(2);
    EXPECT_EQ(Lines(catalogue), Texts{"[FUT]TXFL6    TX Dec | 2 TXF202612"});
    EXPECT_EQ(CallLog(), (Texts{"name 2", "contracts 2", "realmonth", "item 2 'TXF202612' 1018 flag",
                                "item 2 'ZZZ' 1018 flag"}));
    BackendStub::SetWarrants({"030001", "030002", "03000312345"});
    BackendStub::SetItemValue(16, "030001", 1019, "\xA5\x41\xA6\x6E%s");
    BackendStub::SetItemValue(16, "03000312345", 1019, "");
    catalogue.LoadWarrants();
    EXPECT_EQ(Lines(catalogue), (Texts{"030001 \xA5\x41\xA6\x6E%s | 16 030001", "03000312345  | 16 03000312345"}));
    EXPECT_EQ(CallLog(), (Texts{"warrants", "item 16 '030001' 1019 flag", "item 16 '030002' 1019 flag",
                                "item 16 '03000312345' 1019 flag"}));
}

} // namespace
