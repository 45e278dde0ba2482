#include "CSyncInfo.h"

#include "SettingsState.h"

SettingsState& SettingsState::Instance()
{
    static SettingsState state;
    return state;
}

CSyncInfo::CSyncInfo() {}

CSyncInfo& CSyncInfo::GetSettingCFG()
{
    static CSyncInfo instance;
    return instance;
}

COLORREF CSyncInfo::SYS_crGetOtherColor(CString key)
{
    auto it = SettingsState::Instance().colors.find(key);
    return it == SettingsState::Instance().colors.end() ? RGB(0, 0, 0) : it->second;
}
