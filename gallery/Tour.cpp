#include "Tour.h"

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include <string>

#include "GalleryWindow.h"
#include "SMXTabColorSet.h"
#include "Screenshot.h"
#include "Utf8Text.h"

namespace {

// The longest wait for a result to show. Generous, since the tour must pass
// on a busy machine; only a failing step ever waits it out.
const DWORD kResultLimitMs = 30000;
// A step stuck in a modal loop that nobody closes ends the process after this.
const DWORD kStepLimitMs = 180000;

/////////////////////////////////////////////////////////////////////////////
// The gallery's own pump and waits

// Dispatches what is queued, through MFC's pre-translation as the gallery's
// message loop would (the search edits take their keys there), for dwMs.
void PumpFor(DWORD dwMs)
{
    const DWORD dwStart = ::GetTickCount();
    do {
        MSG msg;
        while (::PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE)) {
            if (!AfxGetApp()->PreTranslateMessage(&msg)) {
                ::TranslateMessage(&msg);
                ::DispatchMessageA(&msg);
            }
        }
        ::Sleep(10);
    } while (::GetTickCount() - dwStart < dwMs);
}

// Pumps until bDone() holds; false if it still does not after the limit.
template <class Condition> bool WaitFor(Condition bDone)
{
    const DWORD dwStart = ::GetTickCount();
    while (!bDone()) {
        if (::GetTickCount() - dwStart > kResultLimitMs)
            return false;
        PumpFor(20);
    }
    return true;
}

/////////////////////////////////////////////////////////////////////////////
// Real input: the system's input queue, as a user's mouse and keyboard

void Send(INPUT input)
{
    ::SendInput(1, &input, sizeof(INPUT));
    PumpFor(20);
}

void MouseTo(POINT ptScreen)
{
    // The cursor placed exactly, then a zero-length move reported: a real
    // mouse event at that pixel, without the rounding of absolute moves.
    ::SetCursorPos(ptScreen.x, ptScreen.y);
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = MOUSEEVENTF_MOVE;
    Send(input);
}

void MouseButton(bool bDown)
{
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = bDown ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP;
    Send(input);
}

void ClickAt(POINT ptScreen)
{
    MouseTo(ptScreen);
    MouseButton(true);
    MouseButton(false);
}

// Clicks until bDone() holds, each click given two seconds to show: under
// Wine a click right after a page changes is now and then lost. False if
// it still does not hold after the limit.
template <class Condition> bool ClickUntil(POINT ptScreen, Condition bDone)
{
    const DWORD dwStart = ::GetTickCount();
    for (;;) {
        ClickAt(ptScreen);
        const DWORD dwClick = ::GetTickCount();
        while (!bDone()) {
            if (::GetTickCount() - dwStart > kResultLimitMs)
                return false;
            if (::GetTickCount() - dwClick > 2000)
                break;
            PumpFor(20);
        }
        if (bDone())
            return true;
    }
}

void PressKey(WORD wVirtualKey)
{
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = wVirtualKey;
    input.ki.wScan = static_cast<WORD>(::MapVirtualKeyA(wVirtualKey, MAPVK_VK_TO_VSC));
    Send(input);
    input.ki.dwFlags = KEYEVENTF_KEYUP;
    Send(input);
}

// Each character as a typed key, whatever the keyboard layout.
void TypeText(const char* pszAscii)
{
    for (const char* p = pszAscii; *p != '\0'; ++p) {
        INPUT input = {};
        input.type = INPUT_KEYBOARD;
        input.ki.wScan = static_cast<WORD>(*p);
        input.ki.dwFlags = KEYEVENTF_UNICODE;
        Send(input);
        input.ki.dwFlags = KEYEVENTF_UNICODE | KEYEVENTF_KEYUP;
        Send(input);
    }
}

// Who holds the mouse, for a failure's message.
CString CaptureNote()
{
    CString strNote;
    strNote.Format(" (mouse captured by %p, foreground %p)", static_cast<void*>(::GetCapture()),
                   static_cast<void*>(::GetForegroundWindow()));
    return strNote;
}

CRect ScreenRect(const CWnd* pWnd)
{
    CRect rc;
    pWnd->GetWindowRect(&rc);
    return rc;
}

// The smallest rectangle holding both; an empty one adds nothing.
CRect Union(const CRect& rcA, const CRect& rcB)
{
    CRect rc;
    ::UnionRect(&rc, &rcA, &rcB);
    return rc;
}

// The band of a page under its help line, down to nBottom in the page.
CRect PageBand(const CWnd* pPage, int nBottom)
{
    CRect rc = ScreenRect(pPage);
    rc.bottom = rc.top + nBottom;
    rc.top += 44;
    return rc;
}

CPoint Centre(const CWnd* pWnd) { return ScreenRect(pWnd).CenterPoint(); }

CString TextOf(const CWnd* pWnd)
{
    CString strText;
    pWnd->GetWindowText(strText);
    return strText;
}

// The visible top-level windows of the gallery's thread other than the main
// window, together: the popup lists and tips of the search edits.
struct PopupSearch {
    HWND hMain;
    CRect rc;
};

BOOL CALLBACK AddPopup(HWND h, LPARAM lParam)
{
    PopupSearch& search = *reinterpret_cast<PopupSearch*>(lParam);
    RECT rc;
    if (h != search.hMain && ::IsWindowVisible(h) && ::GetWindowRect(h, &rc))
        search.rc = Union(search.rc, CRect(rc));
    return TRUE;
}

CRect PopupsRect(HWND hMain)
{
    PopupSearch search = {hMain, CRect(0, 0, 0, 0)};
    ::EnumThreadWindows(::GetCurrentThreadId(), AddPopup, reinterpret_cast<LPARAM>(&search));
    return search.rc;
}

/////////////////////////////////////////////////////////////////////////////
// Dialogs that run modal inside a step: the print dialog and the edit's
// message box. A thread timer keeps ticking in their loops; it reads the
// first such dialog, takes its picture and presses its OK.

struct ModalWatch {
    HWND hMain = NULL;    // excluded, as is hSkip (the modeless preview)
    HWND hSkip = NULL;
    std::string shotPath; // where the picture of the dialog goes, or empty
    std::string picturePath; // a picture of rcPicture with the dialog, or empty
    CRect rcPicture;
    CString strText;      // the dialog's message, as read
    bool bSeen = false;
    UINT_PTR nTimer = 0;
} g_watch;

BOOL CALLBACK TakeDialog(HWND h, LPARAM lParam)
{
    char szClass[16] = "";
    ::GetClassNameA(h, szClass, sizeof(szClass));
    if (h == g_watch.hMain || h == g_watch.hSkip || !::IsWindowVisible(h) || strcmp(szClass, "#32770") != 0)
        return TRUE;
    *reinterpret_cast<HWND*>(lParam) = h;
    return FALSE;
}

HWND FindModalDialog()
{
    HWND hFound = NULL;
    ::EnumThreadWindows(::GetCurrentThreadId(), TakeDialog, reinterpret_cast<LPARAM>(&hFound));
    return hFound;
}

void CALLBACK OnWatchTimer(HWND, UINT, UINT_PTR, DWORD)
{
    HWND hDialog = FindModalDialog();
    if (hDialog == NULL || g_watch.bSeen)
        return;
    g_watch.bSeen = true;
    ::KillTimer(NULL, g_watch.nTimer);
    g_watch.nTimer = 0;
    // A message box shows its text in the static 0xFFFF.
    char szText[512] = "";
    ::GetDlgItemTextA(hDialog, 0xFFFF, szText, sizeof(szText));
    g_watch.strText = szText;
    CRect rcMain, rcDialog;
    ::GetWindowRect(g_watch.hMain, &rcMain);
    ::GetWindowRect(hDialog, &rcDialog);
    ::RedrawWindow(hDialog, NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    if (!g_watch.shotPath.empty())
        SaveScreenBitmap(Union(rcMain, rcDialog), g_watch.shotPath.c_str());
    if (!g_watch.picturePath.empty()) {
        CRect rcPicture = Union(g_watch.rcPicture, rcDialog);
        rcPicture.InflateRect(6, 6);
        SaveScreenBitmap(rcPicture, g_watch.picturePath.c_str());
    }
    ::PostMessageA(::GetDlgItem(hDialog, IDOK), BM_CLICK, 0, 0);
}

void WatchForDialog(HWND hMain, HWND hSkip, const std::string& shotPath)
{
    g_watch.hMain = hMain;
    g_watch.hSkip = hSkip;
    g_watch.shotPath = shotPath;
    g_watch.picturePath.clear();
    g_watch.strText.Empty();
    g_watch.bSeen = false;
    g_watch.nTimer = ::SetTimer(NULL, 0, 100, OnWatchTimer);
}

void StopWatching()
{
    if (g_watch.nTimer != 0)
        ::KillTimer(NULL, g_watch.nTimer);
    g_watch.nTimer = 0;
}

/////////////////////////////////////////////////////////////////////////////
// Steps

// What a step works with, and what it leaves for the runner.
struct TourRun {
    GalleryWindow& window;
    std::string folder;   // ends with a backslash
    std::string shotPath; // this step's picture
    CString strWhy;       // set when the step fails
    CString strResult;    // what the step showed, for the console
    bool bShotTaken = false;

    CWnd* Page(int nPage) { return window.PageWindow(nPage); }
    CWnd* Item(int nPage, UINT nID) { return Page(nPage)->GetDlgItem(nID); }
    CString Status(int nPage) { return static_cast<GalleryPage*>(Page(nPage))->StatusText(); }
    // Opens a page as a click on its line in the list would.
    void Show(int nPage)
    {
        window.ShowPage(nPage);
        window.RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        PumpFor(100);
    }
    // Saves a control's picture for the README, with a margin.
    void Picture(const char* pszName, CRect rcScreen, int nMargin = 6)
    {
        rcScreen.InflateRect(nMargin, nMargin);
        SaveScreenBitmap(rcScreen, (folder + "pictures\\" + pszName + ".bmp").c_str());
    }
    bool Fail(const char* pszWhyUtf8, const CString& strDetail = CString())
    {
        strWhy = TextFromUtf8(pszWhyUtf8) + strDetail;
        return false;
    }
};

// Types into a search edit until its list shows.
bool TypeIntoSearch(TourRun& run, int nPage, UINT nEditId, const char* pszText, const char* pszPicture)
{
    run.Show(nPage);
    CWnd* pEdit = run.Item(nPage, nEditId);
    if (!ClickUntil(Centre(pEdit), [&] { return ::GetFocus() == pEdit->m_hWnd; }))
        return run.Fail("a click did not put the focus into the edit", CaptureNote());
    TypeText(pszText);
    const HWND hMain = run.window.m_hWnd;
    if (!WaitFor([&] { return !PopupsRect(hMain).IsRectEmpty(); }))
        return run.Fail("no list appeared under the edit after typing ", CString(pszText));
    PumpFor(200); // the list paints
    CRect rc = ScreenRect(pEdit);
    rc = Union(rc, PopupsRect(hMain));
    run.Picture(pszPicture, rc);
    run.strResult = TextOf(pEdit);
    return true;
}

// Chooses the highlighted line with Enter; the page shows the host's reading.
bool ChooseWithEnter(TourRun& run, int nPage, const char* pszExpected)
{
    PressKey(VK_RETURN);
    const CString strExpected = TextFromUtf8(pszExpected);
    if (!WaitFor([&] { return run.Status(nPage).Find(strExpected) >= 0; }))
        return run.Fail("the page reads ", "'" + run.Status(nPage) + "' after Enter, not " + strExpected);
    run.strResult = run.Status(nPage);
    return true;
}

bool TypePartOfName(TourRun& run)
{
    return TypeIntoSearch(run, GalleryWindow::kSearchPage, SearchEditPage::kEditId, "ETF", "search-edit");
}

bool ChooseName(TourRun& run) { return ChooseWithEnter(run, GalleryWindow::kSearchPage, u8"已選擇："); }

bool TypePartOfCode(TourRun& run)
{
    return TypeIntoSearch(run, GalleryWindow::kSymbolPage, SymbolSearchPage::kEditId, "23", "symbol-search-edit");
}

bool ChooseSymbol(TourRun& run)
{
    TypeText("30");
    return ChooseWithEnter(run, GalleryWindow::kSymbolPage, u8"代號 2330");
}

// The first items of the drag list, by their item data and by their text.
CString ListOrder(CListBox* pList, int nItems, bool bText)
{
    CString strOrder;
    for (int i = 0; i < nItems && i < pList->GetCount(); ++i) {
        CString strItem;
        if (bText)
            pList->GetText(i, strItem);
        else
            strItem.Format("%d", static_cast<int>(pList->GetItemData(i)));
        strOrder += (i > 0 ? "," : "") + strItem;
    }
    return strOrder;
}

CListBox* DragList(TourRun& run)
{
    return static_cast<CListBox*>(run.Item(GalleryWindow::kDragPage, DragListPage::kListId));
}

// Client point of item nIndex's upper half, in screen coordinates.
CPoint ItemPoint(CListBox* pList, int nIndex)
{
    CRect rc;
    pList->GetItemRect(nIndex, &rc);
    CPoint pt(rc.left + 40, rc.top + rc.Height() / 4);
    pList->ClientToScreen(&pt);
    return pt;
}

// Whether the red insertion marker shows on the line between item nIndex
// and the one before it.
bool ShowsMarker(CListBox* pList, int nIndex)
{
    CRect rc;
    pList->GetItemRect(nIndex, &rc);
    pList->ClientToScreen(&rc);
    return ScreenShowsColour(CRect(rc.left, rc.top - 2, rc.right, rc.top + 2), RGB(255, 0, 0));
}

bool DragItem(TourRun& run)
{
    run.Show(GalleryWindow::kDragPage);
    CListBox* pList = DragList(run);
    // The first item, pressed and carried over the upper half of the fifth,
    // the insertion marker showing where it will land.
    const CPoint ptFrom = ItemPoint(pList, 0), ptTo = ItemPoint(pList, 4);
    MouseTo(ptFrom);
    MouseButton(true);
    for (int nStep = 1; nStep <= 8; ++nStep)
        MouseTo(CPoint(ptFrom.x, ptFrom.y + (ptTo.y - ptFrom.y) * nStep / 8));
    if (!WaitFor([&] { return ShowsMarker(pList, 4); }))
        return run.Fail("no insertion marker showed above the fifth item while the first was carried");
    CRect rc = ScreenRect(pList);
    rc.InflateRect(16, 0); // the marker's arrows stand beside the list
    rc.bottom = rc.top + (rc.Height() / 2);
    run.Picture("drag-list", rc);
    run.strResult = ListOrder(pList, 5, true);
    return true;
}

bool DropItem(TourRun& run)
{
    CListBox* pList = DragList(run);
    MouseButton(false);
    // Dropped before the fifth item: the first now stands fourth.
    if (!WaitFor([&] { return ListOrder(pList, 4, false) == "1,2,3,0"; }))
        return run.Fail("the list still reads ", ListOrder(pList, 4, true) + " after the drop");
    if (!WaitFor([&] { return run.Status(GalleryWindow::kDragPage).Find(TextFromUtf8(u8"1 次")) >= 0; }))
        return run.Fail("the page was not told that the drag ended: ", run.Status(GalleryWindow::kDragPage));
    run.strResult = ListOrder(pList, 4, true);
    return true;
}

PrintPreviewPage& PreviewPage(TourRun& run)
{
    return *static_cast<PrintPreviewPage*>(run.Page(GalleryWindow::kPreviewPage));
}

bool OpenPreview(TourRun& run)
{
    run.Show(GalleryWindow::kPreviewPage);
    if (!ClickUntil(Centre(run.Item(GalleryWindow::kPreviewPage, PrintPreviewPage::kButtonId)), [&] {
            CWnd* pPreview = PreviewPage(run).PreviewWindow();
            return pPreview != NULL && pPreview->IsWindowVisible();
        }))
        return run.Fail("the preview did not open after its button was clicked", CaptureNote());
    PumpFor(300);
    run.Picture("print-preview", ScreenRect(PreviewPage(run).PreviewWindow()), 0);
    return true;
}

// The session's print queue writes each job as out\job.pdf in the folder
// the print server names; Wine sees the Linux file system as drive Z:.
std::string QueueOutput()
{
    const char* pszDir = getenv("LATTICE_PRINT_DIR");
    if (pszDir == NULL)
        return std::string();
    std::string path = std::string("Z:") + pszDir + "/out/job.pdf";
    for (char& ch : path)
        ch = ch == '/' ? '\\' : ch;
    return path;
}

// A whole job: the queue wraps the PDF in the printer's job language, so
// the PDF's end-of-file mark is looked for anywhere in it.
bool IsWholeJob(const std::string& path)
{
    FILE* fp = fopen(path.c_str(), "rb");
    if (fp == NULL)
        return false;
    std::string content;
    char buffer[4096];
    for (size_t n; (n = fread(buffer, 1, sizeof(buffer), fp)) > 0;)
        content.append(buffer, n);
    fclose(fp);
    return content.find("%PDF") != std::string::npos && content.find("%%EOF") != std::string::npos;
}

bool PrintChart(TourRun& run)
{
    const std::string queued = QueueOutput();
    if (queued.empty())
        return run.Fail("there is no print queue (LATTICE_PRINT_DIR is not set)");
    ::DeleteFileA(queued.c_str());
    CWnd* pPreview = PreviewPage(run).PreviewWindow();
    // OK asks for a printer in the system's dialog, confirmed with its default.
    WatchForDialog(run.window.m_hWnd, pPreview->m_hWnd, std::string());
    const bool bAsked = ClickUntil(Centre(pPreview->GetDlgItem(IDOK)), [] { return g_watch.bSeen; });
    StopWatching();
    if (!bAsked)
        return run.Fail("OK in the preview did not ask for a printer");
    if (!WaitFor([&] { return IsWholeJob(queued); }))
        return run.Fail("the queue wrote no PDF of the chart");
    const std::string kept = run.folder + "print-chart.pdf";
    if (!::CopyFileA(queued.c_str(), kept.c_str(), FALSE))
        return run.Fail("the printed PDF could not be kept");
    run.strResult = "print-chart.pdf";
    return true;
}

// Waits until what the screen shows of a control changes.
bool WaitForNewPicture(const CWnd* pWnd, const std::vector<BYTE>& before)
{
    return WaitFor([&] { return ScreenPixels(ScreenRect(pWnd)) != before; });
}

// Hovers a control until its picture changes, then clicks it; the page's
// status line must then contain pszExpected.
bool HoverAndClick(TourRun& run, int nPage, UINT nID, const char* pszPicture, int nPictureBottom,
                   const char* pszExpected)
{
    run.Show(nPage);
    CWnd* pControl = run.Item(nPage, nID);
    MouseTo(CPoint(0, 0));
    PumpFor(100);
    const std::vector<BYTE> before = ScreenPixels(ScreenRect(pControl));
    MouseTo(Centre(pControl));
    if (!WaitForNewPicture(pControl, before))
        return run.Fail("the control did not change when the mouse came over it");
    PumpFor(100);
    run.Picture(pszPicture, PageBand(run.Page(nPage), nPictureBottom));
    ::SaveScreenBitmap(ScreenRect(&run.window), run.shotPath.c_str());
    run.bShotTaken = true; // hovered, before the click
    MouseButton(true);
    MouseButton(false);
    const CString strExpected = TextFromUtf8(pszExpected);
    if (!WaitFor([&] { return run.Status(nPage).Find(strExpected) >= 0; }))
        return run.Fail("the page was not told of the click; it reads ", run.Status(nPage));
    run.strResult = run.Status(nPage);
    return true;
}

bool HoverAndClickLink(TourRun& run)
{
    return HoverAndClick(run, GalleryWindow::kLinkPage, LinkPage::kNotifyingId, "hyperlink", 300,
                         u8"收到 WM_XHYPERLINK_CLICKED");
}

bool HoverAndPressButton(TourRun& run)
{
    return HoverAndClick(run, GalleryWindow::kButtonsPage, ButtonsPage::kPlayId, "buttons", 306, u8"按鈕按了 1 次");
}

bool TypeRefusedCharacter(TourRun& run)
{
    run.Show(GalleryWindow::kBasicPage);
    CWnd* pEdit = run.Item(GalleryWindow::kBasicPage, BasicControlsPage::kFilterId);
    if (!ClickUntil(Centre(pEdit), [&] { return ::GetFocus() == pEdit->m_hWnd; }))
        return run.Fail("a click did not put the focus into the edit", CaptureNote());
    TypeText("2330");
    if (!WaitFor([&] { return TextOf(pEdit) == "2330"; }))
        return run.Fail("the edit did not keep 2330; it reads ", TextOf(pEdit));
    run.Picture("rich-edit", ScreenRect(run.Item(GalleryWindow::kBasicPage, BasicControlsPage::kRichId)));
    // The message box runs modal inside the keystroke; the watch takes the
    // step's picture with it showing, reads it and presses OK.
    WatchForDialog(run.window.m_hWnd, NULL, run.shotPath);
    g_watch.picturePath = run.folder + "pictures\\filtered-edit.bmp";
    g_watch.rcPicture = ScreenRect(pEdit);
    TypeText("@");
    const bool bShown = WaitFor([] { return g_watch.bSeen; });
    StopWatching();
    if (!bShown)
        return run.Fail("no message box appeared after typing @");
    run.bShotTaken = true;
    if (g_watch.strText.IsEmpty())
        return run.Fail("the message box showed no text");
    if (!WaitFor([&] { return TextOf(pEdit) == "2330"; }))
        return run.Fail("the edit was not put back to 2330; it reads ", TextOf(pEdit));
    run.strResult = TextFromUtf8(u8"訊息「") + g_watch.strText + TextFromUtf8(u8"」，輸入框仍為 2330");
    return true;
}

bool SwitchTabScheme(TourRun& run)
{
    CWnd* pChart = run.Item(GalleryWindow::kBasicPage, BasicControlsPage::kChartId);
    if (!ClickUntil(Centre(run.Item(GalleryWindow::kBasicPage, BasicControlsPage::kSchemeId)),
                    [] { return SMXTabColorSet::ColorType == 1; }))
        return run.Fail("the scheme switch did not set the dark scheme");
    // The chart's background, above its bars, turns the dark scheme's gray.
    const CRect rcChart = ScreenRect(pChart);
    const CRect rcCorner(rcChart.left + 2, rcChart.top + 2, rcChart.left + 3, rcChart.top + 3);
    if (!WaitFor([&] { return ScreenShowsColour(rcCorner, RGB(41, 41, 41)); }))
        return run.Fail("the chart was not repainted in the dark scheme");
    CRect rc = ScreenRect(run.Item(GalleryWindow::kBasicPage, BasicControlsPage::kTabsId));
    run.Picture("tab-colour-set", rc);
    return true;
}

struct Step {
    const char* pszName;
    bool (*pfnRun)(TourRun& run);
};

const Step kSteps[] = {
    {"type part of a name", TypePartOfName},
    {"choose a name", ChooseName},
    {"type part of a code", TypePartOfCode},
    {"choose a symbol", ChooseSymbol},
    {"drag an item", DragItem},
    {"drag and drop", DropItem},
    {"open the print preview", OpenPreview},
    {"print the chart", PrintChart},
    {"hover and click a link", HoverAndClickLink},
    {"hover and press a button", HoverAndPressButton},
    {"type a refused character", TypeRefusedCharacter},
    {"switch the tab scheme", SwitchTabScheme},
};

// The step running now, for the watchdog.
volatile LONG g_nStep = -1;
volatile DWORD g_dwStepStart = 0;

// Ends the process when a step never comes back, as when a modal dialog
// stays open: the tour must fail, not hang.
DWORD WINAPI Watchdog(LPVOID)
{
    for (;;) {
        ::Sleep(1000);
        const LONG nStep = g_nStep;
        if (nStep >= 0 && ::GetTickCount() - g_dwStepStart > kStepLimitMs) {
            fprintf(stderr, "tour step '%s': did not finish within %lu seconds\n", kSteps[nStep].pszName,
                    kStepLimitMs / 1000);
            fflush(stderr);
            ::TerminateProcess(::GetCurrentProcess(), 1);
        }
    }
}

// Step 3, "choose a symbol": "03-choose-a-symbol".
std::string ShotName(int nStep, const char* pszName)
{
    char szName[80];
    snprintf(szName, sizeof(szName), "%02d-%s", nStep + 1, pszName);
    for (char* p = szName; *p != '\0'; ++p)
        *p = *p == ' ' ? '-' : *p;
    return szName;
}

} // namespace

int RunTour(GalleryWindow& window, const char* pszFolder)
{
    std::string folder(pszFolder);
    if (!folder.empty() && folder.back() != '\\')
        folder += '\\';
    ::CreateDirectoryA(folder.c_str(), NULL);
    ::CreateDirectoryA((folder + "pictures").c_str(), NULL);
    ::CloseHandle(::CreateThread(NULL, 0, Watchdog, NULL, 0, NULL));
    ::SetForegroundWindow(window.m_hWnd);
    PumpFor(300);

    const int nSteps = static_cast<int>(sizeof(kSteps) / sizeof(kSteps[0]));
    for (int i = 0; i < nSteps; ++i) {
        TourRun run{window, folder, folder + ShotName(i, kSteps[i].pszName) + ".bmp", CString(), CString()};
        g_dwStepStart = ::GetTickCount();
        g_nStep = i;
        const bool bOk = kSteps[i].pfnRun(run);
        if (!run.bShotTaken) {
            PumpFor(100);
            SaveWindowBitmap(window.m_hWnd, run.shotPath.c_str());
        }
        if (!bOk) {
            g_nStep = -1;
            fprintf(stderr, "tour step '%s': %s\n", kSteps[i].pszName, Utf8FromText(run.strWhy).c_str());
            return 1;
        }
        printf("tour step '%s': ok%s%s\n", kSteps[i].pszName, run.strResult.IsEmpty() ? "" : ", ",
               Utf8FromText(run.strResult).c_str());
        fflush(stdout);
    }
    g_nStep = -1;
    return 0;
}
