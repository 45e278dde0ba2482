// The font-keeping step shared by SEdit, SButton, SCComboBox, SDateTimeCtrl,
// SListBox and SStatic: the control draws with a private copy of the font,
// so the caller may delete or change its own font at once.
#pragma once

#include <afxwin.h>

// Replaces `kept` by a copy of pFont and hands the copy to hWnd. A NULL or
// unreadable font leaves the control and its current copy as they are.
inline void KeepFontCopy(CFont& kept, CFont* pFont, HWND hWnd, BOOL bRedraw)
{
    if (pFont == NULL)
        return;
    LOGFONT lf;
    if (::GetObjectA(pFont->GetSafeHandle(), sizeof(lf), &lf) == 0)
        return;
    kept.DeleteObject();
    if (kept.Attach(::CreateFontIndirectA(&lf)))
        ::SendMessageA(hWnd, WM_SETFONT, reinterpret_cast<WPARAM>(kept.GetSafeHandle()), bRedraw);
}
