// The two search edits under Wine, each keystroke beside a plain list box's
// part of the same work in the same run. A keystroke runs from the text
// change to a filled, shown and painted list, in both edits over the same
// catalogue of 131072 symbols from the backend stand-in's generator. Prints
// its figures; asserts nothing about time.
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "BackendStub.h"
#include "BenchClock.h"
#include "CSearchEdit.h"
#include "CSymbolSearchEdit.h"
#include "PopupListEdit.h"
#include "SymbolCatalogue.h"
#include "lattice/core/SearchData.h"

namespace search = lattice::search;

namespace {

const int kLines = 131072;

// A plain list box beside the edit's list, made as the edits make theirs (a
// child of the edit turned into a top-level tool window), topmost, of the
// popup's font and about its size. With nBarLines, its vertical bar is
// shown once beforehand, as CSearchEdit's bar stays when a refill leaves it
// unchanged (a list box created with WS_VSCROLL would repaint its bar at
// every refill, which the popup does not).
class PlainList : public CListBox {
public:
    PlainList(CWnd& edit, int nBarLines)
    {
        Create(WS_CHILD, CRect(0, 0, 0, 0), &edit, 2);
        PopupListEdit::MakeTopLevel(*this);
        SetWindowPos(&wndTopMost, 10, 400, 290, 124, SWP_SHOWWINDOW | SWP_NOACTIVATE | SWP_FRAMECHANGED);
        SendMessage(WM_SETFONT, edit.SendMessage(WM_GETFONT), FALSE);
        if (nBarLines > 0) {
            ShowScrollBar(SB_VERT, TRUE);
            const UINT nPage = 124u / GetItemHeight(0);
            SCROLLINFO si = {sizeof(si), SIF_RANGE | SIF_PAGE | SIF_POS, 0, nBarLines - 1, nPage, 0, 0};
            SetScrollInfo(SB_VERT, &si, TRUE);
        }
    }

    // Redraw off, emptied, refilled, the preselected line found by prefix,
    // redraw on and painted.
    void Refill(const search::UpperCasedData& lines, const search::MatchResult& match)
    {
        ::SendMessageA(m_hWnd, WM_SETREDRAW, FALSE, 0);
        ::SendMessageA(m_hWnd, LB_RESETCONTENT, 0, 0);
        for (const std::uint32_t i : match.hits)
            ::SendMessageA(m_hWnd, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(lines.CStr(i)));
        const bool bPreselect = match.preselectIndex != search::MatchResult::kNone;
        const LPARAM lPrefix = bPreselect ? reinterpret_cast<LPARAM>(lines.CStr(match.preselectIndex)) : 0;
        ::SendMessageA(m_hWnd, LB_SETCURSEL, bPreselect ? ::SendMessageA(m_hWnd, LB_FINDSTRING, 0, lPrefix) : 0, 0);
        ::SendMessageA(m_hWnd, WM_SETREDRAW, TRUE, 0);
        ::InvalidateRect(m_hWnd, NULL, TRUE);
        PumpUntilIdle();
    }
};

// Each keystroke (a name, the text before it, typed untimed, and its own
// text) in the edit beside the plain list's part of it; the floor lists
// `lines` as `rule` matches them. A text equal to the last one handled is
// not matched again, hence the text before.
void MeasureKeystrokes(CWnd& edit, const search::UpperCasedData& lines, search::Preselection rule,
                       std::initializer_list<std::array<const char*, 3>> strokes, int nRuns, int nBarLines = 0)
{
    PlainList plain(edit, nBarLines);
    // One keystroke: the text set as typing would, pumped until the list is painted.
    const auto type = [&](const char* psz) {
        return MillisecondsOf([&] { edit.SetWindowText(psz), PumpUntilIdle(); });
    };
    type("warm-up"); // fonts and caches warm; the symbol edit loads here
    for (const auto& k : strokes) {
        search::MatchResult from, to;
        lines.Match(CString(k[1]).MakeUpper().GetString(), PopupListEdit::ProcessLeadBytes(), from, rule);
        lines.Match(CString(k[2]).MakeUpper().GetString(), PopupListEdit::ProcessLeadBytes(), to, rule);
        Compare(
            "  " + std::string(k[0]) + " (" + std::to_string(to.hits.size()) + " lines)", "a plain list box's refill",
            nRuns, [&] { return type(k[1]), type(k[2]); },
            [&] { return plain.Refill(lines, from), MillisecondsOf([&] { plain.Refill(lines, to); }); });
    }
}

TEST(SearchEditBench, KeystrokeToShownList)
{
    BackendStub::Reset();
    BackendStub::SetServices({16});
    BackendStub::SetServiceName(16, "\xA4\x57"); // a one-character name, as the market's
    BackendStub::LoadGeneratedCatalogue(kLines, {16});
    // The floors list the catalogue's lines, loaded as the symbol edit loads
    // them; CSearchEdit searches the same lines.
    std::vector<CSymbolSearchEntry> entries;
    entries.reserve(CSymbolSearchEdit::kCatalogueReserve);
    SymbolCatalogue catalogue(entries);
    catalogue.Load(CSymbolSearchEdit::TYPE_SYMBOL);
    const search::UpperCasedData& lines = catalogue.UpperCasedLines();
    ASSERT_EQ(lines.Size(), static_cast<size_t>(kLines));
    std::vector<CString> data;
    for (size_t i = 0; i < lines.Size(); ++i)
        data.emplace_back(lines.CStr(i));

    BenchFrame frame;
    const DWORD dwStyle = WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL;
    CSearchEdit searchEdit;
    ASSERT_TRUE(searchEdit.Create(dwStyle, CRect(10, 10, 200, 34), &frame, 1));
    searchEdit.SetSearchData(data, 0);
    std::printf("CSearchEdit, %d strings:\n", kLines);
    MeasureKeystrokes(searchEdit, lines, {},
                      {{"narrowing", "ZZZ", "1234"}, {"lists everything after no match", "ZZZ", ""}}, 4, kLines);
    searchEdit.DestroyWindow();

    CSymbolSearchEdit symbolEdit;
    ASSERT_TRUE(symbolEdit.Create(dwStyle, CRect(10, 10, 200, 34), &frame, 2));
    symbolEdit.SetType(CSymbolSearchEdit::TYPE_SYMBOL);
    std::printf("CSymbolSearchEdit, %d lines:\n", kLines);
    MeasureKeystrokes(
        symbolEdit, lines, {4, '['},
        {{"narrowing", "ZZZ", "1234"}, {"lists most, prefix search", "ZZZ", "1"}, {"empties everything", "", "ZZZ"}},
        3);
    BackendStub::Reset();
}

} // namespace
