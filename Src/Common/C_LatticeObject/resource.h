// Identifiers of the library's resources.
#pragma once

// Cursor over a drag list box while items are being dragged.
#define IDC_DRAGLISTBOX_DRAG 5000
