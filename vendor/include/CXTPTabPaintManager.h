// The toolkit's tab paint manager: the colour set through which every tab
// control of the toolkit fills its header, tab buttons, navigate buttons and
// client area. An application changes the look by deriving a colour set and
// overriding its refresh and fills.
#pragma once

#include <afxwin.h>

#include "CXTPPaintManagerColorGradient.h"
#include "VendorToolkitApi.h"

class CXTPTabManager;
class CXTPTabManagerItem;
class CXTPTabManagerNavigateButton;

// Where the tabs stand: the side of the header a gradient starts from.
enum XTPTabPosition {
    xtpTabPositionTop = 0,
    xtpTabPositionLeft = 1,
    xtpTabPositionBottom = 2,
    xtpTabPositionRight = 3,
};

class VENDOR_TOOLKIT_API CXTPTabPaintManager {
public:
    class VENDOR_TOOLKIT_API CColorSet {
    public:
    // Constructors
        // Colours from the system's until the first RefreshMetrics.
        CColorSet();
        CColorSet(const CColorSet& other) = default;
        CColorSet& operator=(const CColorSet& other) = default;
        virtual ~CColorSet();

    // Overridables, in the order tab controls rely on
        // Chooses the colours below; the toolkit's own takes the system's.
        virtual void RefreshMetrics();
        // Text colour for an item's caption.
        virtual void SetTextColor(CDC* pDC, CXTPTabManagerItem* pItem);
        virtual void FillHeader(CDC* pDC, CRect rc, CXTPTabManager* pTabManager);
        // Returns the colour the client area was filled with.
        virtual COLORREF FillClient(CDC* pDC, CRect rc, CXTPTabManager* pTabManager);
        // Fills one tab button before its caption is drawn.
        virtual void FillStateButton(CDC* pDC, CRect rc, CXTPTabManagerItem* pItem);
        virtual COLORREF FillPropertyButton(CDC* pDC, CRect rc, CXTPTabManagerItem* pItem);
        virtual void SelectClipRgn(CDC* pDC, CRect rcClient, CXTPTabManager* pTabManager);
        // Prepares the DC for a navigate button; its arrow is drawn in the
        // DC's text colour afterwards.
        virtual void FillNavigateButton(CDC* pDC, CXTPTabManagerNavigateButton* pButton, CRect& rc);
        virtual COLORREF GetItemColor(CXTPTabManagerItem* pItem);
        virtual BOOL IsAppThemed() const;

    // Operations
        // Fills rc from clrLight to clrDark, line by line, starting at the
        // side the tabs stand on: top to bottom for xtpTabPositionTop, bottom
        // to top for xtpTabPositionBottom, left to right and right to left
        // for the two sides. The first line is clrLight and the last clrDark.
        void GradientFill(CDC* pDC, CRect rc, COLORREF clrLight, COLORREF clrDark, XTPTabPosition position);

    // Colours
        CXTPPaintManagerColorGradient m_clrHeaderFace; // the header's gradient
        COLORREF m_clrFrameBorder;       // the line between header and client area
        COLORREF m_clrButtonHighlighted; // a tab under the mouse
        COLORREF m_clrSelectedText;      // the selected tab's caption
        COLORREF m_clrHighlightText;     // a highlighted tab's caption
        COLORREF m_clrNormalText;        // every other tab's caption
        COLORREF m_clrButtonShadow;      // the shadow edge of raised buttons
        COLORREF m_clrNavigateArrow;     // navigate buttons' arrows
        COLORREF m_clrDisabledText;      // captions of disabled tabs
        COLORREF m_clrButtonBorder;      // the outline of property buttons
        COLORREF m_clrClientBorder;      // the client area's frame
        COLORREF m_clrClientFace;        // the client area's fill
    };
};
