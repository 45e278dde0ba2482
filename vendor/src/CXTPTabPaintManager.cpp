// The colour set's own colours and fills: the system's colours, and the
// gradient fill every header fill goes through.
#include "CXTPTabPaintManager.h"

#include "CXTPTabManager.h"

#include <algorithm>

namespace {

// One channel of the colour at line i of n, the first line a and the last b.
int Blend(int a, int b, int i, int n)
{
    return n <= 1 ? a : a + static_cast<int>(static_cast<long long>(b - a) * i / (n - 1));
}

COLORREF BlendColour(COLORREF a, COLORREF b, int i, int n)
{
    return RGB(Blend(GetRValue(a), GetRValue(b), i, n), Blend(GetGValue(a), GetGValue(b), i, n),
               Blend(GetBValue(a), GetBValue(b), i, n));
}

} // namespace

using CColorSet = CXTPTabPaintManager::CColorSet;

CColorSet::CColorSet() { RefreshMetrics(); }

CColorSet::~CColorSet() = default;

void CColorSet::RefreshMetrics()
{
    m_clrHeaderFace.SetStandardValue(::GetSysColor(COLOR_BTNHIGHLIGHT), ::GetSysColor(COLOR_BTNFACE));
    m_clrFrameBorder = ::GetSysColor(COLOR_BTNSHADOW);
    m_clrButtonHighlighted = ::GetSysColor(COLOR_HIGHLIGHT);
    m_clrSelectedText = ::GetSysColor(COLOR_BTNTEXT);
    m_clrHighlightText = ::GetSysColor(COLOR_HIGHLIGHTTEXT);
    m_clrNormalText = ::GetSysColor(COLOR_BTNTEXT);
    m_clrButtonShadow = ::GetSysColor(COLOR_3DDKSHADOW);
    m_clrNavigateArrow = ::GetSysColor(COLOR_BTNTEXT);
    m_clrDisabledText = ::GetSysColor(COLOR_GRAYTEXT);
    m_clrButtonBorder = ::GetSysColor(COLOR_BTNSHADOW);
    m_clrClientBorder = ::GetSysColor(COLOR_BTNSHADOW);
    m_clrClientFace = ::GetSysColor(COLOR_BTNFACE);
}

void CColorSet::SetTextColor(CDC* pDC, CXTPTabManagerItem* pItem)
{
    pDC->SetTextColor(pItem != NULL && pItem->IsSelected() ? m_clrSelectedText : m_clrNormalText);
}

void CColorSet::FillHeader(CDC* pDC, CRect rc, CXTPTabManager*)
{
    GradientFill(pDC, rc, m_clrHeaderFace.clrLight, m_clrHeaderFace.clrDark, xtpTabPositionTop);
}

COLORREF CColorSet::FillClient(CDC* pDC, CRect rc, CXTPTabManager*)
{
    pDC->FillSolidRect(rc, m_clrClientFace);
    return m_clrClientFace;
}

void CColorSet::FillStateButton(CDC* pDC, CRect rc, CXTPTabManagerItem* pItem)
{
    // Ordinary tabs show the header behind them; the selected one stands out.
    if (pItem != NULL && pItem->IsSelected())
        pDC->FillSolidRect(rc, m_clrClientFace);
}

COLORREF CColorSet::FillPropertyButton(CDC* pDC, CRect rc, CXTPTabManagerItem*)
{
    pDC->FillSolidRect(rc, m_clrClientFace);
    return m_clrClientFace;
}

void CColorSet::SelectClipRgn(CDC* pDC, CRect rcClient, CXTPTabManager*)
{
    ::IntersectClipRect(pDC->m_hDC, rcClient.left, rcClient.top, rcClient.right, rcClient.bottom);
}

void CColorSet::FillNavigateButton(CDC* pDC, CXTPTabManagerNavigateButton*, CRect&)
{
    pDC->SetTextColor(m_clrNavigateArrow);
}

COLORREF CColorSet::GetItemColor(CXTPTabManagerItem*) { return m_clrClientFace; }

BOOL CColorSet::IsAppThemed() const { return FALSE; }

void CColorSet::GradientFill(CDC* pDC, CRect rc, COLORREF clrLight, COLORREF clrDark, XTPTabPosition position)
{
    if (pDC == NULL || rc.IsRectEmpty())
        return;
    const bool bVertical = position == xtpTabPositionTop || position == xtpTabPositionBottom;
    const bool bReversed = position == xtpTabPositionBottom || position == xtpTabPositionRight;
    const int nLines = bVertical ? rc.Height() : rc.Width();
    // Only the lines the DC can show are drawn, each in the colour of its
    // place in the whole gradient: a rectangle far larger than the DC costs
    // no more than the DC's own size.
    CRect rcClip;
    if (::GetClipBox(pDC->m_hDC, &rcClip) == ERROR)
        return;
    const long long llOrigin = bVertical ? rc.top : rc.left;
    const long long llFirst = std::max(0LL, (bVertical ? rcClip.top : rcClip.left) - llOrigin);
    const long long llEnd = std::min<long long>(nLines, (bVertical ? rcClip.bottom : rcClip.right) - llOrigin);
    for (int i = static_cast<int>(llFirst); i < llEnd; ++i) {
        const COLORREF clr = BlendColour(clrLight, clrDark, bReversed ? nLines - 1 - i : i, nLines);
        CRect rcLine = bVertical ? CRect(rc.left, rc.top + i, rc.right, rc.top + i + 1)
                                 : CRect(rc.left + i, rc.top, rc.left + i + 1, rc.bottom);
        pDC->FillSolidRect(rcLine, clr);
    }
}
