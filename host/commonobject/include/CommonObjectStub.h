// Programming the common-object stand-in: the common font, the screen scale,
// and a count of the conversions asked for. The library sees only
// CComponentComFont.h and DeviceScale.h.
#pragma once

#include <afxwin.h>

#include <vector>

#include "CComponentComFont.h"
#include "DeviceScale.h"

class HOST_COMMONOBJECT_API CommonObjectStub {
public:
    // The default font (12-pixel PMingLiU, normal weight), scale 1.0, no conversions counted.
    static void Reset();
    static void SetComFont(const LOGFONT& lf);
    static void SetDeviceScale(double dbScale);

    // Adds the "font" and "scale" records of a data file; problems as
    // "file:line: message".
    static std::vector<CString> LoadDataFile(const char* pszPath);
    // common-objects.txt from the "host-data" folder beside the program. The
    // environment variable HOST_DEVICE_SCALE_PERCENT (125, 150, ...) then
    // overrides the scale, to show a scaled screen without editing files.
    static std::vector<CString> LoadDefaultData();

    // Calls of iCalTransDevScale since the last Reset.
    static size_t TransDevScaleCount();
};
