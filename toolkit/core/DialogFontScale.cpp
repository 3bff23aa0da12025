#include "toolkit/core/DialogFontScale.h"

CRect DialogFontScale::ScaleChild(const CRect& rect) const {
  return CRect(ScaleX(rect.left), ScaleY(rect.top), ScaleX(rect.right), ScaleY(rect.bottom));
}

CRect DialogFontScale::ScaleWindow(const CRect& window, const CSize& client) const {
  int growX = ScaleX(client.cx) - client.cx;
  int growY = ScaleY(client.cy) - client.cy;
  CRect result(window.left - growX / 2, window.top - growY / 2, 0, 0);
  result.right = result.left + window.Width() + growX;
  result.bottom = result.top + window.Height() + growY;
  return result;
}
