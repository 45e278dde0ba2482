// The symbol edit at the catalogue's full size, 131072 lines from the
// backend stand-in's generator, under Wine: the load, the matching alone,
// and whole keystrokes from the text change to a shown, painted list, each
// beside what a plain list box needs for the same lines in the same run.
// Prints its figures; asserts nothing about time.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "BackendStub.h"
#include "BenchClock.h"
#include "CSymbolSearchEdit.h"
#include "SymbolCatalogue.h"
#include "lattice/core/LeadByteTable.h"
#include "lattice/core/SearchData.h"
#include "lattice/core/SymbolLine.h"

namespace {

const size_t kLines = 131072;
const unsigned char kServices[] = {16, 1};
const char kNarrowKey[] = "1234"; // IDs and names that contain it: a few hundred lines
const char kNoMatchKey[] = "ZZZ";

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

// A plain list box beside the edit's list: a popup made as a child of a
// plain window, as the edit makes its list, so that it has an owner.
class PlainList {
public:
    explicit PlainList(HFONT hFont)
    {
        m_hOwner = ::CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, NULL, NULL, NULL, NULL);
        m_hList = ::CreateWindowExA(0, "ListBox", "", WS_CHILD, 0, 0, 0, 0, m_hOwner, NULL, NULL, NULL);
        ::SetWindowLongA(m_hList, GWL_STYLE, WS_POPUP | WS_BORDER);
        ::SetParent(m_hList, NULL);
        ::SetWindowPos(m_hList, HWND_TOPMOST, 10, 400, 290, 124, SWP_SHOWWINDOW | SWP_NOACTIVATE);
        ::SendMessageA(m_hList, WM_SETFONT, reinterpret_cast<WPARAM>(hFont), FALSE);
        ::SendMessageA(m_hList, LB_INITSTORAGE, 16384, 32);
    }
    ~PlainList()
    {
        ::DestroyWindow(m_hList);
        ::DestroyWindow(m_hOwner);
    }

    // The list's own part of a keystroke from `from` to `to` (lines of the
    // catalogue): emptied, filled, the preselected line found by prefix.
    double Keystroke(const std::vector<CString>& lines, const lattice::search::MatchResult& from,
                     const lattice::search::MatchResult& to)
    {
        TimeRefill(m_hList, [&] { Fill(lines, from); });
        return TimeRefill(m_hList, [&] {
            Fill(lines, to);
            int nSel = 0;
            if (to.preselectIndex != lattice::search::MatchResult::kNone)
                nSel = static_cast<int>(::SendMessageA(m_hList, LB_FINDSTRING, 0,
                                                       reinterpret_cast<LPARAM>(lines[to.preselectIndex].GetString())));
            ::SendMessageA(m_hList, LB_SETCURSEL, nSel, 0);
        });
    }

private:
    void Fill(const std::vector<CString>& lines, const lattice::search::MatchResult& match)
    {
        for (const std::uint32_t i : match.hits)
            ::SendMessageA(m_hList, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(lines[i].GetString()));
    }

    HWND m_hOwner;
    HWND m_hList;
};

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
    PrintVsFloor("load of 131072 lines (floor: the lines alone)", dLoad, dLinesAlone);

    // The matching alone, in this process's code page, as the edit runs it.
    const lattice::search::UpperCasedData& upper = catalogue.UpperCasedLines();
    const lattice::LeadByteTable lead =
        lattice::LeadByteTable::FromPredicate([](unsigned char b) { return ::IsDBCSLeadByte(b) != FALSE; });
    // Its floor: a plain scan of the same lines for the same key.
    const lattice::search::Preselection rule{4, '['};
    for (const char* pszKey : {kNarrowKey, ""}) {
        lattice::search::MatchResult match;
        const double dMatch = BestOf(10, [&] { upper.Match(pszKey, lead, match, rule); });
        volatile size_t nScanned = 0;
        const double dScan = BestOf(10, [&] {
            for (const CString& s : lines)
                nScanned = nScanned + (std::strstr(s.GetString(), pszKey) != NULL);
        });
        PrintVsFloor(("matching alone, " + std::to_string(match.hits.size()) + " hits (floor: a scan)").c_str(), dMatch,
                     dScan);
    }

    Keystroke(edit, "warm-up"); // the load, the list and the tip are made here
    const struct {
        const char* pszName;
        const char* pszFrom;
        const char* pszTo;
    } keystrokes[] = {
        {"narrowing", kNoMatchKey, kNarrowKey},
        {"lists everything", kNoMatchKey, ""},
        {"lists most, prefix search", kNoMatchKey, "1"},
        {"empties everything", "", kNoMatchKey},
    };
    PlainList plain(reinterpret_cast<HFONT>(edit.SendMessage(WM_GETFONT)));
    for (const auto& k : keystrokes) {
        lattice::search::MatchResult from, to;
        upper.Match(CString(k.pszFrom).MakeUpper().GetString(), lead, from, rule);
        upper.Match(k.pszTo, lead, to, rule);
        const double dEdit = Best(3, [&] { return Keystroke(edit, k.pszFrom), Keystroke(edit, k.pszTo); });
        const double dFloor = Best(3, [&] { return plain.Keystroke(lines, from, to); });
        PrintVsFloor((k.pszName + (" (" + std::to_string(to.hits.size()) + " lines)")).c_str(), dEdit, dFloor);
    }
    edit.DestroyWindow();
    BackendStub::Reset();
}

} // namespace
