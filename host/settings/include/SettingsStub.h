// Programming the settings stand-in: the named colours. The library sees
// only CSyncInfo.h.
#pragma once

#include <afx.h>

#include <vector>

#include "CSyncInfo.h"

class HOST_SETTINGS_API SettingsStub {
public:
    // No colours.
    static void Reset();
    static void SetColor(const CString& strKey, COLORREF cr);

    // Adds the "color" records of a data file; problems as "file:line: message".
    static std::vector<CString> LoadDataFile(const char* pszPath);
    // settings.txt from the "host-data" folder beside the program.
    static std::vector<CString> LoadDefaultData();
};
