// A host program: it includes only the library's public headers, links only
// to the library, and checks through the loaded DLL what a host relies on
// beyond the headers: the registered message identifiers the controls use,
// the resources found by identifier, and the version resource. Each failed
// check is printed with its line; the exit code is the number of failures.
#include <afxwin.h>

#include <stdio.h>

#include <algorithm>
#include <utility>
#include <vector>

#include "CDragListBoxEx.h"
#include "CSearchEdit.h"
#include "CSymbolSearchEdit.h"
#include "CXHyperLink.h"

namespace {

CWinApp theHostApp("LatticeObject host");

int g_nFailures = 0;
#define CHECK(condition, ...)                                                                          \
    ((condition) ? (void)0                                                                         \
                 : (printf("HostContract.cpp:%d: ", __LINE__), printf(__VA_ARGS__), printf("\n"), \
                    (void)++g_nFailures))

// Resources a host or a control finds in the library by identifier.
void CheckResources(HMODULE hLibrary)
{
    const struct {
        int nID;
        LPCSTR pszType;
        const char* pszWhat;
    } resources[] = {
        {5000, RT_GROUP_CURSOR, "cursor of the drag list"},
        {19126, RT_DIALOG, "print preview dialog"},
        {7000, RT_BITMAP, "hover button, normal"},
        {7001, RT_BITMAP, "hover button, hovered"},
    };
    for (const auto& resource : resources)
        CHECK(::FindResourceA(hLibrary, MAKEINTRESOURCEA(resource.nID), resource.pszType) != NULL,
              "resource %d (%s) not found", resource.nID, resource.pszWhat);
}

// The version resource announces Traditional Chinese in code page 950 and
// holds its strings in the block of that translation, where version readers
// look them up.
void CheckVersionStrings(HMODULE hLibrary)
{
    char szPath[MAX_PATH] = "";
    ::GetModuleFileNameA(hLibrary, szPath, MAX_PATH);
    DWORD dwHandle = 0;
    const DWORD dwSize = ::GetFileVersionInfoSizeA(szPath, &dwHandle);
    CHECK(dwSize > 0, "no version resource");
    if (dwSize == 0)
        return;
    std::vector<char> info(dwSize);
    ::GetFileVersionInfoA(szPath, 0, dwSize, info.data());

    const WORD* pTranslation = NULL;
    UINT nLength = 0;
    if (!::VerQueryValueA(info.data(), "\\VarFileInfo\\Translation", (LPVOID*)&pTranslation, &nLength) ||
        nLength < 2 * sizeof(WORD)) {
        CHECK(false, "no translation in the version resource");
        return;
    }
    CHECK(pTranslation[0] == 0x0404 && pTranslation[1] == 950, "translation %04x, code page %u; expected 0404, 950",
          pTranslation[0], pTranslation[1]);
    char szKey[64];
    for (const char* pszValue : {"FileDescription", "FileVersion"}) {
        snprintf(szKey, sizeof(szKey), "\\StringFileInfo\\%04x%04x\\%s", pTranslation[0], pTranslation[1], pszValue);
        LPVOID pText = NULL;
        CHECK(::VerQueryValueA(info.data(), szKey, &pText, &nLength) && nLength > 1,
              "no %s in the string block %04x%04x of the translation", pszValue, pTranslation[0], pTranslation[1]);
    }
}

// The registered messages posted while the queue is emptied, each with the
// window it was posted to.
using Posted = std::vector<std::pair<HWND, UINT>>;
Posted PumpAndRecord()
{
    Posted posted;
    MSG msg;
    for (int i = 0; i < 1000 && ::PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE); ++i) {
        if (msg.message >= 0xC000 && msg.message <= 0xFFFF)
            posted.emplace_back(msg.hwnd, msg.message);
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
    return posted;
}

// Whether the library posted, to hWnd, the message the host registers
// under pszName.
bool WasPosted(const Posted& posted, HWND hWnd, const char* pszName)
{
    const std::pair<HWND, UINT> wanted(hWnd, ::RegisterWindowMessageA(pszName));
    return std::find(posted.begin(), posted.end(), wanted) != posted.end();
}

// The host's window, keeping the last registered message sent to it.
class CHostWnd : public CWnd {
public:
    UINT m_uSent = 0;   // the message
    WPARAM m_wSent = 0; // its wParam
protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message >= 0xC000 && message <= 0xFFFF)
            m_uSent = message, m_wSent = wParam;
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

// The host learns results by registering the same names as the library.
// Each control is driven to send its messages; what arrives must carry the
// host's identifiers, and the controls must answer the host's identifiers
// for the messages they handle. Every control that sends a registered
// message has its exchange here.
void CheckRegisteredMessages()
{
    CHostWnd host;
    CHECK(host.CreateEx(0, NULL, "host", WS_POPUP, 0, 0, 400, 300, NULL, 0), "no host window");

    // Completing a choice: "EDITMSG_INPUT_ENTER" in; the edit hides its
    // list through a message to itself and tells its notify window.
    CSearchEdit search;
    search.Create(WS_CHILD | ES_AUTOHSCROLL, CRect(10, 10, 200, 30), &host, 1);
    search.SetNofityWnd(&host);
    search.SendMessage(::RegisterWindowMessageA("EDITMSG_INPUT_ENTER"));
    Posted posted = PumpAndRecord();
    CHECK(!posted.empty(), "CSearchEdit did not answer the host's EDITMSG_INPUT_ENTER");
    CHECK(WasPosted(posted, search.m_hWnd, "EDITMSG_HIDE_DATALIST"), "EDITMSG_HIDE_DATALIST differs");
    CHECK(WasPosted(posted, host.m_hWnd, "EDITMSG_SEARCH_SELECTED"), "EDITMSG_SEARCH_SELECTED differs");

    // The same for the symbol edit.
    CSymbolSearchEdit symbol;
    symbol.Create(WS_CHILD | ES_AUTOHSCROLL, CRect(10, 40, 200, 60), &host, 2);
    symbol.SetNofityWnd(&host);
    symbol.SendMessage(::RegisterWindowMessageA("g_uMsgEnter"));
    posted = PumpAndRecord();
    CHECK(!posted.empty(), "CSymbolSearchEdit did not answer the host's g_uMsgEnter");
    CHECK(WasPosted(posted, symbol.m_hWnd, "g_uMsgHideList"), "g_uMsgHideList differs");
    CHECK(WasPosted(posted, host.m_hWnd, "g_uMsgSearchInputSelected"), "g_uMsgSearchInputSelected differs");

    // A drag of the first item far down the list, cancelled.
    CDragListBoxEx drag;
    drag.Create(WS_CHILD | WS_VSCROLL, CRect(10, 70, 200, 270), &host, 3);
    for (const char* psz : {"A0", "A1", "A2"})
        drag.AddString(psz);
    CRect rcItem;
    drag.GetItemRect(0, &rcItem);
    drag.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(rcItem.left + 5, rcItem.top + 2));
    drag.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(rcItem.left + 5, rcItem.top + 60));
    drag.CancelDrag(CPoint(0, 0));
    posted = PumpAndRecord();
    CHECK(WasPosted(posted, host.m_hWnd, "DRAGLISTBOX_MSG_DRAG_END"), "DRAGLISTBOX_MSG_DRAG_END differs");

    // A click on a link that opens nothing, reported to its parent with the link's ID.
    CXHyperLink link;
    link.Create("link", WS_CHILD | SS_NOTIFY, CRect(220, 10, 300, 30), &host, 4);
    link.EnableURL(FALSE);
    link.SetNotifyParent(TRUE);
    host.SendMessage(WM_COMMAND, MAKEWPARAM(4, STN_CLICKED), reinterpret_cast<LPARAM>(link.m_hWnd));
    CHECK(host.m_uSent == ::RegisterWindowMessageA("WM_XHYPERLINK_CLICKED") && host.m_wSent == 4,
          "WM_XHYPERLINK_CLICKED differs");

    link.DestroyWindow();
    drag.DestroyWindow();
    symbol.DestroyWindow();
    search.DestroyWindow();
    host.DestroyWindow();
    PumpAndRecord();
}

} // namespace

int main()
{
    const HMODULE hLibrary = ::GetModuleHandleA("C_LatticeObject.dll");
    CHECK(hLibrary != NULL, "C_LatticeObject.dll is not loaded");
    if (hLibrary != NULL) {
        CheckResources(hLibrary);
        CheckVersionStrings(hLibrary);
    }
    CheckRegisteredMessages();
    if (g_nFailures == 0)
        printf("host contract: every check passed\n");
    return g_nFailures;
}
