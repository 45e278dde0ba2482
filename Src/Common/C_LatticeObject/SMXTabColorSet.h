// The colour set the host hands to the toolkit's tab controls: a light or a
// dark scheme, chosen for every tab control at once by the class-wide switch
// ColorType. The fills read the switch each time they paint; the colours of
// the set follow it at the toolkit's next refresh.
#pragma once

#include <afxwin.h>

#include "CXTPTabManager.h"
#include "CXTPTabPaintManager.h"

#pragma pack(push, 1)

class AFX_EXT_CLASS SMXTabColorSet : public CXTPTabPaintManager::CColorSet {
public:
    // 0 selects the light scheme, any other value the dark one. Set by the
    // host; the library never writes it.
    static int ColorType;

// Constructors
    SMXTabColorSet();
    SMXTabColorSet(const SMXTabColorSet& other);
    SMXTabColorSet& operator=(const SMXTabColorSet& other);
    virtual ~SMXTabColorSet();

// Overridables (the three fills do nothing with a NULL DC)
    // Sets the header gradient and the eleven colours of the current scheme,
    // in place of the toolkit's own choice.
    virtual void RefreshMetrics();
    // The header gradient of the current scheme.
    virtual void FillHeader(CDC* pDC, CRect rc, CXTPTabManager* pTabManager);
    // The selected tab solid (black, or white in the dark scheme); every
    // other tab the header gradient with a one-pixel separator at its right.
    virtual void FillStateButton(CDC* pDC, CRect rc, CXTPTabManagerItem* pItem);
    // Only the text colour of the button's arrow; the header shows behind it.
    virtual void FillNavigateButton(CDC* pDC, CXTPTabManagerNavigateButton* pButton, CRect& rc);

private:
    void FillHeaderGradient(CDC* pDC, const CRect& rc);
};

#pragma pack(pop)
