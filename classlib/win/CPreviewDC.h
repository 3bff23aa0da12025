// The DC print preview draws a page through: the printer is the attribute
// DC (the view measures and maps as on paper) and the screen the output DC,
// whose mapping follows the printer's scaled by the preview's ratio and
// moved to where the page stands on the screen. Output is clipped to the
// page. The output calls stay virtual, so a derived preview can adjust them.
#pragma once

#include "classlib/win/CDC.h"

class CPreviewDC : public CDC {
  DECLARE_DYNAMIC(CPreviewDC)
 public:
  CPreviewDC() = default;
  // Neither DC is the preview's own: both are released, not deleted.
  ~CPreviewDC() override;

  void SetAttribDC(HDC hDC) override;
  void SetOutputDC(HDC hDC) override;
  void ReleaseOutputDC() override;

  // Printer pixels times nNum / nDen are screen pixels.
  void SetScaleRatio(int nNum, int nDen);
  // The screen pixel where the page's top-left corner stands.
  void SetTopLeftOffset(CSize sizeTopLeft);
  // Keeps the output inside the page's area on the screen.
  void ClipToPage();
  // A point in the printer's pixels to the screen's.
  void PrinterDPtoScreenDP(LPPOINT lpPoint) const;

  // The printer's mapping changes; the screen's follows.
  BOOL RestoreDC(int nSavedDC) override;
  int SetMapMode(int nMapMode) override;
  CPoint SetViewportOrg(int x, int y) override;
  CPoint OffsetViewportOrg(int nWidth, int nHeight) override;
  CSize SetViewportExt(int cx, int cy) override;
  CSize ScaleViewportExt(int xNum, int xDenom, int yNum, int yDenom) override;
  CSize SetWindowExt(int cx, int cy) override;
  CSize ScaleWindowExt(int xNum, int xDenom, int yNum, int yDenom) override;

 protected:
  // Gives the screen the printer's mapping, scaled and moved.
  virtual void MirrorMappingMode();

  int m_nScaleNum = 1;
  int m_nScaleDen = 1;
  CSize m_sizeTopLeft;
};
