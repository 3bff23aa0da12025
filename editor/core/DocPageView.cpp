#include "editor/core/DocPageView.h"

#include <algorithm>

namespace {

bool IsRightToLeft(int side) { return side == kRightToLeftSide; }

}  // namespace

void DocPageView::SetRulerSize(int width, int height) {
  m_rulerWidth = width;
  if (height != m_rulerHeight) m_bandsKnown = false;
  m_rulerHeight = height;
}

int DocPageView::GetPageCount() const {
  return std::max(m_model.GetPageCount(0), m_model.GetPageCount(1));
}

const std::vector<int>& DocPageView::BandTops() const {
  if (m_bandsKnown && m_bandChanges == m_model.GetPageListChanges()) return m_bandTops;
  int count = GetPageCount();
  m_bandTops.assign(1, 0);
  for (int i = 0; i < count; i++)
    m_bandTops.push_back(m_bandTops.back() + m_model.GetPageRect(i).Height() + m_rulerHeight);
  m_bandChanges = m_model.GetPageListChanges();
  m_bandsKnown = true;
  return m_bandTops;
}

const CPageLayout* DocPageView::SideLayout(int page, int side) const {
  return m_model.GetNthLayout(side, page);
}

int DocPageView::GetPageTop(int page, int side) const {
  const std::vector<int>& tops = BandTops();
  if (page < 0 || page + 1 >= static_cast<int>(tops.size())) return 0;
  if (side == kBandTop) return tops[page];
  const CPageLayout* layout = SideLayout(page, side);
  int offset = layout != nullptr ? layout->textRect.top - m_model.GetPageRect(page).top : 0;
  return tops[page] + m_rulerHeight + offset;
}

CRect DocPageView::GetPageBandRect(int page, DocBandMode mode) const {
  const std::vector<int>& tops = BandTops();
  if (page < 0 || page + 1 >= static_cast<int>(tops.size())) return CRect();
  CRect rect = m_model.GetPageRect(page);
  const CRect& extent = m_model.GetPageUnion();
  if (mode == kBandWhole)
    return CRect(0, tops[page], m_rulerWidth + extent.Width(), tops[page + 1]);
  int x = rect.left - extent.left;
  int y = tops[page];
  if (mode == kBandPage) {
    x += m_rulerWidth;
    y += m_rulerHeight;
  }
  return CRect(x, y, x + rect.Width(), y + rect.Height());
}

CRect DocPageView::GetRulerRect(int page, DocRulerPart part) const {
  if (page < 0 || page >= GetPageCount()) return CRect();
  int top = GetPageTop(page, kBandTop);
  // One pixel more than the page, for the line where it ends.
  switch (part) {
    case kRulerAcross:
      return CRect(m_rulerWidth, top, m_rulerWidth + m_model.GetPageUnion().Width() + 1,
                   top + m_rulerHeight);
    case kRulerDown:
      return CRect(0, top + m_rulerHeight, m_rulerWidth,
                   top + m_rulerHeight + m_model.GetPageRect(page).Height() + 1);
    default: return CRect(0, top, m_rulerWidth, top + m_rulerHeight);
  }
}

BOOL DocPageView::GetVisiblePages(const CRect& clip, int& first, int& last,
                                  DocBandMode mode) const {
  int low = 0, high = GetPageCount() - 1;
  while (low <= high) {
    int mid = (low + high) / 2;
    CRect rect = GetPageBandRect(mid, mode);
    if (rect.bottom <= clip.top) {
      low = mid + 1;
    } else if (rect.top >= clip.bottom) {
      high = mid - 1;
    } else {
      CRect meet;
      auto meets = [&](int page) {
        return page >= 0 && page < GetPageCount() &&
               meet.IntersectRect(&clip, GetPageBandRect(page, mode));
      };
      first = last = mid;
      while (meets(first - 1)) first--;
      while (meets(last + 1)) last++;
      return TRUE;
    }
  }
  return FALSE;
}

int DocPageView::PageAtY(int y) const {
  const std::vector<int>& tops = BandTops();
  if (tops.size() < 2 || y < tops.front() || y >= tops.back()) return -1;
  return static_cast<int>(std::upper_bound(tops.begin(), tops.end(), y) - tops.begin()) - 1;
}

CRect DocPageView::GetLineColumn(const DocLineNode* line) const {
  return GetLineColumnOnPage(line, m_model.GetLinePageIndex(line));
}

CRect DocPageView::GetLineColumnOnPage(const DocLineNode* line, int page) const {
  const CPageLayout* layout = SideLayout(page, line->side);
  if (layout == nullptr) return CRect();
  int left = ViewX(layout->textRect.left), right = ViewX(layout->textRect.right);
  int textWidth = layout->textRect.Width();
  const DocSection* section = line->section;
  if (section != nullptr && section->IsValidFor(textWidth) && section->ColumnOf(line) >= 0) {
    left += section->ColumnOffset(section->ColumnOf(line), textWidth, line->side);
    right = left + section->ColumnWidth(textWidth);
  }
  int top = GetPageTop(page, line->side) + line->cache.top;
  return CRect(left, top, right, top + line->cache.height);
}

CRect DocPageView::GetLineRect(const DocLineNode* line) const {
  return GetLineRectOnPage(line, m_model.GetLinePageIndex(line));
}

CRect DocPageView::GetLineRectOnPage(const DocLineNode* line, int page) const {
  CRect rect = GetLineColumnOnPage(line, page);
  if (IsRightToLeft(line->side))
    rect.left = rect.right - line->cache.width;
  else
    rect.right = rect.left + line->cache.width;
  return rect;
}

CRect DocPageView::GetCharRect(const DocCharNode* node) const {
  const DocLineNode* line = m_model.GetCharLine(node);
  CRect column = GetLineColumn(line);
  CRect rect(column.left, column.top, column.left, column.bottom);
  WalkLine(line, [&](DocCharNode* c, int left, int right) {
    if (c != node) return true;
    rect.left = left;
    rect.right = right;
    return false;
  });
  return rect;
}

CRect DocPageView::GetRangeRect(const DocCharNode* a, const DocCharNode* b) const {
  CRect ra = GetCharRect(a), rb = GetCharRect(b);
  // Not UnionRect: a character without width (the head, a break) still
  // stands at its place.
  return CRect(std::min(ra.left, rb.left), std::min(ra.top, rb.top), std::max(ra.right, rb.right),
               std::max(ra.bottom, rb.bottom));
}

CRect DocPageView::GetCaretRect(int side) const {
  CRect rect = GetCharRect(m_model.Side(side).caret);
  int x = IsRightToLeft(side) ? rect.left : rect.right;
  return CRect(x, rect.top, x + 1, rect.bottom);
}

int DocPageView::GetTextBottom() const {
  int side = m_model.GetCurrentSide();
  DocPageNode* page = m_model.GetLastPage(side);
  if (page == nullptr) return 0;
  return GetLineColumn(m_model.GetPageLastLine(page)).bottom;
}

void DocPageView::GetStatusText(CString& text) const {
  const DocCharNode* caret = m_model.Side(m_model.GetCurrentSide()).caret;
  text.Format("Pg %d, Ln %d", m_model.GetCharPageIndex(caret) + 1,
              m_model.GetCharLineIndexInPage(caret) + 1);
}

// --- Hit testing ------------------------------------------------------------

DocCharNode* DocPageView::CharFromPoint(CPoint point) const {
  int side = m_model.GetCurrentSide();
  int page = PageAtY(point.y);
  if (page < 0) return nullptr;
  DocPageNode* pageNode = m_model.GetNthPage(side, page);
  if (pageNode == nullptr) {
    DocPageNode* lastPage = m_model.GetLastPage(side);
    return m_model.GetLineLastChar(m_model.GetPageLastLine(lastPage));
  }
  if (point.y < GetPageTop(page, side)) return pageNode->first->first;
  const DocLineNode* line = LineAtPoint(side, page, point);
  if (line == nullptr) return m_model.GetLineLastChar(m_model.GetPageLastLine(pageNode));
  return CharNearX(line, point.x, FALSE);
}

const DocLineNode* DocPageView::LineAtPoint(int side, int page, CPoint point) const {
  DocPageNode* pageNode = m_model.GetNthPage(side, page);
  int textTop = GetPageTop(page, side);
  for (int i = 0;; i++) {
    const DocLineNode* line = m_model.GetPageLine(pageNode, i);
    if (line == nullptr) return nullptr;
    int top = textTop + line->cache.top;
    if (point.y < top || point.y >= top + line->cache.height) continue;
    return line->section != nullptr ? SectionLineAt(line, point) : line;
  }
}

const DocLineNode* DocPageView::SectionLineAt(const DocLineNode* line, CPoint point) const {
  const DocSection* section = line->section;
  int row = section->RowOf(line);
  if (row < 0) return line;
  const CLayoutRow& layoutRow = section->rows[row];
  // The column nearest x: columns stand in order from the left on the
  // English side and from the right on the Hebrew side.
  int best = -1, bestDistance = 0;
  for (int c = 0; c < section->columnCount; c++) {
    if (layoutRow.columnFirst[c] == nullptr) continue;
    CRect column = GetLineColumn(layoutRow.columnFirst[c]);
    int distance = point.x < column.left     ? column.left - point.x
                   : point.x >= column.right ? point.x - column.right + 1
                                             : 0;
    if (best < 0 || distance < bestDistance) {
      best = c;
      bestDistance = distance;
    }
  }
  if (best < 0) return line;
  // The line of that column at y, else the column's last line above y.
  const DocLineNode* found = layoutRow.columnFirst[best];
  for (const DocLineNode* l = found; l != nullptr; l = l->next) {
    if (GetLineColumn(l).top > point.y) break;
    found = l;
    if (l == layoutRow.columnLast[best]) break;
  }
  return found;
}

// The ends of the line take a point beyond them; within it the character
// under x decides by which half of it x is in. A click takes the character
// under it (the one before it from its leading half); a move to another line
// takes the character spanning x, and the one before it unless x is past the
// middle in the writing direction.
DocCharNode* DocPageView::CharNearX(const DocLineNode* line, int x, BOOL vertical) const {
  CRect rect = GetLineRect(line);
  DocCharNode* last = m_model.GetLineLastChar(line);
  bool rtl = IsRightToLeft(line->side);
  if (rtl ? x >= rect.right : x <= rect.left) return line->first;
  if (rtl ? x <= rect.left : x >= rect.right) return last;
  DocCharNode* found = nullptr;
  WalkLine(line, [&](DocCharNode* c, int left, int right) {
    bool under = vertical ? left < right && x >= left && x <= right : x >= left && x < right;
    if (!under) return true;
    int mid = (left + right) / 2;
    bool itself = vertical ? (rtl ? x < mid : x > mid) || c == line->first
                           : (rtl ? x <= mid : x >= mid) || c->prev == nullptr;
    found = itself ? c : c->prev;
    return false;
  });
  return found;
}
