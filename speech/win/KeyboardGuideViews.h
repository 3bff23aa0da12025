// The views of the Keyboard Guides window: the on-screen keyboard and the
// letter and vowel chart.
#pragma once

#include "classlib/win/CView.h"

class CKeyboardView : public CView {
  DECLARE_DYNCREATE(CKeyboardView)
 public:
  void OnDraw(CDC* pDC) override;
};

class CKeyMapView : public CView {
  DECLARE_DYNCREATE(CKeyMapView)
 public:
  void OnDraw(CDC* pDC) override;
};
