// The host's settings: the colours its own screens paint with, asked for by
// name. One process-wide object, from GetSettingCFG().
#pragma once

#include <afx.h>

#ifdef HOST_SETTINGS_BUILD
#define HOST_SETTINGS_API __declspec(dllexport)
#else
#define HOST_SETTINGS_API __declspec(dllimport)
#endif

class HOST_SETTINGS_API CSyncInfo {
public:
    static CSyncInfo& GetSettingCFG();

    // The colour of a named screen role; a name the host does not know gets
    // black, never an error.
    COLORREF SYS_crGetOtherColor(CString key);

private:
    CSyncInfo();
    CSyncInfo(const CSyncInfo&) = delete;
    CSyncInfo& operator=(const CSyncInfo&) = delete;
};
