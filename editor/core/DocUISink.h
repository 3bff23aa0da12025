// The window services that layout and style-table code reach: a message box
// over the document's first view, the view's scroll sizes and repainting.
#pragma once

#include "classlib/core/Geometry.h"
#include "classlib/core/WinTypes.h"

class IDocUISink {
 public:
  // A message box with an OK button and no caption.
  virtual void ShowMessage(LPCSTR text) = 0;
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
