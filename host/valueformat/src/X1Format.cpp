#include "X1Format.h"

X1Format::X1Format() {}

X1Format::X1Format(const CString& strText) : m_strText(strText) {}

X1Format::X1Format(const X1Format& other) : m_strText(other.m_strText) {}

X1Format& X1Format::operator=(const X1Format& other)
{
    m_strText = other.m_strText;
    return *this;
}

X1Format::~X1Format() {}

X1Format::operator CString() const { return m_strText; }

bool X1Format::IsEmpty() const { return m_strText.IsEmpty(); }
