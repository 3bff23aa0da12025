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
  // The flat tabs on each side: the strip, its baseline, the selected tab's
  // outline, then every tab's image, text and separator.
  virtual void DrawTopTabs(CDC* pDC, const CRect& client, const CRect& selected);
  virtual void DrawBottomTabs(CDC* pDC, const CRect& client, const CRect& selected);
  virtual void DrawLeftTabs(CDC* pDC, const CRect& client, const CRect& selected);
  virtual void DrawRightTabs(CDC* pDC, const CRect& client, const CRect& selected);
  // The label with blanks that keep its tab as wide in bold as in regular.
  virtual CString PadLabel(const CString& label);

  void OnPaint();
  void RefreshMetrics();
  void RefreshColors();
  void SetTabCtrl(CWnd* pWnd) { m_pTabCtrl = pWnd; }

 protected:
  // Fills the strip, the selected tab with the face, and draws one line.
  void BeginTabs(CDC* pDC, const CRect& strip, const CRect& selected);
  void Line(CDC* pDC, CPen& pen, int x1, int y1, int x2, int y2);
  // Every tab's image, text and separator.
  void DrawEachTab(CDC* pDC, bool bVertical);

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
