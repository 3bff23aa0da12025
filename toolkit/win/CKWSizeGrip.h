// The size grip in the bottom-right corner of a resizable window: a static
// showing the grip bitmap; a click on it starts sizing the parent from its
// bottom-right corner.
#pragma once

#include <windows.h>

#include "classlib/win/CBitmap.h"
#include "classlib/win/CStatic.h"

class CKWSizeGrip : public CStatic {
 public:
  // Child id and side of the grip.
  static constexpr UINT kId = 32767;
  static constexpr int kSide = 16;

  CKWSizeGrip();

 protected:
  afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
  afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
  afx_msg void OnMouseMove(UINT nFlags, CPoint point);
  afx_msg void OnLButtonDown(UINT nFlags, CPoint point);

 private:
  HCURSOR m_hCursor;
  CBitmap m_bitmap;

  DECLARE_MESSAGE_MAP()
};
