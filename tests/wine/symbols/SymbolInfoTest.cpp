// CSymbolInfo keeps its two pairs in step: copies take the source's main pair
// only, getters refresh the mirrors, setters go through the mirrors.
#include <gtest/gtest.h>

#include "CSymbolInfo.h"

namespace {

void ExpectPairs(const CSymbolInfo& info, unsigned char service, const char* pszSymbol)
{
    EXPECT_EQ(info.m_ucService, service);
    EXPECT_EQ(info.m_ucServiceMirror, service);
    EXPECT_STREQ(info.m_strSymbol.GetString(), pszSymbol);
    EXPECT_STREQ(info.m_strSymbolMirror.GetString(), pszSymbol);
}

// A record whose mirror pair disagrees with its main pair (16, "2330").
void Skew(CSymbolInfo& info)
{
    info.m_ucService = 16;
    info.m_strSymbol = "2330";
    info.m_ucServiceMirror = 99;
    info.m_strSymbolMirror = "stale";
}

TEST(SymbolInfo, CopiesTakeTheSourceMainPairOnly)
{
    ExpectPairs(CSymbolInfo(), 0, "");
    CSymbolInfo source;
    Skew(source);
    ExpectPairs(CSymbolInfo(source), 16, "2330");

    CSymbolInfo target;
    target.SetService(7);
    target.SetSymbol("old");
    target = source;
    ExpectPairs(target, 16, "2330");
    EXPECT_STREQ(source.m_strSymbolMirror.GetString(), "stale"); // the source is not written

    CSymbolInfo& self = source;
    source = self; // does nothing, even to a skewed record
    EXPECT_EQ(source.m_ucServiceMirror, 99);
}

TEST(SymbolInfo, GettersRefreshMirrorsSettersAndClearKeepPairsEqual)
{
    CSymbolInfo info;
    Skew(info);
    EXPECT_EQ(info.GetService(), 16);
    EXPECT_STREQ(info.m_strSymbolMirror.GetString(), "stale"); // each getter writes its own mirror only
    EXPECT_STREQ(info.GetSymbol().GetString(), "2330");
    ExpectPairs(info, 16, "2330");

    info.SetService(255);
    info.SetSymbol("\xA5\x41%s 123456789");
    ExpectPairs(info, 255, "\xA5\x41%s 123456789");
    info.Clear();
    ExpectPairs(info, 0, "");
}

} // namespace
