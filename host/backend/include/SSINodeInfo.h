// One node of the backend's NSSI (industry) tree.
#pragma once

#include <afx.h>

#include "HostBackendApi.h"

class HOST_BACKEND_API SSINodeInfo {
public:
    SSINodeInfo();
    SSINodeInfo(const CString& strNodeID, const CString& strNodeName);

    CString m_strNodeID;   // unique within the tree
    CString m_strNodeName; // shown to the user; empty for grouping nodes
    CString m_strParentID; // the node whose child this is
    int m_nLevel;          // depth below the root: the root's children are 1
};
