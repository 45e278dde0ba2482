// Tab layout and the order in which a tab control paints through its colour set.
#include "CXTPTabManager.h"

#include <algorithm>

namespace {
const int kTabMargin = 2;      // left of the first tab, and above every tab
const int kTabPadding = 10;    // each side of a caption
const int kMinTabWidth = 40;
const int kNavigateWidth = 16; // each of the two navigate buttons
} // namespace

CXTPTabManagerItem::CXTPTabManagerItem() : m_pTabManager(NULL), m_nIndex(-1) {}

BOOL CXTPTabManagerItem::IsSelected() const
{
    return m_pTabManager != NULL && m_pTabManager->GetSelectedItem() == this;
}

CXTPTabManagerNavigateButton::CXTPTabManagerNavigateButton(CXTPTabManager* pManager, Direction direction)
    : m_pTabManager(pManager), m_direction(direction)
{
}

CXTPTabManager::CXTPTabManager()
    : m_pSelected(NULL),
      m_navigate{{this, CXTPTabManagerNavigateButton::kLeft}, {this, CXTPTabManagerNavigateButton::kRight}},
      m_pColorSet(NULL)
{
}

CXTPTabManager::~CXTPTabManager() = default;

CXTPTabManagerItem* CXTPTabManager::InsertItem(int nIndex, LPCTSTR lpszCaption)
{
    if (nIndex < 0 || nIndex > GetItemCount())
        nIndex = GetItemCount();
    auto pItem = std::make_unique<CXTPTabManagerItem>();
    pItem->m_pTabManager = this;
    pItem->m_strCaption = lpszCaption;
    CXTPTabManagerItem* pInserted = pItem.get();
    m_items.insert(m_items.begin() + nIndex, std::move(pItem));
    for (int i = 0; i < GetItemCount(); ++i)
        m_items[i]->m_nIndex = i;
    Reposition();
    return pInserted;
}

CXTPTabManagerItem* CXTPTabManager::GetItem(int nIndex) const
{
    return nIndex >= 0 && nIndex < GetItemCount() ? m_items[nIndex].get() : NULL;
}

void CXTPTabManager::SetSelectedItem(CXTPTabManagerItem* pItem)
{
    // Only an item of this manager can become current.
    m_pSelected = pItem != NULL && pItem->m_pTabManager == this ? pItem : NULL;
    Reposition();
}

CXTPTabManagerNavigateButton* CXTPTabManager::GetNavigateButton(int nIndex)
{
    return nIndex >= 0 && nIndex < 2 ? &m_navigate[nIndex] : NULL;
}

void CXTPTabManager::SetColorSet(CXTPTabPaintManager::CColorSet* pColorSet)
{
    m_pColorSet = pColorSet;
    RefreshMetrics();
}

void CXTPTabManager::RefreshMetrics()
{
    if (m_pColorSet != NULL)
        m_pColorSet->RefreshMetrics();
    Reposition();
}

void CXTPTabManager::Layout(CDC* pDC, CRect rcClient)
{
    int x = rcClient.left + kTabMargin;
    for (auto& pItem : m_items) {
        const int nWidth = std::max<int>(kMinTabWidth, pDC->GetTextExtent(pItem->m_strCaption).cx + 2 * kTabPadding);
        pItem->m_rcItem = CRect(x, rcClient.top + kTabMargin, x + nWidth, rcClient.top + kHeaderHeight);
        x += nWidth;
    }
    const int nRight = rcClient.right - kTabMargin;
    m_navigate[1].m_rcButton = CRect(nRight - kNavigateWidth, rcClient.top + kTabMargin, nRight,
                                     rcClient.top + kHeaderHeight);
    m_navigate[0].m_rcButton = m_navigate[1].m_rcButton;
    m_navigate[0].m_rcButton.OffsetRect(-kNavigateWidth, 0);
}

void CXTPTabManager::DrawTabControl(CDC* pDC, CRect rcClient)
{
    if (m_pColorSet == NULL || pDC == NULL)
        return;
    Layout(pDC, rcClient);
    CXTPTabPaintManager::CColorSet& colors = *m_pColorSet;
    const CRect rcHeader(rcClient.left, rcClient.top, rcClient.right, rcClient.top + kHeaderHeight);
    colors.FillHeader(pDC, rcHeader, this);

    const int nSavedDC = pDC->SaveDC();
    pDC->SetBkMode(TRANSPARENT);
    for (auto& pItem : m_items) {
        CRect rcItem = pItem->m_rcItem;
        colors.FillStateButton(pDC, rcItem, pItem.get());
        colors.SetTextColor(pDC, pItem.get());
        pDC->DrawText(pItem->m_strCaption, rcItem, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    }
    for (auto& button : m_navigate) {
        CRect rcButton = button.m_rcButton;
        colors.FillNavigateButton(pDC, &button, rcButton);
        // A small triangle in the text colour the colour set chose.
        const COLORREF clrArrow = ::GetTextColor(pDC->m_hDC);
        const CPoint c = rcButton.CenterPoint();
        const int d = button.m_direction == CXTPTabManagerNavigateButton::kLeft ? -1 : 1;
        for (int i = 0; i < 4; ++i)
            pDC->FillSolidRect(CRect(c.x + d * (i - 2), c.y - (3 - i), c.x + d * (i - 2) + 1, c.y + (4 - i)), clrArrow);
    }
    pDC->RestoreDC(nSavedDC);

    // The frame line runs along the top of the client area, under the header.
    pDC->FillSolidRect(CRect(rcClient.left, rcHeader.bottom, rcClient.right, rcHeader.bottom + 1), colors.m_clrFrameBorder);
    const CRect rcBody(rcClient.left, rcHeader.bottom + 1, rcClient.right, rcClient.bottom);
    if (!rcBody.IsRectEmpty())
        colors.FillClient(pDC, rcBody, this);
}
