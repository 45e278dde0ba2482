// One market symbol as the library and the host exchange it: a service ID and
// the symbol ID within that service, each kept twice. Every write goes to the
// mirror pair first and is then copied into the main pair, and each getter
// refreshes the mirror from the main field before it returns, so the two
// pairs agree after any operation of the class.
#pragma once

#include <afx.h>

#include <cstddef>

#pragma pack(push, 1)

class AFX_EXT_CLASS CSymbolInfo {
public:
// Constructors
    CSymbolInfo();
    CSymbolInfo(const CSymbolInfo& other);
    CSymbolInfo& operator=(const CSymbolInfo& other);
    ~CSymbolInfo();

// Attributes
    // Copy the main field into its mirror and return it; they write to the
    // record and so are not const.
    unsigned char GetService();
    CString GetSymbol();

    void SetService(unsigned char service);
    void SetSymbol(const CString& symbol);

// Operations
    void Clear();

    unsigned char m_ucService;
    CString m_strSymbol;
    unsigned char m_ucServiceMirror;
    CString m_strSymbolMirror;
};

#pragma pack(pop)

// The host compiles against this layout: fields one after the other, no gaps.
static_assert(sizeof(CString) == sizeof(void*), "CString is one pointer wide");
#if defined(_WIN64) || defined(__x86_64__)
static_assert(sizeof(CSymbolInfo) == 18, "CSymbolInfo layout (x86-64)");
static_assert(offsetof(CSymbolInfo, m_strSymbol) == 1, "CSymbolInfo layout (x86-64)");
static_assert(offsetof(CSymbolInfo, m_ucServiceMirror) == 9, "CSymbolInfo layout (x86-64)");
static_assert(offsetof(CSymbolInfo, m_strSymbolMirror) == 10, "CSymbolInfo layout (x86-64)");
#elif defined(_WIN32) || defined(__i386__)
static_assert(sizeof(CSymbolInfo) == 10, "CSymbolInfo layout (i686)");
static_assert(offsetof(CSymbolInfo, m_strSymbol) == 1, "CSymbolInfo layout (i686)");
static_assert(offsetof(CSymbolInfo, m_ucServiceMirror) == 5, "CSymbolInfo layout (i686)");
static_assert(offsetof(CSymbolInfo, m_strSymbolMirror) == 6, "CSymbolInfo layout (i686)");
#endif
