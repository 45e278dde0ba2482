#include "CXTPPaintManagerColorGradient.h"

CXTPPaintManagerColorGradient::CXTPPaintManagerColorGradient() : clrLight(0), clrDark(0) {}

void CXTPPaintManagerColorGradient::SetStandardValue(COLORREF clrLightNew, COLORREF clrDarkNew)
{
    clrLight = clrLightNew;
    clrDark = clrDarkNew;
}

void CXTPPaintManagerColorGradient::SetCustomValue(COLORREF clrLightNew, COLORREF clrDarkNew)
{
    clrLight = clrLightNew;
    clrDark = clrDarkNew;
}
