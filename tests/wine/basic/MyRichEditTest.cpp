// MyRichEdit with the library's calls to the loader watched: each control
// loads the rich edit library once, releases it after its window is gone,
// and fails quietly when the loader or the window creation fails.
#include <afxcmn.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "ImportPatch.h"
#include "MessagePump.h"
#include "MyRichEdit.h"
#include "SyntheticInput.h"
#include "WindowReadback.h"

namespace {

// What the library asked of the loader, in order.
struct LoaderRecord {
    std::vector<std::string> events;  // "load <name>", "free"
    std::vector<HWND> windowsAtFree;  // rich edit windows still alive at each free
    HINSTANCE hResourcesAtLoad = NULL; // MFC's resource handle while the library loads
    bool bFailLoads = false;
    std::vector<HWND> watched;        // windows whose life the frees are checked against
};
LoaderRecord g_record;

HMODULE WINAPI WatchedLoadLibraryA(LPCSTR pszName)
{
    g_record.events.push_back(std::string("load ") + pszName);
    g_record.hResourcesAtLoad = AfxGetResourceHandle();
    if (g_record.bFailLoads) {
        ::SetLastError(ERROR_MOD_NOT_FOUND);
        return NULL;
    }
    return ::LoadLibraryA(pszName);
}

BOOL WINAPI WatchedFreeLibrary(HMODULE hModule)
{
    g_record.events.push_back("free");
    for (HWND h : g_record.watched)
        if (::IsWindow(h))
            g_record.windowsAtFree.push_back(h);
    return ::FreeLibrary(hModule);
}

class MyRichEditTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        g_record = LoaderRecord();
        const HMODULE hLibrary = ::GetModuleHandleA("C_LatticeObject.dll");
        m_pLoad = std::make_unique<ImportPatch>(hLibrary, "LoadLibraryA", reinterpret_cast<const void*>(&WatchedLoadLibraryA));
        m_pFree = std::make_unique<ImportPatch>(hLibrary, "FreeLibrary", reinterpret_cast<const void*>(&WatchedFreeLibrary));
        ASSERT_TRUE(m_pLoad->Applied() && m_pFree->Applied());
        ASSERT_TRUE(m_host.CreateEx(0, NULL, "", WS_POPUP | WS_VISIBLE, 50, 50, 400, 200, NULL, 0));
        ActivateForInput(m_host.m_hWnd);
    }
    void TearDown() override
    {
        m_host.DestroyWindow();
        PumpUntilIdle();
        m_pFree.reset();
        m_pLoad.reset();
    }

    static const DWORD kStyle = WS_CHILD | WS_VISIBLE | WS_BORDER | ES_MULTILINE;
    CWnd m_host;
    std::unique_ptr<ImportPatch> m_pLoad, m_pFree;
};

// The control's text in the ANSI code page, read into a buffer of its own:
// the length Wine's rich edit reports is too short for double-byte text
// (a read sized by it comes back empty).
std::string RichText(const CWnd& edit)
{
    char sz[256] = {};
    edit.GetWindowText(sz, sizeof(sz));
    return sz;
}

std::string ClassOf(HWND hWnd)
{
    char sz[64] = {};
    ::GetClassNameA(hWnd, sz, sizeof(sz));
    return sz;
}

TEST_F(MyRichEditTest, EachControlHoldsItsOwnReferenceAndReleasesItAfterItsWindow)
{
    const HINSTANCE hBefore = AfxGetResourceHandle();
    auto pFirst = std::make_unique<MyRichEdit>();
    MyRichEdit second;
    ASSERT_TRUE(pFirst->Create(kStyle, CRect(10, 10, 190, 90), &m_host, 7));
    ASSERT_TRUE(second.CreateById(kStyle, CRect(200, 10, 390, 90), &m_host));
    EXPECT_EQ(ClassOf(pFirst->m_hWnd), "RichEdit20A");
    EXPECT_EQ(pFirst->GetDlgCtrlID(), 7);
    EXPECT_EQ(second.GetDlgCtrlID(), 8126);
    EXPECT_EQ(g_record.events, (std::vector<std::string>{"load RICHED20.DLL", "load RICHED20.DLL"}));
    EXPECT_EQ(g_record.hResourcesAtLoad, ::GetModuleHandleA("C_LatticeObject.dll")) << "the library's resources first";
    EXPECT_EQ(AfxGetResourceHandle(), hBefore) << "and the host's again afterwards";

    g_record.watched = {pFirst->m_hWnd, second.m_hWnd};
    const HWND hFirst = pFirst->m_hWnd;
    pFirst.reset();
    EXPECT_FALSE(::IsWindow(hFirst));
    EXPECT_EQ(g_record.events.size(), 3u);
    EXPECT_EQ(g_record.windowsAtFree, (std::vector<HWND>{second.m_hWnd})) << "the first window went before its reference";

    // The second control still edits, in Traditional Chinese under code page
    // 950. The characters come as an input method commits them: Wine's rich
    // edit takes the bytes of a double-byte character typed into an ANSI
    // window one by one, where Windows joins them.
    second.SetFocus();
    second.ReplaceSel("\xA4\xA4\xA4\xE5"); // "Chinese"
    TypeText(" ok");
    PumpUntilIdle();
    EXPECT_EQ(RichText(second), "\xA4\xA4\xA4\xE5 ok");
    second.SetSel(0, 1); // positions count characters
    second.ReplaceSel("\xBB\x4F"); // a trail byte in the ASCII range
    EXPECT_EQ(RichText(second), "\xBB\x4F\xA4\xE5 ok");
}

TEST_F(MyRichEditTest, ANeverCreatedControlReleasesNothingAndFailuresAreQuiet)
{
    { MyRichEdit never; }
    EXPECT_TRUE(g_record.events.empty());

    g_record.bFailLoads = true; // a system without the library
    {
        MyRichEdit edit;
        EXPECT_FALSE(edit.Create(kStyle, CRect(10, 10, 190, 90), &m_host, 1));
        EXPECT_FALSE(edit.CreateById(kStyle, CRect(10, 10, 190, 90), &m_host));
        EXPECT_EQ(edit.m_hWnd, static_cast<HWND>(NULL));
    }
    EXPECT_EQ(g_record.events, (std::vector<std::string>{"load RICHED20.DLL", "load RICHED20.DLL"}));

    g_record = LoaderRecord(); // a window that cannot be made: a child without a parent
    {
        MyRichEdit edit;
        EXPECT_FALSE(edit.Create(kStyle, CRect(10, 10, 190, 90), NULL, 1));
        EXPECT_EQ(edit.m_hWnd, static_cast<HWND>(NULL));
        EXPECT_EQ(g_record.events.size(), 1u) << "the library stays loaded";
    }
    EXPECT_EQ(g_record.events, (std::vector<std::string>{"load RICHED20.DLL", "free"}));
}

TEST_F(MyRichEditTest, ASecondCreateKeepsOneReference)
{
    {
        MyRichEdit edit;
        ASSERT_TRUE(edit.Create(kStyle, CRect(10, 10, 190, 90), &m_host, 1));
        edit.DestroyWindow();
        ASSERT_TRUE(edit.CreateById(kStyle, CRect(10, 10, 190, 90), &m_host));
    }
    EXPECT_EQ(g_record.events, (std::vector<std::string>{"load RICHED20.DLL", "load RICHED20.DLL", "free", "free"}));
}

TEST(RichEditCtrl, CreatesTheSystemControlAndWrapsItsSelection)
{
    CWnd host;
    ASSERT_TRUE(host.CreateEx(0, NULL, "", WS_POPUP | WS_VISIBLE, 50, 50, 300, 120, NULL, 0));
    CRichEditCtrl edit;
    ASSERT_TRUE(edit.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 280, 100), &host, 3));
    EXPECT_EQ(ClassOf(edit.m_hWnd), "RichEdit20A");
    edit.SetWindowText("abcdef");
    edit.SetSel(1, 4);
    long nStart = -1, nEnd = -1;
    edit.GetSel(nStart, nEnd);
    EXPECT_EQ(nStart, 1);
    EXPECT_EQ(nEnd, 4);
    edit.ReplaceSel("X");
    EXPECT_EQ(WindowTextOf(edit.m_hWnd), "aXef");
    EXPECT_EQ(edit.GetTextLength(), 4);
    host.DestroyWindow();
}

} // namespace
