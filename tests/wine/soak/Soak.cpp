// Create, use and destroy every control of the library many times in one
// process, and fail if the process's GDI or USER objects or the window DCs it
// holds grow, or its memory grows beyond a small allowance, between the end
// of a warm-up and the end.
//   soak_controls <cycles> [control]   (every control when none is named)
// Prints one line of figures per control; exit code 1 when one grew.
#include <afxwin.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "BackendStub.h"
#include "CCJRadioButton.h"
#include "CDragListBoxEx.h"
#include "CHoverButton.h"
#include "CMemDrawDC.h"
#include "CSearchEdit.h"
#include "CSymbolSearchEdit.h"
#include "CXHyperLink.h"
#include "CXTPTabControl.h"
#include "HandleCounter.h"
#include "MXPrintPreviewWnd.h"
#include "MessagePump.h"
#include "MyRichEdit.h"
#include "NoSpecialEdit.h"
#include "SButton.h"
#include "SCComboBox.h"
#include "SDateTimeCtrl.h"
#include "SEdit.h"
#include "SListBox.h"
#include "SMXTabColorSet.h"
#include "SStatic.h"
#include "resource.h"

namespace {

CWinApp theSoakApp("LatticeObject soak");

const DWORD kChild = WS_CHILD | WS_VISIBLE;
const CRect kRect(10, 10, 210, 32);
const int kWarmUp = 2; // cycles that fill the system's caches (classes, fonts, tables) before the counts
// Memory may move by this much over a run without counting as a leak. After
// the warm-up the heaps' bytes in use come back exactly, save a few hundred
// bytes of the window manager's caches, so the heap's allowance is small
// enough for the short run to see a hundred bytes lost per cycle (200
// cycles) and the long run a single small block (10,000 cycles x 16 bytes). Committed
// pages move in whole regions as heaps grow and shrink.
const long long kHeapSlack = 16 * 1024;
const long long kPrivateSlack = 64 * 1024;

// Messages as the window manager delivers them, through the host's pump.
void Post(CWnd& wnd, UINT uMsg, WPARAM wParam = 0, LPARAM lParam = 0) { ::PostMessageA(wnd.m_hWnd, uMsg, wParam, lParam); }
void TypeInto(CWnd& wnd, const char* psz)
{
    for (; *psz != '\0'; ++psz)
        Post(wnd, WM_CHAR, static_cast<unsigned char>(*psz));
    PumpUntilIdle();
}
void Key(CWnd& wnd, WORD vk)
{
    Post(wnd, WM_KEYDOWN, vk, 1);
    Post(wnd, WM_KEYUP, vk, 0xC0000001);
    PumpUntilIdle();
}
// The pointer moves to client point `pt`, is pressed there and released at
// `ptUp` (moving there with the button down), then leaves for `ptAway`.
void Click(CWnd& wnd, CPoint pt, CPoint ptUp, CPoint ptAway = CPoint(-20, -20))
{
    Post(wnd, WM_MOUSEMOVE, 0, MAKELPARAM(pt.x, pt.y));
    Post(wnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
    Post(wnd, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(ptUp.x, ptUp.y));
    Post(wnd, WM_LBUTTONUP, 0, MAKELPARAM(ptUp.x, ptUp.y));
    Post(wnd, WM_MOUSEMOVE, 0, MAKELPARAM(ptUp.x, ptUp.y));
    Post(wnd, WM_MOUSEMOVE, 0, MAKELPARAM(ptAway.x, ptAway.y));
    PumpUntilIdle();
}

// The fonts a host made, handed to a control that must keep its own copies
// (each of these controls hides CWnd::SetFont with its own); then it goes.
template <class Control> void FeedFontsAndDestroy(Control& control)
{
    for (int nPoints : {90, 120}) {
        CFont font;
        font.CreatePointFont(nPoints, "Tahoma");
        control.SetFont(&font, TRUE);
        control.UpdateWindow();
    }
    control.DestroyWindow();
}

// The user types part of a code, moves to the next match and chooses it.
template <class Edit> void TypeAndChoose(Edit& edit, CWnd& host)
{
    edit.Create(kChild | WS_BORDER | ES_AUTOHSCROLL, kRect, &host, 1);
    edit.SetNofityWnd(&host);
    edit.SetFocus();
    TypeInto(edit, "23");
    Key(edit, VK_DOWN);
    Key(edit, VK_RETURN);
    edit.DestroyWindow();
}

// A message box a control opens is answered at once, as its user would.
LRESULT CALLBACK AnswerMessageBox(int nCode, WPARAM wParam, LPARAM lParam)
{
    if (nCode == HCBT_ACTIVATE)
        ::PostMessageA(reinterpret_cast<HWND>(wParam), WM_COMMAND, IDOK, 0);
    return ::CallNextHookEx(NULL, nCode, wParam, lParam);
}

void DragList(CWnd& host)
{
    CDragListBoxEx list;
    list.Create(kChild | WS_BORDER | WS_VSCROLL | LBS_EXTENDEDSEL | LBS_NOTIFY, CRect(10, 10, 210, 200), &host, 1);
    // Filled as a host fills a list, with its drawing off: otherwise the
    // system repaints the list's scroll bar for every string added, which
    // is most of the cycle's time under Wine.
    list.SendMessage(WM_SETREDRAW, FALSE);
    for (int i = 0; i < 30; ++i)
        list.SetItemData(list.AddString("item"), static_cast<DWORD_PTR>(i));
    list.SendMessage(WM_SETREDRAW, TRUE);
    list.SetSel(1, TRUE), list.SetSel(2, TRUE);
    CRect rcFrom, rcTo;
    list.GetItemRect(1, &rcFrom), list.GetItemRect(6, &rcTo);
    Click(list, rcFrom.CenterPoint(), rcTo.CenterPoint(), rcTo.CenterPoint()); // drags the two items down
    list.DestroyWindow();
}

void PrintPreview(CWnd& host)
{
    MXPrintPreviewWnd* pPreview = new MXPrintPreviewWnd(&host);
    pPreview->CreateByID(&host);
    for (bool bColor : {false, true}) {
        pPreview->dcGetMemoryDC(bColor)->FillSolidRect(CRect(10, 10, 200, 150), bColor ? RGB(200, 0, 0) : RGB(0, 0, 0));
        pPreview->vMemoryDCDrawDone(bColor);
    }
    pPreview->ShowWindow(SW_SHOW);
    for (UINT nID : {IDC_PREVIEW_LANDSCAPE, IDC_PREVIEW_EXTEND, IDC_PREVIEW_PORTRAIT, IDC_PREVIEW_EXTEND})
        pPreview->SendMessage(WM_COMMAND, MAKEWPARAM(nID, BN_CLICKED),
                              reinterpret_cast<LPARAM>(pPreview->GetDlgItem(nID)->GetSafeHwnd()));
    pPreview->UpdateWindow();
    pPreview->SendMessage(WM_COMMAND, IDCANCEL);
    delete pPreview; // destroys its window first
}

struct Control {
    const char* pszName;
    std::function<void(CWnd&)> cycle; // one create, use and destroy
};

const std::vector<Control> kControls = {
    {"CSearchEdit", [](CWnd& h) {
         CSearchEdit edit;
         std::vector<CString> data = {"2330 TSMC", "2303 UMC", "2317 Hon Hai", "1101 Taiwan Cement"};
         edit.SetSearchData(data, 0);
         TypeAndChoose(edit, h);
     }},
    {"CSymbolSearchEdit", [](CWnd& h) {
         CSymbolSearchEdit edit;
         edit.SetType(CSymbolSearchEdit::TYPE_SYMBOL);
         TypeAndChoose(edit, h);
     }},
    {"CDragListBoxEx", DragList},
    {"MXPrintPreviewWnd", PrintPreview},
    {"CXHyperLink", [](CWnd& h) {
         CXHyperLink link;
         link.Create("Quotes", kChild | SS_NOTIFY, kRect, &h, 1);
         link.SetURL("");
         link.SetAutoSize(TRUE);
         Post(link, WM_SETCURSOR, reinterpret_cast<WPARAM>(link.m_hWnd), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
         Click(link, CPoint(5, 5), CPoint(5, 5));
         link.DestroyWindow();
     }},
    {"NoSpecialEdit", [](CWnd& h) {
         NoSpecialEdit edit;
         edit.Create(kChild | WS_BORDER | ES_AUTOHSCROLL, kRect, &h, 1);
         HHOOK hHook = ::SetWindowsHookExA(WH_CBT, AnswerMessageBox, NULL, ::GetCurrentThreadId());
         TypeInto(edit, "ab!"); // refused: the warning, and the last accepted text comes back
         TypeInto(edit, "12");
         ::UnhookWindowsHookEx(hHook);
         edit.DestroyWindow();
     }},
    {"CMemDrawDC", [](CWnd& h) {
         CClientDC dc(&h);
         {
             CMemDrawDC mem(&dc, CRect(0, 0, 120, 80));
             mem.FillSolidRect(CRect(0, 0, 120, 80), RGB(20, 40, 60));
             mem.TextOutA(4, 4, "2330");
             mem.ForceBitBlt(SRCCOPY);
         }
         CMemDrawDC discarded(&dc, CRect(0, 0, 60, 40)); // never copied
         discarded.FillSolidRect(CRect(0, 0, 60, 40), RGB(0, 0, 0));
     }},
    {"MyRichEdit", [](CWnd& h) {
         MyRichEdit edit;
         edit.CreateById(kChild | WS_BORDER | ES_MULTILINE, CRect(10, 10, 210, 110), &h);
         edit.SetWindowText("2330 TSMC\r\n2303 UMC");
         TypeInto(edit, "x");
         edit.DestroyWindow();
     }},
    {"SMXTabColorSet", [](CWnd& h) {
         SMXTabColorSet::ColorType = SMXTabColorSet::ColorType == 0; // both schemes in turn
         CXTPTabControl tabs;
         SMXTabColorSet set;
         tabs.Create(WS_VISIBLE, CRect(0, 0, 400, 100), &h, 1);
         for (const char* psz : {"One", "Two", "Three"})
             tabs.InsertItem(tabs.GetItemCount(), psz);
         tabs.SetSelectedItem(tabs.GetItem(1));
         tabs.SetColorSet(&set);
         tabs.Invalidate(FALSE), tabs.UpdateWindow();
         tabs.DestroyWindow();
     }},
    {"CHoverButton", [](CWnd& h) {
         CHoverButton button;
         button.Create("", kChild | BS_OWNERDRAW, CRect(10, 10, 28, 28), &h, 1);
         button.LoadTAIEXButtonBitmaps();
         button.SizeToContent();
         Click(button, CPoint(5, 5), CPoint(5, 5)); // hover, press, release and leave
         Key(button, VK_SPACE);
         button.SetButtonState(CHoverButton::BTN_DISABLED), button.SetButtonState(CHoverButton::BTN_NORMAL);
         button.DestroyWindow();
     }},
    {"CCJRadioButton", [](CWnd& h) {
         CCJRadioButton first, second;
         first.Create("A", kChild | WS_GROUP | BS_AUTORADIOBUTTON, kRect, &h, 1);
         second.Create("B", kChild | BS_AUTORADIOBUTTON, CRect(10, 40, 210, 62), &h, 2);
         Click(second, CPoint(5, 5), CPoint(5, 5));
         Key(second, VK_UP); // a copy of each key goes to the parent
         FeedFontsAndDestroy(first);
         FeedFontsAndDestroy(second);
     }},
    {"SEdit", [](CWnd& h) { SEdit c; c.Create(kChild, kRect, &h, 1); FeedFontsAndDestroy(c); }},
    {"SButton", [](CWnd& h) { SButton c; c.Create("b", kChild, kRect, &h, 1); FeedFontsAndDestroy(c); }},
    {"SCComboBox", [](CWnd& h) { SCComboBox c; c.Create(kChild | CBS_DROPDOWN, kRect, &h, 1); FeedFontsAndDestroy(c); }},
    {"SDateTimeCtrl", [](CWnd& h) { SDateTimeCtrl c; c.Create(kChild, kRect, &h, 1); FeedFontsAndDestroy(c); }},
    {"SListBox", [](CWnd& h) { SListBox c; c.Create(kChild, kRect, &h, 1); FeedFontsAndDestroy(c); }},
    {"SStatic", [](CWnd& h) { SStatic c; c.Create("s", kChild, kRect, &h, 1); FeedFontsAndDestroy(c); }},
};

// One cycle, then the idle step of the host's loop.
void Cycle(const Control& control, CWnd& host)
{
    control.cycle(host);
    PumpUntilIdle();
}

// The objects of each kind in a reading of the GDI handle table (its type
// byte), a window's DC counted by its window's class.
std::map<std::string, int> ObjectsByKind(const std::vector<GdiObject>& objects)
{
    static const std::map<unsigned char, const char*> kKinds = {
        {0x01, "DC"}, {0x04, "region"}, {0x05, "bitmap"}, {0x08, "palette"}, {0x0a, "font"}, {0x10, "brush"}, {0x30, "pen"}};
    std::map<std::string, int> counts;
    for (const GdiObject& object : objects) {
        if (object.hObject == NULL)
            continue;
        const auto kind = kKinds.find(object.bType);
        std::string strLabel = kind != kKinds.end() ? kind->second : "type " + std::to_string(object.bType);
        char szClass[64] = "";
        if (object.bType == 0x01 &&
            ::GetClassNameA(::WindowFromDC(static_cast<HDC>(object.hObject)), szClass, sizeof(szClass)) > 0)
            strLabel += std::string(" of ") + szClass;
        ++counts[strLabel];
    }
    return counts;
}

// The kinds that grew between two countings, as " 6 x brush, 1 x DC of Edit".
std::string Growth(const std::map<std::string, int>& before, std::map<std::string, int> now)
{
    for (const auto& [strLabel, nCount] : before)
        now[strLabel] -= nCount;
    std::string strGrowth;
    for (const auto& [strLabel, nCount] : now)
        if (nCount > 0)
            strGrowth += " " + std::to_string(nCount) + " x " + strLabel + ",";
    if (!strGrowth.empty())
        strGrowth.pop_back();
    return strGrowth;
}

// Runs one control's cycles; true when its counts stayed flat.
bool Soak(const Control& control, CWnd& host, int nCycles)
{
    for (int i = 0; i < kWarmUp; ++i)
        Cycle(control, host);
    // Read before the counts, so that their own memory is in both of them.
    std::vector<GdiObject> objects;
    ReadGdiObjects(objects);
    const std::map<std::string, int> startKinds = ObjectsByKind(objects);
    const ResourceCounts before = CountResources();
    const DWORD dwStart = ::GetTickCount();
    for (int i = 0; i < nCycles; ++i)
        Cycle(control, host);
    const DWORD dwElapsed = ::GetTickCount() - dwStart;
    const ResourceCounts after = CountResources();
    const long nGdi = after.nGdi - before.nGdi, nUser = after.User() - before.User();
    const long nWindowDCs = after.nWindowDCs - before.nWindowDCs;
    const long long llHeap = static_cast<long long>(after.cbHeap) - static_cast<long long>(before.cbHeap);
    const long long llPrivate = static_cast<long long>(after.cbPrivate) - static_cast<long long>(before.cbPrivate);
    const bool bFlat =
        nGdi <= 0 && nWindowDCs <= 0 && nUser <= 0 && llHeap <= kHeapSlack && llPrivate <= kPrivateSlack;
    std::printf("%-18s %6d cycles %7lu ms  GDI %ld->%ld  window DCs %ld->%ld  USER %ld->%ld  heap %zu->%zu (%+lld)  "
                "private %zu->%zu (%+lld)  %s\n",
                control.pszName, nCycles, dwElapsed, before.nGdi, after.nGdi, before.nWindowDCs, after.nWindowDCs,
                before.User(), after.User(), before.cbHeap, after.cbHeap, llHeap, before.cbPrivate, after.cbPrivate,
                llPrivate, bFlat ? "flat" : "GREW");
    if (nGdi > 0 || nWindowDCs > 0) {
        ReadGdiObjects(objects);
        std::printf("  grew:%s\n", Growth(startKinds, ObjectsByKind(objects)).c_str());
    }
    std::fflush(stdout);
    return bFlat;
}

} // namespace

int main(int argc, char** argv)
{
    const int nCycles = argc > 1 ? std::atoi(argv[1]) : 300;
    const char* pszOnly = argc > 2 ? argv[2] : NULL;
    CWnd host;
    if (nCycles <= 0 || !host.CreateEx(0, NULL, "", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 40, 40, 500, 400, NULL, 0)) {
        std::fprintf(stderr, "usage: soak_controls <cycles> [control]\n");
        return 2;
    }
    AfxGetApp()->m_pMainWnd = &host;
    FillWindowDcCache(); // or the system's cache of window DCs may grow at any time
    BackendStub::SetServices({16});
    BackendStub::SetServiceName(16, "Listed");
    BackendStub::SetContracts(16, {"1101", "2330", "2303", "2317"}, {"Cement", "TSMC", "UMC", "Hon"});
    bool bAllFlat = true, bFound = false;
    for (const Control& control : kControls)
        if (pszOnly == NULL || std::strcmp(pszOnly, control.pszName) == 0)
            bFound = true, bAllFlat = Soak(control, host, nCycles) && bAllFlat;
    AfxGetApp()->m_pMainWnd = NULL;
    host.DestroyWindow();
    if (!bFound)
        std::fprintf(stderr, "no control named %s\n", pszOnly);
    return bAllFlat && bFound ? 0 : 1;
}
