// The toolkit's soft drop shadow: a borderless window beneath its target,
// clipped to the two 4-pixel bands along the target's right and bottom edges,
// that paints a darkened copy of what the screen showed there.
#pragma once

#include <memory>

#include "classlib/core/Geometry.h"
#include "classlib/win/CWnd.h"
#include "toolkit/win/CKWMemDC.h"

// The background and its darkened copy, in screen coordinates.
class CKWShadowImage {
 public:
  CKWShadowImage() = default;
  ~CKWShadowImage();
  CKWShadowImage(const CKWShadowImage&) = delete;
  CKWShadowImage& operator=(const CKWShadowImage&) = delete;

  // A copy of the screen at rect, used instead of the screen by PrepareImage.
  void CaptureBackground(CRect rect);
  // The darkened copy of rect (the background, or the screen without one).
  void PrepareImage(CRect rect, int nDarkness);
  void PaintImage(CDC* pDC, CRect rect);

  CKWMemDC* m_pBackground = nullptr;
  CKWMemDC* m_pShadowImage = nullptr;
  CRect m_rectSnapshot;
};

class CKWShadowWnd : public CWnd {
  DECLARE_DYNAMIC(CKWShadowWnd)

 public:
  CKWShadowWnd() = default;
  ~CKWShadowWnd() override = default;

  // Darkens rect's right and bottom bands in pDC.
  static void DrawShadow(CDC* pDC, CRect rect, int nDarkness);
  // The two bands of rect from pSource (offset by rect's top-left corner and
  // (xSource, ySource)) into pDC; nothing without a source.
  static void CopyShadowBands(CDC* pDC, CRect rect, CDC* pSource, int xSource, int ySource);
  static COLORREF DarkenColor(COLORREF color, int nAmount);

  // The hidden shadow window of hTarget.
  BOOL Create(HWND hTarget);
  // Follows a target that moved or changed size.
  void Reposition(HWND hTarget);
  // Clips the window to rect's bands (client coordinates); the image is built anew.
  void SetShadowRegion(CRect rect);

  int m_nDarkness = 100;
  CKWShadowImage m_image;
  // kAtRest, or hidden for a move and being shown again after it.
  enum MoveState { kAtRest, kHiddenForMove, kReshowing };
  int m_nMoveState = kAtRest;
  HWND m_hTarget = nullptr;
  BYTE m_bPopupTarget = FALSE;
  BYTE m_bImageValid = FALSE;

 protected:
  // The rectangle converted to the parent's client area for a child target.
  void ToParent(CRect& rect);
  void PlaceUnderTarget();

  afx_msg void OnPaint();
  afx_msg BOOL OnEraseBkgnd(CDC* pDC);
  afx_msg void OnSetFocus(CWnd* pOldWnd);
  afx_msg void OnWindowPosChanging(WINDOWPOS* lpwndpos);
  afx_msg void OnWindowPosChanged(WINDOWPOS* lpwndpos);
  DECLARE_MESSAGE_MAP()
};
