// CString on Big5 text in the process's code page 950.
#include <gtest/gtest.h>

#include <afxwin.h>

#include <lattice/core/LeadByteTable.h>

namespace {

TEST(CStringTest, TheProcessRunsInCodePage950AndTheCoreTableAgreesWithIt)
{
    ASSERT_EQ(::GetACP(), 950u);
    const lattice::LeadByteTable& table = lattice::LeadByteTable::Cp950();
    for (int b = 0; b < 256; ++b)
        EXPECT_EQ(table.IsLead(static_cast<unsigned char>(b)), ::IsDBCSLeadByte(static_cast<BYTE>(b)) != FALSE)
            << "byte " << b;
}

TEST(CStringTest, SearchNeverMatchesOnATrailByte)
{
    // 0xA4 0x61 is one character whose trail byte is the letter 'a'.
    const CString text("\xA4" "a" "xa");
    EXPECT_EQ(text.Find('a'), 3);
    EXPECT_EQ(text.Find("a"), 3);
    EXPECT_EQ(text.Find("ax"), -1);
    EXPECT_EQ(CString("\xA4" "ax").Find("ax"), -1);
    EXPECT_EQ(text.Find("\xA4" "a"), 0);
}

TEST(CStringTest, ALoneLeadByteAtTheEndIsACharacterOfItsOwn)
{
    const CString text("ab\xA4");
    EXPECT_EQ(text.GetLength(), 3);
    EXPECT_EQ(text.Find('\xA4'), 2);
    EXPECT_EQ(text.Find("\xA4" "a"), -1);
    CString upper(text);
    upper.MakeUpper();
    EXPECT_EQ(upper, CString("AB\xA4"));
}

TEST(CStringTest, UpperCasingLeavesTrailBytesAndNonAsciiAlone)
{
    // Two double-byte characters whose trail bytes are 'a' and 'z'.
    CString text("\xA4" "a" "b\xE9" "z" "c");
    text.MakeUpper();
    EXPECT_EQ(text, CString("\xA4" "a" "B\xE9" "z" "C"));
}

TEST(CStringTest, CompareIsByteOrderAndFormatWidthsCountBytes)
{
    EXPECT_LT(CString("Z").Compare("\xA4\x40"), 0); // 0x5A < 0xA4, unsigned
    EXPECT_GT(CString("b").Compare("B"), 0);
    CString line;
    line.Format("[%s]%-8s %s", "1", "\xA4\xA4", "%d");
    EXPECT_EQ(line, CString("[1]\xA4\xA4       %d"));
}

} // namespace
