// Entry point of every Wine test program: an MFC application object, so
// that the tests have the host's message pump with PreTranslateMessage.
#include <afxwin.h>

#include <gtest/gtest.h>

namespace {
CWinApp theTestApp("LatticeObject tests");
}

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
