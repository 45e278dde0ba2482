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
    const int n = std::snprintf(buffer, sizeof buffer, format, a.c_str(), b.c_str(), c.c_str());
    return std::string(buffer, static_cast<std::size_t>(n));
}

TEST(SymbolLine, ServiceAndPlainLinesMatchTheTableAndPrintf)
{
    // Big5: \xA4\xA4\xB5\xD8 is two characters; \xA5\x41 and \xA6\x6E have trail bytes 'A' and 'n'.
    const struct {
        std::string service, id, name, expected; // "[%s]%-8s %s"
    } rows[] = {
        {"TSE", "1234567", "x", "[TSE]1234567  x"},
        {"TSE", "12345678", "x", "[TSE]12345678 x"},
        {"OPT", "TXO18000L5", "call", "[OPT]TXO18000L5 call"},
        {"", "", "", "[]         "},
        {"%s%%", "%d%n", "50%off%s", "[%s%%]%d%n     50%off%s"},
        {"\xA4\xA4", "\xA4\xA4\xB5\xD8", "n", "[\xA4\xA4]\xA4\xA4\xB5\xD8     n"},
        {"\xA5\x41", "\xA6\x6E\xA5\x41", "\xA5\x41\xA6\x6E", "[\xA5\x41]\xA6\x6E\xA5\x41     \xA5\x41\xA6\x6E"},
        {" S ", " 1 ", " n ", "[ S ] 1        n "},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.expected);
        const std::string line = ServiceLine(row.service, row.id, row.name);
        EXPECT_EQ(line, row.expected);
        EXPECT_EQ(line, Printf("[%s]%-8s %s", row.service, row.id, row.name));
        EXPECT_EQ(PlainLine(row.id, row.name), Printf("%s %s", row.id, row.name));
    }
}

} // namespace
