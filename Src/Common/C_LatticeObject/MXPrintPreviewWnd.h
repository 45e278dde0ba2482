// The print preview dialog for charts: the host draws a colour and a
// black-and-white picture into it (or copies them from a view); the user
// picks colour or black and white, portrait or landscape and stretching on a
// simulated sheet of paper, and OK prints the picture shown as one page.
//
// Colour is the default print mode only when the host says so with
// vSetColorDefault(true) before the window is created; otherwise black and
// white is checked at start (most office printers print in black).
// Without a default printer the dialog still previews: the orientation
// buttons turn a stand-in portrait paper, and printing asks for a printer.
#pragma once

#include <afxwin.h>
#include <afxdlgs.h>

#include <vector>

#pragma pack(push, 1)

class AFX_EXT_CLASS MXPrintPreviewWnd : public CDialog {
public:
// Constructors
    explicit MXPrintPreviewWnd(CWnd* pParent);
    virtual ~MXPrintPreviewWnd();
    DECLARE_MESSAGE_MAP()

protected:
    virtual void DoDataExchange(CDataExchange* pDX);
    virtual BOOL OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();

public:
    // Creates the dialog window modeless (hidden until the host shows it);
    // DoModal runs it modal instead. Does nothing while the window exists;
    // after one was destroyed, a new window previews and prints as the first.
    void CreateByID(CWnd* pParent);
    // Chooses colour (true) or black and white (false) as the default print
    // mode; read when the window initialises, so it has no effect later.
    void vSetColorDefault(bool bColorDefault);

// Pictures: the host draws into the DC that dcGetMemoryDC returns, within
// szGetMemoryDCSize, then calls vMemoryDCDrawDone with the same kind.
    CDC* dcGetMemoryDC(bool bColor);
    const CSize szGetMemoryDCSize();
    void vMemoryDCDrawDone(bool bColor);
    void vEraseMemoryDC(bool bColor, DWORD crColor);
    // Takes the picture size from rcView (one without area is ignored) and
    // copies that many pixels from (0,0) of the view DC.
    void vCpyViewDCToDlgDC(CDC* pViewDC, CRect rcView, bool bBW);

// Colour transforms for print
    // Takes the host's list colours now, to be exchanged for print colours.
    void vSetExchangeColor();
    // Exchanges the table's colours in pDC from (0,0) to rc's right and
    // bottom, as far as the DC reaches; nothing for a NULL DC.
    void vConvertSpecialColor(CDC* pDC, const CRect& rc);
    // Grays the bitmap selected into pDC, inverting rc's height of it (from
    // the bottom) first when bInvert. The double is not used. Bitmaps of
    // other than 24 or 32 bits per pixel are left as they are.
    void vConvertToBW(CDC* pDC, const CRect& rc, const double& dUnused, bool bInvert);

protected:
// Placement and drawing
    CRect rcGetPerfectRect(RECT& rcFrame, RECT& rcContent);
    // The picture's place in rcFrame, stretched when the check box is on.
    void vCalcShowArea(CRect& rcOut, const CRect& rcContent, const CRect& rcFrame, double dMargin);
    // Turns the paper to the chosen orientation and centres it with its shadow.
    void vResetPaper();
    void vLoadLanguageString();
    void vDrawFrame(CDC* pDC, CRect rc);
    // The date and time in the lower right corner of rc, and a frame around rc.
    void vDrawInformation(CDC* pDC, CRect rc);

// Printing
    // Asks for a printer with the system's print dialog; true, with its DC
    // attached to m_pPrinterDC, when the user confirmed one.
    bool bInitPrinter();
    // The printer's printable area in device pixels.
    void vGetPrinterAttrib(int& nWidth, int& nHeight);

// Message handlers
    afx_msg void OnPaint();
    afx_msg void OnDestroy();
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnBwPrint();
    afx_msg void OnColorPrint();
    afx_msg void OnRadioPortrait();
    afx_msg void OnRadioLandscape();
    afx_msg void OnCheckExtend();

// State
    int m_nMemWidth;                         // both pictures' width: 0, 800 once initialised, or the view's
    int m_nMemHeight;                        // both pictures' height: 0, 600 once initialised, or the view's
    std::vector<COLORREF> m_vecSpecialColor;  // host colours to exchange, in the table's order
    std::vector<COLORREF> m_vecExchangeColor; // their print colours, same order
    CDC* m_pMemDC;                           // where pictures are drawn; owned, made on first use
    CBitmap* m_pOldBitmap;                   // the memory DC's bitmap while a picture is selected, else NULL
    CBitmap m_bmpBW;                         // the black-and-white picture
    bool m_bBWReady;                         // m_bmpBW holds a bitmap
    CBitmap m_bmpColor;                      // the colour picture
    bool m_bColorReady;                      // m_bmpColor holds a bitmap
    CPrintDialog* m_pPrintDlg;               // asks for the printer on OK; owned, from initialisation to destruction
    DEVMODE* m_pDevMode;                     // the default printer's settings (or a portrait stand-in); owned
    CDC* m_pPrinterDC;                       // the printer's DC while a page is printed; owned
    bool m_bColorDefault;                    // colour is the default print mode
    CButton m_btnColor;                      // radio: colour print
    CButton m_btnBW;                         // radio: black-and-white print
    CButton m_btnPortrait;                   // radio: portrait paper
    CButton m_btnLandscape;                  // radio: landscape paper
    CButton m_btnExtend;                     // check box: stretch to page
    int m_nExtend;                           // last read state of the check box, 1 checked
    CStatic m_stcShadow;                     // place of the paper's shadow
    CStatic m_stcPaper;                      // place of the paper
    CStatic m_stcBackground;                 // place of the gray preview area
    // Not among the host's members, so last: the scan lines of the last
    // block pixel operation, kept for the next one, since a fresh buffer of a
    // screen-sized picture costs several times the conversion itself.
    std::vector<BYTE> m_vecScanLines;

private:
    // The printing step of OK; the dialog closes with OK after it whatever
    // it does.
    void vPrintPreviewPage();
    // Selects a picture into the memory DC, remembering what was selected.
    void vSelectPicture(CBitmap& bmp);
    // Puts back what vSelectPicture replaced, if anything.
    void vDeselectPicture();
};

#pragma pack(pop)
