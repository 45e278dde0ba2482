// One keystroke in a CSearchEdit under Wine, from the text change to a
// filled, shown and painted list, beside the floor: emptying and filling a
// plain list box with the same lines. Prints its figures; asserts nothing
// about time.
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

// Milliseconds per keystroke, averaged over nRounds alternating texts (a
// text equal to the last one handled would not be matched again).
double TimeKeystrokes(CSearchEdit& edit, const char* pszFirst, const char* pszSecond, int nRounds)
{
    double dTotal = 0;
    for (int r = 0; r < nRounds; ++r) {
        const double t0 = NowMilliseconds();
        edit.SetWindowText((r % 2) == 0 ? pszFirst : pszSecond);
        PumpUntilIdle(); // paints the list
        dTotal += NowMilliseconds() - t0;
    }
    return dTotal / nRounds;
}

double TimeFloor(CListBox& list, const std::vector<std::string>& lines, int nRounds)
{
    double dTotal = 0;
    for (int r = 0; r < nRounds; ++r) {
        const double t0 = NowMilliseconds();
        list.SendMessage(WM_SETREDRAW, FALSE);
        list.ResetContent();
        list.InitStorage(static_cast<int>(lines.size()), 32);
        for (const std::string& s : lines)
            list.AddString(s.c_str());
        list.SendMessage(WM_SETREDRAW, TRUE);
        list.Invalidate();
        PumpUntilIdle();
        dTotal += NowMilliseconds() - t0;
    }
    return dTotal / nRounds;
}

TEST(SearchEditBench, KeystrokeToShownList)
{
    std::printf("%8s %10s %12s %12s %12s %12s %8s\n", "strings", "narrow hits", "narrow ms", "all 1st ms",
                "all ms", "floor ms", "all/floor");
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
        TimeKeystrokes(edit, keyB.c_str(), keyA.c_str(), 2); // fonts and caches warm
        const double dNarrow = TimeKeystrokes(edit, keyA.c_str(), keyB.c_str(), nRounds);

        // The first list-everything keystroke measures every line's width
        // once; later ones reuse the widths.
        edit.SetWindowText("no match at all");
        PumpUntilIdle();
        double t0 = NowMilliseconds();
        edit.SetWindowText("");
        PumpUntilIdle();
        const double dAllFirst = NowMilliseconds() - t0;
        double dAll = 0;
        for (int r = 0; r < nRounds; ++r) {
            edit.SetWindowText("no match at all");
            PumpUntilIdle();
            t0 = NowMilliseconds();
            edit.SetWindowText("");
            PumpUntilIdle();
            dAll += NowMilliseconds() - t0;
        }
        dAll /= nRounds;

        // The floor: the same lines into a plain list box of the same size.
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
        CListBox plain;
        ASSERT_TRUE(plain.CreateEx(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, "ListBox", "", WS_POPUP | WS_BORDER | WS_VISIBLE | WS_VSCROLL,
                                   60, 300, 240, 124, NULL, NULL));
        const double dFloor = TimeFloor(plain, lines, nRounds);
        plain.DestroyWindow();

        std::printf("%8d %10d %12.2f %12.2f %12.2f %12.2f %8.2f\n", nCount, nCount / 64, dNarrow, dAllFirst, dAll,
                    dFloor, dAll / dFloor);
        std::fflush(stdout);
        edit.DestroyWindow();
    }
}

} // namespace
