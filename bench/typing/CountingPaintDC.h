// A device context that paints nothing and counts what it is asked to paint
// within the client area: the pixels filled (overdraw counted each time), the
// rectangle that bounds the fills, and the text runs drawn.
#pragma once

#include "editor/core/DocRunPainter.h"

class CountingPaintDC : public IDocPaintDC {
 public:
  // Starts counting a paint of the client area (in view coordinates).
  void Begin(const CRect& client) {
    m_client = client;
    filledPixels = 0;
    fills = 0;
    runs = 0;
    bounds.SetRectEmpty();
  }

  BOOL IsPrinting() const override { return FALSE; }
  void SelectFont(const CString&, WORD, UINT) override {}
  void FillRect(const CRect& rect, COLORREF) override {
    CRect painted;
    if (!painted.IntersectRect(&rect, &m_client)) return;
    filledPixels += static_cast<long long>(painted.Width()) * painted.Height();
    fills++;
    if (bounds.IsRectEmpty())
      bounds = painted;
    else
      bounds.UnionRect(&bounds, &painted);
  }
  void SetTextColor(COLORREF) override {}
  void DrawRunText(int, int, const CString&, const CRect*) override { runs++; }
  void DrawHebrewText(int, int, const CString&, const CString&, COLORREF, const CRect*) override {
    runs++;
  }

  long long filledPixels = 0;
  int fills = 0;
  int runs = 0;
  CRect bounds;

 private:
  CRect m_client;
};
