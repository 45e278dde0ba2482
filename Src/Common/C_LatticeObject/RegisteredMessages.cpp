#include "RegisteredMessages.h"

// Registered during static initialisation, before DllMain runs.
UINT EDITMSG_HIDE_DATALIST = ::RegisterWindowMessageA("EDITMSG_HIDE_DATALIST");
UINT EDITMSG_INPUT_ENTER = ::RegisterWindowMessageA("EDITMSG_INPUT_ENTER");
UINT EDITMSG_SEARCH_SELECTED = ::RegisterWindowMessageA("EDITMSG_SEARCH_SELECTED");
UINT g_uMsgHideList = ::RegisterWindowMessageA("g_uMsgHideList");
UINT g_uMsgEnter = ::RegisterWindowMessageA("g_uMsgEnter");
UINT g_uMsgSearchInputSelected = ::RegisterWindowMessageA("g_uMsgSearchInputSelected");
UINT DRAGLISTBOX_MSG_DRAG_END = ::RegisterWindowMessageA("DRAGLISTBOX_MSG_DRAG_END");
UINT WM_XHYPERLINK_CLICKED = ::RegisterWindowMessageA("WM_XHYPERLINK_CLICKED");
