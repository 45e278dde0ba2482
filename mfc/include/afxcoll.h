// Collections of the MFC subset: arrays of strings and of DWORDs.
#pragma once

#include "afx.h"

#include <vector>

class AFX_MFC_CLASS CStringArray : public CObject {
    DECLARE_DYNAMIC(CStringArray)
public:
    CStringArray();
    virtual ~CStringArray();

    INT_PTR GetSize() const { return static_cast<INT_PTR>(m_items.size()); }
    INT_PTR GetCount() const { return GetSize(); }
    INT_PTR GetUpperBound() const { return GetSize() - 1; }
    void SetSize(INT_PTR nNewSize);
    const CString& GetAt(INT_PTR nIndex) const { return m_items[static_cast<size_t>(nIndex)]; }
    void SetAt(INT_PTR nIndex, LPCTSTR newElement) { m_items[static_cast<size_t>(nIndex)] = newElement; }
    INT_PTR Add(LPCTSTR newElement);
    void RemoveAll();
    const CString& operator[](INT_PTR nIndex) const { return GetAt(nIndex); }
    CString& operator[](INT_PTR nIndex) { return m_items[static_cast<size_t>(nIndex)]; }

private:
    std::vector<CString> m_items;
};

class AFX_MFC_CLASS CDWordArray : public CObject {
    DECLARE_DYNAMIC(CDWordArray)
public:
    CDWordArray();
    virtual ~CDWordArray();

    INT_PTR GetSize() const { return static_cast<INT_PTR>(m_items.size()); }
    INT_PTR GetCount() const { return GetSize(); }
    INT_PTR GetUpperBound() const { return GetSize() - 1; }
    void SetSize(INT_PTR nNewSize);
    DWORD GetAt(INT_PTR nIndex) const { return m_items[static_cast<size_t>(nIndex)]; }
    void SetAt(INT_PTR nIndex, DWORD newElement) { m_items[static_cast<size_t>(nIndex)] = newElement; }
    INT_PTR Add(DWORD newElement);
    void RemoveAll();
    DWORD operator[](INT_PTR nIndex) const { return GetAt(nIndex); }
    DWORD& operator[](INT_PTR nIndex) { return m_items[static_cast<size_t>(nIndex)]; }

private:
    std::vector<DWORD> m_items;
};
