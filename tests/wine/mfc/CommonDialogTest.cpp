// The print dialog's quiet question for the default printer. (The wait
// cursor is two calls of the system's own, not worth a test here.)
#include <afxdlgs.h>
#include <gtest/gtest.h>

TEST(PrintDialog, DefaultsFollowTheSystemsDefaultPrinter)
{
    char szDefault[256] = "";
    DWORD cch = sizeof(szDefault);
    const bool bHasDefault = ::GetDefaultPrinterA(szDefault, &cch) != FALSE;

    CPrintDialog dlg(FALSE);
    EXPECT_EQ(dlg.GetDefaults() != FALSE, bHasDefault);
    // Without a printer the system hands nothing over.
    EXPECT_EQ(dlg.GetDevMode() != nullptr, bHasDefault);
    EXPECT_EQ(dlg.GetPrinterDC() != nullptr, bHasDefault) << "the printer's DC is asked for";
    EXPECT_EQ(dlg.GetDeviceName(), CString(bHasDefault ? szDefault : ""));
    ::DeleteDC(dlg.GetPrinterDC());
    EXPECT_EQ(dlg.m_pd.Flags & PD_RETURNDEFAULT, 0u) << "the quiet question left its flag behind";
}
