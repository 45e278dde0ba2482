#include "CCDSInfo.h"

CCDSInfo::CCDSInfo() : m_usPort(0), m_ucSource(0) {}
