// The lines of each side that lie in the client area, kept between paints so
// that a repaint after an edit can paint the other side again where it lies
// under the changed lines, and clear only what lies around them.
#pragma once

#include <vector>

#include "classlib/core/Geometry.h"
#include "editor/core/DocPageView.h"

struct DocVisibleLine {
  CRect rect;   // the line's text, in view coordinates
  int row = 0;  // on its page
  int page = 0;
  const DocLineNode* line = nullptr;
};

class DocVisibleLines {
 public:
  // Collects the lines meeting the client area (in view coordinates),
  // widened by the ruler width, sorted by their tops.
  void Rebuild(const DocTextModel& model, const DocPageView& pages, const CRect& client);
  const std::vector<DocVisibleLine>& Lines(int side) const { return m_lines[side]; }
  // What of the area lies outside the side's lines, as rectangles that do not
  // overlap, by bands from the top.
  std::vector<CRect> GapsAround(int side, const CRect& area) const;

 private:
  // Appends the lines of one page that meet the area, with their rows.
  static void CollectPageLines(const DocPageView& pages, const DocPageNode* pageNode, int page,
                               const CRect& area, std::vector<DocVisibleLine>& lines);

  std::vector<DocVisibleLine> m_lines[kDocSideCount];
};
