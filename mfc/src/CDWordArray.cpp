#include <afxcoll.h>

IMPLEMENT_DYNAMIC(CDWordArray, CObject)

CDWordArray::CDWordArray() = default;

CDWordArray::~CDWordArray() = default;

void CDWordArray::SetSize(INT_PTR nNewSize) { m_items.resize(nNewSize < 0 ? 0 : static_cast<size_t>(nNewSize)); }

INT_PTR CDWordArray::Add(DWORD newElement)
{
    m_items.push_back(newElement);
    return GetUpperBound();
}

void CDWordArray::RemoveAll() { m_items.clear(); }
