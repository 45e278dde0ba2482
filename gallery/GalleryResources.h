// Identifiers of the gallery's own resources.
#pragma once

// The buttons page's larger hover pair: normal and disabled, hovered and pressed.
#define IDB_PLAY_BUTTON 9000
#define IDB_PLAY_BUTTON_HOVER 9001
