#include "lattice/core/TabbedLineReader.h"

#include <gtest/gtest.h>

using lattice::TabbedLineReader;

// The host stand-ins read their demo market through this reader: a BOM, comments, blank lines and CRLF are
// skipped, a trailing tab is an empty last field, and a line that is not UTF-8 is reported and left out.
TEST(TabbedLineReader, SplitsFieldsKeepsLineNumbersAndReportsNonUtf8Lines)
{
    TabbedLineReader reader;
    reader.Read("\xEF\xBB\xBF# header\r\n"
                "service\t16\t\xE4\xB8\x8A\xE5\xB8\x82\r\n"
                "\n"
                "b\t\xA5\x78\n"
                "nssi\tROOT\tA1\t");
    ASSERT_EQ(reader.Lines().size(), 2u);
    EXPECT_EQ(reader.Lines()[0].fields, (std::vector<std::string>{"service", "16", "\xE4\xB8\x8A\xE5\xB8\x82"}));
    EXPECT_EQ(reader.Lines()[1].lineNumber, 5u);
    EXPECT_EQ(reader.Lines()[1].fields, (std::vector<std::string>{"nssi", "ROOT", "A1", ""}));
    ASSERT_EQ(reader.Problems().size(), 1u);
    EXPECT_EQ(reader.Problems()[0].lineNumber, 4u);

    for (const char* bad : {"\xC0\xAF", "\xED\xA0\x80", "\xF4\x90\x80\x80", "\xE5\x8F", "\xE5\x41\xB0", "\x80"})
        EXPECT_FALSE(TabbedLineReader::IsValidUtf8(bad)) << bad;
    EXPECT_TRUE(TabbedLineReader::IsValidUtf8("\xF0\x9F\x98\x80"));
}
