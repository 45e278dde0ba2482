// SMXTabColorSet: the two fixed schemes of the host's tab controls.
#include "SMXTabColorSet.h"

namespace {

// The colours the fills use; the set's own colours come from RefreshMetrics.
struct FillScheme {
    COLORREF clrHeaderFirst;
    COLORREF clrHeaderSecond;
    COLORREF clrContrast; // the selected tab, the separators and the navigate arrows
};

const FillScheme kLightFill = {RGB(175, 186, 212), RGB(219, 230, 253), RGB(0, 0, 0)};
const FillScheme kDarkFill = {RGB(85, 85, 85), RGB(41, 41, 41), RGB(255, 255, 255)};

const FillScheme& CurrentFill() { return SMXTabColorSet::ColorType == 0 ? kLightFill : kDarkFill; }

// The gradient and the eleven colours of the set, in the set's order.
struct SetScheme {
    COLORREF clrGradientLight;
    COLORREF clrGradientDark;
    COLORREF colours[11];
};

const SetScheme kLightSet = {0x00D4BAAF, 0x00FDE6DB,
                             {0x00D4BAAF, 0x00EFC5A4, 0x00FDE6DB, 0x00FDE6DB, 0x00000000, 0x00000000, 0x00000000,
                              0x00AAAAAA, 0x00AAAAAA, 0x00AAAAAA, 0x00AAAAAA}};
// The set's gradient is not the pair the fills below paint the header with:
// the two are chosen separately.
const SetScheme kDarkSet = {0x00323232, 0x00292929,
                            {0x002D2D2D, 0x00FFFFFF, 0x00555555, 0x00555555, 0x00FFFFFF, 0x00000000, 0x00FFFFFF,
                             0x00000000, 0x00000000, 0x00000000, 0x00000000}};

} // namespace

int SMXTabColorSet::ColorType = 0;

SMXTabColorSet::SMXTabColorSet()
{
    // The host compiles against this layout: nothing is added to the
    // toolkit's colour set, whose pointer and thirteen colours it is (packed,
    // without the colour set's own tail padding on x86-64).
#if defined(_WIN64)
    static_assert(sizeof(SMXTabColorSet) == 60, "SMXTabColorSet layout (x86-64)");
#else
    static_assert(sizeof(SMXTabColorSet) == 56, "SMXTabColorSet layout (i686)");
#endif
}

SMXTabColorSet::SMXTabColorSet(const SMXTabColorSet& other) : CXTPTabPaintManager::CColorSet(other) {}

SMXTabColorSet& SMXTabColorSet::operator=(const SMXTabColorSet& other)
{
    CXTPTabPaintManager::CColorSet::operator=(other);
    return *this;
}

SMXTabColorSet::~SMXTabColorSet() = default;

void SMXTabColorSet::RefreshMetrics()
{
    const SetScheme& scheme = ColorType == 0 ? kLightSet : kDarkSet;
    m_clrHeaderFace.SetCustomValue(scheme.clrGradientLight, scheme.clrGradientDark);
    COLORREF* const colours[11] = {&m_clrFrameBorder,  &m_clrButtonHighlighted, &m_clrSelectedText,
                                   &m_clrHighlightText, &m_clrNormalText,       &m_clrButtonShadow,
                                   &m_clrNavigateArrow, &m_clrDisabledText,     &m_clrButtonBorder,
                                   &m_clrClientBorder,  &m_clrClientFace};
    for (int i = 0; i < 11; ++i)
        *colours[i] = scheme.colours[i];
}

void SMXTabColorSet::FillHeader(CDC* pDC, CRect rc, CXTPTabManager*) { FillHeaderGradient(pDC, rc); }

void SMXTabColorSet::FillHeaderGradient(CDC* pDC, const CRect& rc)
{
    if (pDC == NULL)
        return;
    const FillScheme& fill = CurrentFill();
    GradientFill(pDC, rc, fill.clrHeaderFirst, fill.clrHeaderSecond, static_cast<XTPTabPosition>(0));
}

void SMXTabColorSet::FillStateButton(CDC* pDC, CRect rc, CXTPTabManagerItem* pItem)
{
    if (pDC == NULL)
        return;
    const FillScheme& fill = CurrentFill();
    // The toolkit's test: the item its tab manager holds as current. An
    // item of no manager is an ordinary tab.
    CXTPTabManager* pManager = pItem != NULL ? pItem->GetTabManager() : NULL;
    if (pManager != NULL && pManager->GetSelectedItem() == pItem) {
        pDC->FillSolidRect(rc, fill.clrContrast);
        return;
    }
    FillHeaderGradient(pDC, rc);
    CPen pen(PS_SOLID, 1, fill.clrContrast);
    CPen* pOldPen = pDC->SelectObject(&pen);
    pDC->MoveTo(rc.right - 1, rc.top);
    pDC->LineTo(rc.right - 1, rc.bottom);
    pDC->SelectObject(pOldPen);
}

void SMXTabColorSet::FillNavigateButton(CDC* pDC, CXTPTabManagerNavigateButton*, CRect&)
{
    if (pDC == NULL)
        return;
    pDC->SetTextColor(CurrentFill().clrContrast);
}
