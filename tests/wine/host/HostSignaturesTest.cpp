// The host-facing headers declare every operation with the exact name and
// signature the host's own libraries have; a drift fails the build here.
#include <type_traits>
#include <vector>

#include "C_BKInterface.h"
#include "CComponentComFont.h"
#include "CSyncInfo.h"
#include "DeviceScale.h"

#define SAME_TYPE(expr, type) static_assert(std::is_same<decltype(expr), type>::value, #expr)

typedef std::vector<CString> Strings;

SAME_TYPE(&C_BKInterface::GetBKInterface, C_BKInterface* (*)());
SAME_TYPE(&C_BKInterface::LangGetLangString, CString (C_BKInterface::*)(const CString&));
SAME_TYPE(&C_BKInterface::bGetAllServiceID, bool (C_BKInterface::*)(std::vector<unsigned char>&));
SAME_TYPE(&C_BKInterface::bGetServiceExName, bool (C_BKInterface::*)(CString&, unsigned char));
SAME_TYPE(&C_BKInterface::bGetAllContractID,
          bool (C_BKInterface::*)(Strings&, Strings&, unsigned char, const CString&));
SAME_TYPE(&C_BKInterface::bGetSymbolID, bool (C_BKInterface::*)(Strings&, Strings&, unsigned char, const CString&,
                                                                 const CString&, const CCDSInfo*));
SAME_TYPE(&C_BKInterface::bGetAllCommodityID,
          bool (C_BKInterface::*)(Strings&, Strings&, unsigned char, const int&));
SAME_TYPE(&C_BKInterface::GetSymbolIDIsRealMonth, bool (C_BKInterface::*)());
SAME_TYPE(&C_BKInterface::bGetItemDataByItemNo,
          bool (C_BKInterface::*)(unsigned char, const CString&, const std::vector<unsigned short>&,
                                  std::vector<X1Format>&, bool, const CCDSInfo*));
SAME_TYPE(&C_BKInterface::GetNSSIRootID, CString (C_BKInterface::*)());
SAME_TYPE(&C_BKInterface::GetNSSINode, bool (C_BKInterface::*)(std::vector<SSINodeInfo>&, const CString&));
SAME_TYPE(&C_BKInterface::bGetAllWarrantRelate, bool (C_BKInterface::*)(Strings&));
SAME_TYPE(&SSINodeInfo::m_strNodeID, CString SSINodeInfo::*);
SAME_TYPE(&SSINodeInfo::m_strNodeName, CString SSINodeInfo::*);
SAME_TYPE(&X1Format::operator CString, CString (X1Format::*)() const);

SAME_TYPE(&CSyncInfo::GetSettingCFG, CSyncInfo& (*)());
SAME_TYPE(&CSyncInfo::SYS_crGetOtherColor, COLORREF (CSyncInfo::*)(CString));
SAME_TYPE(&CComponentComFont::GetComponentComFont, CFont* (*)());
SAME_TYPE(&dbGetDeviceScale, double (*)());
SAME_TYPE(&iCalTransDevScale, int (*)(int));
