// Identifiers of the library's resources.
#pragma once

// Cursor over a drag list box while items are being dragged.
#define IDC_DRAGLISTBOX_DRAG 5000

// The "i" button pair of CHoverButton::LoadTAIEXButtonBitmaps: normal and
// disabled, hovered and pressed.
#define IDB_TAIEX_BUTTON 7000
#define IDB_TAIEX_BUTTON_HOVER 7001
