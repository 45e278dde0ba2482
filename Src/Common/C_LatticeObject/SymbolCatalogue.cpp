#include "SymbolCatalogue.h"

#include <string_view>

#include "C_BKInterface.h"
#include "PopupListEdit.h"
#include "lattice/core/SymbolLine.h"

namespace {

// Services and item numbers the catalogue is made of.
const unsigned char kServiceStock = 16;
const unsigned char kServiceSecond = 1;
const unsigned char kServiceOption = 109;
const unsigned char kServiceSkipped = 79;
const unsigned char kServiceNSSI = 105;
const unsigned short kItemDisplayCode = 1018;
const unsigned short kItemName = 1019;

// The tree levels that are listed lie between these, the root's children
// being level 1.
const int kNSSIFirstListedLevel = 2;
const int kNSSILastListedLevel = 4;

C_BKInterface* Backend()
{
    return C_BKInterface::GetBKInterface();
}

std::string_view View(const CString& str)
{
    return std::string_view(str.GetString()); // up to the first NUL, as "%s" reads it
}

// The text of one item of a symbol; false when the backend does not answer
// with a value.
bool QueryItemText(unsigned char service, const CString& strSymbol, unsigned short usItemNo, CString& strText)
{
    const std::vector<unsigned short> itemNos(1, usItemNo);
    std::vector<X1Format> values;
    if (!Backend()->bGetItemDataByItemNo(service, strSymbol, itemNos, values, true, nullptr) || values.empty())
        return false;
    strText = static_cast<CString>(values.front());
    return true;
}

const CString& NameAt(const std::vector<CString>& names, size_t i)
{
    static const CString s_strEmpty;
    return i < names.size() ? names[i] : s_strEmpty;
}

} // namespace

SymbolCatalogue::SymbolCatalogue(std::vector<CSymbolSearchEntry>& entries)
    : m_entries(entries)
{
    for (const CSymbolSearchEntry& entry : m_entries)
        m_upper.Add(std::string_view(entry.m_strLine.GetString(), entry.m_strLine.GetLength()),
                    PopupListEdit::ProcessLeadBytes());
}

void SymbolCatalogue::Load(CSymbolSearchEdit::TYPE type)
{
    switch (type) {
    case CSymbolSearchEdit::TYPE_SYMBOL:
        LoadSymbols();
        break;
    case CSymbolSearchEdit::TYPE_WARRANT:
        LoadWarrants();
        break;
    case CSymbolSearchEdit::TYPE_INDUSTRY:
        LoadIndustries();
        break;
    default:
        break;
    }
}

void SymbolCatalogue::Clear()
{
    m_entries.clear();
    m_upper.Clear();
}

CSymbolSearchEntry& SymbolCatalogue::NewEntry(unsigned char service, const CString& strSymbol)
{
    m_entries.emplace_back();
    CSymbolSearchEntry& entry = m_entries.back();
    entry.m_info.SetService(service);
    entry.m_info.SetSymbol(strSymbol);
    return entry;
}

void SymbolCatalogue::IndexLastEntry()
{
    const CString& strLine = m_entries.back().m_strLine;
    m_upper.Add(std::string_view(strLine.GetString(), strLine.GetLength()), PopupListEdit::ProcessLeadBytes());
}

void SymbolCatalogue::AppendServiceLine(const CString& strServiceName, const CString& strShownID,
                                        const CString& strName, unsigned char service, const CString& strSymbol)
{
    const std::string_view svc = View(strServiceName), id = View(strShownID), name = View(strName);
    const int nLength = static_cast<int>(lattice::symbols::ServiceLineLength(svc, id, name));
    CString& strLine = NewEntry(service, strSymbol).m_strLine;
    lattice::symbols::WriteServiceLine(strLine.GetBufferSetLength(nLength), svc, id, name);
    strLine.ReleaseBuffer(nLength);
    IndexLastEntry();
}

void SymbolCatalogue::AppendPlainLine(const CString& strName, unsigned char service, const CString& strSymbol)
{
    const std::string_view id = View(strSymbol), name = View(strName);
    const int nLength = static_cast<int>(lattice::symbols::PlainLineLength(id, name));
    CString& strLine = NewEntry(service, strSymbol).m_strLine;
    lattice::symbols::WritePlainLine(strLine.GetBufferSetLength(nLength), id, name);
    strLine.ReleaseBuffer(nLength);
    IndexLastEntry();
}

void SymbolCatalogue::LoadRecords(std::vector<CSymbolInfo>& records)
{
    Clear();
    for (CSymbolInfo& record : records) {
        const unsigned char service = record.GetService();
        const CString strSymbol = record.GetSymbol();
        CString strName;
        if (QueryItemText(service, strSymbol, kItemName, strName))
            AppendPlainLine(strName, service, strSymbol);
    }
}

void SymbolCatalogue::LoadSymbols()
{
    Clear();
    std::vector<unsigned char> services;
    if (!Backend()->bGetAllServiceID(services))
        return;

    AppendService(kServiceStock);
    AppendService(kServiceSecond);
    AppendOptions(kServiceOption);
    for (unsigned char service : services) {
        if (service == kServiceStock || service == kServiceSecond || service == kServiceOption ||
            service == kServiceSkipped)
            continue;
        AppendService(service);
    }
}

void SymbolCatalogue::LoadIndustries()
{
    Clear();
    AppendService(kServiceStock);
    AppendIndustryTree();
}

void SymbolCatalogue::LoadWarrants()
{
    Clear();
    std::vector<CString> warrants;
    Backend()->bGetAllWarrantRelate(warrants);
    for (const CString& strID : warrants) {
        CString strName;
        if (QueryItemText(kServiceStock, strID, kItemName, strName))
            AppendPlainLine(strName, kServiceStock, strID);
    }
}

void SymbolCatalogue::AppendService(unsigned char service)
{
    CString strServiceName;
    Backend()->bGetServiceExName(strServiceName, service);

    std::vector<CString> ids, names;
    Backend()->bGetAllContractID(ids, names, service, CString(""));
    // A service with a single contract lists that contract's symbols instead.
    if (ids.size() == 1) {
        ids.clear();
        names.clear();
        Backend()->bGetSymbolID(ids, names, service, CString(""), CString(""), nullptr);
    }

    if (!Backend()->GetSymbolIDIsRealMonth()) {
        for (size_t i = 0; i < ids.size(); ++i)
            AppendServiceLine(strServiceName, ids[i], NameAt(names, i), service, ids[i]);
        return;
    }
    // Real-month contracts show their display code in place of the ID.
    for (size_t i = 0; i < ids.size(); ++i) {
        CString strCode;
        if (QueryItemText(service, ids[i], kItemDisplayCode, strCode))
            AppendServiceLine(strServiceName, strCode, NameAt(names, i), service, ids[i]);
    }
}

void SymbolCatalogue::AppendOptions(unsigned char service)
{
    CString strServiceName;
    Backend()->bGetServiceExName(strServiceName, service);
    std::vector<CString> commodities, commodityNames;
    const int nAll = 0;
    Backend()->bGetAllCommodityID(commodities, commodityNames, service, nAll);

    for (const CString& strCommodity : commodities) {
        std::vector<CString> ids, names;
        Backend()->bGetSymbolID(ids, names, service, strCommodity, CString(""), nullptr);
        for (size_t j = 0; j < ids.size(); ++j)
            AppendServiceLine(strServiceName, ids[j], NameAt(names, j), service, ids[j]);
    }
}

void SymbolCatalogue::AppendIndustryTree()
{
    CString strServiceName;
    Backend()->bGetServiceExName(strServiceName, kServiceNSSI);
    const CString strRoot = Backend()->GetNSSIRootID();

    // One vector per level. Level 1 (the root's children) is walked but not
    // listed; below it, a node without a name is neither listed nor opened.
    std::vector<SSINodeInfo> levels[kNSSILastListedLevel + 1];
    Backend()->GetNSSINode(levels[1], strRoot);

    struct Walker {
        SymbolCatalogue* pCatalogue;
        const CString& strServiceName;
        std::vector<SSINodeInfo>* levels;

        void Walk(int nLevel)
        {
            for (const SSINodeInfo& node : levels[nLevel]) {
                if (node.m_strNodeName.IsEmpty())
                    continue;
                pCatalogue->AppendServiceLine(strServiceName, node.m_strNodeID, node.m_strNodeName, kServiceNSSI,
                                              node.m_strNodeID);
                if (nLevel < kNSSILastListedLevel) {
                    // Handed over as it is: the answer replaces what it holds.
                    Backend()->GetNSSINode(levels[nLevel + 1], node.m_strNodeID);
                    Walk(nLevel + 1);
                }
            }
        }
    } walker{this, strServiceName, levels};

    for (const SSINodeInfo& node : levels[1]) {
        levels[kNSSIFirstListedLevel].clear();
        Backend()->GetNSSINode(levels[kNSSIFirstListedLevel], node.m_strNodeID);
        walker.Walk(kNSSIFirstListedLevel);
    }
}
