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

TEST(SymbolInfo, CopiesTakeTheSourceMainPairOnly)
{
    ExpectPairs(CSymbolInfo(), 0, "");

    CSymbolInfo source;
    source.m_ucService = 16;
    source.m_strSymbol = "2330";
    source.m_ucServiceMirror = 99;
    source.m_strSymbolMirror = "stale";

    CSymbolInfo copy(source);
    ExpectPairs(copy, 16, "2330");

    CSymbolInfo target;
    target.SetService(7);
    target.SetSymbol("old");
    target = source;
    ExpectPairs(target, 16, "2330");
    // The source is read, never written.
    EXPECT_EQ(source.m_ucServiceMirror, 99);
    EXPECT_STREQ(source.m_strSymbolMirror.GetString(), "stale");

    // Assignment to itself leaves even a skewed record as it was.
    CSymbolInfo& self = source;
    source = self;
    EXPECT_EQ(source.m_ucServiceMirror, 99);
    EXPECT_STREQ(source.m_strSymbolMirror.GetString(), "stale");
}

TEST(SymbolInfo, GettersRefreshMirrorsSettersAndClearKeepPairsEqual)
{
    CSymbolInfo info;
    info.m_ucService = 16;
    info.m_strSymbol = "2330";
    info.m_ucServiceMirror = 99;
    info.m_strSymbolMirror = "stale";

    EXPECT_EQ(info.GetService(), 16);
    EXPECT_EQ(info.m_ucServiceMirror, 16);
    EXPECT_STREQ(info.m_strSymbolMirror.GetString(), "stale"); // each getter writes its own mirror only
    EXPECT_STREQ(info.GetSymbol().GetString(), "2330");
    ExpectPairs(info, 16, "2330");

    // The returned symbol is a copy.
    CString strCopy = info.GetSymbol();
    strCopy = "changed";
    EXPECT_STREQ(info.m_strSymbol.GetString(), "2330");

    info.SetService(255);
    info.SetSymbol("\xA5\x41%s long id 123456789");
    ExpectPairs(info, 255, "\xA5\x41%s long id 123456789");

    info.Clear();
    ExpectPairs(info, 0, "");
}

TEST(SymbolInfo, PackedLayoutAsTheHostSeesIt)
{
    EXPECT_EQ(sizeof(CSymbolInfo), 2 + 2 * sizeof(void*));
    CSymbolInfo info;
    info.m_ucService = 16;
    info.m_ucServiceMirror = 42;
    const unsigned char* pBytes = reinterpret_cast<const unsigned char*>(&info);
    EXPECT_EQ(pBytes[0], 16);
    EXPECT_EQ(pBytes[1 + sizeof(void*)], 42); // right after the first string, no gap
}

} // namespace
