#include "CSymbolInfo.h"

CSymbolInfo::CSymbolInfo()
    : m_ucService(0)
    , m_ucServiceMirror(0)
{
}

// Both pairs of the new record take the source's main pair; the source's
// mirror is not read.
CSymbolInfo::CSymbolInfo(const CSymbolInfo& other)
    : m_ucService(0)
    , m_ucServiceMirror(0)
{
    m_ucServiceMirror = other.m_ucService;
    m_strSymbolMirror = other.m_strSymbol;
    m_ucService = m_ucServiceMirror;
    m_strSymbol = m_strSymbolMirror;
}

CSymbolInfo& CSymbolInfo::operator=(const CSymbolInfo& other)
{
    if (this == &other)
        return *this;
    m_ucServiceMirror = other.m_ucService;
    m_strSymbolMirror = other.m_strSymbol;
    m_ucService = m_ucServiceMirror;
    m_strSymbol = m_strSymbolMirror;
    return *this;
}

CSymbolInfo::~CSymbolInfo()
{
}

unsigned char CSymbolInfo::GetService()
{
    m_ucServiceMirror = m_ucService;
    return m_ucService;
}

CString CSymbolInfo::GetSymbol()
{
    m_strSymbolMirror = m_strSymbol;
    return m_strSymbol;
}

void CSymbolInfo::SetService(unsigned char service)
{
    m_ucServiceMirror = service;
    m_ucService = m_ucServiceMirror;
}

void CSymbolInfo::SetSymbol(const CString& symbol)
{
    m_strSymbolMirror = symbol;
    m_strSymbol = m_strSymbolMirror;
}

void CSymbolInfo::Clear()
{
    m_ucService = 0;
    m_ucServiceMirror = 0;
    m_strSymbol.Empty();
    m_strSymbolMirror.Empty();
}
