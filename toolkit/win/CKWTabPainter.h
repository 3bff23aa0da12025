// The drawing half of the toolkit's tab control: its pens and edge metric,
// the area its tab windows fill, labels padded to their bold width, and
// painting through a memory DC.
#pragma once

#include "classlib/win/CPen.h"
#include "classlib/win/CWnd.h"

class CDC;

class CKWTabPainter {
 public:
  CKWTabPainter();
  virtual ~CKWTabPainter() = default;
  CKWTabPainter(const CKWTabPainter&) = delete;
  CKWTabPainter& operator=(const CKWTabPainter&) = delete;

  // The area the selected tab's window fills; empty with nothing selected.
  virtual void GetClientArea(CRect& rect);
  // The label with blanks that keep its tab as wide in bold as in regular.
  virtual CString PadLabel(const CString& label);

  void OnPaint();
  void RefreshMetrics();
  void RefreshColors();
  void SetTabCtrl(CWnd* pWnd) { m_pTabCtrl = pWnd; }

 protected:
  CPen m_penFrame;
  CPen m_penLight;
  CPen m_penFace;
  CPen m_penSeparator;
  int m_cyEdge = 0;
  CWnd* m_pTabCtrl = nullptr;
  BYTE m_bBoldSelected = 1;
  BYTE m_bFrameClient = 1;
  BYTE m_bSystemLook = 0;
};
