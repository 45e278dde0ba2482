// The font-keeping step shared by SEdit, SButton, SCComboBox, SDateTimeCtrl,
// SListBox and SStatic, and by CSymbolSearchEdit for itself, its list and its
// tip: a control draws with a private copy of the font, so the caller may
// delete or change its own font at once.
#pragma once

#include <afxwin.h>

// Replaces `kept` by a copy of pFont; false, with `kept` as it was, for a
// NULL or unreadable font. pFont may be `kept` itself.
inline bool CopyFont(CFont& kept, CFont* pFont)
{
    if (pFont == NULL)
        return false;
    LOGFONT lf;
    if (::GetObjectA(pFont->GetSafeHandle(), sizeof(lf), &lf) == 0)
        return false;
    kept.DeleteObject();
    return kept.Attach(::CreateFontIndirectA(&lf)) != FALSE;
}

// Replaces `kept` by a copy of pFont and hands the copy to hWnd. A NULL or
// unreadable font leaves the control and its current copy as they are.
inline void KeepFontCopy(CFont& kept, CFont* pFont, HWND hWnd, BOOL bRedraw)
{
    if (CopyFont(kept, pFont))
        ::SendMessageA(hWnd, WM_SETFONT, reinterpret_cast<WPARAM>(kept.GetSafeHandle()), bRedraw);
}
