// The lines are checked against the C runtime's "[%s]%-8s %s" and "%s %s"
// for any bytes by fuzz_symbol_line; these are lines the catalogue shows.
#include "lattice/core/SymbolLine.h"

#include <gtest/gtest.h>

using lattice::symbols::PlainLine;
using lattice::symbols::ServiceLine;

TEST(SymbolLine, IdsArePaddedToEightAndNeverCut)
{
    EXPECT_EQ(ServiceLine("TSE", "1234567", "x"), "[TSE]1234567  x");
    EXPECT_EQ(ServiceLine("TSE", "12345678", "x"), "[TSE]12345678 x");
    EXPECT_EQ(ServiceLine("OPT", "TXO18000L5", "call"), "[OPT]TXO18000L5 call");
    EXPECT_EQ(ServiceLine("", "", ""), "[]         ");
    EXPECT_EQ(PlainLine("2330", "\xA5\x78\xBF\x6E"), "2330 \xA5\x78\xBF\x6E");
}
