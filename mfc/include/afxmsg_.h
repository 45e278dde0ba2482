// Message-map entries: the ON_ macros of the MFC subset. Each entry records
// the message, the notification code and control identifiers it matches, the
// handler's signature and the handler. Registered messages are matched through
// the variable that holds their identifier, read at dispatch time.
#pragma once

// Handler signatures; the dispatcher casts the stored handler back by these.
enum AfxSig : UINT_PTR {
    AfxSig_end = 0,
    AfxSig_vv,       // void ()
    AfxSig_vwww,     // void (UINT, UINT, UINT)
    AfxSig_vW,       // void (CWnd*), the window in wParam
    AfxSig_vW2,      // void (CWnd*), the window in lParam
    AfxSig_wv,       // UINT ()
    AfxSig_is,       // int (LPCREATESTRUCT)
    AfxSig_bwsp,     // BOOL (UINT, short, CPoint)
    AfxSig_vwp,      // void (UINT, CPoint)
    AfxSig_vt,       // void (UINT_PTR)
    AfxSig_vwwX,     // void (UINT, UINT, CScrollBar*)
    AfxSig_lwl,      // LRESULT (WPARAM, LPARAM)
    AfxSig_hDWw,     // HBRUSH (CDC*, CWnd*, UINT)
    AfxSig_hDw,      // HBRUSH (CDC*, UINT)
    AfxSig_bD,       // BOOL (CDC*)
    AfxSig_bWww,     // BOOL (CWnd*, UINT, UINT)
    AfxSig_vwii,     // void (UINT, int, int)
    AfxSigCmd_v,     // void (), for commands and control notifications
};

// The old combined control-colour message; the map matches every
// WM_CTLCOLORxxx through it and passes the control type.
#define WM_CTLCOLOR 0x0019
// Offset of the messages a parent reflects back to the control that sent them.
#define WM_REFLECT_BASE 0xBC00
// nMessage of an entry for a registered message; nSig points to its variable.
#define AFX_REGISTERED_MESSAGE_ENTRY 0xC000
#define CN_COMMAND 0

#define AFX_MSG_ENTRY_(message, code, id, lastId, sig, type, memberFxn)                         \
    {message, code, id, lastId, sig,                                                              \
     (AFX_PMSG)(AFX_PMSGW)(static_cast<type>(&ThisClass::memberFxn))},

#define ON_MESSAGE(message, memberFxn)                                                            \
    {message, 0, 0, 0, AfxSig_lwl,                                                                \
     (AFX_PMSG)(AFX_PMSGW)(static_cast<LRESULT (AFX_MSG_CALL CWnd::*)(WPARAM, LPARAM)>(&ThisClass::memberFxn))},

#define ON_REGISTERED_MESSAGE(nMessageVariable, memberFxn)                                        \
    {AFX_REGISTERED_MESSAGE_ENTRY, 0, 0, 0, (UINT_PTR)(UINT*)(&nMessageVariable),                 \
     (AFX_PMSG)(AFX_PMSGW)(static_cast<LRESULT (AFX_MSG_CALL CWnd::*)(WPARAM, LPARAM)>(&ThisClass::memberFxn))},

#define ON_COMMAND(id, memberFxn)                                                                 \
    {WM_COMMAND, CN_COMMAND, (WORD)id, (WORD)id, AfxSigCmd_v,                                     \
     static_cast<AFX_PMSG>(static_cast<void (AFX_MSG_CALL CCmdTarget::*)(void)>(&ThisClass::memberFxn))},

#define ON_CONTROL(wNotifyCode, id, memberFxn)                                                    \
    {WM_COMMAND, (WORD)wNotifyCode, (WORD)id, (WORD)id, AfxSigCmd_v,                              \
     static_cast<AFX_PMSG>(static_cast<void (AFX_MSG_CALL CCmdTarget::*)(void)>(&ThisClass::memberFxn))},

#define ON_CONTROL_REFLECT(wNotifyCode, memberFxn)                                                \
    {WM_COMMAND + WM_REFLECT_BASE, (WORD)wNotifyCode, 0, 0, AfxSigCmd_v,                         \
     static_cast<AFX_PMSG>(static_cast<void (AFX_MSG_CALL CCmdTarget::*)(void)>(&ThisClass::memberFxn))},

#define ON_EN_CHANGE(id, memberFxn) ON_CONTROL(EN_CHANGE, id, memberFxn)
#define ON_EN_KILLFOCUS(id, memberFxn) ON_CONTROL(EN_KILLFOCUS, id, memberFxn)
#define ON_BN_CLICKED(id, memberFxn) ON_CONTROL(BN_CLICKED, id, memberFxn)
#define ON_LBN_SELCHANGE(id, memberFxn) ON_CONTROL(LBN_SELCHANGE, id, memberFxn)
#define ON_STN_CLICKED(id, memberFxn) ON_CONTROL(STN_CLICKED, id, memberFxn)

#define ON_WM_CREATE() AFX_MSG_ENTRY_(WM_CREATE, 0, 0, 0, AfxSig_is, int (AFX_MSG_CALL CWnd::*)(LPCREATESTRUCT), OnCreate)
#define ON_WM_DESTROY() AFX_MSG_ENTRY_(WM_DESTROY, 0, 0, 0, AfxSig_vv, void (AFX_MSG_CALL CWnd::*)(void), OnDestroy)
#define ON_WM_PAINT() AFX_MSG_ENTRY_(WM_PAINT, 0, 0, 0, AfxSig_vv, void (AFX_MSG_CALL CWnd::*)(void), OnPaint)
#define ON_WM_ERASEBKGND() AFX_MSG_ENTRY_(WM_ERASEBKGND, 0, 0, 0, AfxSig_bD, BOOL (AFX_MSG_CALL CWnd::*)(CDC*), OnEraseBkgnd)
#define ON_WM_SIZE() AFX_MSG_ENTRY_(WM_SIZE, 0, 0, 0, AfxSig_vwii, void (AFX_MSG_CALL CWnd::*)(UINT, int, int), OnSize)
#define ON_WM_KEYDOWN() AFX_MSG_ENTRY_(WM_KEYDOWN, 0, 0, 0, AfxSig_vwww, void (AFX_MSG_CALL CWnd::*)(UINT, UINT, UINT), OnKeyDown)
#define ON_WM_KEYUP() AFX_MSG_ENTRY_(WM_KEYUP, 0, 0, 0, AfxSig_vwww, void (AFX_MSG_CALL CWnd::*)(UINT, UINT, UINT), OnKeyUp)
#define ON_WM_CHAR() AFX_MSG_ENTRY_(WM_CHAR, 0, 0, 0, AfxSig_vwww, void (AFX_MSG_CALL CWnd::*)(UINT, UINT, UINT), OnChar)
#define ON_WM_SETFOCUS() AFX_MSG_ENTRY_(WM_SETFOCUS, 0, 0, 0, AfxSig_vW, void (AFX_MSG_CALL CWnd::*)(CWnd*), OnSetFocus)
#define ON_WM_KILLFOCUS() AFX_MSG_ENTRY_(WM_KILLFOCUS, 0, 0, 0, AfxSig_vW, void (AFX_MSG_CALL CWnd::*)(CWnd*), OnKillFocus)
#define ON_WM_CAPTURECHANGED() AFX_MSG_ENTRY_(WM_CAPTURECHANGED, 0, 0, 0, AfxSig_vW2, void (AFX_MSG_CALL CWnd::*)(CWnd*), OnCaptureChanged)
#define ON_WM_GETDLGCODE() AFX_MSG_ENTRY_(WM_GETDLGCODE, 0, 0, 0, AfxSig_wv, UINT (AFX_MSG_CALL CWnd::*)(void), OnGetDlgCode)
#define ON_WM_MOUSEWHEEL() AFX_MSG_ENTRY_(WM_MOUSEWHEEL, 0, 0, 0, AfxSig_bwsp, BOOL (AFX_MSG_CALL CWnd::*)(UINT, short, CPoint), OnMouseWheel)
#define ON_WM_MOUSEMOVE() AFX_MSG_ENTRY_(WM_MOUSEMOVE, 0, 0, 0, AfxSig_vwp, void (AFX_MSG_CALL CWnd::*)(UINT, CPoint), OnMouseMove)
#define ON_WM_LBUTTONDOWN() AFX_MSG_ENTRY_(WM_LBUTTONDOWN, 0, 0, 0, AfxSig_vwp, void (AFX_MSG_CALL CWnd::*)(UINT, CPoint), OnLButtonDown)
#define ON_WM_LBUTTONUP() AFX_MSG_ENTRY_(WM_LBUTTONUP, 0, 0, 0, AfxSig_vwp, void (AFX_MSG_CALL CWnd::*)(UINT, CPoint), OnLButtonUp)
#define ON_WM_RBUTTONDOWN() AFX_MSG_ENTRY_(WM_RBUTTONDOWN, 0, 0, 0, AfxSig_vwp, void (AFX_MSG_CALL CWnd::*)(UINT, CPoint), OnRButtonDown)
#define ON_WM_RBUTTONUP() AFX_MSG_ENTRY_(WM_RBUTTONUP, 0, 0, 0, AfxSig_vwp, void (AFX_MSG_CALL CWnd::*)(UINT, CPoint), OnRButtonUp)
#define ON_WM_LBUTTONDBLCLK() AFX_MSG_ENTRY_(WM_LBUTTONDBLCLK, 0, 0, 0, AfxSig_vwp, void (AFX_MSG_CALL CWnd::*)(UINT, CPoint), OnLButtonDblClk)
#define ON_WM_TIMER() AFX_MSG_ENTRY_(WM_TIMER, 0, 0, 0, AfxSig_vt, void (AFX_MSG_CALL CWnd::*)(UINT_PTR), OnTimer)
#define ON_WM_VSCROLL() AFX_MSG_ENTRY_(WM_VSCROLL, 0, 0, 0, AfxSig_vwwX, void (AFX_MSG_CALL CWnd::*)(UINT, UINT, CScrollBar*), OnVScroll)
#define ON_WM_HSCROLL() AFX_MSG_ENTRY_(WM_HSCROLL, 0, 0, 0, AfxSig_vwwX, void (AFX_MSG_CALL CWnd::*)(UINT, UINT, CScrollBar*), OnHScroll)
#define ON_WM_SETCURSOR() AFX_MSG_ENTRY_(WM_SETCURSOR, 0, 0, 0, AfxSig_bWww, BOOL (AFX_MSG_CALL CWnd::*)(CWnd*, UINT, UINT), OnSetCursor)
#define ON_WM_CTLCOLOR() AFX_MSG_ENTRY_(WM_CTLCOLOR, 0, 0, 0, AfxSig_hDWw, HBRUSH (AFX_MSG_CALL CWnd::*)(CDC*, CWnd*, UINT), OnCtlColor)
#define ON_WM_CTLCOLOR_REFLECT() AFX_MSG_ENTRY_(WM_CTLCOLOR + WM_REFLECT_BASE, 0, 0, 0, AfxSig_hDw, HBRUSH (AFX_MSG_CALL CWnd::*)(CDC*, UINT), CtlColor)
