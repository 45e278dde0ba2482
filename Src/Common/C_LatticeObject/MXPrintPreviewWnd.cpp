// MXPrintPreviewWnd: the dialog's windows, pictures and GDI calls around the
// placement and colour arithmetic of lattice/core/PrintLayout.h and
// lattice/core/PrintColours.h.
#include "MXPrintPreviewWnd.h"

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <map>
#include <memory>

#include "CAutoDllResource.h"
#include "CComponentComFont.h"
#include "CSyncInfo.h"
#include "C_BKInterface.h"
#include "LatticeObjectModule.h"
#include "PackedPicture.h"
#include "lattice/core/PrintColours.h"
#include "lattice/core/PrintLayout.h"
#include "resource.h"

namespace core = lattice::core;

namespace {

const int kDefaultMemWidth = 800;
const int kDefaultMemHeight = 600;
const int kStripRows = 40;            // rows below the host's drawing area
const int kStripTop = 36;             // the strip's rectangle starts this far above the bottom
const double kScreenMargin = 0.02;    // of the picture on the simulated paper
const COLORREF kPreviewGray = RGB(0x80, 0x80, 0x80);
const COLORREF kShadowColour = RGB(0x0A, 0x0A, 0x0A);
const COLORREF kWhite = RGB(0xFF, 0xFF, 0xFF);
const COLORREF kBlack = RGB(0, 0, 0);
const double kPrintMargin = 0.01;     // of the picture on the printer's page
const char kPrintJobName[] = "ZevaZuve";
const DWORD kPrintDialogFlags =
    PD_ALLPAGES | PD_USEDEVMODECOPIES | PD_NOPAGENUMS | PD_HIDEPRINTTOFILE | PD_NOSELECTION;

core::IntRect ToCore(const RECT& rc) { return {rc.left, rc.top, rc.right, rc.bottom}; }
CRect FromCore(const core::IntRect& rc) { return CRect(rc.left, rc.top, rc.right, rc.bottom); }

// The bitmap a memory DC held before a picture went in is a handle the
// dialog does not own, and MFC's wrapper for it is temporary: it would be
// gone by the next idle time, while the host may pump messages between
// dcGetMemoryDC and vMemoryDCDrawDone. Keep one lasting wrapper per handle
// instead (in practice only the memory DC's initial bitmap).
class BorrowedBitmap : public CBitmap {
public:
    explicit BorrowedBitmap(HGDIOBJ hObject) { Attach(hObject); }
    ~BorrowedBitmap() { Detach(); }
};

CBitmap* LastingWrapper(CBitmap* pTemporary)
{
    if (pTemporary == NULL)
        return NULL;
    static std::map<HGDIOBJ, std::unique_ptr<BorrowedBitmap>> wrappers;
    std::unique_ptr<BorrowedBitmap>& slot = wrappers[pTemporary->m_hObject];
    if (!slot)
        slot.reset(new BorrowedBitmap(pTemporary->m_hObject));
    return slot.get();
}

// A bitmap's header and colour masks or table, as GetDIBits fills them.
struct DibHeader {
    BITMAPINFOHEADER header;
    RGBQUAD colours[256];
};

// The bitmap selected into hDC and its description, or NULL. A memory DC
// without a picture holds a 1 x 1 monochrome placeholder, which no block
// operation takes.
HBITMAP SelectedBitmap(HDC hDC, BITMAP& bm)
{
    HBITMAP hBitmap = static_cast<HBITMAP>(::GetCurrentObject(hDC, OBJ_BITMAP));
    if (hBitmap == NULL || ::GetObjectA(hBitmap, sizeof(bm), &bm) != sizeof(bm))
        return NULL;
    return hBitmap;
}

// Reads every scan line of the bitmap as an uncompressed bottom-up DIB of
// its own bit count into `bits`; false leaves the picture alone.
bool ReadScanLines(HDC hDC, HBITMAP hBitmap, DibHeader& dib, std::vector<BYTE>& bits)
{
    std::memset(&dib, 0, sizeof(dib));
    dib.header.biSize = sizeof(BITMAPINFOHEADER);
    if (::GetDIBits(hDC, hBitmap, 0, 0, NULL, reinterpret_cast<BITMAPINFO*>(&dib), DIB_RGB_COLORS) == 0)
        return false;
    const int nHeight = dib.header.biHeight < 0 ? -dib.header.biHeight : dib.header.biHeight;
    core::PixelBuffer probe{NULL, 0, dib.header.biWidth, nHeight, dib.header.biBitCount};
    if (!probe.HasKnownLayout() || nHeight == 0)
        return false;
    const size_t nSize = probe.Stride() * static_cast<size_t>(nHeight);
    dib.header.biSize = sizeof(BITMAPINFOHEADER);
    dib.header.biHeight = nHeight;
    dib.header.biPlanes = 1;
    dib.header.biCompression = BI_RGB;
    dib.header.biSizeImage = static_cast<DWORD>(nSize);
    bits.resize(nSize);
    return ::GetDIBits(hDC, hBitmap, 0, nHeight, bits.data(), reinterpret_cast<BITMAPINFO*>(&dib),
                       DIB_RGB_COLORS) == nHeight;
}

void WriteScanLines(HDC hDC, HBITMAP hBitmap, DibHeader& dib, std::vector<BYTE>& bits)
{
    ::SetDIBits(hDC, hBitmap, 0, dib.header.biHeight, bits.data(), reinterpret_cast<BITMAPINFO*>(&dib),
                DIB_RGB_COLORS);
}

core::PixelBuffer BufferOf(const DibHeader& dib, std::vector<BYTE>& bits)
{
    return {bits.data(), bits.size(), dib.header.biWidth, dib.header.biHeight, dib.header.biBitCount};
}

// Whether single pixels set through the DC land exactly on the bitmap's
// pixels of the same coordinates: no transform, no origin shift, no clip.
bool DeviceMatchesBitmap(HDC hDC)
{
    POINT ptWindow = {1, 1}, ptViewport = {1, 1};
    ::GetWindowOrgEx(hDC, &ptWindow);
    ::GetViewportOrgEx(hDC, &ptViewport);
    HRGN hClip = ::CreateRectRgn(0, 0, 0, 0);
    const int nClip = hClip == NULL ? -1 : ::GetClipRgn(hDC, hClip);
    if (hClip != NULL)
        ::DeleteObject(hClip);
    return ::GetMapMode(hDC) == MM_TEXT && ::GetGraphicsMode(hDC) == GM_COMPATIBLE && ptWindow.x == 0 &&
           ptWindow.y == 0 && ptViewport.x == 0 && ptViewport.y == 0 && nClip == 0;
}

// For a printer that works with a palette, its own: version 0x300 with room
// for 256 entries, holding as many of its system palette entries 0 to 254
// as it reports. False, with no palette made, for any other printer.
bool PrinterPalette(CDC& printer, CPalette& palette)
{
    if ((printer.GetDeviceCaps(RASTERCAPS) & RC_PALETTE) == 0)
        return false;
    std::vector<BYTE> block(sizeof(LOGPALETTE) + 255 * sizeof(PALETTEENTRY));
    LOGPALETTE* pLog = reinterpret_cast<LOGPALETTE*>(block.data());
    pLog->palVersion = 0x300;
    pLog->palNumEntries = static_cast<WORD>(::GetSystemPaletteEntries(printer.m_hDC, 0, 255, pLog->palPalEntry));
    return palette.CreatePalette(pLog) != FALSE;
}

} // namespace

BEGIN_MESSAGE_MAP(MXPrintPreviewWnd, CDialog)
    ON_WM_PAINT()
    ON_WM_DESTROY()
    ON_WM_SIZE()
    ON_BN_CLICKED(IDC_PREVIEW_BW, OnBwPrint)
    ON_BN_CLICKED(IDC_PREVIEW_COLOR, OnColorPrint)
    ON_BN_CLICKED(IDC_PREVIEW_PORTRAIT, OnRadioPortrait)
    ON_BN_CLICKED(IDC_PREVIEW_LANDSCAPE, OnRadioLandscape)
    ON_BN_CLICKED(IDC_PREVIEW_EXTEND, OnCheckExtend)
END_MESSAGE_MAP()

MXPrintPreviewWnd::MXPrintPreviewWnd(CWnd* pParent)
    : CDialog(IDD_PRINTPREVIEW, pParent), m_nMemWidth(0), m_nMemHeight(0), m_pMemDC(NULL), m_pOldBitmap(NULL),
      m_bBWReady(false), m_bColorReady(false), m_pPrintDlg(NULL), m_pDevMode(NULL), m_pPrinterDC(NULL),
      m_bColorDefault(false), m_nExtend(0)
{
    CAutoDllResource useLibraryResources(AfxGetModuleState()->m_hCurrentResourceHandle, LatticeObjectInstance());
    m_pPrinterDC = new CDC;

    // The host compiles against this layout: the members one after the other,
    // no gaps, counted from the end of the CDialog part (whose size is the
    // framework's own).
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Winvalid-offsetof"
#define LATTICE_PIN(member, at)                                                                  \
    static_assert(offsetof(MXPrintPreviewWnd, member) - sizeof(CDialog) == (at), "MXPrintPreviewWnd layout: " #member)
#if defined(_WIN64)
    LATTICE_PIN(m_nMemWidth, 0);
    LATTICE_PIN(m_nMemHeight, 4);
    LATTICE_PIN(m_vecSpecialColor, 8);
    LATTICE_PIN(m_vecExchangeColor, 32);
    LATTICE_PIN(m_pMemDC, 56);
    LATTICE_PIN(m_pOldBitmap, 64);
    LATTICE_PIN(m_bmpBW, 72);
    LATTICE_PIN(m_bBWReady, 88);
    LATTICE_PIN(m_bmpColor, 89);
    LATTICE_PIN(m_bColorReady, 105);
    LATTICE_PIN(m_pPrintDlg, 106);
    LATTICE_PIN(m_pDevMode, 114);
    LATTICE_PIN(m_pPrinterDC, 122);
    LATTICE_PIN(m_bColorDefault, 130);
    LATTICE_PIN(m_btnColor, 131);
    LATTICE_PIN(m_btnBW, 155);
    LATTICE_PIN(m_btnPortrait, 179);
    LATTICE_PIN(m_btnLandscape, 203);
    LATTICE_PIN(m_btnExtend, 227);
    LATTICE_PIN(m_nExtend, 251);
    LATTICE_PIN(m_stcShadow, 255);
    LATTICE_PIN(m_stcPaper, 279);
    LATTICE_PIN(m_stcBackground, 303);
    LATTICE_PIN(m_vecScanLines, 327);
    static_assert(sizeof(MXPrintPreviewWnd) - sizeof(CDialog) == 351, "MXPrintPreviewWnd size (x86-64)");
#else
    LATTICE_PIN(m_nMemWidth, 0);
    LATTICE_PIN(m_nMemHeight, 4);
    LATTICE_PIN(m_vecSpecialColor, 8);
    LATTICE_PIN(m_vecExchangeColor, 20);
    LATTICE_PIN(m_pMemDC, 32);
    LATTICE_PIN(m_pOldBitmap, 36);
    LATTICE_PIN(m_bmpBW, 40);
    LATTICE_PIN(m_bBWReady, 48);
    LATTICE_PIN(m_bmpColor, 49);
    LATTICE_PIN(m_bColorReady, 57);
    LATTICE_PIN(m_pPrintDlg, 58);
    LATTICE_PIN(m_pDevMode, 62);
    LATTICE_PIN(m_pPrinterDC, 66);
    LATTICE_PIN(m_bColorDefault, 70);
    LATTICE_PIN(m_btnColor, 71);
    LATTICE_PIN(m_btnBW, 83);
    LATTICE_PIN(m_btnPortrait, 95);
    LATTICE_PIN(m_btnLandscape, 107);
    LATTICE_PIN(m_btnExtend, 119);
    LATTICE_PIN(m_nExtend, 131);
    LATTICE_PIN(m_stcShadow, 135);
    LATTICE_PIN(m_stcPaper, 147);
    LATTICE_PIN(m_stcBackground, 159);
    LATTICE_PIN(m_vecScanLines, 171);
    static_assert(sizeof(MXPrintPreviewWnd) - sizeof(CDialog) == 183, "MXPrintPreviewWnd size (i686)");
#endif
#undef LATTICE_PIN
#pragma GCC diagnostic pop
}

MXPrintPreviewWnd::~MXPrintPreviewWnd()
{
    // A modeless window still open is destroyed while this object is whole,
    // so that OnDestroy releases what the window held.
    if (m_hWnd != NULL)
        DestroyWindow();
    delete m_pPrintDlg;
    delete m_pMemDC;
    if (m_pPrinterDC != NULL)
        m_pPrinterDC->Detach();
    delete m_pPrinterDC;
    m_bmpColor.DeleteObject();
    m_bmpBW.DeleteObject();
    delete[] reinterpret_cast<BYTE*>(m_pDevMode);
    m_vecSpecialColor.clear();
    m_vecExchangeColor.clear();
}

void MXPrintPreviewWnd::CreateByID(CWnd* pParent)
{
    CAutoDllResource useLibraryResources(AfxGetModuleState()->m_hCurrentResourceHandle, LatticeObjectInstance());
    Create(IDD_PRINTPREVIEW, pParent);
}

void MXPrintPreviewWnd::vSetColorDefault(bool bColorDefault)
{
    if (m_hWnd == NULL)
        m_bColorDefault = bColorDefault;
}

void MXPrintPreviewWnd::DoDataExchange(CDataExchange* pDX)
{
    CAutoDllResource useLibraryResources(AfxGetModuleState()->m_hCurrentResourceHandle, LatticeObjectInstance());
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_PREVIEW_COLOR, m_btnColor);
    DDX_Control(pDX, IDC_PREVIEW_BW, m_btnBW);
    DDX_Control(pDX, IDC_PREVIEW_PORTRAIT, m_btnPortrait);
    DDX_Control(pDX, IDC_PREVIEW_LANDSCAPE, m_btnLandscape);
    DDX_Control(pDX, IDC_PREVIEW_EXTEND, m_btnExtend);
    DDX_Control(pDX, IDC_PREVIEW_SHADOW, m_stcShadow);
    DDX_Control(pDX, IDC_PREVIEW_PAPER, m_stcPaper);
    DDX_Control(pDX, IDC_PREVIEW_BACKGROUND, m_stcBackground);
}

BOOL MXPrintPreviewWnd::OnInitDialog()
{
    CDialog::OnInitDialog();
    // The dialog paints these areas itself.
    m_stcBackground.ShowWindow(SW_HIDE);
    m_stcShadow.ShowWindow(SW_HIDE);
    m_stcPaper.ShowWindow(SW_HIDE);

    delete[] reinterpret_cast<BYTE*>(m_pDevMode);
    m_pDevMode = NULL;
    {
        CPrintDialog defaults(FALSE, kPrintDialogFlags);
        const DEVMODE* pDefault = defaults.GetDefaults() ? defaults.GetDevMode() : NULL;
        if (defaults.m_pd.hDC != NULL)
            ::DeleteDC(defaults.m_pd.hDC); // asked for settings only
        // Room for the whole public part even when the driver's is shorter;
        // only dmSize bytes are copied.
        const size_t nSize = pDefault == NULL ? sizeof(DEVMODE) : pDefault->dmSize;
        BYTE* pCopy = new BYTE[nSize > sizeof(DEVMODE) ? nSize : sizeof(DEVMODE)]();
        m_pDevMode = reinterpret_cast<DEVMODE*>(pCopy);
        if (pDefault != NULL) {
            std::memcpy(pCopy, pDefault, nSize);
        } else {
            // No default printer: a portrait paper in colour, so that the
            // preview and its orientation buttons work; OK asks for a printer.
            m_pDevMode->dmSize = sizeof(DEVMODE);
            m_pDevMode->dmFields = DM_ORIENTATION | DM_COLOR;
            m_pDevMode->dmOrientation = DMORIENT_PORTRAIT;
            m_pDevMode->dmColor = DMCOLOR_COLOR;
        }
    }
    vResetPaper();

    delete m_pPrintDlg;
    m_pPrintDlg = new CPrintDialog(FALSE, kPrintDialogFlags, this);
    // A window made again after an earlier one was destroyed: the printer
    // DC object went with that window, and OK would print nothing.
    if (m_pPrinterDC == NULL)
        m_pPrinterDC = new CDC;

    m_btnPortrait.SetCheck(BST_CHECKED);
    m_btnLandscape.SetCheck(BST_UNCHECKED);
    vLoadLanguageString();
    m_btnColor.SetCheck(m_bColorDefault ? BST_CHECKED : BST_UNCHECKED);
    m_btnBW.SetCheck(m_bColorDefault ? BST_UNCHECKED : BST_CHECKED);

    m_nMemWidth = kDefaultMemWidth;
    m_nMemHeight = kDefaultMemHeight;
    return TRUE;
}

void MXPrintPreviewWnd::vLoadLanguageString()
{
    CAutoDllResource useLibraryResources(AfxGetModuleState()->m_hCurrentResourceHandle, LatticeObjectInstance());
    struct Text {
        int nID; // 0: the dialog's caption
        const char* pszKeyColorDefault;
        const char* pszKeyBWDefault;
    };
    const Text texts[] = {
        {0, "IDS_DIALOG-TAPREVIEW_TITLE", "IDS_DIALOG-TAPREVIEW_TITLE"},
        {IDC_PREVIEW_COLOR, "IDS_DIALOG-TAPREVIEW_PRINT_COLOR_DEFAULT", "IDS_DIALOG-TAPREVIEW_PRINT_COLOR"},
        {IDC_PREVIEW_BW, "IDS_DIALOG-TAPREVIEW_PRINT_BW", "IDS_DIALOG-TAPREVIEW_PRINT_BW_DEFAULT"},
        {IDC_PREVIEW_PORTRAIT, "IDS_DIALOG-TAPREVIEW_PRINT_PORTRAIT", "IDS_DIALOG-TAPREVIEW_PRINT_PORTRAIT"},
        {IDC_PREVIEW_LANDSCAPE, "IDS_DIALOG-TAPREVIEW_PRINT_LANDSCAPE", "IDS_DIALOG-TAPREVIEW_PRINT_LANDSCAPE"},
        {IDC_PREVIEW_EXTEND, "IDS_DIALOG-TAPREVIEW_PRINT_EXTEND", "IDS_DIALOG-TAPREVIEW_PRINT_EXTEND"},
        {IDOK, "IDS_DIALOG-CONNECT_BUTTON_OK", "IDS_DIALOG-CONNECT_BUTTON_OK"},
        {IDCANCEL, "IDS_DIALOG-CONNECT_BUTTON_CANCEL", "IDS_DIALOG-CONNECT_BUTTON_CANCEL"},
    };
    for (const Text& t : texts) {
        const CString strText =
            C_BKInterface::GetBKInterface()->LangGetLangString(m_bColorDefault ? t.pszKeyColorDefault : t.pszKeyBWDefault);
        if (t.nID == 0)
            SetWindowText(strText);
        else
            SetDlgItemText(t.nID, strText);
    }
}

/////////////////////////////////////////////////////////////////////////////
// Placement

CRect MXPrintPreviewWnd::rcGetPerfectRect(RECT& rcFrame, RECT& rcContent)
{
    return FromCore(core::PerfectRect(ToCore(rcFrame), ToCore(rcContent)));
}

void MXPrintPreviewWnd::vCalcShowArea(CRect& rcOut, const CRect& rcContent, const CRect& rcFrame, double dMargin)
{
    rcOut = FromCore(core::CalcShowArea(ToCore(rcContent), ToCore(rcFrame), dMargin, m_nExtend == 1));
}

void MXPrintPreviewWnd::vResetPaper()
{
    if (m_stcBackground.m_hWnd == NULL)
        return;
    CRect rcBackground, rcPaper;
    m_stcBackground.GetClientRect(&rcBackground);
    m_stcBackground.ClientToScreen(&rcBackground);
    ScreenToClient(&rcBackground);
    m_stcPaper.GetClientRect(&rcPaper);
    m_stcPaper.ClientToScreen(&rcPaper);
    ScreenToClient(&rcPaper);
    const short nOrientation = m_pDevMode == NULL ? 0 : m_pDevMode->dmOrientation;
    const core::PaperPlacement place =
        core::PlacePaper(ToCore(rcBackground), rcPaper.Width(), rcPaper.Height(), nOrientation);
    m_stcPaper.MoveWindow(FromCore(place.paper), TRUE);
    m_stcShadow.MoveWindow(FromCore(place.shadow), TRUE);
}

/////////////////////////////////////////////////////////////////////////////
// Pictures

void MXPrintPreviewWnd::vSelectPicture(CBitmap& bmp)
{
    CBitmap* pOld = m_pMemDC->SelectObject(&bmp);
    if (m_pOldBitmap == NULL)
        m_pOldBitmap = LastingWrapper(pOld);
}

void MXPrintPreviewWnd::vDeselectPicture()
{
    if (m_pMemDC != NULL && m_pOldBitmap != NULL)
        m_pMemDC->SelectObject(m_pOldBitmap);
    m_pOldBitmap = NULL;
}

CDC* MXPrintPreviewWnd::dcGetMemoryDC(bool bColor)
{
    CAutoDllResource useLibraryResources(AfxGetModuleState()->m_hCurrentResourceHandle, LatticeObjectInstance());
    CClientDC dc(this);
    if (m_pMemDC == NULL) {
        m_pMemDC = new CDC;
        m_pMemDC->CreateCompatibleDC(&dc);
    }
    // A picture still selected (no vMemoryDCDrawDone since the last call)
    // comes out first: a selected bitmap cannot be deleted.
    vDeselectPicture();

    CBitmap& bmp = bColor ? m_bmpColor : m_bmpBW;
    bool& bReady = bColor ? m_bColorReady : m_bBWReady;
    if (bReady) {
        bmp.DeleteObject();
        bReady = false;
    }
    bReady = m_nMemWidth > 0 && m_nMemHeight > 0 && bmp.CreateCompatibleBitmap(&dc, m_nMemWidth, m_nMemHeight);
    if (bReady)
        vSelectPicture(bmp);
    m_pMemDC->FillSolidRect(CRect(0, 0, m_nMemWidth, m_nMemHeight), kWhite);
    return m_pMemDC;
}

const CSize MXPrintPreviewWnd::szGetMemoryDCSize() { return CSize(m_nMemWidth, m_nMemHeight - kStripRows); }

void MXPrintPreviewWnd::vMemoryDCDrawDone(bool bColor)
{
    CWaitCursor wait;
    if (m_pMemDC == NULL)
        return;
    vDrawInformation(m_pMemDC, CRect(0, m_nMemHeight - kStripTop, m_nMemWidth, m_nMemHeight));
    if (!bColor)
        vConvertToBW(m_pMemDC, CRect(0, 0, m_nMemWidth, m_nMemHeight), 0.0, false);
    vDeselectPicture();
    if (m_hWnd != NULL)
        Invalidate(TRUE);
}

void MXPrintPreviewWnd::vEraseMemoryDC(bool bColor, DWORD crColor)
{
    dcGetMemoryDC(bColor)->FillSolidRect(CRect(0, 0, m_nMemWidth, m_nMemHeight), crColor);
    vDeselectPicture();
}

void MXPrintPreviewWnd::vCpyViewDCToDlgDC(CDC* pViewDC, CRect rcView, bool bBW)
{
    const int w = rcView.Width(), h = rcView.Height();
    if (pViewDC == NULL || w <= 0 || h <= 0)
        return;
    m_nMemWidth = w;
    m_nMemHeight = h;
    dcGetMemoryDC(!bBW)->FillSolidRect(CRect(0, 0, w, h), kBlack);
    vDeselectPicture();
    if (!(bBW ? m_bBWReady : m_bColorReady))
        return;
    vSelectPicture(bBW ? m_bmpBW : m_bmpColor);
    m_pMemDC->BitBlt(0, 0, w, h, pViewDC, 0, 0, SRCCOPY);
    if (bBW)
        vConvertToBW(m_pMemDC, rcView, 0.0, false);
    vDeselectPicture();
}

/////////////////////////////////////////////////////////////////////////////
// Drawing

void MXPrintPreviewWnd::vDrawInformation(CDC* pDC, CRect rc)
{
    if (pDC == NULL)
        return;
    LOGFONT lf;
    std::memset(&lf, 0, sizeof(lf));
    CComponentComFont::GetComponentComFont()->GetLogFont(&lf);
    lf.lfHeight = 24;
    lf.lfWidth = 0;
    CFont font;
    font.CreateFontIndirect(&lf);
    CFont* pOldFont = pDC->SelectObject(&font);

    SYSTEMTIME now;
    ::GetLocalTime(&now);
    const CString strTime = core::InformationStripText(now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute).c_str();
    const CSize szText = pDC->GetTextExtent(strTime);
    CRect rcText = FromCore(core::InformationTextRect(ToCore(rc), szText.cx, szText.cy));
    pDC->SetBkColor(kWhite);
    pDC->SetTextColor(kBlack);
    pDC->DrawText(strTime, &rcText, DT_VCENTER);
    pDC->SelectObject(pOldFont);

    CPen pen(PS_SOLID, 1, kBlack);
    CPen* pOldPen = pDC->SelectObject(&pen);
    const POINT outline[5] = {{rc.left, rc.top - 2},
                              {rc.right - 2, rc.top - 2},
                              {rc.right - 2, rc.bottom - 4},
                              {rc.left, rc.bottom - 4},
                              {rc.left, rc.top - 2}};
    pDC->Polyline(outline, 5);
    pDC->SelectObject(pOldPen);
}

void MXPrintPreviewWnd::vDrawFrame(CDC* pDC, CRect rc)
{
    if (pDC == NULL)
        return;
    pDC->FillSolidRect(&rc, kWhite);
    CBrush black(kBlack);
    pDC->FrameRect(&rc, &black);
    vDrawInformation(pDC, CRect(rc.left + 3, rc.bottom - 43, rc.right - 3, rc.bottom - 4));
}

void MXPrintPreviewWnd::OnPaint()
{
    CPaintDC dc(this);
    CAutoDllResource useLibraryResources(AfxGetModuleState()->m_hCurrentResourceHandle, LatticeObjectInstance());
    if (m_stcBackground.m_hWnd == NULL)
        return;
    CRect rcBackground, rcPaper, rcShadow;
    CStatic* statics[3] = {&m_stcBackground, &m_stcPaper, &m_stcShadow};
    CRect* rects[3] = {&rcBackground, &rcPaper, &rcShadow};
    for (int i = 0; i < 3; ++i) {
        statics[i]->GetClientRect(rects[i]);
        statics[i]->ClientToScreen(rects[i]);
        ScreenToClient(rects[i]);
    }
    CRect rcPicture;
    vCalcShowArea(rcPicture, CRect(0, 0, m_nMemWidth, m_nMemHeight), rcPaper, kScreenMargin);

    dc.FillSolidRect(&rcBackground, kPreviewGray);
    dc.FillSolidRect(&rcShadow, kShadowColour);
    dc.FillSolidRect(&rcPaper, kWhite);

    CBitmap* pPicture = NULL;
    if (m_btnBW.GetCheck() == BST_CHECKED && m_bBWReady)
        pPicture = &m_bmpBW;
    else if (m_btnColor.GetCheck() == BST_CHECKED && m_bColorReady)
        pPicture = &m_bmpColor;
    if (pPicture == NULL || m_pMemDC == NULL)
        return;
    CBitmap* pOld = m_pMemDC->SelectObject(pPicture);
    if (pOld == NULL)
        return;
    dc.StretchBlt(rcPicture.left, rcPicture.top, rcPicture.Width(), rcPicture.Height(), m_pMemDC, 0, 0, m_nMemWidth,
                  m_nMemHeight, SRCCOPY);
    m_pMemDC->SelectObject(pOld);
}

/////////////////////////////////////////////////////////////////////////////
// Colour transforms

void MXPrintPreviewWnd::vSetExchangeColor()
{
    const char* const keys[] = {"COLOR_LISTCTL_BACKGROUND", "COLOR_LISTCTL_BACKGROUNDSLASH",
                                "COLOR_LISTCTL_NORMALTEXT", "COLOR_LISTCTL_NORMALNUMBER", "COLOR_LISTCTL_DOWN"};
    m_vecSpecialColor.clear();
    for (const char* pszKey : keys)
        m_vecSpecialColor.push_back(CSyncInfo::GetSettingCFG().SYS_crGetOtherColor(CString(pszKey)));
    m_vecExchangeColor.clear();
    const COLORREF replacements[] = {kWhite, kWhite, kBlack, kBlack, RGB(0xAA, 0xAA, 0xAA)};
    m_vecExchangeColor.assign(replacements, replacements + 5);
}

void MXPrintPreviewWnd::vConvertSpecialColor(CDC* pDC, const CRect& rc)
{
    if (pDC == NULL || m_vecSpecialColor.empty() || rc.right <= 0 || rc.bottom <= 0)
        return;
    const std::vector<core::ColourRef> find(m_vecSpecialColor.begin(), m_vecSpecialColor.end());
    const std::vector<core::ColourRef> replace(m_vecExchangeColor.begin(), m_vecExchangeColor.end());
    const core::ColourExchangeTable table(find, replace);

    // A bitmap whose pixels the DC addresses one to one is exchanged as one
    // block: a per-pixel walk through GDI costs a hundred times more.
    BITMAP bm;
    HBITMAP hBitmap = SelectedBitmap(pDC->m_hDC, bm);
    if (hBitmap != NULL && (bm.bmBitsPixel == 24 || bm.bmBitsPixel == 32) && DeviceMatchesBitmap(pDC->m_hDC)) {
        DibHeader dib;
        if (ReadScanLines(pDC->m_hDC, hBitmap, dib, m_vecScanLines)) {
            core::PixelBuffer buffer = BufferOf(dib, m_vecScanLines);
            table.Apply(buffer, rc.right, rc.bottom);
            WriteScanLines(pDC->m_hDC, hBitmap, dib, m_vecScanLines);
            return;
        }
    }
    // A pixel outside the DC's clipping reads as CLR_INVALID, which no
    // colour of the table equals: the walk stops where the DC ends, so that
    // a huge rectangle does not cost billions of reads that change nothing.
    CRect rcReach;
    if (::GetClipBox(pDC->m_hDC, &rcReach) == ERROR)
        return;
    const int nBottom = std::min<int>(rc.bottom, rcReach.bottom), nRight = std::min<int>(rc.right, rcReach.right);
    for (int y = std::max<int>(0, rcReach.top); y < nBottom; ++y) {
        for (int x = std::max<int>(0, rcReach.left); x < nRight; ++x) {
            core::ColourRef crReplacement;
            if (table.Lookup(pDC->GetPixel(x, y), crReplacement))
                pDC->SetPixel(x, y, crReplacement);
        }
    }
}

void MXPrintPreviewWnd::vConvertToBW(CDC* pDC, const CRect& rc, const double&, bool bInvert)
{
    if (pDC == NULL)
        return;
    BITMAP bm;
    HBITMAP hBitmap = SelectedBitmap(pDC->m_hDC, bm);
    DibHeader dib;
    if (hBitmap == NULL || !ReadScanLines(pDC->m_hDC, hBitmap, dib, m_vecScanLines))
        return;
    core::PixelBuffer buffer = BufferOf(dib, m_vecScanLines);
    core::ConvertToGray(buffer, rc.Width(), rc.Height(), m_nMemHeight, bInvert);
    WriteScanLines(pDC->m_hDC, hBitmap, dib, m_vecScanLines);
}

/////////////////////////////////////////////////////////////////////////////
// Handlers

void MXPrintPreviewWnd::OnBwPrint() { Invalidate(TRUE); }

void MXPrintPreviewWnd::OnColorPrint() { Invalidate(TRUE); }

void MXPrintPreviewWnd::OnRadioPortrait()
{
    if (m_pDevMode != NULL)
        m_pDevMode->dmOrientation = DMORIENT_PORTRAIT;
    vResetPaper();
    Invalidate(TRUE);
}

void MXPrintPreviewWnd::OnRadioLandscape()
{
    if (m_pDevMode != NULL)
        m_pDevMode->dmOrientation = DMORIENT_LANDSCAPE;
    vResetPaper();
    Invalidate(TRUE);
}

void MXPrintPreviewWnd::OnCheckExtend()
{
    m_nExtend = m_btnExtend.GetCheck();
    CRect rc;
    m_stcBackground.GetWindowRect(&rc);
    ScreenToClient(&rc);
    InvalidateRect(&rc, TRUE);
}

void MXPrintPreviewWnd::OnSize(UINT nType, int cx, int cy)
{
    CDialog::OnSize(nType, cx, cy);
    vResetPaper();
}

/////////////////////////////////////////////////////////////////////////////
// Printing

bool MXPrintPreviewWnd::bInitPrinter()
{
    CAutoDllResource useLibraryResources(AfxGetModuleState()->m_hCurrentResourceHandle, LatticeObjectInstance());
    if (m_pPrintDlg == NULL || m_pPrinterDC == NULL || m_pPrintDlg->DoModal() != IDOK)
        return false;
    return m_pPrinterDC->Attach(m_pPrintDlg->GetPrinterDC()) != FALSE;
}

void MXPrintPreviewWnd::vGetPrinterAttrib(int& nWidth, int& nHeight)
{
    nWidth = m_pPrinterDC->GetDeviceCaps(HORZRES);
    nHeight = m_pPrinterDC->GetDeviceCaps(VERTRES);
}

void MXPrintPreviewWnd::vPrintPreviewPage()
{
    if (!bInitPrinter())
        return;
    // The chosen printer prints with the colour setting of the default
    // printer as the dialog found it and with the orientation chosen here,
    // whatever its own settings say.
    DEVMODE* pChosen = m_pPrintDlg->GetDevMode();
    if (pChosen != NULL) {
        if (m_pDevMode != NULL) {
            pChosen->dmColor = m_pDevMode->dmColor;
            pChosen->dmOrientation = m_pDevMode->dmOrientation;
            m_pPrinterDC->ResetDC(pChosen);
        }
        ::GlobalUnlock(m_pPrintDlg->m_pd.hDevMode);
    }
    int nPageWidth = 0, nPageHeight = 0;
    vGetPrinterAttrib(nPageWidth, nPageHeight);

    DOCINFO doc;
    std::memset(&doc, 0, sizeof(doc));
    doc.cbSize = sizeof(doc);
    doc.lpszDocName = kPrintJobName;
    if (m_pPrinterDC->StartDoc(&doc) > 0) {
        m_pPrinterDC->StartPage();
        CPalette palette;
        const bool bPalette = PrinterPalette(*m_pPrinterDC, palette);
        CBitmap* pPicture = NULL;
        if (m_bColorReady && m_btnColor.GetCheck() == BST_CHECKED)
            pPicture = &m_bmpColor;
        else if (m_btnBW.GetCheck() == BST_CHECKED && m_bBWReady)
            pPicture = &m_bmpBW;
        // No picture, or one that cannot be packed, leaves the page empty.
        PackedPicture packed;
        if (pPicture != NULL && packed.Pack(*pPicture, bPalette ? static_cast<HPALETTE>(palette) : NULL)) {
            CRect rcPlace;
            vCalcShowArea(rcPlace, CRect(0, 0, m_nMemWidth, m_nMemHeight), CRect(0, 0, nPageWidth, nPageHeight),
                          kPrintMargin);
            ::StretchDIBits(m_pPrinterDC->m_hDC, rcPlace.left, rcPlace.top, rcPlace.Width(), rcPlace.Height(), 0, 0,
                            m_nMemWidth, m_nMemHeight, packed.Bits(), packed.Info(), DIB_RGB_COLORS, SRCCOPY);
            packed.Free();
        }
        m_pPrinterDC->EndPage();
        m_pPrinterDC->EndDoc();
    }
    // The print dialog made this DC for one job: it is deleted, not only
    // detached, also when the job did not start, so that no printer DC
    // outlives its job.
    HDC hPrinter = m_pPrinterDC->Detach();
    if (hPrinter != NULL)
        ::DeleteDC(hPrinter);
}

void MXPrintPreviewWnd::OnOK()
{
    vPrintPreviewPage();
    CDialog::OnOK();
}

void MXPrintPreviewWnd::OnCancel() { CDialog::OnCancel(); }

void MXPrintPreviewWnd::OnDestroy()
{
    delete m_pPrintDlg;
    m_pPrintDlg = NULL;
    vDeselectPicture();
    delete m_pMemDC;
    m_pMemDC = NULL;
    if (m_pPrinterDC != NULL)
        m_pPrinterDC->Detach();
    delete m_pPrinterDC;
    m_pPrinterDC = NULL;
    CDialog::OnDestroy();
}
