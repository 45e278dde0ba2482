// The counter must see a leak: objects of each kind made and kept raise the
// count they belong to by their number, and freeing them brings it back.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

#include "HandleCounter.h"

namespace {

const int kLeaked = 12;

struct Kind {
    const char* pszName;
    std::function<HANDLE()> make;
    std::function<void(HANDLE)> free;
    long ResourceCounts::*pCount;
    long nPerObject; // the rise of that count for each object kept
};

HDC ScreenDC() { static HDC hScreen = ::GetDC(NULL); return hScreen; }
void DeleteGdi(HANDLE h) { ::DeleteObject(h); }
HWND Popup() { return ::CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 9, 9, NULL, NULL, NULL, NULL); }
// A window lives throughout, as in the soak: the thread's first window
// brings system windows of its own, which go with its last.
HWND Host() { static HWND hHost = Popup(); return hHost; }

const std::vector<Kind>& Kinds()
{
    static const std::vector<Kind> kinds = {
        {"brush", [] { return HANDLE(::CreateSolidBrush(RGB(1, 2, 3))); }, DeleteGdi, &ResourceCounts::nGdi, 1},
        {"bitmap", [] { return HANDLE(::CreateCompatibleBitmap(ScreenDC(), 8, 8)); }, DeleteGdi, &ResourceCounts::nGdi, 1},
        {"font", [] { return HANDLE(::CreateFontA(-12, 0, 0, 0, 400, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "Tahoma")); },
         DeleteGdi, &ResourceCounts::nGdi, 1},
        {"memory DC", [] { return HANDLE(::CreateCompatibleDC(ScreenDC())); },
         [](HANDLE h) { ::DeleteDC(static_cast<HDC>(h)); }, &ResourceCounts::nGdi, 1},
        {"window DC", [] { return HANDLE(::GetDC(Host())); }, [](HANDLE h) { ::ReleaseDC(Host(), static_cast<HDC>(h)); },
         &ResourceCounts::nWindowDCs, 1},
        {"window", [] { return HANDLE(Popup()); }, [](HANDLE h) { ::DestroyWindow(static_cast<HWND>(h)); },
         &ResourceCounts::nWindows, 1},
        {"menu", [] { return HANDLE(::CreatePopupMenu()); }, [](HANDLE h) { ::DestroyMenu(static_cast<HMENU>(h)); },
         &ResourceCounts::nUserOther, 1},
        {"icon", [] { return HANDLE(::CopyIcon(::LoadIcon(NULL, IDI_APPLICATION))); },
         [](HANDLE h) { ::DestroyIcon(static_cast<HICON>(h)); }, &ResourceCounts::nUserOther, 1},
    };
    return kinds;
}

// Slots of the GDI handle table that hold another object than before.
int NewSlots(const std::vector<GdiObject>& before)
{
    std::vector<GdiObject> after;
    ReadGdiObjects(after);
    int n = 0;
    for (size_t i = 0; i < before.size() && i < after.size(); ++i)
        n += after[i].hObject != NULL && after[i].hObject != before[i].hObject ? 1 : 0;
    return n;
}

TEST(HandleCounter, SeesEachKindOfObjectKeptAndItsRelease)
{
    Host();
    for (const Kind& kind : Kinds()) {
        kind.free(kind.make()); // the first object of a kind fills the system's caches
        const ResourceCounts before = CountResources();
        std::vector<GdiObject> objectsBefore;
        ReadGdiObjects(objectsBefore);
        std::vector<HANDLE> kept;
        for (int i = 0; i < kLeaked; ++i)
            kept.push_back(kind.make());
        const ResourceCounts leaking = CountResources();
        EXPECT_EQ(leaking.*kind.pCount - before.*kind.pCount, kLeaked * kind.nPerObject) << kind.pszName;
        if (kind.pCount == &ResourceCounts::nGdi) {
            EXPECT_EQ(NewSlots(objectsBefore), kLeaked) << kind.pszName << ": the slots it took";
        }
        for (HANDLE h : kept)
            kind.free(h);
        EXPECT_EQ(CountResources().*kind.pCount, before.*kind.pCount) << kind.pszName;
    }
}

TEST(HandleCounter, AfterFillingTheWindowDcCacheDcsHeldTogetherAddNoObject)
{
    Host();
    FillWindowDcCache();
    const ResourceCounts before = CountResources();
    std::vector<HDC> taken; // without the fill, each would be a new entry
    for (int i = 0; i < 20; ++i)
        taken.push_back(::GetDC(Host()));
    for (HDC hDC : taken)
        ::ReleaseDC(Host(), hDC);
    const ResourceCounts after = CountResources();
    EXPECT_EQ(after.nGdi, before.nGdi);
    EXPECT_EQ(after.nWindowDCs, before.nWindowDCs);
}

TEST(HandleCounter, SeesSmallAndLargeBlocksKept)
{
    std::vector<std::unique_ptr<char[]>> kept;
    const ResourceCounts before = CountResources();
    for (int i = 0; i < kLeaked; ++i)
        kept.emplace_back(new char[4096]());
    const ResourceCounts small = CountResources();
    EXPECT_GE(small.cbHeap - before.cbHeap, kLeaked * 4096u);
    for (int i = 0; i < kLeaked; ++i)
        kept.emplace_back(new char[1024 * 1024]()); // beyond what a heap keeps in its own blocks
    const ResourceCounts large = CountResources();
    EXPECT_GE(large.cbPrivate - small.cbPrivate, kLeaked * 1024u * 1024);
    kept.clear();
    const ResourceCounts after = CountResources();
    EXPECT_LT(after.cbPrivate, large.cbPrivate - kLeaked * 1024u * 1024 / 2) << "most of it given back";
}

} // namespace
