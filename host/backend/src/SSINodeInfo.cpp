#include "SSINodeInfo.h"

SSINodeInfo::SSINodeInfo() : m_nLevel(0) {}

SSINodeInfo::SSINodeInfo(const CString& strNodeID, const CString& strNodeName)
    : m_strNodeID(strNodeID), m_strNodeName(strNodeName), m_nLevel(0)
{
}
