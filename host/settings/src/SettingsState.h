// The settings stand-in's colours and call record, shared by its two classes.
#pragma once

#include <afx.h>

#include <map>
#include <vector>

struct SettingsState {
    std::map<CString, COLORREF> colors; // by key
    std::vector<CString> colorKeys; // SYS_crGetOtherColor's keys, in order
    size_t nSettingCFG = 0;         // calls of GetSettingCFG

    static SettingsState& Instance();
};
