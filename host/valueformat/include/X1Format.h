// One value as the host's backend hands it out. Callers only turn it into
// text and destroy it; the value keeps its text form, already in the
// process's ANSI code page.
#pragma once

#include <afx.h>

#ifdef HOST_VALUEFORMAT_BUILD
#define HOST_VALUEFORMAT_API __declspec(dllexport)
#else
#define HOST_VALUEFORMAT_API __declspec(dllimport)
#endif

class HOST_VALUEFORMAT_API X1Format {
public:
// Constructors
    X1Format();
    explicit X1Format(const CString& strText);
    X1Format(const X1Format& other);
    X1Format& operator=(const X1Format& other);
    ~X1Format();

// Attributes
    operator CString() const;
    bool IsEmpty() const;

private:
    CString m_strText; // the value as shown to the user
};
