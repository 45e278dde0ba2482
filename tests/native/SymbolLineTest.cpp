#include "lattice/core/SymbolLine.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace {

using lattice::symbols::PlainLine;
using lattice::symbols::ServiceLine;

// The C library's own reading of the two shapes, for inputs without NULs.
std::string Printf(const char* format, const std::string& a, const std::string& b, const std::string& c = {})
{
    char buffer[512];
    // Arguments beyond those the format uses are ignored.
    const int n = std::snprintf(buffer, sizeof buffer, format, a.c_str(), b.c_str(), c.c_str());
    return std::string(buffer, static_cast<std::size_t>(n));
}

struct LineCase {
    const char* label;
    std::string service, id, name;
    std::string expectedService; // "[%s]%-8s %s"
};

// Big5: \xA4\xA4\xB5\xD8 is two characters; \xA5\x41 and \xA6\x6E have
// trail bytes that read as 'A' and 'n' in ASCII.
const LineCase kCases[] = {
    {"short id padded", "TSE", "2330", "TSMC", "[TSE]2330     TSMC"},
    {"seven bytes", "TSE", "1234567", "x", "[TSE]1234567  x"},
    {"exactly eight", "TSE", "12345678", "x", "[TSE]12345678 x"},
    {"long id not cut", "OPT", "TXO18000L5", "call", "[OPT]TXO18000L5 call"},
    {"empty everything", "", "", "", "[]         "},
    {"empty name", "TSE", "2330", "", "[TSE]2330     "},
    {"percent is text", "%s%%", "%d%n", "50%off%s", "[%s%%]%d%n     50%off%s"},
    {"big5 id counts bytes", "\xA4\xA4", "\xA4\xA4\xB5\xD8", "n", "[\xA4\xA4]\xA4\xA4\xB5\xD8     n"},
    {"big5 trail bytes like letters", "\xA5\x41", "\xA6\x6E\xA5\x41", "\xA5\x41\xA6\x6E",
     "[\xA5\x41]\xA6\x6E\xA5\x41     \xA5\x41\xA6\x6E"},
    {"blanks kept", " S ", " 1 ", " n ", "[ S ] 1        n "},
};

TEST(SymbolLine, ServiceLineMatchesTableAndPrintf)
{
    for (const LineCase& c : kCases) {
        SCOPED_TRACE(c.label);
        const std::string line = ServiceLine(c.service, c.id, c.name);
        EXPECT_EQ(line, c.expectedService);
        EXPECT_EQ(line, Printf("[%s]%-8s %s", c.service, c.id, c.name));
    }
}

TEST(SymbolLine, PlainLineMatchesPrintf)
{
    for (const LineCase& c : kCases) {
        SCOPED_TRACE(c.label);
        EXPECT_EQ(PlainLine(c.id, c.name), Printf("%s %s", c.id, c.name));
    }
    EXPECT_EQ(PlainLine("%s", "%n%n"), "%s %n%n");
}

} // namespace
