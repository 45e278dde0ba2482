// The toolkit's tab manager: the tabs of one tab control, which of them is
// selected, the two navigate buttons, and the drawing of the header through
// a colour set.
#pragma once

#include <afxwin.h>

#include <memory>
#include <vector>

#include "CXTPTabPaintManager.h"
#include "VendorToolkitApi.h"

class VENDOR_TOOLKIT_API CXTPTabManagerItem {
public:
    // An item of no manager: never the selected one.
    CXTPTabManagerItem();

    CXTPTabManager* GetTabManager() const { return m_pTabManager; }
    int GetIndex() const { return m_nIndex; }
    CString GetCaption() const { return m_strCaption; }
    CRect GetRect() const { return m_rcItem; }
    // Whether this is the item its manager holds as current.
    BOOL IsSelected() const;

private:
    friend class CXTPTabManager;
    CXTPTabManager* m_pTabManager; // the manager holding this item, or NULL
    int m_nIndex;
    CString m_strCaption;
    CRect m_rcItem; // in the tab control's client coordinates, after the last layout
};

class VENDOR_TOOLKIT_API CXTPTabManagerNavigateButton {
public:
    enum Direction { kLeft = 0, kRight = 1 };
    CXTPTabManagerNavigateButton(CXTPTabManager* pManager, Direction direction);

    CXTPTabManager* GetTabManager() const { return m_pTabManager; }
    Direction GetDirection() const { return m_direction; }
    CRect GetRect() const { return m_rcButton; }

private:
    friend class CXTPTabManager;
    CXTPTabManager* m_pTabManager;
    Direction m_direction;
    CRect m_rcButton;
};

class VENDOR_TOOLKIT_API CXTPTabManager {
public:
    CXTPTabManager();
    virtual ~CXTPTabManager();
    CXTPTabManager(const CXTPTabManager&) = delete;
    CXTPTabManager& operator=(const CXTPTabManager&) = delete;

// Items
    // Inserts a tab before nIndex (at the end when out of range).
    CXTPTabManagerItem* InsertItem(int nIndex, LPCTSTR lpszCaption);
    int GetItemCount() const { return static_cast<int>(m_items.size()); }
    CXTPTabManagerItem* GetItem(int nIndex) const;
    CXTPTabManagerItem* GetSelectedItem() const { return m_pSelected; }
    void SetSelectedItem(CXTPTabManagerItem* pItem);
    CXTPTabManagerNavigateButton* GetNavigateButton(int nIndex);

// Colours
    // Paints through pColorSet from now on (not owned) and refreshes it.
    void SetColorSet(CXTPTabPaintManager::CColorSet* pColorSet);
    CXTPTabPaintManager::CColorSet* GetColorSet() const { return m_pColorSet; }
    // Asks the colour set to choose its colours again.
    void RefreshMetrics();

// Drawing
    // The header's height in pixels; the frame line and the client area lie below it.
    static const int kHeaderHeight = 24;
    // Lays the tabs out along the top of rcClient and draws header, tabs,
    // navigate buttons, the frame line and the client area.
    void DrawTabControl(CDC* pDC, CRect rcClient);

protected:
    // Something the manager shows has changed.
    virtual void Reposition() {}

private:
    void Layout(CDC* pDC, CRect rcClient);

    std::vector<std::unique_ptr<CXTPTabManagerItem>> m_items;
    CXTPTabManagerItem* m_pSelected;              // the current item, or NULL
    CXTPTabManagerNavigateButton m_navigate[2];   // left, right, at the header's right end
    CXTPTabPaintManager::CColorSet* m_pColorSet;  // not owned; NULL draws nothing
};
