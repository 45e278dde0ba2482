// A list box whose selected items the user moves by dragging: a red marker
// shows where they will land, the list scrolls by itself near its edges,
// Escape cancels, and the parent is told when a drag ends.
#pragma once

#include <afxwin.h>
#include <afxcoll.h>

#pragma pack(push, 1)

class AFX_EXT_CLASS CDragListBoxEx : public CListBox {
    DECLARE_DYNAMIC(CDragListBoxEx)
public:
// Constructors
    CDragListBoxEx();
    virtual ~CDragListBoxEx();

// Attributes
    // Takes effect at the next drag start; a drag under way continues.
    void SetDragEnable(bool bEnable);

// Overrideables: the drag operations, all called through the vtable, all
// taking screen coordinates. Without a window, BeginDrag gives FALSE and
// Dragging and Dropped do nothing.
    // Escape cancels a drag under way. A NULL message gives FALSE and
    // changes nothing.
    virtual BOOL PreTranslateMessage(MSG* pMsg);
    // FALSE, changing nothing, while dragging is disabled.
    virtual BOOL BeginDrag(CPoint ptScreen);
    virtual void CancelDrag(CPoint ptScreen);
    virtual UINT Dragging(CPoint ptScreen);
    virtual void Dropped(CPoint ptScreen);
    virtual void EndDrag();
protected:
    virtual void DrawInsert(int nPos, bool bDraw);

// Implementation
    static void MakeArrow(CPoint pt, bool bLeft, CRgn& rgn);
    int GetInsertPos(CPoint ptScreen) const;
    int HitTest(CPoint ptScreen) const;
    void AutoScroll(CPoint ptScreen);
    void EndScroll();
    void UpdateInsert(CPoint ptScreen);
    void EraseInsert();
    // Item data is pointer-sized, but these arrays hold a DWORD per item:
    // whole on i686, its low 32 bits on x86-64. Dropped does not go through
    // them; it moves each item with its whole data.
    int GetSelectedItems(CStringArray& texts, CDWordArray& data, int& nInsertPos, bool bRemove);
    void PasteItems(const CStringArray& texts, const CDWordArray& data, int nInsertPos);

    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg void OnDestroy();
    afx_msg void OnCaptureChanged(CWnd* pWnd);
    DECLARE_MESSAGE_MAP()

    int m_nDragState;         // 0 idle, 1 pressed, 2 starting (inside BeginDrag), 3 dragging
    CPoint m_ptDown;          // client point of the press that armed the drag
    int m_nScrollDir;         // auto-scroll: -1 up, 0 none, +1 down
    UINT_PTR m_nScrollTimer;  // running auto-scroll timer, 0 when none
    bool m_bSelectOnUp;       // a click on a multi-selection waits for the release
    int m_nInsertPos;         // insert position the marker shows, -1 when none
    int m_nLastTop;           // top index the auto-scroll last set, -1 when none
    bool m_bDragEnable;

private:
    void FinishDrag();
    bool IsMultiSelect() const { return (GetStyle() & (LBS_MULTIPLESEL | LBS_EXTENDEDSEL)) != 0; }
    bool IsSorted() const { return (GetStyle() & LBS_SORT) != 0; }
};

#pragma pack(pop)
