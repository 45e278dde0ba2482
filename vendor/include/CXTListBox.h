// The toolkit's list box. It stays a real list box window, so classes built
// on it keep every list box message and its speed; it adds only its own
// message map for derived classes to chain to.
#pragma once

#include <afxwin.h>

#include "VendorToolkitApi.h"

class VENDOR_TOOLKIT_API CXTListBox : public CListBox {
public:
    CXTListBox();
    virtual ~CXTListBox();

protected:
    DECLARE_MESSAGE_MAP()
};
