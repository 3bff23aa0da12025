// The window services of a document that has no window (tools, tests,
// benchmarks): a client area of a fixed size; nothing to scroll or repaint.
#pragma once

#include "editor/core/DocUISink.h"

class WindowlessUISink : public IDocUISink {
 public:
  explicit WindowlessUISink(CSize client = CSize(800, 600)) : m_client(client) {}
  CSize GetClientSize() override { return m_client; }
  void SetScrollSizes(CSize, CSize, CSize) override {}
  void Redraw() override {}
  void OnLayoutChanged(int) override {}
  void SetModifiedFlag() override {}

 private:
  CSize m_client;
};
