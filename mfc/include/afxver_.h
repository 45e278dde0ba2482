// Calling conventions and import/export decorations of the MFC subset.
// The subset is one shared DLL, as the real shared MFC library is: the host
// and every extension library share its module state and handle map.
#pragma once

#define AFXAPI __stdcall
#define AFX_CDECL __cdecl
#define AFX_MSG_CALL
#define afx_msg

#define AFX_CLASS_EXPORT __declspec(dllexport)
#define AFX_CLASS_IMPORT __declspec(dllimport)
#define AFX_API_EXPORT __declspec(dllexport)
#define AFX_API_IMPORT __declspec(dllimport)
#define AFX_DATA_EXPORT __declspec(dllexport)
#define AFX_DATA_IMPORT __declspec(dllimport)

// An extension library defines _AFXEXT while it is built; its hosts do not.
#ifdef _AFXEXT
#define AFX_EXT_CLASS AFX_CLASS_EXPORT
#define AFX_EXT_API AFX_API_EXPORT
#define AFX_EXT_DATA AFX_DATA_EXPORT
#else
#define AFX_EXT_CLASS AFX_CLASS_IMPORT
#define AFX_EXT_API AFX_API_IMPORT
#define AFX_EXT_DATA AFX_DATA_IMPORT
#endif

// The subset's own classes and functions, exported by its DLL.
#ifdef _AFX_SUBSET_BUILD
#define AFX_MFC_CLASS AFX_CLASS_EXPORT
#define AFX_MFC_API AFX_API_EXPORT
#else
#define AFX_MFC_CLASS AFX_CLASS_IMPORT
#define AFX_MFC_API AFX_API_IMPORT
#endif
