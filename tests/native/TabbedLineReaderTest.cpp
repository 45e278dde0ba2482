#include "lattice/core/TabbedLineReader.h"

#include <gtest/gtest.h>

using lattice::TabbedLineReader;

TEST(TabbedLineReader, SplitsFieldsKeepsLineNumbersAndSkipsComments)
{
    TabbedLineReader reader;
    reader.Read("\xEF\xBB\xBF# header\r\n"
                "service\t16\t\xE4\xB8\x8A\xE5\xB8\x82\r\n"
                "\n"
                "nssi\tROOT\tA1\t\n"
                "lang\tKEY");
    ASSERT_EQ(reader.Lines().size(), 3u);
    EXPECT_TRUE(reader.Problems().empty());

    const auto& service = reader.Lines()[0];
    EXPECT_EQ(service.lineNumber, 2u);
    EXPECT_EQ(service.fields, (std::vector<std::string>{"service", "16", "\xE4\xB8\x8A\xE5\xB8\x82"}));

    // A trailing tab is an empty last field, not a missing one.
    const auto& node = reader.Lines()[1];
    EXPECT_EQ(node.lineNumber, 4u);
    EXPECT_EQ(node.fields, (std::vector<std::string>{"nssi", "ROOT", "A1", ""}));

    // The last line needs no line end.
    EXPECT_EQ(reader.Lines()[2].lineNumber, 5u);
    EXPECT_EQ(reader.Lines()[2].fields.size(), 2u);
}

TEST(TabbedLineReader, ReportsNonUtf8LineAndKeepsTheRest)
{
    TabbedLineReader reader;
    // Line 2 is Big5 (already converted text), which is not UTF-8.
    reader.Read("a\t1\n"
                "b\t\xA5\x78\n"
                "c\t3\n");
    ASSERT_EQ(reader.Lines().size(), 2u);
    EXPECT_EQ(reader.Lines()[0].fields[0], "a");
    EXPECT_EQ(reader.Lines()[1].fields[0], "c");
    EXPECT_EQ(reader.Lines()[1].lineNumber, 3u);
    ASSERT_EQ(reader.Problems().size(), 1u);
    EXPECT_EQ(reader.Problems()[0].lineNumber, 2u);
}

TEST(TabbedLineReader, Utf8Validation)
{
    struct Row {
        const char* text;
        bool valid;
    } rows[] = {
        {"plain ascii", true},
        {"\xE5\x8F\xB0\xE7\xA9\x8D\xE9\x9B\xBB", true}, // 台積電
        {"\xF0\x9F\x98\x80", true},                     // four bytes
        {"\xC0\xAF", false},                            // overlong '/'
        {"\xE0\x80\xAF", false},                        // overlong, three bytes
        {"\xED\xA0\x80", false},                        // surrogate
        {"\xF4\x90\x80\x80", false},                    // above U+10FFFF
        {"\xE5\x8F", false},                            // cut short at the end
        {"\xE5\x41\xB0", false},                        // bad trail byte
        {"\x80", false},                                // stray trail byte
        {"\xFF", false},
    };
    for (const Row& row : rows)
        EXPECT_EQ(TabbedLineReader::IsValidUtf8(row.text), row.valid) << row.text;
}
