// The common-object stand-in's font, scale and count of conversions.
#pragma once

#include <afxwin.h>

struct CommonObjectState {
    LOGFONT logFont;              // what the common font is built from
    CFont font;                   // built on first use after each change
    double dbScale = 1.0;
    size_t nTransDevScale = 0;    // calls of iCalTransDevScale

    CommonObjectState();
    void SetDefaultFont();

    static CommonObjectState& Instance();
};
