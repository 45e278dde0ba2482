#include "BackendStub.h"

#include <string.h>

#include "BackendState.h"
#include "HostDataFile.h"
#include "lattice/core/SymbolCatalogueGenerator.h"

namespace {

// "-" stands for an empty field where an empty one would be invisible.
CString OrEmpty(const CString& str) { return str == "-" ? CString() : str; }

bool ReadService(HostDataFile& file, const lattice::TabbedLine& line, size_t nField, unsigned char& service)
{
    long n = 0;
    if (!file.Number(line, nField, 0, 255, n))
        return false;
    service = static_cast<unsigned char>(n);
    return true;
}

void AddRecord(BackendState& state, HostDataFile& file, const lattice::TabbedLine& line)
{
    const std::string& kind = line.fields[0];
    unsigned char service = 0;
    if (kind == "service") {
        if (file.Expect(line, 3) && ReadService(file, line, 1, service)) {
            state.services.push_back(service);
            state.serviceNames[service] = file.Text(line, 2);
        }
    } else if (kind == "servicename") {
        if (file.Expect(line, 3) && ReadService(file, line, 1, service))
            state.serviceNames[service] = file.Text(line, 2);
    } else if (kind == "contract" || kind == "commodity") {
        if (file.Expect(line, 4) && ReadService(file, line, 1, service)) {
            NamedList& list = kind == "contract" ? state.contracts[service] : state.commodities[service];
            list.ids.push_back(file.Text(line, 2));
            list.names.push_back(file.Text(line, 3));
        }
    } else if (kind == "symbol") {
        if (file.Expect(line, 5) && ReadService(file, line, 1, service)) {
            NamedList& list = state.symbols[std::make_pair(service, OrEmpty(file.Text(line, 2)))];
            list.ids.push_back(file.Text(line, 3));
            list.names.push_back(file.Text(line, 4));
        }
    } else if (kind == "realmonth") {
        long n = 0;
        if (file.Expect(line, 2) && file.Number(line, 1, 0, 1, n))
            state.bRealMonth = n != 0;
    } else if (kind == "item") {
        long nItem = 0;
        if (file.Expect(line, 5) && ReadService(file, line, 1, service) && file.Number(line, 3, 0, 65535, nItem))
            state.items[std::make_tuple(service, file.Text(line, 2), static_cast<unsigned short>(nItem))] =
                file.Text(line, 4);
    } else if (kind == "nssiroot") {
        if (file.Expect(line, 2))
            state.strNSSIRoot = file.Text(line, 1);
    } else if (kind == "nssi") {
        if (file.Expect(line, 4)) {
            SSINodeInfo node(file.Text(line, 2), file.Text(line, 3));
            node.m_strParentID = file.Text(line, 1);
            // Levels follow from the parents already read: a parent comes first.
            int nLevel = 1;
            for (const auto& siblings : state.nssiChildren)
                for (const SSINodeInfo& other : siblings.second)
                    if (other.m_strNodeID == node.m_strParentID)
                        nLevel = other.m_nLevel + 1;
            node.m_nLevel = nLevel;
            state.nssiChildren[node.m_strParentID].push_back(node);
        }
    } else if (kind == "warrant") {
        if (file.Expect(line, 2))
            state.warrants.push_back(file.Text(line, 1));
    } else if (kind == "lang") {
        if (file.Expect(line, 3))
            state.language[file.Text(line, 1)] = file.Text(line, 2);
    } else {
        file.Report(line.lineNumber, "unknown record kind");
    }
}

} // namespace

void BackendStub::Reset()
{
    BackendState::Instance() = BackendState();
}

void BackendStub::SetServices(const std::vector<unsigned char>& services) { BackendState::Instance().services = services; }

void BackendStub::SetServiceName(unsigned char service, const CString& strName)
{
    BackendState::Instance().serviceNames[service] = strName;
}

void BackendStub::SetContracts(unsigned char service, const std::vector<CString>& ids,
                               const std::vector<CString>& names)
{
    BackendState::Instance().contracts[service] = NamedList{ids, names};
}

void BackendStub::SetSymbols(unsigned char service, const CString& strCommodity, const std::vector<CString>& ids,
                             const std::vector<CString>& names)
{
    BackendState::Instance().symbols[std::make_pair(service, strCommodity)] = NamedList{ids, names};
}

void BackendStub::SetCommodities(unsigned char service, const std::vector<CString>& ids,
                                 const std::vector<CString>& names)
{
    BackendState::Instance().commodities[service] = NamedList{ids, names};
}

void BackendStub::SetRealMonth(bool bRealMonth) { BackendState::Instance().bRealMonth = bRealMonth; }

void BackendStub::SetItemValue(unsigned char service, const CString& strSymbol, unsigned short usItemNo,
                               const CString& strValue)
{
    BackendState::Instance().items[std::make_tuple(service, strSymbol, usItemNo)] = strValue;
}

void BackendStub::SetNSSIRoot(const CString& strRootID) { BackendState::Instance().strNSSIRoot = strRootID; }

void BackendStub::SetNSSIChildren(const CString& strParentID, const std::vector<SSINodeInfo>& children)
{
    BackendState::Instance().nssiChildren[strParentID] = children;
}

void BackendStub::SetWarrants(const std::vector<CString>& ids) { BackendState::Instance().warrants = ids; }

void BackendStub::SetLangString(const CString& strKey, const CString& strText)
{
    BackendState::Instance().language[strKey] = strText;
}

void BackendStub::SetAnswer(BackendCallKind kind, BackendAnswer answer)
{
    ASSERT(kind != BackendCallKind::Count);
    BackendState::Instance().answers[static_cast<size_t>(kind)] = answer;
}

std::vector<CString> BackendStub::LoadDataFile(const char* pszPath)
{
    HostDataFile file;
    if (file.Load(pszPath)) {
        BackendState& state = BackendState::Instance();
        for (const lattice::TabbedLine& line : file.Lines())
            AddRecord(state, file, line);
    }
    return file.Problems();
}

std::vector<CString> BackendStub::LoadDefaultData()
{
    std::vector<CString> problems = LoadDataFile(HostDataFile::DefaultPath("market.txt"));
    std::vector<CString> more = LoadDataFile(HostDataFile::DefaultPath("language.txt"));
    problems.insert(problems.end(), more.begin(), more.end());
    return problems;
}

void BackendStub::LoadGeneratedCatalogue(size_t total, const std::vector<unsigned char>& services)
{
    if (services.empty())
        return;
    BackendState& state = BackendState::Instance();
    lattice::SymbolCatalogueGenerator generator(total, services);
    for (size_t s = 0; s < services.size(); ++s) {
        NamedList& list = state.contracts[services[s]];
        list = NamedList();
        size_t first = generator.FirstOf(s), count = generator.CountOf(s);
        list.ids.reserve(count);
        list.names.reserve(count);
        for (size_t i = first; i < first + count; ++i) {
            CString strId(generator.SymbolId(i).c_str());
            CString strName;
            HostDataFile::ConvertUtf8(generator.SymbolName(i), HostDataFile::kHostCodePage, strName);
            state.items[std::make_tuple(services[s], strId, static_cast<unsigned short>(1019))] = strName;
            list.ids.push_back(strId);
            list.names.push_back(strName);
        }
    }
}

void BackendStub::RecordCalls(bool bRecord) { BackendState::Instance().bRecording = bRecord; }

const std::vector<BackendCall>& BackendStub::Calls() { return BackendState::Instance().calls; }

void BackendStub::ClearCalls() { BackendState::Instance().calls.clear(); }
