// GetGuiResources answers 0 under Wine 8, so the counts come from the places
// the objects live:
// - GDI: Wine keeps its GDI handle table where Windows does, in the process
//   block (PEB::GdiSharedHandleTable): one 24-byte entry per handle, with the
//   object's type (0 for a free slot) and the owning process. Wine's table
//   is the process's own and leaves the owner 0; Windows shares it between
//   processes and fills the owner in. The entries of this process whose type
//   is set are its GDI objects, stock objects included (they are constant,
//   so growth is what matters). Of its DCs, those the window manager names
//   a window for are windows' DCs taken and not given back.
// - Windows: enumerated, top-level (EnumWindows filtered by process), their
//   children (EnumChildWindows walks the whole tree) and the message-only
//   windows under HWND_MESSAGE.
// - Menus, cursors and icons: a USER handle's low word is 0x20 + 2 * slot
//   and a handle with a zero high word matches the slot whatever its
//   generation, so each slot is asked IsMenu and, for cursors and icons,
//   NtUserGetIconSize (the size query that answers only for a live cursor or
//   icon of this process).
// - Memory: the bytes in use of every heap of the process (HeapWalk), which
//   sees one leaked small allocation, and the committed private pages found
//   by walking the address space with VirtualQuery, which sees the large
//   blocks a heap takes straight from the system (Wine's HeapWalk does not
//   list them, and its GetProcessMemoryInfo leaves the private bytes 0).
#include "HandleCounter.h"

#include <winternl.h>

#include <vector>

namespace {

// One entry of the GDI handle table (the layout of 64-bit processes).
struct GdiHandleEntry {
    ULONGLONG qwObject;
    ULONG dwOwner; // low word: owning process id
    USHORT wUnique;
    UCHAR bType; // 0: free slot
    UCHAR bFlags;
    ULONGLONG qwUser;
};
static_assert(sizeof(GdiHandleEntry) == 24, "an entry of the GDI handle table is 24 bytes");
constexpr int kGdiHandles = 0x10000;

// The table's address sits in the process block after fields that differ
// between 32- and 64-bit processes; on x86-64 it is at offset 0xF8.
const GdiHandleEntry* GdiTable()
{
#if defined(_WIN64)
    using QueryFn = LONG(WINAPI*)(HANDLE, PROCESSINFOCLASS, PVOID, ULONG, PULONG);
    const QueryFn pQuery = reinterpret_cast<QueryFn>(
        reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleA("ntdll.dll"), "NtQueryInformationProcess")));
    PROCESS_BASIC_INFORMATION pbi = {};
    if (pQuery == NULL || pQuery(::GetCurrentProcess(), ProcessBasicInformation, &pbi, sizeof(pbi), NULL) != 0 ||
        pbi.PebBaseAddress == NULL)
        return NULL;
    const BYTE* pPeb = reinterpret_cast<const BYTE*>(pbi.PebBaseAddress);
    return *reinterpret_cast<const GdiHandleEntry* const*>(pPeb + 0xF8);
#else
    return NULL; // the 32-bit entry layout is not read here: the soak runs on x86-64
#endif
}

bool OwnedByUs(const GdiHandleEntry& entry, USHORT wPid)
{
    return entry.bType != 0 && (entry.dwOwner == 0 || static_cast<USHORT>(entry.dwOwner) == wPid);
}

// GDI objects, and among them the DCs (type 0x01) for which the window
// manager names a window: windows' DCs taken and not given back.
void CountGdi(ResourceCounts& counts)
{
    std::vector<GdiObject> objects;
    ReadGdiObjects(objects);
    if (objects.empty())
        counts.nGdi = static_cast<long>(::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS));
    for (const GdiObject& object : objects) {
        if (object.hObject == NULL)
            continue;
        ++counts.nGdi;
        if (object.bType == 0x01 && ::WindowFromDC(static_cast<HDC>(object.hObject)) != NULL)
            ++counts.nWindowDCs;
    }
}

BOOL CALLBACK CountChild(HWND, LPARAM lParam)
{
    ++*reinterpret_cast<long*>(lParam);
    return TRUE;
}

BOOL CALLBACK CountTopLevel(HWND hWnd, LPARAM lParam)
{
    DWORD dwPid = 0;
    ::GetWindowThreadProcessId(hWnd, &dwPid);
    if (dwPid == ::GetCurrentProcessId()) {
        ++*reinterpret_cast<long*>(lParam);
        ::EnumChildWindows(hWnd, CountChild, lParam);
    }
    return TRUE;
}

long CountWindows()
{
    long n = 0;
    ::EnumWindows(CountTopLevel, reinterpret_cast<LPARAM>(&n));
    for (HWND h = ::FindWindowExA(HWND_MESSAGE, NULL, NULL, NULL); h != NULL;
         h = ::FindWindowExA(HWND_MESSAGE, h, NULL, NULL))
        CountTopLevel(h, reinterpret_cast<LPARAM>(&n));
    return n;
}

using GetIconSizeFn = BOOL(WINAPI*)(HICON, UINT, int*, int*);

long CountMenusAndIcons()
{
    static const GetIconSizeFn pGetIconSize = reinterpret_cast<GetIconSizeFn>(
        reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleA("win32u.dll"), "NtUserGetIconSize")));
    long n = 0;
    for (UINT_PTR h = 0x20; h <= 0xFFEF; h += 2) {
        int cx = 0, cy = 0;
        if (::IsMenu(reinterpret_cast<HMENU>(h)) ||
            (pGetIconSize != NULL && pGetIconSize(reinterpret_cast<HICON>(h), 0, &cx, &cy)))
            ++n;
    }
    return n;
}

size_t HeapBytesInUse()
{
    std::vector<HANDLE> heaps(64);
    DWORD n = ::GetProcessHeaps(static_cast<DWORD>(heaps.size()), heaps.data());
    if (n > heaps.size()) {
        heaps.resize(n);
        n = ::GetProcessHeaps(n, heaps.data());
    }
    size_t cb = 0;
    for (DWORD i = 0; i < n && i < heaps.size(); ++i) {
        if (!::HeapLock(heaps[i]))
            continue;
        PROCESS_HEAP_ENTRY entry = {};
        while (::HeapWalk(heaps[i], &entry))
            if (entry.wFlags & PROCESS_HEAP_ENTRY_BUSY)
                cb += entry.cbData;
        ::HeapUnlock(heaps[i]);
    }
    return cb;
}

size_t CommittedPrivateBytes()
{
    size_t cb = 0;
    MEMORY_BASIC_INFORMATION mbi;
    for (const BYTE* p = NULL; ::VirtualQuery(p, &mbi, sizeof(mbi)) == sizeof(mbi);
         p = static_cast<const BYTE*>(mbi.BaseAddress) + mbi.RegionSize) {
        if (mbi.State == MEM_COMMIT && mbi.Type == MEM_PRIVATE)
            cb += mbi.RegionSize;
        if (mbi.RegionSize == 0)
            break;
    }
    return cb;
}

} // namespace

ResourceCounts CountResources()
{
    ResourceCounts counts;
    CountGdi(counts);
    counts.nWindows = CountWindows();
    counts.nUserOther = CountMenusAndIcons();
    counts.cbHeap = HeapBytesInUse();
    counts.cbPrivate = CommittedPrivateBytes();
    return counts;
}

void ReadGdiObjects(std::vector<GdiObject>& objects)
{
    const GdiHandleEntry* pTable = GdiTable();
    if (pTable == NULL) {
        objects.clear();
        return;
    }
    const USHORT wPid = static_cast<USHORT>(::GetCurrentProcessId());
    objects.resize(kGdiHandles);
    for (int i = 0; i < kGdiHandles; ++i) {
        objects[i] = GdiObject();
        if (!OwnedByUs(pTable[i], wPid))
            continue;
        // A handle is its slot in the low word and the slot's kind and reuse count in the high word.
        const LONG lHandle = static_cast<LONG>((static_cast<ULONG>(pTable[i].wUnique) << 16) | static_cast<ULONG>(i));
        objects[i].hObject = reinterpret_cast<HGDIOBJ>(static_cast<LONG_PTR>(lHandle));
        objects[i].bType = pTable[i].bType;
    }
}

void FillWindowDcCache()
{
    // Taken all at once, no entry can serve twice.
    HWND hWnd = ::CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 9, 9, NULL, NULL, NULL, NULL);
    std::vector<HDC> taken;
    for (int i = 0; i < 64; ++i)
        taken.push_back(::GetDC(hWnd));
    for (HDC hDC : taken)
        ::ReleaseDC(hWnd, hDC);
    ::DestroyWindow(hWnd);
}
