// A data-source descriptor of the host's backend: which server a query goes
// to. Callers that want the default source pass a null pointer.
#pragma once

#include <afx.h>

#include "HostBackendApi.h"

class HOST_BACKEND_API CCDSInfo {
public:
    CCDSInfo();

    CString m_strServer;  // host name of the data server
    unsigned short m_usPort; // its port
    unsigned char m_ucSource; // the backend's number for the source
};
