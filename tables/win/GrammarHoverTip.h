// The hover tip of a grammar view's captions: when the mouse comes to a
// caption while the program's main window is active, and rests there for
// half a second, the view's text for that caption shows in a tip over it.
// Moving to another caption starts the wait again; the view closes the tip
// whenever its table changes and when the tip asks it to.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "classlib/core/Geometry.h"
#include "classlib/win/CWnd.h"

class CMyFormView;
class CTipWnd;

class CGrammarHoverTip {
 public:
  // The caption under a point in the view's logical coordinates, -1 none.
  using CaptionHitTest = std::function<int(CPoint logical)>;
  // The caption's tip text (empty: no tip) and its rectangle (logical).
  using CaptionText = std::function<std::string(int caption)>;
  using CaptionRect = std::function<CRect(int caption)>;

  CGrammarHoverTip(CMyFormView* pView, CaptionHitTest hitTest, CaptionText text, CaptionRect rect);
  ~CGrammarHoverTip();

  void Close();
  // After the view's own handling of WM_MOUSEMOVE (point in client
  // coordinates); nothing while the view shows no table.
  void OnMouseMove(CPoint point, bool tableShown);
  // False when the timer is not the tip's.
  bool OnTimer(UINT_PTR nIDEvent);

 private:
  CMyFormView* m_pView;
  CaptionHitTest m_hitTest;
  CaptionText m_text;
  CaptionRect m_rect;
  int m_hovered = -1;
  UINT_PTR m_nTimer = 0;
  std::unique_ptr<CTipWnd> m_pTip;
};
