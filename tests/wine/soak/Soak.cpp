// Create, use and destroy every control of the library many times in one
// process, and fail if the process's GDI or USER objects grow, or its memory
// grows beyond a small allowance, between the end of a warm-up and the end.
//   soak_controls <cycles> [control]   (every control when none is named)
// Prints one line of figures per control; exit code 1 when one grew.
#include <afxwin.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <vector>

#include "BackendStub.h"
#include "CDragListBoxEx.h"
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

const CRect kRect(10, 10, 210, 32);
const int kWarmUp = 5;
// Memory may move by this much over a run without counting as a leak: the
// heaps keep free blocks and their own bookkeeping, and the window manager
// grows its caches in steps. A leak of even one small block per cycle
// outgrows it over the long run (10,000 cycles x 16 bytes = 160 KB).
const size_t kMemorySlack = 64 * 1024;

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

// A font the host made, handed to a control that must keep its own copy.
void FeedFonts(CWnd& control)
{
    for (int nPoints : {90, 120}) {
        CFont font;
        font.CreatePointFont(nPoints, "Tahoma");
        control.SetFont(&font, TRUE);
        control.UpdateWindow();
    }
}

// The user types part of a code, moves to the next match and chooses it.
template <class Edit> void TypeAndChoose(Edit& edit, CWnd& host)
{
    edit.SetNofityWnd(&host);
    edit.SetFocus();
    TypeInto(edit, "23");
    Key(edit, VK_DOWN);
    Key(edit, VK_RETURN);
    edit.DestroyWindow();
}

void SearchEdit(CWnd& host)
{
    CSearchEdit edit;
    std::vector<CString> data = {"2330 TSMC", "2303 UMC", "2317 Hon Hai", "1101 Taiwan Cement"};
    edit.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL, kRect, &host, 1);
    edit.SetSearchData(data, 0);
    TypeAndChoose(edit, host);
}

void SymbolSearchEdit(CWnd& host)
{
    // The stand-in records every call; a fresh data set each cycle keeps its
    // record from counting as our memory.
    BackendStub::Reset();
    BackendStub::SetServices({16});
    BackendStub::SetServiceName(16, "Listed");
    BackendStub::SetContracts(16, {"1101", "2330", "2303", "2317"}, {"Cement", "TSMC", "UMC", "Hon"});
    CSymbolSearchEdit edit;
    edit.SetType(CSymbolSearchEdit::TYPE_SYMBOL);
    edit.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL, kRect, &host, 1);
    TypeAndChoose(edit, host);
}

void DragList(CWnd& host)
{
    CDragListBoxEx list;
    list.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | WS_VSCROLL | LBS_EXTENDEDSEL | LBS_NOTIFY, CRect(10, 10, 210, 200),
                &host, 1);
    for (int i = 0; i < 30; ++i)
        list.SetItemData(list.AddString("item"), static_cast<DWORD_PTR>(i));
    list.SetSel(1, TRUE), list.SetSel(2, TRUE);
    CRect rcFrom, rcTo;
    list.GetItemRect(1, &rcFrom), list.GetItemRect(6, &rcTo);
    CPoint ptFrom = rcFrom.CenterPoint(), ptTo = rcTo.CenterPoint();
    list.ClientToScreen(&ptFrom), list.ClientToScreen(&ptTo);
    if (list.BeginDrag(ptFrom)) {
        list.Dragging(ptTo);
        list.Dropped(ptTo);
        list.EndDrag();
    }
    PumpUntilIdle();
    list.DestroyWindow();
}

void PrintPreview(CWnd& host)
{
    MXPrintPreviewWnd* pPreview = new MXPrintPreviewWnd(&host);
    pPreview->CreateByID(&host);
    for (bool bColor : {false, true}) {
        CDC* pDC = pPreview->dcGetMemoryDC(bColor);
        const CSize size = pPreview->szGetMemoryDCSize();
        if (pDC != NULL) {
            pDC->FillSolidRect(CRect(CPoint(0, 0), size), RGB(255, 255, 255));
            pDC->FillSolidRect(CRect(10, 10, size.cx / 2, size.cy / 2), bColor ? RGB(200, 0, 0) : RGB(0, 0, 0));
        }
        pPreview->vMemoryDCDrawDone(bColor);
    }
    pPreview->ShowWindow(SW_SHOW);
    for (UINT nID : {IDC_PREVIEW_LANDSCAPE, IDC_PREVIEW_EXTEND, IDC_PREVIEW_PORTRAIT, IDC_PREVIEW_EXTEND})
        pPreview->SendMessage(WM_COMMAND, MAKEWPARAM(nID, BN_CLICKED),
                              reinterpret_cast<LPARAM>(pPreview->GetDlgItem(nID)->GetSafeHwnd()));
    pPreview->UpdateWindow();
    pPreview->SendMessage(WM_COMMAND, IDCANCEL);
    PumpUntilIdle();
    pPreview->DestroyWindow();
    delete pPreview;
}

void HyperLink(CWnd& host)
{
    CXHyperLink link;
    link.Create("Quotes", WS_CHILD | WS_VISIBLE | SS_NOTIFY, kRect, &host, 1);
    link.SetURL("");
    link.SetAutoSize(TRUE);
    Post(link, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    Post(link, WM_SETCURSOR, reinterpret_cast<WPARAM>(link.m_hWnd), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    Post(link, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    Post(link, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    PumpUntilIdle();
    link.UpdateWindow();
    link.DestroyWindow();
}

void FilteredEdit(CWnd& host)
{
    NoSpecialEdit edit;
    edit.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL, kRect, &host, 1);
    edit.SetNofityWnd(&host);
    edit.SetFocus();
    TypeInto(edit, "abc12"); // a refused character opens the modal warning
    edit.DestroyWindow();
}

void MemDrawDC(CWnd& host)
{
    CClientDC dc(&host);
    {
        CMemDrawDC mem(&dc, CRect(0, 0, 120, 80));
        mem.FillSolidRect(CRect(0, 0, 120, 80), RGB(20, 40, 60));
        mem.TextOutA(4, 4, "2330");
        mem.ForceBitBlt(SRCCOPY);
    }
    {
        CMemDrawDC discarded(&dc, CRect(0, 0, 60, 40)); // never copied
        discarded.FillSolidRect(CRect(0, 0, 60, 40), RGB(0, 0, 0));
    }
    PumpUntilIdle(); // MFC's temporary wrappers go at idle time
}

void RichEdit(CWnd& host)
{
    MyRichEdit edit;
    edit.CreateById(WS_CHILD | WS_VISIBLE | WS_BORDER | ES_MULTILINE, CRect(10, 10, 210, 110), &host);
    edit.SetWindowText("2330 TSMC\r\n2303 UMC");
    TypeInto(edit, "x");
    edit.DestroyWindow();
}

void TabColorSet(CWnd& host)
{
    static int s_nCycle = 0;
    SMXTabColorSet::ColorType = ++s_nCycle % 2;
    CXTPTabControl tabs;
    SMXTabColorSet set;
    tabs.Create(WS_VISIBLE, CRect(0, 0, 400, 100), &host, 1);
    for (const char* psz : {"One", "Two", "Three"})
        tabs.InsertItem(tabs.GetItemCount(), psz);
    tabs.SetSelectedItem(tabs.GetItem(1));
    tabs.SetColorSet(&set);
    tabs.Invalidate(FALSE), tabs.UpdateWindow();
    tabs.DestroyWindow();
    SMXTabColorSet::ColorType = 0;
}

template <class T> void FontKeeping(CWnd& host, std::function<BOOL(T&, CWnd*)> create)
{
    T control;
    create(control, &host);
    FeedFonts(control);
    control.DestroyWindow();
}

struct Control {
    const char* pszName;
    std::function<void(CWnd&)> cycle;
};

std::vector<Control> Controls()
{
    const DWORD dwChild = WS_CHILD | WS_VISIBLE;
    return {
        {"CSearchEdit", SearchEdit},
        {"CSymbolSearchEdit", SymbolSearchEdit},
        {"CDragListBoxEx", DragList},
        {"MXPrintPreviewWnd", PrintPreview},
        {"CXHyperLink", HyperLink},
        {"NoSpecialEdit", FilteredEdit},
        {"CMemDrawDC", MemDrawDC},
        {"MyRichEdit", RichEdit},
        {"SMXTabColorSet", TabColorSet},
        {"SEdit", [=](CWnd& h) { FontKeeping<SEdit>(h, [=](SEdit& c, CWnd* p) { return c.Create(dwChild, kRect, p, 1); }); }},
        {"SButton", [=](CWnd& h) { FontKeeping<SButton>(h, [=](SButton& c, CWnd* p) { return c.Create("b", dwChild, kRect, p, 1); }); }},
        {"SCComboBox", [=](CWnd& h) { FontKeeping<SCComboBox>(h, [=](SCComboBox& c, CWnd* p) { return c.Create(dwChild | CBS_DROPDOWN, kRect, p, 1); }); }},
        {"SDateTimeCtrl", [=](CWnd& h) { FontKeeping<SDateTimeCtrl>(h, [=](SDateTimeCtrl& c, CWnd* p) { return c.Create(dwChild, kRect, p, 1); }); }},
        {"SListBox", [=](CWnd& h) { FontKeeping<SListBox>(h, [=](SListBox& c, CWnd* p) { return c.Create(dwChild, kRect, p, 1); }); }},
        {"SStatic", [=](CWnd& h) { FontKeeping<SStatic>(h, [=](SStatic& c, CWnd* p) { return c.Create("s", dwChild, kRect, p, 1); }); }},
    };
}

// Runs one control's cycles; true when its counts stayed flat.
bool Soak(const Control& control, CWnd& host, int nCycles)
{
    for (int i = 0; i < kWarmUp; ++i)
        control.cycle(host);
    PumpUntilIdle();
    const ResourceCounts before = CountResources();
    const DWORD dwStart = ::GetTickCount();
    for (int i = 0; i < nCycles; ++i)
        control.cycle(host);
    PumpUntilIdle();
    const ResourceCounts after = CountResources();
    const long nGdi = after.nGdi - before.nGdi, nUser = after.User() - before.User();
    const long long llHeap = static_cast<long long>(after.cbHeap) - static_cast<long long>(before.cbHeap);
    const long long llPrivate = static_cast<long long>(after.cbPrivate) - static_cast<long long>(before.cbPrivate);
    const bool bFlat = nGdi <= 0 && nUser <= 0 && llHeap <= static_cast<long long>(kMemorySlack) &&
                       llPrivate <= static_cast<long long>(kMemorySlack);
    std::printf("%-18s %6d cycles %6lu ms  GDI %ld->%ld  USER %ld->%ld  heap %zu->%zu (%+lld)  private %zu->%zu (%+lld)  %s\n",
                control.pszName, nCycles, ::GetTickCount() - dwStart, before.nGdi, after.nGdi, before.User(), after.User(),
                before.cbHeap, after.cbHeap, llHeap, before.cbPrivate, after.cbPrivate, llPrivate, bFlat ? "flat" : "GREW");
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
    bool bAllFlat = true, bFound = false;
    for (const Control& control : Controls())
        if (pszOnly == NULL || std::strcmp(pszOnly, control.pszName) == 0)
            bFound = true, bAllFlat = Soak(control, host, nCycles) && bAllFlat;
    AfxGetApp()->m_pMainWnd = NULL;
    host.DestroyWindow();
    if (!bFound)
        std::fprintf(stderr, "no control named %s\n", pszOnly);
    return bAllFlat && bFound ? 0 : 1;
}
