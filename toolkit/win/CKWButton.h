// A push button that draws itself: flat until the mouse is over it, then
// framed or tinted, with an icon or a bitmap beside or above its text. A
// 10-millisecond timer follows the cursor while it is inside.
//
// Images the button loads (SetIcon by ids, SetBitmap) are its own and freed
// with it; icons handed in by handle stay the caller's.
#pragma once

#include "classlib/win/CButton.h"

// Deferred initialisation after creation (lParam: the request's counter).
constexpr UINT KWM_DEFERRED_INIT = 0x802;

class CKWButton : public CButton {
  DECLARE_DYNAMIC(CKWButton)

 public:
  // Look bits of the button style.
  enum : DWORD {
    kFlat = 0x01,
    kThin3D = 0x02,
    kImageAbove = 0x04,
    kFocusRect = 0x10,
    kDither = 0x20,
    kHighlight = 0x40,
  };
  static constexpr UINT_PTR kHoverTimer = 1;
  static constexpr UINT kHoverPeriodMs = 10;

  CKWButton();
  ~CKWButton() override;

  void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;
  virtual void SetColors(COLORREF clrFace, COLORREF clrHilite, COLORREF clrShadow, COLORREF clrText);
  virtual void SetFaceColor(COLORREF clr) { m_clrFace = clr; }
  virtual COLORREF GetFaceColor() const { return m_clrFace; }
  virtual void SetHiliteColor(COLORREF clr) { m_clrHilite = clr; }
  virtual void SetShadowColor(COLORREF clr) { m_clrShadow = clr; }
  virtual void SetTextColor(COLORREF clr) { m_clrText = clr; }
  virtual void SetHighlightColors(COLORREF clrFrame, COLORREF clrHot, COLORREF clrPressed);
  // Loads the icons (the pressed one when its id is not 0); FALSE when one
  // does not load. The button owns them.
  virtual BOOL SetIcon(int cx, int cy, UINT nIDIcon, UINT nIDPressed, BOOL bRedraw);
  virtual BOOL SetIcon(int cx, int cy, UINT nIDIcon, UINT nIDPressed) {
    return SetIcon(cx, cy, nIDIcon, nIDPressed, TRUE);
  }
  // Shows icons that stay the caller's: the button never destroys them.
  virtual BOOL SetIcon(int cx, int cy, HICON hIcon, HICON hPressed, BOOL bRedraw);
  // The bitmap and its disabled form, in the system's button colours.
  virtual BOOL SetBitmap(int cx, int cy, UINT nIDBitmap, BOOL bRedraw);
  virtual BOOL SetPositions(int xImage, int yImage, int xText, int yText, BOOL bRedraw);
  virtual DWORD GetButtonStyle() const { return m_dwStyle; }
  virtual void ResetImage();
  // Frees the images the button owns and forgets the others.
  virtual void FreeImages();
  virtual void DrawIcon(CDC* pDC, UINT nState, const CRect& rect);
  virtual void DrawButtonText(CDC* pDC, UINT nState, const CRect& rect);
  virtual void DrawBitmap(CDC* pDC, UINT nState, const CRect& rect);
  virtual CString GetButtonText(BOOL bRemoveMnemonics) const;
  virtual CPoint GetImagePosition(CDC* pDC, UINT nState, const CRect& rect, BOOL bPressedImage);
  DWORD SetButtonStyle(DWORD dwStyle, BOOL bRedraw);

  BOOL IsHot() const { return m_bHot; }
  BOOL IsMousePressed() const { return m_bMousePressed; }
  void SetDitherUnlessHovered(BOOL bOn) { m_bDitherUnlessHovered = bOn; }

 protected:
  void PreSubclassWindow() override;
  afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
  afx_msg void OnMouseMove(UINT nFlags, CPoint point);
  afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
  afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
  afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
  afx_msg void OnTimer(UINT_PTR nIDEvent);
  afx_msg void OnSysColorChange();
  afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
  afx_msg BOOL OnEraseBkgnd(CDC* pDC) { return FALSE; }
  afx_msg void OnPaint();
  afx_msg LRESULT OnDeferredInit(WPARAM wParam, LPARAM lParam);
  DECLARE_MESSAGE_MAP()

 private:
  void RequestDeferredInit();
  void HoverStep();
  void LoadSystemColors();
  void DrawFrame(CDC* pDC, CRect& rect, BOOL bPressed, BOOL bHot, COLORREF& clrFace);

  HICON m_hIcon = nullptr;
  HICON m_hIconPressed = nullptr;
  HBITMAP m_hBitmap = nullptr;
  HBITMAP m_hBitmapDisabled = nullptr;
  // The icons were loaded by the button and are freed by it.
  BOOL m_bOwnsIcons = FALSE;
  CSize m_sizeImage;
  CPoint m_ptImage;
  CPoint m_ptText;
  int m_nBorderGap = 4;
  int m_nImageTextGap = 8;
  DWORD m_dwStyle = kFlat;
  BOOL m_bHot = FALSE;
  BOOL m_bExplicitPositions = FALSE;
  BOOL m_bMousePressed = FALSE;
  BOOL m_bKeepColors = FALSE;
  BOOL m_bHotDrawn = FALSE;
  BOOL m_bDitherUnlessHovered = FALSE;
  COLORREF m_clrText = 0;
  COLORREF m_clrFace = 0;
  COLORREF m_clrHilite = 0;
  COLORREF m_clrShadow = 0;
  COLORREF m_clrHighlightFrame = 0;
  COLORREF m_clrHighlightHot = 0;
  COLORREF m_clrHighlightPressed = 0;
  BOOL m_bHighlightColorsSet = FALSE;
  int m_nInitCounter = 1;
};
