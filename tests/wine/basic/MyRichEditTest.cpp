// MyRichEdit in a real window: each control holds one reference to the rich
// edit library and releases it after its window is gone. The references are
// read from the library's presence in the process, which nothing else here
// loads: one released too early unloads it under a living control, one kept
// too long leaves it loaded.
#include <afxcmn.h>
#include <gtest/gtest.h>

#include "MessagePump.h"
#include "MyRichEdit.h"
#include "SyntheticInput.h"

namespace {

bool RichEditLoaded() { return ::GetModuleHandleA("RICHED20.DLL") != NULL; }

TEST(MyRichEdit, EachControlHoldsOneReferenceAndReleasesItAfterItsWindow)
{
    CWnd host;
    ASSERT_TRUE(host.CreateEx(0, NULL, "", WS_POPUP | WS_VISIBLE, 50, 50, 400, 200, NULL, 0));
    ActivateForInput(host.m_hWnd);
    const DWORD dwStyle = WS_CHILD | WS_VISIBLE | ES_MULTILINE;
    const CRect rc(10, 10, 190, 90);
    {
        MyRichEdit never, again;
        EXPECT_FALSE(again.Create(dwStyle, rc, NULL, 1)) << "a child without a parent";
        ASSERT_TRUE(again.Create(dwStyle, rc, &host, 1)); // the second creation takes no second reference
    }
    ASSERT_FALSE(RichEditLoaded());

    const HINSTANCE hBefore = AfxGetResourceHandle();
    auto* pFirst = new MyRichEdit;
    {
        MyRichEdit second;
        ASSERT_TRUE(pFirst->Create(dwStyle, rc, &host, 7) && second.CreateById(dwStyle, rc, &host));
        EXPECT_EQ(AfxGetResourceHandle(), hBefore) << "the host's resources again after creating";
        EXPECT_EQ(second.GetDlgCtrlID(), 8126);
        delete pFirst;
        ASSERT_TRUE(RichEditLoaded()) << "the second control's own reference";

        // The second control still edits, in Traditional Chinese under code
        // page 950. The characters come as an input method commits them:
        // Wine's rich edit takes the bytes of a double-byte character typed
        // into an ANSI window one by one, where Windows joins them. The text
        // is read into a buffer of its own: the length Wine reports is too
        // short for it.
        second.SetFocus();
        second.ReplaceSel("\xA4\xA4\xA4\xE5"); // "Chinese"
        TypeText(" ok"), PumpUntilIdle();
        char sz[64] = {};
        EXPECT_STREQ((second.GetWindowText(sz, sizeof(sz)), sz), "\xA4\xA4\xA4\xE5 ok");
    }
    EXPECT_FALSE(RichEditLoaded());
    host.DestroyWindow(), PumpUntilIdle();
}

} // namespace
