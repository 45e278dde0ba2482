#include "C_BKInterface.h"

#include "BackendState.h"

namespace {

BackendCall MakeCall(BackendCallKind kind, unsigned char service = 0, const CString& strKey = CString())
{
    BackendCall call;
    call.kind = kind;
    call.service = service;
    call.strKey = strKey;
    return call;
}

void CopyList(const NamedList* pList, std::vector<CString>& ids, std::vector<CString>& names)
{
    ids.clear();
    names.clear();
    if (pList) {
        ids = pList->ids;
        names = pList->names;
    }
}

// A list question without arguments: recorded, then answered with the
// programmed list, or as forced.
template <class T>
bool AnswerList(BackendCallKind kind, std::vector<T>& out, const std::vector<T>& programmed)
{
    BackendCall call = MakeCall(kind);
    call.nOutputSizeOnEntry = out.size();
    const BackendAnswer answer = BackendState::Instance().Take(call);
    out.clear();
    if (answer != BackendAnswer::AsProgrammed)
        return answer == BackendAnswer::TrueEmpty;
    out = programmed;
    return true;
}

template <class Map, class Key>
const typename Map::mapped_type* Lookup(const Map& map, const Key& key)
{
    auto it = map.find(key);
    return it == map.end() ? nullptr : &it->second;
}

} // namespace

C_BKInterface::C_BKInterface() {}

C_BKInterface* C_BKInterface::GetBKInterface()
{
    static C_BKInterface instance;
    return &instance;
}

CString C_BKInterface::LangGetLangString(const CString& key)
{
    BackendState& state = BackendState::Instance();
    if (state.Take(MakeCall(BackendCallKind::LangGetLangString, 0, key)) != BackendAnswer::AsProgrammed)
        return CString();
    const CString* pText = Lookup(state.language, key);
    return pText ? *pText : CString();
}

bool C_BKInterface::bGetAllServiceID(std::vector<unsigned char>& ids)
{
    return AnswerList(BackendCallKind::GetAllServiceID, ids, BackendState::Instance().services);
}

bool C_BKInterface::bGetServiceExName(CString& name, unsigned char service)
{
    BackendState& state = BackendState::Instance();
    BackendAnswer answer = state.Take(MakeCall(BackendCallKind::GetServiceExName, service));
    name.Empty();
    if (answer != BackendAnswer::AsProgrammed)
        return answer == BackendAnswer::TrueEmpty;
    const CString* pName = Lookup(state.serviceNames, service);
    if (!pName)
        return false;
    name = *pName;
    return true;
}

bool C_BKInterface::bGetAllContractID(std::vector<CString>& ids, std::vector<CString>& names, unsigned char service,
                                      const CString& filter)
{
    BackendState& state = BackendState::Instance();
    BackendCall call = MakeCall(BackendCallKind::GetAllContractID, service, filter);
    call.nOutputSizeOnEntry = ids.size();
    BackendAnswer answer = state.Take(call);
    CopyList(nullptr, ids, names);
    if (answer != BackendAnswer::AsProgrammed)
        return answer == BackendAnswer::TrueEmpty;
    const NamedList* pList = Lookup(state.contracts, service);
    if (!pList)
        return false;
    // A filter keeps the contracts whose IDs begin with it.
    for (size_t i = 0; i < pList->ids.size(); ++i) {
        if (filter.IsEmpty() || pList->ids[i].Left(filter.GetLength()) == filter) {
            ids.push_back(pList->ids[i]);
            names.push_back(i < pList->names.size() ? pList->names[i] : CString());
        }
    }
    return true;
}

bool C_BKInterface::bGetSymbolID(std::vector<CString>& ids, std::vector<CString>& names, unsigned char service,
                                 const CString& commodity, const CString& second, const CCDSInfo* cds)
{
    BackendState& state = BackendState::Instance();
    BackendCall call = MakeCall(BackendCallKind::GetSymbolID, service, commodity);
    call.strSecond = second;
    call.pCds = cds;
    call.nOutputSizeOnEntry = ids.size();
    BackendAnswer answer = state.Take(call);
    CopyList(nullptr, ids, names);
    if (answer != BackendAnswer::AsProgrammed)
        return answer == BackendAnswer::TrueEmpty;
    const NamedList* pList = Lookup(state.symbols, std::make_pair(service, commodity));
    CopyList(pList, ids, names);
    return pList != nullptr;
}

bool C_BKInterface::bGetAllCommodityID(std::vector<CString>& ids, std::vector<CString>& names, unsigned char service,
                                       const int& n)
{
    BackendState& state = BackendState::Instance();
    BackendCall call = MakeCall(BackendCallKind::GetAllCommodityID, service);
    call.n = n;
    call.nOutputSizeOnEntry = ids.size();
    BackendAnswer answer = state.Take(call);
    CopyList(nullptr, ids, names);
    if (answer != BackendAnswer::AsProgrammed)
        return answer == BackendAnswer::TrueEmpty;
    const NamedList* pList = Lookup(state.commodities, service);
    CopyList(pList, ids, names);
    return pList != nullptr;
}

bool C_BKInterface::GetSymbolIDIsRealMonth()
{
    BackendState& state = BackendState::Instance();
    BackendAnswer answer = state.Take(MakeCall(BackendCallKind::GetSymbolIDIsRealMonth));
    if (answer != BackendAnswer::AsProgrammed)
        return answer == BackendAnswer::TrueEmpty;
    return state.bRealMonth;
}

bool C_BKInterface::bGetItemDataByItemNo(unsigned char service, const CString& symbolID,
                                         const std::vector<unsigned short>& itemNos, std::vector<X1Format>& values,
                                         bool flag, const CCDSInfo* cds)
{
    BackendState& state = BackendState::Instance();
    BackendCall call = MakeCall(BackendCallKind::GetItemDataByItemNo, service, symbolID);
    call.itemNos = itemNos;
    call.bFlag = flag;
    call.pCds = cds;
    call.nOutputSizeOnEntry = values.size();
    BackendAnswer answer = state.Take(std::move(call));
    values.clear();
    if (answer != BackendAnswer::AsProgrammed)
        return answer == BackendAnswer::TrueEmpty;
    // One value per item number asked, in order; any unknown item fails the
    // whole question, as for a symbol the backend does not carry.
    for (unsigned short usItemNo : itemNos) {
        const CString* pValue = Lookup(state.items, std::make_tuple(service, symbolID, usItemNo));
        if (!pValue) {
            values.clear();
            return false;
        }
        values.push_back(X1Format(*pValue));
    }
    return !values.empty();
}

CString C_BKInterface::GetNSSIRootID()
{
    BackendState& state = BackendState::Instance();
    if (state.Take(MakeCall(BackendCallKind::GetNSSIRootID)) != BackendAnswer::AsProgrammed)
        return CString();
    return state.strNSSIRoot;
}

bool C_BKInterface::GetNSSINode(std::vector<SSINodeInfo>& children, const CString& parentID)
{
    BackendState& state = BackendState::Instance();
    BackendCall call = MakeCall(BackendCallKind::GetNSSINode, 0, parentID);
    call.nOutputSizeOnEntry = children.size();
    BackendAnswer answer = state.Take(call);
    // The answer replaces what the vector held: callers reuse one vector per
    // level of the tree.
    children.clear();
    if (answer != BackendAnswer::AsProgrammed)
        return answer == BackendAnswer::TrueEmpty;
    const std::vector<SSINodeInfo>* pChildren = Lookup(state.nssiChildren, parentID);
    if (!pChildren)
        return false;
    children = *pChildren;
    return true;
}

bool C_BKInterface::bGetAllWarrantRelate(std::vector<CString>& ids)
{
    return AnswerList(BackendCallKind::GetAllWarrantRelate, ids, BackendState::Instance().warrants);
}
