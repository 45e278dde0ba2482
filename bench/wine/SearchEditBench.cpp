// One keystroke in a CSearchEdit under Wine, from the text change to a
// filled, shown and painted list, beside the floor: emptying and filling a
// plain list box with the same lines. Prints its figures; asserts nothing
// about time.
//
// The floor's list box is shaped like the popup list: the same font, a
// top-level tool window with a border, the same size, and a vertical bar
// shown once beforehand, as the popup's bar stays when a refill leaves it
// unchanged (a list box created with WS_VSCROLL would repaint its bar at
// every refill, which the popup does not). "lists everything" follows a
// keystroke that matched nothing, so its floor starts from an empty list;
// "refill" lists everything over everything, so its floor empties a full
// list on the clock.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "BenchClock.h"
#include "CSearchEdit.h"

namespace {

std::string Syllable(int n) { return std::string{'\xA4', static_cast<char>(0x40 + n % 64)}; }

TEST(SearchEditBench, KeystrokeToShownList)
{
    for (const int nCount : {1000, 16384, 131072}) {
        BenchFrame frame;
        CSearchEdit edit;
        ASSERT_TRUE(edit.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL, CRect(10, 10, 200, 34), &frame, 1));
        // Lines "s000123 " and three Big5 characters; the floor gets them
        // upper-cased, as the popup shows them.
        std::vector<CString> data;
        std::vector<std::string> lines;
        char code[16];
        for (int i = 0; i < nCount; ++i) {
            std::snprintf(code, sizeof(code), "s%06d ", i);
            lines.push_back(code + Syllable(i * 7) + Syllable(i) + "\xA5\x78" "co");
            data.emplace_back(lines.back().c_str());
            lines.back()[0] = 'S';
            lines.back().replace(lines.back().size() - 2, 2, "CO");
        }
        edit.SetSearchData(data, 0);
        const std::string keyA = Syllable(5) + "\xA5\x78", keyB = Syllable(9) + "\xA5\x78";
        const int nRounds = nCount >= 131072 ? 4 : 10;
        Keystroke(edit, keyB.c_str()); // fonts and caches warm
        // Each timed keystroke follows another text: a text equal to the last
        // one handled is not matched again.
        const double dNarrow = Best(nRounds, [&] { return Keystroke(edit, keyB.c_str()), Keystroke(edit, keyA.c_str()); });
        const double dAll = Best(nRounds, [&] { return Keystroke(edit, "no match at all"), Keystroke(edit, ""); });
        // Everything listed again over everything: every string contains "s".
        const double dRefill = Best(nRounds, [&] { return Keystroke(edit, "s"), Keystroke(edit, ""); });

        CFont font;
        font.CreatePointFont(90, "Tahoma");
        CListBox plain;
        ASSERT_TRUE(plain.CreateEx(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, "ListBox", "", WS_POPUP | WS_BORDER | WS_VISIBLE,
                                   60, 300, 240, 124, NULL, NULL));
        plain.SetFont(&font);
        plain.ShowScrollBar(SB_VERT, TRUE);
        SCROLLINFO si = {sizeof(si), SIF_RANGE | SIF_PAGE | SIF_POS, 0, nCount - 1, 124u / plain.GetItemHeight(0), 0, 0};
        plain.SetScrollInfo(SB_VERT, &si, TRUE);
        const auto fill = [&](const std::string& key) {
            plain.InitStorage(static_cast<int>(lines.size()), 32);
            for (const std::string& s : lines)
                if (s.find(key) != std::string::npos)
                    plain.AddString(s.c_str());
        };
        const double dNarrowFloor = Best(nRounds, [&] { return TimeRefill(plain, [&] { fill(keyA); }); });
        const double dFloor = Best(nRounds, [&] {
            plain.ResetContent();
            PumpUntilIdle();
            return TimeRefill(plain, [&] { fill(""); });
        });
        const double dRefillFloor = Best(nRounds, [&] { return TimeRefill(plain, [&] { fill(""); }); });
        plain.DestroyWindow();

        std::printf("%d strings:\n", nCount);
        PrintVsFloor("  narrowing keystroke", dNarrow, dNarrowFloor);
        PrintVsFloor("  lists everything after no match", dAll, dFloor);
        PrintVsFloor("  lists everything over everything", dRefill, dRefillFloor);
        edit.DestroyWindow();
    }
}

} // namespace
