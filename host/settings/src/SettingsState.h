// The settings stand-in's colours, shared by its two classes.
#pragma once

#include <afx.h>

#include <map>

struct SettingsState {
    std::map<CString, COLORREF> colors; // by key

    static SettingsState& Instance();
};
