// The common-object stand-in's font, scale and call record.
#pragma once

#include <afxwin.h>

#include <vector>

struct CommonObjectState {
    LOGFONT logFont;              // what the common font is built from
    CFont font;                   // built on first use after each change
    double dbScale = 1.0;
    size_t nComFont = 0;          // calls of GetComponentComFont
    size_t nDeviceScale = 0;      // calls of dbGetDeviceScale
    std::vector<int> transArgs;   // arguments of iCalTransDevScale

    CommonObjectState();
    void SetDefaultFont();

    static CommonObjectState& Instance();
};
