// One keystroke in a CSearchEdit under Wine, from the text change to a
// filled, shown and painted list, beside the floor: emptying and filling a
// plain list box with the same lines. Prints its figures; asserts nothing
// about time.
//
// The floor's list box is shaped like the popup list: the same font, a
// top-level tool window with a border, the same size, and a vertical bar
// shown once beforehand, as the popup's bar stays when a refill leaves it
// unchanged (a list box created with WS_VSCROLL would repaint its bar at
// every refill, which the popup does not). It is emptied as the keystroke
// empties the popup: "all" follows a keystroke that matched nothing, so its
// floor starts from an empty list; "refill" lists everything over
// everything, so its floor empties a full list on the clock.
#include <afxwin.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "BenchClock.h"
#include "CSearchEdit.h"
#include "MessagePump.h"

namespace {

std::string Syllable(int n) { return std::string{'\xA4', static_cast<char>(0x40 + n % 64)}; }

std::vector<CString> MakeData(int nCount)
{
    std::vector<CString> data;
    data.reserve(static_cast<std::size_t>(nCount));
    char code[16];
    for (int i = 0; i < nCount; ++i) {
        std::snprintf(code, sizeof(code), "s%06d ", i);
        data.emplace_back((code + Syllable(i * 7) + Syllable(i) + "\xA5\x78" "co").c_str());
    }
    return data;
}

class Frame : public CWnd {
public:
    Frame() { CreateEx(0, NULL, "bench", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 40, 40, 500, 400, NULL, NULL); }
    ~Frame() override { DestroyWindow(); }
};

// Milliseconds per keystroke, the best of nRounds alternating texts (a
// text equal to the last one handled would not be matched again).
double TimeKeystrokes(CSearchEdit& edit, const char* pszFirst, const char* pszSecond, int nRounds)
{
    int r = 0;
    return BestOf(nRounds, [&] {
        edit.SetWindowText((r++ % 2) == 0 ? pszFirst : pszSecond);
        PumpUntilIdle(); // paints the list
    });
}

double TimeFloor(CListBox& list, const std::vector<std::string>& lines, int nRounds, bool bFromEmpty)
{
    return Best(nRounds, [&] {
        if (bFromEmpty) {
            list.ResetContent();
            PumpUntilIdle();
        }
        return MillisecondsOf([&] {
            list.SendMessage(WM_SETREDRAW, FALSE);
            list.ResetContent();
            list.InitStorage(static_cast<int>(lines.size()), 32);
            for (const std::string& s : lines)
                list.AddString(s.c_str());
            list.SendMessage(WM_SETREDRAW, TRUE);
            list.Invalidate();
            PumpUntilIdle();
        });
    });
}

TEST(SearchEditBench, KeystrokeToShownList)
{
    std::printf("%8s %10s %10s %10s %8s %8s %9s %9s %9s %12s\n", "strings", "narrow hits", "narrow ms", "all 1st ms",
                "all ms", "floor ms", "all/floor", "refill ms", "floor ms", "refill/floor");
    for (const int nCount : {1000, 16384, 131072}) {
        Frame frame;
        CSearchEdit edit;
        ASSERT_TRUE(edit.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL, CRect(10, 10, 200, 34), &frame, 1));
        std::vector<CString> data = MakeData(nCount);
        edit.SetSearchData(data, 0);
        edit.SetWindowText("warm-up");
        PumpUntilIdle();

        const std::string keyA = Syllable(5) + "\xA5\x78";
        const std::string keyB = Syllable(9) + "\xA5\x78";
        const int nRounds = nCount >= 131072 ? 4 : 10;
        TimeKeystrokes(edit, keyA.c_str(), keyB.c_str(), 2); // fonts and caches warm; ends on B
        const double dNarrow = TimeKeystrokes(edit, keyA.c_str(), keyB.c_str(), nRounds);

        // The first list-everything keystroke measures every line's width
        // once; later ones reuse the widths.
        edit.SetWindowText("no match at all");
        PumpUntilIdle();
        const double dAllFirst = MillisecondsOf([&] {
            edit.SetWindowText("");
            PumpUntilIdle();
        });
        const double dAll = Best(nRounds, [&] {
            edit.SetWindowText("no match at all");
            PumpUntilIdle();
            return MillisecondsOf([&] {
                edit.SetWindowText("");
                PumpUntilIdle();
            });
        });
        // Everything listed again over everything: every string contains "s".
        edit.SetWindowText("");
        PumpUntilIdle();
        const double dRefill = TimeKeystrokes(edit, "s", "", nRounds);

        // The floor: the same lines into a plain list box like the popup.
        std::vector<std::string> lines;
        lines.reserve(data.size());
        for (const CString& s : data) {
            std::string u(s.GetString());
            for (std::size_t i = 0; i < u.size(); ++i) {
                if (::IsDBCSLeadByte(static_cast<BYTE>(u[i])))
                    ++i;
                else if (u[i] >= 'a' && u[i] <= 'z')
                    u[i] = static_cast<char>(u[i] - 'a' + 'A');
            }
            lines.push_back(u);
        }
        CFont font;
        font.CreatePointFont(90, "Tahoma");
        CListBox plain;
        ASSERT_TRUE(plain.CreateEx(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, "ListBox", "", WS_POPUP | WS_BORDER | WS_VISIBLE,
                                   60, 300, 240, 124, NULL, NULL));
        plain.SetFont(&font);
        plain.ShowScrollBar(SB_VERT, TRUE);
        SCROLLINFO si = {sizeof(si), SIF_RANGE | SIF_PAGE | SIF_POS, 0, nCount - 1, 124u / plain.GetItemHeight(0), 0, 0};
        plain.SetScrollInfo(SB_VERT, &si, TRUE);
        const double dFloor = TimeFloor(plain, lines, nRounds, true);
        const double dRefillFloor = TimeFloor(plain, lines, nRounds, false);
        plain.DestroyWindow();

        std::printf("%8d %10d %10.2f %10.2f %8.2f %8.2f %9.2f %9.2f %9.2f %12.2f\n", nCount, nCount / 64, dNarrow,
                    dAllFirst, dAll, dFloor, dAll / dFloor, dRefill, dRefillFloor, dRefill / dRefillFloor);
        std::fflush(stdout);
        edit.DestroyWindow();
    }
}

} // namespace
