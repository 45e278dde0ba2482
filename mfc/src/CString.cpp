#include <afx.h>

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include <new>

#include "lattice/core/MbcsText.h"

namespace mbcs = lattice::mbcs;

namespace {

// The lead bytes of the process's ANSI code page; it cannot change while the
// process runs.
const lattice::LeadByteTable& AnsiLeadBytes()
{
    static const lattice::LeadByteTable table =
        lattice::LeadByteTable::FromPredicate([](unsigned char b) { return ::IsDBCSLeadByte(b) != FALSE; });
    return table;
}

// The shared empty text: never written, never freed.
struct EmptyText {
    int nDataLength = 0;
    int nAllocLength = 0;
    char chNil = '\0';
};
EmptyText g_emptyText;

LPSTR EmptyData() { return &g_emptyText.chNil; }

int ClampedLength(size_t n)
{
    if (n > static_cast<size_t>(INT_MAX) - 64)
        throw std::bad_alloc();
    return static_cast<int>(n);
}

} // namespace

// Constructors

CString::CString() noexcept : m_pszData(EmptyData()) {}

CString::CString(const CString& stringSrc) : m_pszData(EmptyData())
{
    Assign(stringSrc.m_pszData, stringSrc.GetLength());
}

CString::CString(CString&& stringSrc) noexcept : m_pszData(stringSrc.m_pszData)
{
    stringSrc.m_pszData = EmptyData();
}

CString::CString(LPCSTR lpsz) : m_pszData(EmptyData())
{
    if (lpsz != NULL)
        Assign(lpsz, ClampedLength(strlen(lpsz)));
}

CString::CString(LPCSTR lpch, int nLength) : m_pszData(EmptyData())
{
    if (lpch != NULL && nLength > 0)
        Assign(lpch, nLength);
}

CString::CString(char ch, int nRepeat) : m_pszData(EmptyData())
{
    if (nRepeat > 0) {
        Reserve(nRepeat);
        memset(m_pszData, ch, nRepeat);
        SetLength(nRepeat);
    }
}

CString::~CString() { Release(); }

// Storage

void CString::Release() noexcept
{
    if (m_pszData != EmptyData())
        free(Header());
    m_pszData = EmptyData();
}

void CString::Reserve(int nLength)
{
    if (nLength <= Header()->nAllocLength)
        return;
    const int nOld = GetLength();
    // Grow geometrically so that repeated appends stay linear.
    int nAlloc = Header()->nAllocLength + Header()->nAllocLength / 2;
    if (nAlloc < nLength)
        nAlloc = nLength;
    if (nAlloc < 15)
        nAlloc = 15;
    ClampedLength(static_cast<size_t>(nAlloc));
    Data* pNew = static_cast<Data*>(malloc(sizeof(Data) + nAlloc + 1));
    if (pNew == NULL)
        throw std::bad_alloc();
    char* pszNew = reinterpret_cast<char*>(pNew + 1);
    memcpy(pszNew, m_pszData, nOld + 1);
    pNew->nDataLength = nOld;
    pNew->nAllocLength = nAlloc;
    Release();
    m_pszData = pszNew;
}

void CString::SetLength(int nLength)
{
    if (m_pszData == EmptyData())
        return; // nothing allocated means the length is 0 already
    Header()->nDataLength = nLength;
    m_pszData[nLength] = '\0';
}

void CString::Assign(LPCSTR lpch, int nLength)
{
    if (nLength <= 0) {
        SetLength(0);
        return;
    }
    // The source may lie inside this string's own buffer.
    if (lpch >= m_pszData && lpch <= m_pszData + GetLength()) {
        const CString copy(*this);
        Assign(copy.m_pszData + (lpch - m_pszData), nLength);
        return;
    }
    Reserve(nLength);
    memcpy(m_pszData, lpch, nLength);
    SetLength(nLength);
}

// Attributes

char CString::GetAt(int nIndex) const
{
    ASSERT(nIndex >= 0 && nIndex < GetLength());
    if (nIndex < 0 || nIndex >= GetLength())
        return '\0';
    return m_pszData[nIndex];
}

void CString::SetAt(int nIndex, char ch)
{
    ASSERT(nIndex >= 0 && nIndex < GetLength());
    if (nIndex >= 0 && nIndex < GetLength())
        m_pszData[nIndex] = ch;
}

// Assignment and concatenation

CString& CString::operator=(const CString& stringSrc)
{
    if (this != &stringSrc)
        Assign(stringSrc.m_pszData, stringSrc.GetLength());
    return *this;
}

CString& CString::operator=(CString&& stringSrc) noexcept
{
    if (this != &stringSrc) {
        Release();
        m_pszData = stringSrc.m_pszData;
        stringSrc.m_pszData = EmptyData();
    }
    return *this;
}

CString& CString::operator=(LPCSTR lpsz)
{
    Assign(lpsz, lpsz == NULL ? 0 : ClampedLength(strlen(lpsz)));
    return *this;
}

CString& CString::operator=(char ch)
{
    Assign(&ch, 1);
    return *this;
}

void CString::Append(LPCSTR lpch, int nLength)
{
    if (lpch == NULL || nLength <= 0)
        return;
    if (lpch >= m_pszData && lpch <= m_pszData + GetLength()) {
        const CString copy(lpch, nLength);
        Append(copy.m_pszData, nLength);
        return;
    }
    const int nOld = GetLength();
    const int nNew = ClampedLength(static_cast<size_t>(nOld) + nLength);
    Reserve(nNew);
    memcpy(m_pszData + nOld, lpch, nLength);
    SetLength(nNew);
}

CString& CString::operator+=(const CString& string)
{
    Append(string.m_pszData, string.GetLength());
    return *this;
}

CString& CString::operator+=(LPCSTR lpsz)
{
    if (lpsz != NULL)
        Append(lpsz, ClampedLength(strlen(lpsz)));
    return *this;
}

CString& CString::operator+=(char ch)
{
    Append(&ch, 1);
    return *this;
}

void CString::Empty() { Release(); }

CString AFXAPI operator+(const CString& string1, const CString& string2)
{
    CString s(string1);
    s += string2;
    return s;
}

CString AFXAPI operator+(const CString& string, LPCSTR lpsz)
{
    CString s(string);
    s += lpsz;
    return s;
}

CString AFXAPI operator+(LPCSTR lpsz, const CString& string)
{
    CString s(lpsz);
    s += string;
    return s;
}

CString AFXAPI operator+(const CString& string, char ch)
{
    CString s(string);
    s += ch;
    return s;
}

// Comparison and searching

int CString::Compare(LPCSTR lpsz) const
{
    return mbcs::Compare(m_pszData, lpsz == NULL ? "" : lpsz);
}

int CString::Find(char ch, int nStart) const
{
    return Find(CString(ch), nStart);
}

int CString::Find(LPCSTR lpszSub, int nStart) const
{
    if (lpszSub == NULL || nStart < 0 || nStart > GetLength())
        return -1;
    const size_t pos = mbcs::Find({m_pszData, static_cast<size_t>(GetLength())}, lpszSub,
                                  static_cast<size_t>(nStart), AnsiLeadBytes());
    return pos == mbcs::npos ? -1 : static_cast<int>(pos);
}

// Extraction

CString CString::Mid(int nFirst, int nCount) const
{
    if (nFirst < 0)
        nFirst = 0;
    if (nCount < 0)
        nCount = 0;
    if (nFirst > GetLength())
        nFirst = GetLength();
    if (nCount > GetLength() - nFirst)
        nCount = GetLength() - nFirst;
    return CString(m_pszData + nFirst, nCount);
}

CString CString::Mid(int nFirst) const { return Mid(nFirst, GetLength()); }

CString CString::Left(int nCount) const { return Mid(0, nCount); }

CString CString::Right(int nCount) const
{
    if (nCount < 0)
        nCount = 0;
    if (nCount > GetLength())
        nCount = GetLength();
    return Mid(GetLength() - nCount, nCount);
}

// Case

CString& CString::MakeUpper()
{
    mbcs::MakeUpper(m_pszData, static_cast<size_t>(GetLength()), AnsiLeadBytes());
    return *this;
}

// Formatting

void AFX_CDECL CString::Format(LPCSTR lpszFormat, ...)
{
    va_list args;
    va_start(args, lpszFormat);
    FormatV(lpszFormat, args);
    va_end(args);
}

void CString::FormatV(LPCSTR lpszFormat, va_list argList)
{
    CString result;
    result.AppendFormatV(lpszFormat, argList);
    *this = static_cast<CString&&>(result);
}

void AFX_CDECL CString::AppendFormat(LPCSTR lpszFormat, ...)
{
    va_list args;
    va_start(args, lpszFormat);
    AppendFormatV(lpszFormat, args);
    va_end(args);
}

void CString::AppendFormatV(LPCSTR lpszFormat, va_list argList)
{
    if (lpszFormat == NULL)
        return;
    va_list measure;
    va_copy(measure, argList);
    const int nAdded = vsnprintf(NULL, 0, lpszFormat, measure);
    va_end(measure);
    if (nAdded <= 0)
        return;
    const int nOld = GetLength();
    const int nNew = ClampedLength(static_cast<size_t>(nOld) + nAdded);
    Reserve(nNew);
    vsnprintf(m_pszData + nOld, static_cast<size_t>(nAdded) + 1, lpszFormat, argList);
    SetLength(nNew);
}

// Raw buffer access

LPSTR CString::GetBuffer() { return GetBuffer(GetLength()); }

LPSTR CString::GetBuffer(int nMinBufLength)
{
    Reserve(nMinBufLength > 0 ? nMinBufLength : 0);
    if (m_pszData == EmptyData())
        Reserve(1); // a writable buffer even for an empty request
    return m_pszData;
}

LPSTR CString::GetBufferSetLength(int nNewLength)
{
    if (nNewLength < 0)
        nNewLength = 0;
    GetBuffer(nNewLength);
    SetLength(nNewLength);
    return m_pszData;
}

void CString::ReleaseBuffer(int nNewLength)
{
    if (m_pszData == EmptyData())
        return;
    const int nAlloc = Header()->nAllocLength;
    if (nNewLength < 0)
        nNewLength = static_cast<int>(strnlen(m_pszData, static_cast<size_t>(nAlloc)));
    if (nNewLength > nAlloc)
        nNewLength = nAlloc;
    SetLength(nNewLength);
}
