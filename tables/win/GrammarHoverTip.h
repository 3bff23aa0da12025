// The hover tips of a grammar view: when the mouse comes onto one of the
// view's hot rectangles (a form's caption, a person's label) and rests
// there for half a second, a tip opens over it; another hot rectangle
// closes it and starts again. The view says which rectangle is where and
// what its tip says.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "classlib/core/Geometry.h"

class CMyFormView;
class CTipWnd;

class CGrammarHoverTip {
 public:
  using HitTest = std::function<int(CPoint logical)>;   // the hot rectangle there, -1 none
  using TipText = std::function<std::string(int hot)>;  // empty: no tip
  using HotRect = std::function<CRect(int hot)>;        // logical

  CGrammarHoverTip(CMyFormView* pView, HitTest hitTest, TipText tipText, HotRect hotRect);
  ~CGrammarHoverTip();

  // WM_MOUSEMOVE at a client point; only while the view shows a table and
  // the program's main window is active.
  void OnMouseMove(CPoint point, bool tableShown);
  // WM_TIMER: false when it is not the hover timer.
  bool OnTimer(UINT_PTR nIDEvent);
  // Closes the tip and forgets the hot rectangle.
  void Close();

 private:
  CMyFormView* m_pView;
  HitTest m_hitTest;
  TipText m_tipText;
  HotRect m_hotRect;
  int m_hovered = -1;
  UINT_PTR m_nTimer = 0;
  std::unique_ptr<CTipWnd> m_pTip;
};
