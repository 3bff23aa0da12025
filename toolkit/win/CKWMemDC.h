// A flicker-free off-screen DC: painting code draws into it with the target
// rectangle's top-left as (0, 0), and it copies itself to the target when it
// goes out of scope.
#pragma once

#include "classlib/core/Geometry.h"
#include "classlib/win/CBitmap.h"
#include "classlib/win/CDC.h"

class CKWMemDC : public CDC {
  DECLARE_DYNAMIC(CKWMemDC)

 public:
  static constexpr COLORREF kNoFill = 0xFFFFFFFF;

  // An empty (or null) rectangle stands for the target's clip box; the new
  // bitmap is filled with the colour unless it is kNoFill.
  CKWMemDC(CDC* pDC, LPCRECT lpRect = nullptr, COLORREF fill = kNoFill);
  virtual ~CKWMemDC();
  CKWMemDC(const CKWMemDC&) = delete;
  CKWMemDC& operator=(const CKWMemDC&) = delete;

  // The target's pixels under the rectangle, as a start to paint over.
  void CopyFromTarget();
  // Nothing is copied back.
  void Discard() { m_bCopyBack = FALSE; }
  BOOL IsValid() const { return m_bValid; }

 private:
  CDC* m_pDC;
  CRect m_rect;
  CBitmap m_bitmap;
  CBitmap* m_pOldBitmap = nullptr;
  BOOL m_bValid = FALSE;
  BOOL m_bCopyBack = TRUE;
};

// A bitmap resource drawn in black, dark grey, light grey and white, in the
// user's button text, shadow, face and highlight colours; monochrome keeps
// black and makes the other greys white. The bitmap has the format of the
// device (the screen when nullptr); the caller owns it. nullptr when the
// resource cannot be read or drawn.
HBITMAP LoadSysColorBitmap(HINSTANCE hInstance, HRSRC hResource, BOOL bMonochrome = FALSE,
                           HDC hDevice = nullptr);
