#include "CSymbolSearchEdit.h"

#include "C_BKInterface.h"
#include "lattice/core/SymbolLine.h"

#include <string_view>

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

BEGIN_MESSAGE_MAP(CSymbolSearchEdit, CEdit)
END_MESSAGE_MAP()

CSymbolSearchEdit::CSymbolSearchEdit()
    : m_eType(TYPE_NONE)
    , m_bReload(false)
{
    m_vecSymbols.reserve(kCatalogueReserve);
}

CSymbolSearchEdit::~CSymbolSearchEdit()
{
}

void CSymbolSearchEdit::SetType(TYPE type)
{
    m_eType = type;
}

void CSymbolSearchEdit::ResetSymbolFile()
{
    m_bReload = true;
}

void CSymbolSearchEdit::LoadCatalogue()
{
    switch (m_eType) {
    case TYPE_SYMBOL:
        InitSymbolID();
        break;
    case TYPE_WARRANT:
        InitWarrant();
        break;
    case TYPE_INDUSTRY:
        InitIndustryID();
        break;
    default:
        break;
    }
}

void CSymbolSearchEdit::AppendServiceLine(const CString& strServiceName, const CString& strShownID,
                                          const CString& strName, unsigned char service, const CString& strSymbol)
{
    const std::string_view svc = View(strServiceName), id = View(strShownID), name = View(strName);
    const int nLength = static_cast<int>(lattice::symbols::ServiceLineLength(svc, id, name));
    CSymbolSearchEntry entry;
    lattice::symbols::WriteServiceLine(entry.m_strLine.GetBufferSetLength(nLength), svc, id, name);
    entry.m_strLine.ReleaseBuffer(nLength);
    entry.m_info.SetService(service);
    entry.m_info.SetSymbol(strSymbol);
    m_vecSymbols.push_back(entry);
}

void CSymbolSearchEdit::AppendPlainLine(const CString& strName, unsigned char service, const CString& strSymbol)
{
    const std::string_view id = View(strSymbol), name = View(strName);
    const int nLength = static_cast<int>(lattice::symbols::PlainLineLength(id, name));
    CSymbolSearchEntry entry;
    lattice::symbols::WritePlainLine(entry.m_strLine.GetBufferSetLength(nLength), id, name);
    entry.m_strLine.ReleaseBuffer(nLength);
    entry.m_info.SetService(service);
    entry.m_info.SetSymbol(strSymbol);
    m_vecSymbols.push_back(entry);
}

void CSymbolSearchEdit::SetSearchData(std::vector<CSymbolInfo>& data)
{
    m_vecSymbols.clear();
    for (CSymbolInfo& record : data) {
        const unsigned char service = record.GetService();
        const CString strSymbol = record.GetSymbol();
        CString strName;
        if (QueryItemText(service, strSymbol, kItemName, strName))
            AppendPlainLine(strName, service, strSymbol);
    }
}

void CSymbolSearchEdit::InitSymbolID()
{
    m_vecSymbols.clear();
    std::vector<unsigned char> services;
    if (!Backend()->bGetAllServiceID(services))
        return;

    InitialServiceSymbol(kServiceStock);
    InitialServiceSymbol(kServiceSecond);
    InitialOptionSymbol(kServiceOption);
    for (unsigned char service : services) {
        if (service == kServiceStock || service == kServiceSecond || service == kServiceOption ||
            service == kServiceSkipped)
            continue;
        InitialServiceSymbol(service);
    }
}

void CSymbolSearchEdit::InitIndustryID()
{
    m_vecSymbols.clear();
    InitialServiceSymbol(kServiceStock);
    InitialNSSISymbol();
}

void CSymbolSearchEdit::InitWarrant()
{
    m_vecSymbols.clear();
    std::vector<CString> warrants;
    Backend()->bGetAllWarrantRelate(warrants);
    for (const CString& strID : warrants) {
        CString strName;
        if (QueryItemText(kServiceStock, strID, kItemName, strName))
            AppendPlainLine(strName, kServiceStock, strID);
    }
}

void CSymbolSearchEdit::InitialServiceSymbol(unsigned char service)
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

void CSymbolSearchEdit::InitialOptionSymbol(unsigned char service)
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

void CSymbolSearchEdit::InitialNSSISymbol()
{
    CString strServiceName;
    Backend()->bGetServiceExName(strServiceName, kServiceNSSI);
    const CString strRoot = Backend()->GetNSSIRootID();

    // One vector per level. Level 1 (the root's children) is walked but not
    // listed; below it, a node without a name is neither listed nor opened.
    std::vector<SSINodeInfo> levels[kNSSILastListedLevel + 1];
    Backend()->GetNSSINode(levels[1], strRoot);

    struct Walker {
        CSymbolSearchEdit* pEdit;
        const CString& strServiceName;
        std::vector<SSINodeInfo>* levels;

        void Walk(int nLevel)
        {
            for (const SSINodeInfo& node : levels[nLevel]) {
                if (node.m_strNodeName.IsEmpty())
                    continue;
                pEdit->AppendServiceLine(strServiceName, node.m_strNodeID, node.m_strNodeName, kServiceNSSI,
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
