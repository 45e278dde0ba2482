// CString: 8-bit text of the process's ANSI code page. Lengths and positions
// count bytes. Upper-casing changes only a to z, searches never begin on the
// second byte of a double-byte character, Compare is byte order, Format
// follows printf rules. The object is one pointer wide, as MFC's is: the
// characters, preceded by a small header with the length and capacity.
#pragma once

#include <stdarg.h>
#include <string.h>

class AFX_MFC_CLASS CString {
public:
// Constructors
    CString() noexcept;
    CString(const CString& stringSrc);
    CString(CString&& stringSrc) noexcept;
    CString(LPCSTR lpsz);
    CString(LPCSTR lpch, int nLength);
    CString(char ch, int nRepeat = 1);
    ~CString();

// Attributes
    int GetLength() const { return Header()->nDataLength; }
    BOOL IsEmpty() const { return GetLength() == 0; }
    char GetAt(int nIndex) const;
    char operator[](int nIndex) const { return GetAt(nIndex); }
    void SetAt(int nIndex, char ch);
    LPCSTR GetString() const { return m_pszData; }
    operator LPCSTR() const { return m_pszData; }

// Assignment and concatenation
    CString& operator=(const CString& stringSrc);
    CString& operator=(CString&& stringSrc) noexcept;
    CString& operator=(LPCSTR lpsz);
    CString& operator=(char ch);
    CString& operator+=(const CString& string);
    CString& operator+=(LPCSTR lpsz);
    CString& operator+=(char ch);
    void Append(LPCSTR lpch, int nLength);
    void Empty();

// Comparison (byte order)
    int Compare(LPCSTR lpsz) const;

// Searching; -1 when not found
    int Find(char ch, int nStart = 0) const;
    int Find(LPCSTR lpszSub, int nStart = 0) const;

// Extraction
    CString Left(int nCount) const;
    CString Mid(int nFirst) const;
    CString Mid(int nFirst, int nCount) const;
    CString Right(int nCount) const;

// Case
    CString& MakeUpper();

// Formatting (printf rules; widths count bytes)
    void AFX_CDECL Format(LPCSTR lpszFormat, ...);
    void FormatV(LPCSTR lpszFormat, va_list argList);
    void AFX_CDECL AppendFormat(LPCSTR lpszFormat, ...);
    void AppendFormatV(LPCSTR lpszFormat, va_list argList);

// Raw buffer access
    LPSTR GetBuffer();
    LPSTR GetBuffer(int nMinBufLength);
    LPSTR GetBufferSetLength(int nNewLength);
    void ReleaseBuffer(int nNewLength = -1);

// Implementation
private:
    struct Data {
        int nDataLength; // bytes in use, not counting the terminating zero
        int nAllocLength; // bytes available, not counting the terminating zero
    };
    Data* Header() const { return reinterpret_cast<Data*>(m_pszData) - 1; }
    void Reserve(int nLength); // capacity for nLength bytes, contents kept
    void SetLength(int nLength);
    void Assign(LPCSTR lpch, int nLength);
    void Release() noexcept;

    LPSTR m_pszData; // characters; the shared empty text when nothing is allocated
};

AFX_MFC_API CString AFXAPI operator+(const CString& string1, const CString& string2);
AFX_MFC_API CString AFXAPI operator+(const CString& string, LPCSTR lpsz);
AFX_MFC_API CString AFXAPI operator+(LPCSTR lpsz, const CString& string);
AFX_MFC_API CString AFXAPI operator+(const CString& string, char ch);

inline bool operator==(const CString& s1, const CString& s2)
{
    return s1.GetLength() == s2.GetLength() && memcmp(s1.GetString(), s2.GetString(), s1.GetLength()) == 0;
}
inline bool operator==(const CString& s1, LPCSTR s2) { return s1.Compare(s2) == 0; }
inline bool operator==(LPCSTR s1, const CString& s2) { return s2.Compare(s1) == 0; }
inline bool operator!=(const CString& s1, const CString& s2) { return !(s1 == s2); }
inline bool operator!=(const CString& s1, LPCSTR s2) { return !(s1 == s2); }
inline bool operator!=(LPCSTR s1, const CString& s2) { return !(s1 == s2); }
inline bool operator<(const CString& s1, const CString& s2) { return s1.Compare(s2) < 0; }
inline bool operator>(const CString& s1, const CString& s2) { return s1.Compare(s2) > 0; }
inline bool operator<=(const CString& s1, const CString& s2) { return s1.Compare(s2) <= 0; }
inline bool operator>=(const CString& s1, const CString& s2) { return s1.Compare(s2) >= 0; }
