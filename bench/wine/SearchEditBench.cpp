// The two search edits under Wine, each figure beside a plain list box's
// part of the same work in the same run. A keystroke runs from the text
// change to a filled, shown and painted list: in CSearchEdit over 1000,
// 16384 and 131072 strings, and in CSymbolSearchEdit over the catalogue's
// full size, 131072 lines from the backend stand-in's generator, whose load
// and matching alone are measured too. Prints its figures; asserts nothing
// about time.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "BackendStub.h"
#include "BenchClock.h"
#include "CSearchEdit.h"
#include "CSymbolSearchEdit.h"
#include "SymbolCatalogue.h"
#include "lattice/core/LeadByteTable.h"
#include "lattice/core/SearchData.h"
#include "lattice/core/SymbolLine.h"

namespace search = lattice::search;

namespace {

// The edits' matching runs in this process's code page.
const lattice::LeadByteTable& Lead()
{
    static const lattice::LeadByteTable lead =
        lattice::LeadByteTable::FromPredicate([](unsigned char b) { return ::IsDBCSLeadByte(b) != FALSE; });
    return lead;
}

// A plain list box beside the edit's list, made as the edits make theirs: a
// child window turned into a top-level tool window with a border, topmost,
// of the popup's size and font, with storage for 16384 lines. With nBarLines,
// its vertical bar is shown once beforehand, as CSearchEdit's bar stays when
// a refill leaves it unchanged (a list box created with WS_VSCROLL would
// repaint its bar at every refill, which the popup does not).
class PlainList {
public:
    PlainList(HFONT hFont, int nWidth, int nBarLines = 0)
    {
        m_hOwner = ::CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, NULL, NULL, NULL, NULL);
        m_hList = ::CreateWindowExA(0, "ListBox", "", WS_CHILD, 0, 0, 0, 0, m_hOwner, NULL, NULL, NULL);
        ::SetWindowLongA(m_hList, GWL_STYLE, WS_POPUP | WS_BORDER);
        ::SetParent(m_hList, NULL);
        ::SetWindowLongA(m_hList, GWL_EXSTYLE, WS_EX_TOOLWINDOW);
        ::SetWindowPos(m_hList, HWND_TOPMOST, 10, 400, nWidth, 124, SWP_SHOWWINDOW | SWP_NOACTIVATE | SWP_FRAMECHANGED);
        ::SendMessageA(m_hList, WM_SETFONT, reinterpret_cast<WPARAM>(hFont), FALSE);
        ::SendMessageA(m_hList, LB_INITSTORAGE, 16384, 32);
        if (nBarLines > 0) {
            ::ShowScrollBar(m_hList, SB_VERT, TRUE);
            const UINT nPage = 124u / static_cast<UINT>(::SendMessageA(m_hList, LB_GETITEMHEIGHT, 0, 0));
            SCROLLINFO si = {sizeof(si), SIF_RANGE | SIF_PAGE | SIF_POS, 0, nBarLines - 1, nPage, 0, 0};
            ::SetScrollInfo(m_hList, SB_VERT, &si, TRUE);
        }
    }
    ~PlainList() { ::DestroyWindow(m_hList), ::DestroyWindow(m_hOwner); }

    // The list's part of a keystroke from `from` to `to`: emptied, filled
    // with to's lines, the preselected line found by prefix, painted.
    double Keystroke(const search::UpperCasedData& lines, const search::MatchResult& from,
                     const search::MatchResult& to)
    {
        TimeRefill(m_hList, [&] { Fill(lines, from); });
        return TimeRefill(m_hList, [&] {
            Fill(lines, to);
            int nSel = 0;
            if (to.preselectIndex != search::MatchResult::kNone)
                nSel = static_cast<int>(::SendMessageA(m_hList, LB_FINDSTRING, 0,
                                                       reinterpret_cast<LPARAM>(lines.CStr(to.preselectIndex))));
            ::SendMessageA(m_hList, LB_SETCURSEL, nSel, 0);
        });
    }

private:
    void Fill(const search::UpperCasedData& lines, const search::MatchResult& match)
    {
        for (const std::uint32_t i : match.hits)
            ::SendMessageA(m_hList, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(lines.CStr(i)));
    }

    HWND m_hOwner;
    HWND m_hList;
};

// A keystroke's name, the text before it (typed untimed) and its own text.
struct Stroke {
    const char *pszName, *pszFrom, *pszTo;
};

// Each keystroke in the edit beside the plain list's part of it, the best
// of nRounds; the floor lists `lines` as `rule` matches them. Each timed
// keystroke follows another text: a text equal to the last one handled is
// not matched again.
void MeasureKeystrokes(CWnd& edit, PlainList& plain, const search::UpperCasedData& lines, search::Preselection rule,
                       std::initializer_list<Stroke> strokes, int nRounds)
{
    Keystroke(edit, "warm-up"); // fonts and caches warm; the symbol edit loads here
    for (const Stroke& k : strokes) {
        search::MatchResult from, to;
        lines.Match(CString(k.pszFrom).MakeUpper().GetString(), Lead(), from, rule);
        lines.Match(CString(k.pszTo).MakeUpper().GetString(), Lead(), to, rule);
        const double dEdit = Best(nRounds, [&] { return Keystroke(edit, k.pszFrom), Keystroke(edit, k.pszTo); });
        const double dFloor = Best(nRounds, [&] { return plain.Keystroke(lines, from, to); });
        PrintVsFloor(("  " + std::string(k.pszName) + " (" + std::to_string(to.hits.size()) + " lines)").c_str(),
                     dEdit, dFloor);
    }
}

std::string Syllable(int n) { return std::string{'\xA4', static_cast<char>(0x40 + n % 64)}; }

TEST(SearchEditBench, KeystrokeToShownList)
{
    CFont font;
    font.CreatePointFont(90, "Tahoma");
    for (const int nCount : {1000, 16384, 131072}) {
        BenchFrame frame;
        CSearchEdit edit;
        ASSERT_TRUE(edit.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL, CRect(10, 10, 200, 34), &frame, 1));
        // Lines "s000123 " and three Big5 characters and "co".
        std::vector<CString> data;
        search::UpperCasedData lines;
        char code[16];
        for (int i = 0; i < nCount; ++i) {
            std::snprintf(code, sizeof(code), "s%06d ", i);
            data.emplace_back((code + Syllable(i * 7) + Syllable(i) + "\xA5\x78" "co").c_str());
            lines.Add(data.back().GetString(), Lead());
        }
        edit.SetSearchData(data, 0);
        const std::string keyA = Syllable(5) + "\xA5\x78", keyB = Syllable(9) + "\xA5\x78";
        std::printf("CSearchEdit, %d strings:\n", nCount);
        PlainList plain(static_cast<HFONT>(font.m_hObject), 240, nCount);
        MeasureKeystrokes(edit, plain, lines, {},
                          {{"narrowing", keyB.c_str(), keyA.c_str()},
                           {"lists everything after no match", "no match", ""}},
                          nCount >= 131072 ? 4 : 10);
        edit.DestroyWindow();
    }
}

const size_t kLines = 131072;
const unsigned char kServices[] = {16, 1};
const char kNarrowKey[] = "1234"; // IDs and names that contain it: a few hundred lines

// The lines alone, as the loader must build them: the backend's lists and
// one display line per symbol.
std::vector<CString> BuildLinesAlone()
{
    C_BKInterface& backend = *C_BKInterface::GetBKInterface();
    std::vector<CString> lines;
    lines.reserve(kLines);
    for (unsigned char service : kServices) {
        CString strService;
        backend.bGetServiceExName(strService, service);
        std::vector<CString> ids, names;
        backend.bGetAllContractID(ids, names, service, "");
        for (size_t i = 0; i < ids.size(); ++i) {
            const int nLength = static_cast<int>(lattice::symbols::ServiceLineLength(
                strService.GetString(), ids[i].GetString(), names[i].GetString()));
            CString strLine;
            lattice::symbols::WriteServiceLine(strLine.GetBufferSetLength(nLength), strService.GetString(),
                                               ids[i].GetString(), names[i].GetString());
            strLine.ReleaseBuffer(nLength);
            lines.push_back(strLine);
        }
    }
    return lines;
}

TEST(SymbolSearchEditBench, CatalogueOf131072Lines)
{
    BackendStub::Reset();
    BackendStub::SetServices({kServices[0], kServices[1]});
    BackendStub::SetServiceName(kServices[0], "\xA4\x57"); // one-character names, as the market's
    BackendStub::SetServiceName(kServices[1], "\xC2\x64");
    BackendStub::LoadGeneratedCatalogue(kLines, {kServices[0], kServices[1]});

    BenchFrame frame;
    CSymbolSearchEdit edit;
    ASSERT_TRUE(edit.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL, CRect(10, 10, 200, 34), &frame, 1));
    edit.SetType(CSymbolSearchEdit::TYPE_SYMBOL);

    std::vector<CString> lines;
    const double dLinesAlone = BestOf(3, [&] { lines = BuildLinesAlone(); });
    std::vector<CSymbolSearchEntry> entries;
    entries.reserve(CSymbolSearchEdit::kCatalogueReserve); // as the edit holds them
    SymbolCatalogue catalogue(entries);
    const double dLoad = BestOf(3, [&] { catalogue.Load(CSymbolSearchEdit::TYPE_SYMBOL); });
    ASSERT_EQ(entries.size(), kLines);
    std::printf("CSymbolSearchEdit, 131072 lines:\n");
    PrintVsFloor("  load (floor: the lines alone)", dLoad, dLinesAlone);

    // The matching alone, as the edit runs it, beside a plain scan of the
    // same lines for the same key.
    const search::UpperCasedData& upper = catalogue.UpperCasedLines();
    const search::Preselection rule{4, '['};
    for (const char* pszKey : {kNarrowKey, ""}) {
        search::MatchResult match;
        const double dMatch = BestOf(10, [&] { upper.Match(pszKey, Lead(), match, rule); });
        volatile size_t nScanned = 0;
        const double dScan = BestOf(10, [&] {
            for (const CString& s : lines)
                nScanned = nScanned + (std::strstr(s.GetString(), pszKey) != NULL);
        });
        PrintVsFloor(("  matching alone, " + std::to_string(match.hits.size()) + " hits (floor: a scan)").c_str(),
                     dMatch, dScan);
    }

    PlainList plain(reinterpret_cast<HFONT>(edit.SendMessage(WM_GETFONT)), 290);
    MeasureKeystrokes(edit, plain, upper, rule,
                      {{"narrowing", "ZZZ", kNarrowKey}, {"lists most, prefix search", "ZZZ", "1"},
                       {"empties everything", "", "ZZZ"}},
                      3);
    edit.DestroyWindow();
    BackendStub::Reset();
}

} // namespace
