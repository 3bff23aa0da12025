#include "editor/core/DocVisibleLines.h"

#include <algorithm>

void DocVisibleLines::Rebuild(const DocTextModel& model, const DocPageView& pages,
                              const CRect& client) {
  CRect area = client;
  area.InflateRect(pages.GetRulerWidth(), 0);
  int first = 0, last = -1;
  BOOL any = pages.GetVisiblePages(area, first, last, kBandPage);
  for (int side = 0; side < kDocSideCount; side++) {
    std::vector<DocVisibleLine>& lines = m_lines[side];
    lines.clear();
    if (!any) continue;
    for (int page = first; page <= last; page++) {
      DocPageNode* pageNode = model.GetNthPage(side, page);
      if (pageNode == nullptr) break;
      CollectPageLines(pages, pageNode, page, area, lines);
    }
    // Columns of a section come one after the other in the text but side by
    // side on the page.
    std::stable_sort(
        lines.begin(), lines.end(),
        [](const DocVisibleLine& a, const DocVisibleLine& b) { return a.rect.top < b.rect.top; });
  }
}

void DocVisibleLines::CollectPageLines(const DocPageView& pages, const DocPageNode* pageNode,
                                       int page, const CRect& area,
                                       std::vector<DocVisibleLine>& lines) {
  int row = 0;
  for (DocLineNode* line = pageNode->first; line != nullptr; line = line->next, row++) {
    if (line != pageNode->first && line->page != nullptr) break;  // the next page
    // An empty line is kept too: it is in the area when its column is.
    CRect column = pages.GetLineColumnOnPage(line, page);
    CRect meet;
    if (meet.IntersectRect(&column, &area)) {
      DocVisibleLine entry;
      entry.rect = pages.GetLineRectOnPage(line, page);
      entry.row = row;
      entry.page = page;
      entry.line = line;
      lines.push_back(entry);
    }
  }
}

std::vector<CRect> DocVisibleLines::GapsAround(int side, const CRect& area) const {
  std::vector<int> edges = {area.top, area.bottom};
  for (const DocVisibleLine& l : m_lines[side]) {
    if (l.rect.top > area.top && l.rect.top < area.bottom) edges.push_back(l.rect.top);
    if (l.rect.bottom > area.top && l.rect.bottom < area.bottom) edges.push_back(l.rect.bottom);
  }
  std::sort(edges.begin(), edges.end());
  edges.erase(std::unique(edges.begin(), edges.end()), edges.end());
  std::vector<CRect> gaps;
  for (size_t i = 0; i + 1 < edges.size(); i++) {
    int top = edges[i], bottom = edges[i + 1];
    // The lines covering this band, from the left.
    std::vector<CRect> covering;
    for (const DocVisibleLine& l : m_lines[side])
      if (l.rect.top <= top && l.rect.bottom >= bottom && l.rect.right > area.left &&
          l.rect.left < area.right)
        covering.push_back(l.rect);
    std::sort(covering.begin(), covering.end(),
              [](const CRect& a, const CRect& b) { return a.left < b.left; });
    int x = area.left;
    for (const CRect& r : covering) {
      if (r.left > x) gaps.push_back(CRect(x, top, r.left, bottom));
      x = std::max<int>(x, r.right);
    }
    if (x < area.right) gaps.push_back(CRect(x, top, area.right, bottom));
  }
  return gaps;
}
