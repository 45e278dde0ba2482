// The window messages that the library's controls exchange with each other
// and with their owners. Each variable holds the identifier registered for
// the string it is named after; the host gets the same identifier by
// registering the same string. Written once while the library loads.
#pragma once

#include <windows.h>

extern UINT EDITMSG_HIDE_DATALIST;
extern UINT EDITMSG_INPUT_ENTER;
extern UINT EDITMSG_SEARCH_SELECTED;
extern UINT g_uMsgHideList;
extern UINT g_uMsgEnter;
extern UINT g_uMsgSearchInputSelected;
extern UINT DRAGLISTBOX_MSG_DRAG_END;
extern UINT WM_XHYPERLINK_CLICKED;
