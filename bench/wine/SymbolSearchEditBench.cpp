// The symbol edit at the catalogue's full size, 131072 lines from the
// backend stand-in's generator, under Wine: the load, the matching alone,
// and whole keystrokes from the text change to a shown, painted list, each
// beside what a plain list box needs for the same lines in the same run.
// Prints its figures; asserts nothing about time.
#include <afxwin.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "BackendStub.h"
#include "BenchClock.h"
#include "CSymbolSearchEdit.h"
#include "MessagePump.h"
#include "SymbolSearchEditTestAccess.h"
#include "lattice/core/LeadByteTable.h"
#include "lattice/core/SearchData.h"
#include "lattice/core/SymbolLine.h"

namespace {

typedef CSymbolSearchEditTestAccess Access;

const size_t kLines = 131072;
const unsigned char kServices[] = {16, 1};
const char kNarrowKey[] = "1234"; // IDs and names that contain it: a few hundred lines
const char kNoMatchKey[] = "ZZZ";

class Frame : public CWnd {
public:
    Frame() { CreateEx(0, NULL, "bench", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 40, 200, 500, 300, NULL, NULL); }
    ~Frame() override { DestroyWindow(); }
};

template <class Work>
double BestOf(int nRuns, Work work)
{
    double dBest = 0;
    for (int r = 0; r < nRuns; ++r) {
        const double t0 = NowMilliseconds();
        work();
        const double dMs = NowMilliseconds() - t0;
        if (r == 0 || dMs < dBest)
            dBest = dMs;
    }
    return dBest;
}

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

// One keystroke: the text is set as typing would, and the pump runs until
// the list is painted.
double Keystroke(CSymbolSearchEdit& edit, const char* pszText)
{
    const double t0 = NowMilliseconds();
    edit.SetWindowText(pszText);
    PumpUntilIdle();
    return NowMilliseconds() - t0;
}

// The same keystroke repeated from the same starting text; best of nRuns.
double BestKeystroke(CSymbolSearchEdit& edit, const char* pszFrom, const char* pszTo, int nRuns)
{
    double dBest = 0;
    for (int r = 0; r < nRuns; ++r) {
        Keystroke(edit, pszFrom);
        const double dMs = Keystroke(edit, pszTo);
        if (r == 0 || dMs < dBest)
            dBest = dMs;
    }
    return dBest;
}

// A plain list box doing the list's own part of a keystroke.
double PlainList(CListBox& list, const std::vector<CString>& lines, bool bFill, const CString* pFind)
{
    const double t0 = NowMilliseconds();
    list.SendMessage(WM_SETREDRAW, FALSE);
    list.ResetContent();
    if (bFill)
        for (const CString& s : lines)
            list.AddString(s);
    if (pFind != NULL)
        list.SetCurSel(list.FindString(0, *pFind));
    list.SendMessage(WM_SETREDRAW, TRUE);
    list.Invalidate();
    PumpUntilIdle();
    return NowMilliseconds() - t0;
}

TEST(SymbolSearchEditBench, CatalogueOf131072Lines)
{
    BackendStub::Reset();
    BackendStub::SetServices({kServices[0], kServices[1]});
    BackendStub::SetServiceName(kServices[0], "\xA4\x57"); // one-character names, as the market's
    BackendStub::SetServiceName(kServices[1], "\xC2\x64");
    BackendStub::LoadGeneratedCatalogue(kLines, {kServices[0], kServices[1]});

    Frame frame;
    CSymbolSearchEdit edit;
    ASSERT_TRUE(edit.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL, CRect(10, 10, 200, 34), &frame, 1));
    edit.SetType(CSymbolSearchEdit::TYPE_SYMBOL);

    std::vector<CString> lines;
    const double dLinesAlone = BestOf(3, [&] { lines = BuildLinesAlone(); });
    const double dLoad = BestOf(3, [&] { Access::LoadCatalogue(edit); });
    ASSERT_EQ(Access::Catalogue(edit).size(), kLines);
    std::printf("load of %zu lines: %.1f ms; the lines alone %.1f ms (%.2fx)\n", kLines, dLoad, dLinesAlone,
                dLoad / dLinesAlone);

    // The matching alone, in this process's code page, as the edit runs it.
    lattice::search::UpperCasedData upper;
    const lattice::LeadByteTable lead =
        lattice::LeadByteTable::FromPredicate([](unsigned char b) { return ::IsDBCSLeadByte(b) != FALSE; });
    for (const CSymbolSearchEntry& entry : Access::Catalogue(edit))
        upper.Add(std::string_view(entry.m_strLine.GetString(), entry.m_strLine.GetLength()), lead);
    lattice::search::MatchResult match;
    const lattice::search::Preselection rule{4, '['};
    const double dMatchNarrow = BestOf(10, [&] { upper.Match(kNarrowKey, lead, match, rule); });
    const size_t nNarrowHits = match.hits.size();
    const double dMatchAll = BestOf(10, [&] { upper.Match("", lead, match, rule); });
    std::printf("matching alone: narrowing to %zu lines %.2f ms, everything %.2f ms\n", nNarrowHits, dMatchNarrow,
                dMatchAll);

    Keystroke(edit, "warm-up"); // the load, the list and the tip are made here
    const double dNarrow = BestKeystroke(edit, kNoMatchKey, kNarrowKey, 5);
    const double dAll = BestKeystroke(edit, kNoMatchKey, "", 3);
    const double dAllFind = BestKeystroke(edit, kNoMatchKey, "1", 3);
    const double dEmpty = BestKeystroke(edit, "", kNoMatchKey, 3);
    const int nOneHits = static_cast<int>(::SendMessageA(Access::List(edit), LB_GETCOUNT, 0, 0));

    CListBox plain;
    ASSERT_TRUE(plain.CreateEx(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, "ListBox", "", WS_POPUP | WS_BORDER | WS_VISIBLE,
                               10, 400, 290, 124, NULL, NULL));
    plain.SendMessage(WM_SETFONT, edit.SendMessage(WM_GETFONT), FALSE);
    plain.InitStorage(16384, 32);
    const CString strFind = lines[lines.size() / 2];
    double dFloorFillOnly = 0, dFloorFind = 0, dFloorEmpty = 0;
    for (int r = 0; r < 3; ++r) {
        PlainList(plain, lines, false, NULL);
        const double dFill = PlainList(plain, lines, true, NULL);
        PlainList(plain, lines, false, NULL);
        const double dFind = PlainList(plain, lines, true, &strFind);
        const double dEmptyAll = PlainList(plain, lines, false, NULL);
        if (r == 0 || dFill < dFloorFillOnly)
            dFloorFillOnly = dFill;
        if (r == 0 || dFind < dFloorFind)
            dFloorFind = dFind;
        if (r == 0 || dEmptyAll < dFloorEmpty)
            dFloorEmpty = dEmptyAll;
    }
    plain.DestroyWindow();

    std::printf("%-34s %10s %10s %8s\n", "keystroke", "ms", "floor ms", "ratio");
    std::printf("%-34s %10.2f %10s %8s\n", ("narrowing (" + std::to_string(nNarrowHits) + " lines)").c_str(), dNarrow,
                "-", "-");
    std::printf("%-34s %10.2f %10.2f %8.2f\n", "empty text: lists everything", dAll, dFloorFillOnly,
                dAll / dFloorFillOnly);
    std::printf("%-34s %10.2f %10.2f %8.2f\n", ("\"1\": " + std::to_string(nOneHits) + " lines, prefix search").c_str(),
                dAllFind, dFloorFind, dAllFind / dFloorFind);
    std::printf("%-34s %10.2f %10.2f %8.2f\n", "no match after everything: empties", dEmpty, dFloorEmpty,
                dEmpty / dFloorEmpty);
    std::fflush(stdout);
    edit.DestroyWindow();
    BackendStub::Reset();
}

} // namespace
