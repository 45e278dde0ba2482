#include <afxcoll.h>

IMPLEMENT_DYNAMIC(CStringArray, CObject)

CStringArray::CStringArray() = default;

CStringArray::~CStringArray() = default;

void CStringArray::SetSize(INT_PTR nNewSize) { m_items.resize(nNewSize < 0 ? 0 : static_cast<size_t>(nNewSize)); }

INT_PTR CStringArray::Add(LPCTSTR newElement)
{
    m_items.emplace_back(newElement);
    return GetUpperBound();
}

void CStringArray::RemoveAll() { m_items.clear(); }
