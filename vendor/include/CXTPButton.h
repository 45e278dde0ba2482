// The toolkit's button: a real button window, whose style makes it a push
// button, check box or radio button with the system's check state and radio
// group, painted by the toolkit through virtual operations a class can change.
#pragma once

#include <afxwin.h>

#include "VendorToolkitApi.h"

class VENDOR_TOOLKIT_API CXTPButton : public CButton {
    DECLARE_DYNAMIC(CXTPButton)
public:
// Constructors
    CXTPButton();
    virtual ~CXTPButton();

// State the drawing asks for
    virtual BOOL IsPushed();     // shown pushed in (BST_PUSHED)
    virtual BOOL IsHighlighted(); // the pointer is over the button
    virtual int GetChecked();     // BST_UNCHECKED, BST_CHECKED or BST_INDETERMINATE

// Layout
    // DrawText flags for the text, from the window's BS_ alignment styles.
    virtual DWORD GetTextAlignment() const;
    // Where the image goes in the space left of the text: DrawText-style flags.
    virtual DWORD GetImageAlignment() const;
    virtual CSize GetImageSize() const; // (0, 0) without an image
    virtual void DrawImage(CDC* pDC, CRect rcImage);
    virtual CRect GetButtonRect(); // the area the button paints: its client rectangle

// Images, drawn left of the text at the given size. Icons and bitmaps given
// by handle stay the caller's; those loaded from resources are the button's.
    virtual BOOL SetIcon(CSize size, HICON hIcon, BOOL bRedraw = TRUE);
    // hIconHot is shown instead while the pointer is over the button.
    virtual BOOL SetIcon(CSize size, HICON hIcon, HICON hIconHot, BOOL bRedraw = TRUE);
    virtual BOOL SetIcon(CSize size, UINT nID, BOOL bRedraw = TRUE);
    virtual BOOL SetIcon(CSize size, LPCTSTR lpszID, BOOL bRedraw = TRUE);
    virtual BOOL SetBitmap(CSize size, UINT nID, BOOL bRedraw = TRUE);

// Text and colours
    virtual CString GetButtonText();
    // Asked at every paint; the text is drawn in exactly this colour.
    virtual COLORREF GetButtonTextColor();
    // Fills the button where its parent gives no brush for WM_CTLCOLORBTN.
    virtual COLORREF GetButtonBackColor();

// Drawing
    // Called when the drop-down part of a split button is clicked; this
    // toolkit draws no split buttons, so nothing happens.
    virtual void OnDropDown();
    // Paints background, glyph or frame, image, text and focus into pDC.
    virtual void OnDraw(CDC* pDC);
    // The window text changed: repaint.
    virtual void InternalTextChanged();
    // Paints the whole button through a memory DC into pDC.
    virtual void DoDraw(CDC* pDC);

// Implementation
protected:
    virtual void PreSubclassWindow();
    // The system button paints some changes at once in its own look (check,
    // push, focus, enable, text); after it has handled such a message the
    // toolkit paints over it. Radio buttons ask the dialog manager for the
    // arrow keys.
    virtual BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);

    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    // Radio buttons take the arrow keys themselves and move the choice
    // within their group; every other key gets the button's own handling.
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    DECLARE_MESSAGE_MAP()

private:
    bool IsRadio() const;
    void FreeImage();

    HANDLE m_hImage;    // icon or bitmap drawn left of the text, or NULL
    HICON m_hIconHot;   // icon shown under the pointer, or NULL; never owned
    UINT m_nImageType;  // IMAGE_ICON or IMAGE_BITMAP
    CSize m_szImage;    // size the image is drawn at
    BOOL m_bOwnsImage;  // the image was loaded here and is destroyed here
};
