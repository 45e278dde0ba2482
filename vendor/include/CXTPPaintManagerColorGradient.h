// The toolkit's two-colour gradient value: a light and a dark end, either
// the toolkit's own standard pair or a pair the application sets.
#pragma once

#include <windows.h>

#include "VendorToolkitApi.h"

class VENDOR_TOOLKIT_API CXTPPaintManagerColorGradient {
public:
    CXTPPaintManagerColorGradient();

    // The pair the toolkit's own refresh chooses.
    void SetStandardValue(COLORREF clrLight, COLORREF clrDark);
    // A pair set by the application, used in place of the standard one.
    void SetCustomValue(COLORREF clrLight, COLORREF clrDark);

    COLORREF clrLight; // the gradient's first end
    COLORREF clrDark;  // the gradient's second end
};
