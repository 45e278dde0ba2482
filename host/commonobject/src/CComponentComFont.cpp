#include "CComponentComFont.h"

#include <string.h>

#include "CommonObjectState.h"

CommonObjectState::CommonObjectState() { SetDefaultFont(); }

void CommonObjectState::SetDefaultFont()
{
    memset(&logFont, 0, sizeof logFont);
    logFont.lfHeight = -12;
    logFont.lfWeight = FW_NORMAL;
    logFont.lfCharSet = DEFAULT_CHARSET;
    // PMingLiU in Big5 (新細明體), the usual screen font of a Traditional
    // Chinese desktop.
    strcpy(logFont.lfFaceName, "\xB7\x73\xB2\xD3\xA9\xFA\xC5\xE9");
}

CommonObjectState& CommonObjectState::Instance()
{
    static CommonObjectState state;
    return state;
}

CFont* CComponentComFont::GetComponentComFont()
{
    CommonObjectState& state = CommonObjectState::Instance();
    if (!state.font.GetSafeHandle() && !state.font.CreateFontIndirect(&state.logFont)) {
        // The promise is a live font whatever the face: fall back to the
        // system's GUI font description.
        LOGFONT lf;
        ::GetObjectA(::GetStockObject(DEFAULT_GUI_FONT), sizeof lf, &lf);
        state.font.CreateFontIndirect(&lf);
    }
    return &state.font;
}
