#include "CSyncInfo.h"

#include "SettingsState.h"

SettingsState& SettingsState::Instance()
{
    static SettingsState calls;
    return calls;
}

CSyncInfo::CSyncInfo() {}

CSyncInfo& CSyncInfo::GetSettingCFG()
{
    static CSyncInfo instance;
    ++SettingsState::Instance().nSettingCFG;
    return instance;
}

COLORREF CSyncInfo::SYS_crGetOtherColor(CString key)
{
    SettingsState::Instance().colorKeys.push_back(key);
    auto it = SettingsState::Instance().colors.find(key);
    return it == SettingsState::Instance().colors.end() ? RGB(0, 0, 0) : it->second;
}
