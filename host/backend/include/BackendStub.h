// Programming the backend stand-in: what C_BKInterface answers, and a record
// of the calls it takes while a test asks for one. Used by tests and by the
// gallery; the library itself sees only C_BKInterface.h.
#pragma once

#include <afx.h>

#include <vector>

#include "C_BKInterface.h"

// Each operation of C_BKInterface, for counting calls and setting answers.
enum class BackendCallKind {
    LangGetLangString,
    GetAllServiceID,
    GetServiceExName,
    GetAllContractID,
    GetSymbolID,
    GetAllCommodityID,
    GetSymbolIDIsRealMonth,
    GetItemDataByItemNo,
    GetNSSIRootID,
    GetNSSINode,
    GetAllWarrantRelate,
    Count
};

// How an operation answers. Text answers are empty in both forced modes.
enum class BackendAnswer {
    AsProgrammed, // from the data set
    FalseEmpty,   // false, with every output empty
    TrueEmpty,    // true, with every output empty
};

// One call as the stand-in received it. Fields an operation lacks stay at
// their defaults.
struct BackendCall {
    BackendCallKind kind = BackendCallKind::Count;
    unsigned char service = 0;
    CString strKey;    // language key, filter, commodity, symbol ID or parent node ID
    CString strSecond; // bGetSymbolID's `second`
    const CCDSInfo* pCds = nullptr;
    std::vector<unsigned short> itemNos;
    bool bFlag = false;
    int n = 0;
    size_t nOutputSizeOnEntry = 0; // size of the first output vector when the call came in
};

class HOST_BACKEND_API BackendStub {
public:
// Whole state
    // Empty data set, every operation AsProgrammed, no calls recorded and no
    // record kept.
    static void Reset();

// Data set
    // Services in the order bGetAllServiceID gives them.
    static void SetServices(const std::vector<unsigned char>& services);
    static void SetServiceName(unsigned char service, const CString& strName);
    static void SetContracts(unsigned char service, const std::vector<CString>& ids, const std::vector<CString>& names);
    // The symbols bGetSymbolID lists for a commodity ("" for the service's own).
    static void SetSymbols(unsigned char service, const CString& strCommodity, const std::vector<CString>& ids,
                           const std::vector<CString>& names);
    static void SetCommodities(unsigned char service, const std::vector<CString>& ids,
                               const std::vector<CString>& names);
    static void SetRealMonth(bool bRealMonth);
    static void SetItemValue(unsigned char service, const CString& strSymbol, unsigned short usItemNo,
                             const CString& strValue);
    static void SetNSSIRoot(const CString& strRootID);
    static void SetNSSIChildren(const CString& strParentID, const std::vector<SSINodeInfo>& children);
    static void SetWarrants(const std::vector<CString>& ids);
    static void SetLangString(const CString& strKey, const CString& strText);

    static void SetAnswer(BackendCallKind kind, BackendAnswer answer);

// Data files
    // Adds the records of one data file (market or language table) to the data
    // set. Returns every problem met as "file:line: message"; bad lines are
    // skipped, the rest loads.
    static std::vector<CString> LoadDataFile(const char* pszPath);
    // Loads market.txt and language.txt from the "host-data" folder beside
    // the program.
    static std::vector<CString> LoadDefaultData();
    // Replaces the contracts of the given services with `total` generated
    // symbols, each with a name as item 1019.
    static void LoadGeneratedCatalogue(size_t total, const std::vector<unsigned char>& services);

// Calls
    // Keeps a record of every call from now on, or none (the default: a host
    // that runs for long, as the gallery does, would grow with each call).
    static void RecordCalls(bool bRecord);
    static const std::vector<BackendCall>& Calls();
    static void ClearCalls();
};
