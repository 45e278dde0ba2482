// Counts what a long-running process must not accumulate: its GDI objects,
// its USER objects (windows, menus, cursors and icons) and its memory, in a
// way that gives real figures under Wine, where GetGuiResources answers 0.
#pragma once

#include <windows.h>

#include <cstddef>
#include <vector>

struct ResourceCounts {
    long nGdi = 0;       // GDI objects: DCs, bitmaps, brushes, pens, fonts, regions, palettes
    long nWindowDCs = 0; // DCs of windows taken (GetDC, BeginPaint, a window's own DC) and not given back
    long nWindows = 0;   // windows of this process, top-level, child and message-only
    long nUserOther = 0; // menus, cursors and icons this process owns
    size_t cbHeap = 0;   // bytes in use in the process heap and the C runtime heap
    size_t cbPrivate = 0; // committed private pages of the address space

    long User() const { return nWindows + nUserOther; }
};

// The counts now; costs a few milliseconds (a walk of the handle tables and heaps).
ResourceCounts CountResources();

// Wine keeps the DCs it hands out for windows in a cache that never shrinks:
// each entry is a DC with its bitmap and visible region. A DC given back
// stays bound to its window until that window goes or a window near it
// moves, and while the cache holds fewer than 64 entries a window that finds
// none free and none of its own gets a new entry; so how far the cache grows
// depends on which windows happened to be alive and where, not on what the
// process kept. This fills the cache to its full size at once (64 DCs taken
// together and given back), after which a new entry is made only when every
// entry is taken: from then on the GDI count moves only with objects the
// process keeps, and a window's DC kept shows in nWindowDCs.
void FillWindowDcCache();

// One slot of the GDI handle table: the handle of this process's object in
// it (NULL: none) and the table's type byte (0x01 DC, 0x04 region, 0x05
// bitmap, 0x0a font, 0x10 brush, 0x30 pen).
struct GdiObject {
    HGDIOBJ hObject = NULL;
    unsigned char bType = 0;
};

// This process's GDI objects by slot of the handle table, written into
// `objects`, which keeps its memory from one reading to the next; cheap
// enough to read after every cycle. Empty where the table cannot be read.
void ReadGdiObjects(std::vector<GdiObject>& objects);
