// The window services that layout code reaches: the view's scroll sizes and
// repainting. Messages are returned, never shown from here (UserMessage.h).
#pragma once

#include "classlib/core/Geometry.h"
#include "classlib/core/WinTypes.h"

class IDocUISink {
 public:
  virtual CSize GetClientSize() = 0;
  virtual void SetScrollSizes(CSize total, CSize page, CSize line) = 0;
  // Invalidates and erases the whole view.
  virtual void Redraw() = 0;
  // The layout of a side changed; the caret and selection follow it.
  virtual void OnLayoutChanged(int side) = 0;
  virtual void SetModifiedFlag() = 0;

 protected:
  ~IDocUISink() = default;
};
