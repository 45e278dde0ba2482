// MyRichEdit with the library's calls to the loader watched: each control
// loads the rich edit library once, releases it after its window is gone,
// and fails quietly when the loader or the window creation fails.
#include <afxcmn.h>
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "MessagePump.h"
#include "MyRichEdit.h"
#include "SyntheticInput.h"

namespace {

// Replaces one function the library imports, for the object's lifetime, in
// the library's import address table: its own calls reach the replacement,
// everyone else's the real function.
struct ImportPatch {
    void** ppSlot = NULL;
    void* pOriginal = NULL;
    ImportPatch(HMODULE hModule, const char* pszFunction, const void* pReplacement)
    {
        BYTE* pBase = reinterpret_cast<BYTE*>(hModule);
        const LONG nNt = reinterpret_cast<IMAGE_DOS_HEADER*>(pBase)->e_lfanew;
        const auto& dir = reinterpret_cast<IMAGE_NT_HEADERS*>(pBase + nNt)->OptionalHeader.DataDirectory[1]; // imports
        for (auto* pDll = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(pBase + dir.VirtualAddress); pDll->Name; ++pDll) {
            auto* pName = reinterpret_cast<IMAGE_THUNK_DATA*>(pBase + pDll->OriginalFirstThunk);
            auto* pSlot = reinterpret_cast<IMAGE_THUNK_DATA*>(pBase + pDll->FirstThunk);
            for (; pName->u1.AddressOfData; ++pName, ++pSlot)
                if (!IMAGE_SNAP_BY_ORDINAL(pName->u1.Ordinal) &&
                    !strcmp(reinterpret_cast<IMAGE_IMPORT_BY_NAME*>(pBase + pName->u1.AddressOfData)->Name, pszFunction))
                    if ((pOriginal = Swap(ppSlot = reinterpret_cast<void**>(&pSlot->u1.Function), pReplacement)))
                        return;
        }
    }
    ~ImportPatch() { ppSlot != NULL && Swap(ppSlot, pOriginal); }
    static void* Swap(void** ppSlot, const void* pValue) // returns the value replaced
    {
        DWORD dwOld = 0;
        ::VirtualProtect(ppSlot, sizeof(void*), PAGE_READWRITE, &dwOld);
        void* pOld = std::exchange(*ppSlot, const_cast<void*>(pValue));
        ::VirtualProtect(ppSlot, sizeof(void*), dwOld, &dwOld);
        return pOld;
    }
};

std::vector<std::string> g_calls; // "load <name>", "free" and the windows alive then
std::vector<HWND> g_windows;      // windows whose life the frees are checked against
HINSTANCE g_hResourcesAtLoad = NULL;
bool g_bFailLoads = false;

HMODULE WINAPI WatchedLoadLibraryA(LPCSTR pszName)
{
    g_calls.push_back(std::string("load ") + pszName);
    g_hResourcesAtLoad = AfxGetResourceHandle();
    return g_bFailLoads ? (::SetLastError(ERROR_MOD_NOT_FOUND), HMODULE()) : ::LoadLibraryA(pszName);
}
BOOL WINAPI WatchedFreeLibrary(HMODULE hModule)
{
    g_calls.push_back("free");
    for (HWND h : g_windows)
        g_calls.back() += ::IsWindow(h) ? " alive" : " gone";
    return ::FreeLibrary(hModule);
}

class MyRichEditTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        g_calls.clear(), g_windows.clear(), g_bFailLoads = false;
        ASSERT_TRUE(m_load.ppSlot && m_free.ppSlot);
        ASSERT_TRUE(m_host.CreateEx(0, NULL, "", WS_POPUP | WS_VISIBLE, 50, 50, 400, 200, NULL, 0));
        ActivateForInput(m_host.m_hWnd);
    }
    void TearDown() override { m_host.DestroyWindow(), PumpUntilIdle(); }
    BOOL Create(MyRichEdit& edit, CWnd* pParent, UINT nID = 0)
    {
        const CRect rc(10, 10, 190, 90);
        const DWORD dwStyle = WS_CHILD | WS_VISIBLE | ES_MULTILINE;
        return nID == 0 ? edit.CreateById(dwStyle, rc, pParent) : edit.Create(dwStyle, rc, pParent, nID);
    }

    const HMODULE m_hLibrary = ::GetModuleHandleA("C_LatticeObject.dll");
    ImportPatch m_load{m_hLibrary, "LoadLibraryA", reinterpret_cast<const void*>(&WatchedLoadLibraryA)};
    ImportPatch m_free{m_hLibrary, "FreeLibrary", reinterpret_cast<const void*>(&WatchedFreeLibrary)};
    CWnd m_host;
};

TEST_F(MyRichEditTest, EachControlHoldsItsOwnReferenceAndReleasesItAfterItsWindow)
{
    const HINSTANCE hBefore = AfxGetResourceHandle();
    auto* pFirst = new MyRichEdit;
    MyRichEdit second;
    ASSERT_TRUE(Create(*pFirst, &m_host, 7) && Create(second, &m_host));
    char sz[64] = {};
    EXPECT_STREQ((::GetClassNameA(pFirst->m_hWnd, sz, sizeof(sz)), sz), "RichEdit20A");
    EXPECT_EQ(pFirst->GetDlgCtrlID() * 10000 + second.GetDlgCtrlID(), 7 * 10000 + 8126);
    EXPECT_EQ(g_hResourcesAtLoad, m_hLibrary) << "the library's resources first while creating";
    EXPECT_EQ(AfxGetResourceHandle(), hBefore) << "and the host's again afterwards";
    g_windows = {pFirst->m_hWnd, second.m_hWnd};
    delete pFirst;
    EXPECT_EQ(g_calls, (std::vector<std::string>{"load RICHED20.DLL", "load RICHED20.DLL", "free gone alive"}));

    // The second control still edits, in Traditional Chinese under code page
    // 950. The characters come as an input method commits them: Wine's rich
    // edit takes the bytes of a double-byte character typed into an ANSI
    // window one by one, where Windows joins them. The text is read into a
    // buffer of its own: the length Wine reports is too short for it.
    second.SetFocus();
    second.ReplaceSel("\xA4\xA4\xA4\xE5"); // "Chinese"
    TypeText(" ok"), PumpUntilIdle();
    EXPECT_STREQ((second.GetWindowText(sz, sizeof(sz)), sz), "\xA4\xA4\xA4\xE5 ok");
}

// Every reference taken is released once, and failures are quiet.
TEST_F(MyRichEditTest, FailingLoadsAndCreationsAreQuietAndBalanced)
{
    { MyRichEdit never; }
    EXPECT_TRUE(g_calls.empty()) << "a control never created releases nothing";

    g_bFailLoads = true; // a system without the library
    {
        MyRichEdit edit;
        EXPECT_FALSE(Create(edit, &m_host, 1) || Create(edit, &m_host));
        EXPECT_EQ(edit.m_hWnd, static_cast<HWND>(NULL));
    }
    g_bFailLoads = false;
    {
        MyRichEdit edit; // a child without a parent cannot be made; the library stays held
        EXPECT_FALSE(Create(edit, NULL, 1));
        EXPECT_EQ(g_calls.size(), 3u);
        ASSERT_TRUE(Create(edit, &m_host)); // a second creation keeps one reference
    }
    EXPECT_EQ(g_calls, (std::vector<std::string>{"load RICHED20.DLL", "load RICHED20.DLL", "load RICHED20.DLL",
                                                 "load RICHED20.DLL", "free", "free"}));
}

} // namespace
