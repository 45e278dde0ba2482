// Identifiers of the library's resources.
#pragma once

// Cursor over a drag list box while items are being dragged.
#define IDC_DRAGLISTBOX_DRAG 5000

// The print preview dialog and its controls.
#define IDD_PRINTPREVIEW 19126
#define IDC_PREVIEW_BW 1671
#define IDC_PREVIEW_COLOR 1672
#define IDC_PREVIEW_PAPER 1674
#define IDC_PREVIEW_SHADOW 1675
#define IDC_PREVIEW_BACKGROUND 1676
#define IDC_PREVIEW_PORTRAIT 1677
#define IDC_PREVIEW_LANDSCAPE 1678
#define IDC_PREVIEW_EXTEND 7000

// The "i" button pair of CHoverButton::LoadTAIEXButtonBitmaps: normal and
// disabled, hovered and pressed.
#define IDB_TAIEX_BUTTON 7000
#define IDB_TAIEX_BUTTON_HOVER 7001
