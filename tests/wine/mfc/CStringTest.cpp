// CString on Big5 text in the process's code page 950: the casing itself is
// the core's (tested natively); here, that CString hands it the system's lead
// bytes and the right length, as the symbol edit's search key needs.
#include <gtest/gtest.h>

#include <afxwin.h>

#include <lattice/core/LeadByteTable.h>

namespace {

// 0xA4 0x61 and 0xE9 0x7A are characters with trail bytes 'a' and 'z'; a lone lead byte at the end stands alone.
TEST(CStringTest, CasingLeavesTrailBytesAloneWithTheLeadBytesOfTheProcesssCodePage950)
{
    ASSERT_EQ(::GetACP(), 950u);
    const lattice::LeadByteTable& table = lattice::LeadByteTable::Cp950();
    for (int b = 0; b < 256; ++b)
        EXPECT_EQ(table.IsLead(static_cast<unsigned char>(b)), ::IsDBCSLeadByte(static_cast<BYTE>(b)) != FALSE)
            << "byte " << b;
    CString upper("\xA4" "a" "b\xE9" "z" "c\xA4");
    upper.MakeUpper();
    EXPECT_EQ(upper, CString("\xA4" "a" "B\xE9" "z" "C\xA4"));
}

} // namespace
