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

TEST(SymbolInfo, CopiesTakeTheMainPairGettersRefreshMirrorsSettersKeepPairsEqual)
{
    CSymbolInfo skewed; // main pair (16, "2330"), mirrors stale
    skewed.m_ucService = 16;
    skewed.m_strSymbol = "2330";
    skewed.m_ucServiceMirror = 99;
    skewed.m_strSymbolMirror = "stale";
    ExpectPairs(CSymbolInfo(skewed), 16, "2330");
    CSymbolInfo target;
    target.SetService(7);
    target.SetSymbol("\xA5\x41%s 123456789");
    ExpectPairs(target, 7, "\xA5\x41%s 123456789");
    target = skewed;
    ExpectPairs(target, 16, "2330");
    EXPECT_STREQ(skewed.m_strSymbolMirror.GetString(), "stale"); // the source is not written

    EXPECT_EQ(skewed.GetService(), 16);
    EXPECT_STREQ(skewed.GetSymbol().GetString(), "2330");
    ExpectPairs(skewed, 16, "2330");
    skewed.Clear();
    ExpectPairs(skewed, 0, "");
}

} // namespace
