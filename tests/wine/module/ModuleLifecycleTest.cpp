// Loading and unloading the library as an extension module, and the scoped
// switch to its resources.
#include <gtest/gtest.h>

#include <afxwin.h>

#include "CAutoDllResource.h"

namespace {

bool InChain(HMODULE hModule)
{
    for (CDynLinkLibrary* pDLL = AfxGetModuleState()->m_pFirstDLL; pDLL != NULL; pDLL = pDLL->m_pNextDLL) {
        if (pDLL->m_hModule == hModule)
            return true;
    }
    return false;
}

TEST(ModuleLifecycleTest, LoadingJoinsTheChainAndUnloadingLeavesIt)
{
    HMODULE hLibrary = ::LoadLibraryA("C_LatticeObject.dll");
    ASSERT_NE(hLibrary, (HMODULE)NULL);
    EXPECT_TRUE(InChain(hLibrary));
    ASSERT_TRUE(::FreeLibrary(hLibrary));
    EXPECT_FALSE(InChain(hLibrary));
}

TEST(ModuleLifecycleTest, FailingExtensionInitialisationFailsTheLoad)
{
    CDynLinkLibrary* pFirstBefore = AfxGetModuleState()->m_pFirstDLL;
    ::SetLastError(0);
    HMODULE hProbe = ::LoadLibraryA("failing_init_probe.dll");
    EXPECT_EQ(hProbe, (HMODULE)NULL);
    EXPECT_NE(::GetLastError(), 0u);
    EXPECT_EQ(AfxGetModuleState()->m_pFirstDLL, pFirstBefore);
}

// An operation of a library that loads its own resources, and may leave early.
int LoadWithLibraryResources(HINSTANCE hLibrary, bool bLeaveEarly, HINSTANCE* phSeen)
{
    CAutoDllResource resources(AfxGetModuleState()->m_hCurrentResourceHandle, hLibrary);
    *phSeen = AfxGetResourceHandle();
    if (bLeaveEarly)
        return 1;
    return 0;
}

TEST(ModuleLifecycleTest, ResourceHandleIsTheLibrarysWhileSwitchedAndRestoredAfterwards)
{
    HMODULE hLibrary = ::LoadLibraryA("C_LatticeObject.dll");
    ASSERT_NE(hLibrary, (HMODULE)NULL);
    const HINSTANCE hBefore = AfxGetResourceHandle();
    for (bool bLeaveEarly : {false, true}) {
        HINSTANCE hSeen = NULL;
        LoadWithLibraryResources(hLibrary, bLeaveEarly, &hSeen);
        EXPECT_EQ(hSeen, hLibrary);
        EXPECT_EQ(AfxGetResourceHandle(), hBefore);
    }
    // Nested switches unwind in order.
    {
        CAutoDllResource outer(AfxGetResourceHandle(), hLibrary);
        {
            CAutoDllResource inner(AfxGetResourceHandle(), ::GetModuleHandleA("mfc.dll"));
        }
        EXPECT_EQ(AfxGetResourceHandle(), hLibrary);
    }
    EXPECT_EQ(AfxGetResourceHandle(), hBefore);
    ::FreeLibrary(hLibrary);
}

} // namespace
