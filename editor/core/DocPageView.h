// Where a document's pages, lines and characters stand in the editor view:
// pages stack downwards, each a band of a horizontal ruler strip above the
// page, with the vertical ruler strip on its left. The Hebrew side runs from
// its right margin leftwards, the English side from its left margin. Also
// turns a point of the view into the character the caret goes to.
#pragma once

#include <vector>

#include "classlib/core/CString.h"
#include "classlib/core/Geometry.h"
#include "editor/core/DocTextModel.h"

// How much of a page's band GetPageBandRect gives.
enum DocBandMode {
  kBandWhole = 0,  // from x 0, rulers included: the band a point falls in
  kBandPage = 1,   // the page in view coordinates
  kBandBare = 2,   // the page without the ruler offsets
};

// The strips of a page's rulers, in the order they are painted.
enum DocRulerPart {
  kRulerAcross,  // above the page, right of the corner
  kRulerDown,    // left of the page, below the corner
  kRulerCorner,  // the square that shows the page number
};

// The Hebrew side, written from its right margin leftwards.
constexpr int kRightToLeftSide = 1;

// What GetPageTop measures: a side's text top, or the band's top.
constexpr int kBandTop = 2;

class DocPageView {
 public:
  explicit DocPageView(DocTextModel& model) : m_model(model) {}

  void SetRulerSize(int width, int height);
  int GetRulerWidth() const { return m_rulerWidth; }
  int GetRulerHeight() const { return m_rulerHeight; }

  // Pages of the side with more of them.
  int GetPageCount() const;
  // side 0 or 1: the top of that side's text; kBandTop: the band's top.
  int GetPageTop(int page, int side) const;
  CRect GetPageBandRect(int page, DocBandMode mode) const;
  // Where a ruler strip of the page stands in the view; empty for a page
  // the document does not have.
  CRect GetRulerRect(int page, DocRulerPart part) const;
  // The pages whose rectangle in that mode meets the clip; FALSE when none.
  BOOL GetVisiblePages(const CRect& clip, int& first, int& last, DocBandMode mode) const;
  // The page whose whole band holds y, -1 for none.
  int PageAtY(int y) const;
  // A page x in view coordinates.
  int ViewX(int pageX) const { return m_rulerWidth + pageX - m_model.GetPageUnion().left; }

  // The text a line holds, in view coordinates: from the margin (or its
  // column's edge) as wide as the text.
  CRect GetLineRect(const DocLineNode* line) const;
  // The column (or the whole text area) a line is set in.
  CRect GetLineColumn(const DocLineNode* line) const;
  // The same two for a line on a page the caller knows, which spares the walk
  // to the page's first line.
  CRect GetLineRectOnPage(const DocLineNode* line, int page) const;
  CRect GetLineColumnOnPage(const DocLineNode* line, int page) const;
  CRect GetCharRect(const DocCharNode* node) const;
  // Calls visit(node, left, right) for each character of the line, from its
  // first node, with its extent in view coordinates; visit returns false to
  // stop.
  template <typename Visit>
  void WalkLine(const DocLineNode* line, Visit visit) const;
  // The union of two characters' rectangles: what scrolling brings into view
  // for a found or spoken word.
  CRect GetRangeRect(const DocCharNode* a, const DocCharNode* b) const;
  // One pixel wide beside the caret character, on the side the text runs to.
  CRect GetCaretRect(int side) const;
  // Bottom of the active side's last line.
  int GetTextBottom() const;
  // "Pg %d, Ln %d" of the caret's line, both counted from 1.
  void GetStatusText(CString& text) const;

  // The character the caret goes to for a point in view coordinates on the
  // active side; null when the point is on no page or no character.
  DocCharNode* CharFromPoint(CPoint point) const;
  // The caret on a line for an x aimed at: the line's first node, its last
  // character or the character nearest x; null when no character spans x.
  DocCharNode* CharOnLineAtX(const DocLineNode* line, int x) const {
    return CharNearX(line, x, TRUE);
  }

 private:
  // Band tops of all pages and the bottom of the last, kept until the pages
  // or their sizes change.
  const std::vector<int>& BandTops() const;
  const CPageLayout* SideLayout(int page, int side) const;
  const DocLineNode* LineAtPoint(int side, int page, CPoint point) const;
  // Among a section row's lines at y, the one of the column holding x.
  const DocLineNode* SectionLineAt(const DocLineNode* line, CPoint point) const;
  DocCharNode* CharNearX(const DocLineNode* line, int x, BOOL vertical) const;

  DocTextModel& m_model;
  int m_rulerWidth = 0;
  int m_rulerHeight = 0;
  mutable std::vector<int> m_bandTops;
  mutable DWORD m_bandChanges = 0;
  mutable bool m_bandsKnown = false;
};

template <typename Visit>
void DocPageView::WalkLine(const DocLineNode* line, Visit visit) const {
  const CPageLayout* layout = SideLayout(m_model.GetLinePageIndex(line), line->side);
  if (layout == nullptr) return;
  CRect column = GetLineColumn(line);
  bool rtl = line->side == kRightToLeftSide;
  const DocCharNode* last = m_model.GetLineLastChar(line);
  int x = 0;
  for (DocCharNode* c = line->first; c != nullptr; c = c->next) {
    int next = m_model.NextCharX(*layout, c, x);
    bool more = rtl ? visit(c, column.right - next, column.right - x)
                    : visit(c, column.left + x, column.left + next);
    if (!more || c == last) return;
    x = next;
  }
}
