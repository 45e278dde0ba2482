// The host's backend service: user-language texts by key and the market's
// symbol catalogue. One process-wide instance, from GetBKInterface().
#pragma once

#include <afx.h>

#include <vector>

#include "CCDSInfo.h"
#include "HostBackendApi.h"
#include "SSINodeInfo.h"
#include "X1Format.h"

class HOST_BACKEND_API C_BKInterface {
public:
    static C_BKInterface* GetBKInterface();

// Language table
    CString LangGetLangString(const CString& key);

// Market catalogue
    bool bGetAllServiceID(std::vector<unsigned char>& ids);
    bool bGetServiceExName(CString& name, unsigned char service);
    bool bGetAllContractID(std::vector<CString>& ids, std::vector<CString>& names, unsigned char service,
                           const CString& filter);
    bool bGetSymbolID(std::vector<CString>& ids, std::vector<CString>& names, unsigned char service,
                      const CString& commodity, const CString& second, const CCDSInfo* cds);
    bool bGetAllCommodityID(std::vector<CString>& ids, std::vector<CString>& names, unsigned char service,
                            const int& n);
    bool GetSymbolIDIsRealMonth();
    bool bGetItemDataByItemNo(unsigned char service, const CString& symbolID,
                              const std::vector<unsigned short>& itemNos, std::vector<X1Format>& values, bool flag,
                              const CCDSInfo* cds);

// NSSI tree and warrants
    CString GetNSSIRootID();
    bool GetNSSINode(std::vector<SSINodeInfo>& children, const CString& parentID);
    bool bGetAllWarrantRelate(std::vector<CString>& ids);

private:
    C_BKInterface();
    C_BKInterface(const C_BKInterface&) = delete;
    C_BKInterface& operator=(const C_BKInterface&) = delete;
};
