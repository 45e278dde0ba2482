// Counts what a long-running process must not accumulate: its GDI objects,
// its USER objects (windows, menus, cursors and icons) and its memory, in a
// way that gives real figures under Wine, where GetGuiResources answers 0.
#pragma once

#include <windows.h>

#include <cstddef>
#include <vector>

struct ResourceCounts {
    long nGdi = 0;       // GDI objects: DCs, bitmaps, brushes, pens, fonts, regions, palettes
    long nWindows = 0;   // windows of this process, top-level, child and message-only
    long nUserOther = 0; // menus, cursors and icons this process owns
    size_t cbHeap = 0;   // bytes in use in the process heap and the C runtime heap
    size_t cbPrivate = 0; // committed private pages of the address space

    long User() const { return nWindows + nUserOther; }
};

// The counts now; costs a few milliseconds (a walk of the handle tables and heaps).
ResourceCounts CountResources();

// This process's GDI objects by slot of the handle table (NULL: none),
// written into `handles`, which keeps its memory from one reading to the
// next; cheap enough to read after every cycle. Empty where the table cannot
// be read.
void ReadGdiHandles(std::vector<HGDIOBJ>& handles);

// The type byte of each of this process's GDI handles, by slot of the
// handle table (0: none), to name what a leak left behind; empty where the
// table cannot be read.
std::vector<unsigned char> GdiHandleTypes();
