// Loading and unloading the library as an extension module, and the scoped switch to its resources.
#include <gtest/gtest.h>

#include <afxwin.h>

#include "CAutoDllResource.h"

namespace {

bool InChain(HMODULE hModule)
{
    for (CDynLinkLibrary* pDLL = AfxGetModuleState()->m_pFirstDLL; pDLL != NULL; pDLL = pDLL->m_pNextDLL)
        if (pDLL->m_hModule == hModule)
            return true;
    return false;
}

TEST(ModuleLifecycleTest, FailingExtensionInitialisationFailsTheLoad)
{
    CDynLinkLibrary* pFirstBefore = AfxGetModuleState()->m_pFirstDLL;
    EXPECT_EQ(::LoadLibraryA("failing_init_probe.dll"), (HMODULE)NULL);
    EXPECT_EQ(AfxGetModuleState()->m_pFirstDLL, pFirstBefore) << "the failed module left in the chain";
}

// Loading joins the chain of extension modules, the switch to the library's resources holds for its
// scope and nested switches unwind in order, and unloading leaves the chain.
TEST(ModuleLifecycleTest, TheLoadedLibraryJoinsTheChainLendsItsResourcesForAScopeAndLeavesOnUnload)
{
    HMODULE hLibrary = ::LoadLibraryA("C_LatticeObject.dll");
    ASSERT_NE(hLibrary, (HMODULE)NULL);
    EXPECT_TRUE(InChain(hLibrary));
    const HINSTANCE hBefore = AfxGetResourceHandle(), hMfc = ::GetModuleHandleA("mfc.dll");
    {
        CAutoDllResource outer(AfxGetModuleState()->m_hCurrentResourceHandle, hLibrary);
        EXPECT_EQ(AfxGetResourceHandle(), hLibrary);
        {
            CAutoDllResource inner(AfxGetResourceHandle(), hMfc);
            EXPECT_EQ(AfxGetResourceHandle(), hMfc);
        }
        EXPECT_EQ(AfxGetResourceHandle(), hLibrary);
    }
    EXPECT_EQ(AfxGetResourceHandle(), hBefore);
    ASSERT_TRUE(::FreeLibrary(hLibrary));
    EXPECT_FALSE(InChain(hLibrary));
}

} // namespace
