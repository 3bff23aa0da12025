#include "editor/core/DocRunPainter.h"

#include <algorithm>

#include "hebtext/core/SortedStrings.h"

namespace {

// Side colours in the order the document keeps them.
enum { kSideText, kSideBack, kSideSelectedText, kSideSelection };

CString RunString(const std::string& bytes) {
  return CString(bytes.data(), static_cast<int>(bytes.size()));
}

// Characters that make a run of their own.
bool StandsAlone(BYTE letter) { return letter == kLetterTab || IsBreakLetter(letter); }

}  // namespace

void DocRunPainter::BeginSide(int side, const DocCharNode* start, const DocCharNode* end) {
  m_run.side = side;
  m_run.start = start;
  m_run.end = end;
  m_run.attr = PaintRunState::kNoAttr;
  m_run.inSelection = FALSE;
  m_run.backIndex = PaintRunState::kNoIndex;
  m_run.textColorKnown = FALSE;
  m_run.letters.clear();
  m_run.points.clear();
  m_run.clip.SetRectEmpty();
}

void DocRunPainter::SetClip(const CRect* clip) {
  if (clip != nullptr)
    m_run.clip = *clip;
  else
    m_run.clip.SetRectEmpty();
}

COLORREF DocRunPainter::TableColor(const CDWordArray& table, UINT index, COLORREF fallback) const {
  // An index beyond the table (a damaged file) shows the default colour.
  return index != 0 && index < static_cast<UINT>(table.GetSize()) ? table[index] : fallback;
}

void DocRunPainter::TakeFont(CharAttr attr, DocPaintPass pass) {
  CString face;
  WORD size;
  UINT style;
  m_model.GetAttrFont(attr, m_run.side, face, size, style);
  if (m_run.fontSelected && face == m_run.face && size == m_run.pointSize && style == m_run.style) return;
  FlushRun(pass);
  m_run.face = face;
  m_run.pointSize = size;
  m_run.style = style;
  m_run.fontSelected = TRUE;
  m_run.hebrewFace = IsProgramHebrewFont(face);
  m_dc.SelectFont(face, size, style);
}

void DocRunPainter::TakeColors(CharAttr attr, DocPaintPass pass) {
  const COLORREF* colors = m_model.Side(m_run.side).colors;
  const DocStyleTables& tables = m_model.GetStyleTables();
  BOOL printing = m_dc.IsPrinting();
  BOOL selected = (attr & CharAttrBits::kTransientMark) != 0 && !printing;
  if (selected) {
    if (m_run.inSelection) return;
    FlushRun(pass);
    m_run.inSelection = TRUE;
    m_run.backIndex = PaintRunState::kNoIndex;
    m_run.backColor = IsActiveSide() ? colors[kSideSelection] : kInactiveSelectionColor;
    m_run.textColor = colors[kSideSelectedText];
    m_run.textColorKnown = TRUE;
    return;
  }
  if (m_run.inSelection) {
    FlushRun(pass);
    m_run.inSelection = FALSE;
    m_run.backIndex = PaintRunState::kNoIndex;
    m_run.textColorKnown = FALSE;
  }
  BOOL ownColors = IsActiveSide() || printing;
  int backIndex = static_cast<int>(AttrBackColor(attr));
  if (backIndex != m_run.backIndex) {
    FlushRun(pass);
    m_run.backIndex = backIndex;
    m_run.backColor =
        ownColors ? TableColor(tables.backColors, backIndex, colors[kSideBack]) : colors[kSideBack];
  }
  COLORREF text = ownColors ? TableColor(tables.textColors, AttrTextColor(attr), colors[kSideText])
                            : kInactiveTextColor;
  if (!m_run.textColorKnown || text != m_run.textColor) {
    FlushRun(pass);
    m_run.textColor = text;
    m_run.textColorKnown = TRUE;
  }
}

void DocRunPainter::TakeAttr(CharAttr attr, DocPaintPass pass) {
  TakeFont(attr, pass);
  TakeColors(attr, pass);
  m_run.attr = attr;
}

// A run lies on one line: its rectangle is the line's from its leftmost
// character to its rightmost.
void DocRunPainter::Append(const DocCharNode* c, int left, int right, const CRect& line) {
  if (m_run.letters.empty()) {
    m_run.rect = CRect(left, line.top, right, line.bottom);
  } else {
    m_run.rect.left = std::min<int>(m_run.rect.left, left);
    m_run.rect.right = std::max<int>(m_run.rect.right, right);
  }
  m_run.letters += static_cast<char>(c->letter);
  m_run.points += static_cast<char>(c->point != 0 ? c->point : kNoPointCode);
}

void DocRunPainter::PaintLine(const DocLineNode* line, DocPaintPass pass) {
  CRect lineRect = m_pages.GetLineColumn(line);
  BOOL started = m_run.start == nullptr || !m_model.IsCharInLine(line, m_run.start);
  BOOL endsHere = m_run.end != nullptr && m_model.IsCharInLine(line, m_run.end);
  m_pages.WalkLine(line, [&](const DocCharNode* c, int left, int right) {
    if (!started) {
      if (c != m_run.start) return true;
      started = TRUE;
    }
    if (c->letter != 0) {
      if (c->attributes != m_run.attr) TakeAttr(c->attributes, pass);
      if (c->letter == kLetterSpace && pass == kTextPass) {
        // Each word is drawn at its own place, so justified lines keep their
        // spacing.
        FlushRun(pass);
      } else if (StandsAlone(c->letter)) {
        FlushRun(pass);
        Append(c, left, right, lineRect);
        FlushRun(pass);
      } else {
        Append(c, left, right, lineRect);
      }
    }
    return !(endsHere && c == m_run.end);
  });
  FlushRun(pass);
}

void DocRunPainter::FlushRun(DocPaintPass pass) {
  if (m_run.letters.empty()) return;
  BYTE first = static_cast<BYTE>(m_run.letters[0]);
  if (!IsBreakLetter(first)) {
    BOOL printing = m_dc.IsPrinting();
    const CRect* clip = !printing && !m_run.clip.IsRectEmpty() ? &m_run.clip : nullptr;
    BOOL rtl = m_run.side == kRightToLeftSide;
    CRect run = Scaled(m_run.rect);
    if (pass == kBackgroundPass) {
      m_dc.FillRect(run, m_run.backColor);
    } else if (m_run.hebrewFace) {
      // The renderer draws right to left: English runs are turned round.
      if (!rtl) {
        std::reverse(m_run.letters.begin(), m_run.letters.end());
        std::reverse(m_run.points.begin(), m_run.points.end());
      }
      m_dc.DrawHebrewText(run.right, run.top, RunString(m_run.letters), RunString(m_run.points),
                          m_run.textColor, clip);
    } else if (first != kLetterTab) {
      m_dc.SetTextColor(m_run.textColor);
      if (rtl) std::reverse(m_run.letters.begin(), m_run.letters.end());
      m_dc.DrawRunText(run.left, run.top, RunString(m_run.letters), clip);
    }
  }
  m_run.letters.clear();
  m_run.points.clear();
}

// --- Pages ------------------------------------------------------------------

void DocRunPainter::PaintPageLines(int page, const CRect& clip, DocPaintPass pass) {
  DocPageNode* pageNode = m_model.GetNthPage(m_run.side, page);
  for (int i = 0;; i++) {
    const DocLineNode* line = m_model.GetPageLine(pageNode, i);
    if (line == nullptr) return;
    CRect rect = m_pages.GetLineColumnOnPage(line, page);
    if (rect.bottom <= clip.top) continue;
    // Columns of a section begin again at the row's top: only plain lines
    // end the page.
    if (rect.top >= clip.bottom) {
      if (line->section == nullptr) return;
      continue;
    }
    CRect lineClip;
    lineClip.IntersectRect(&rect, &clip);
    SetClip(pass == kTextPass ? &lineClip : nullptr);
    PaintLine(line, pass);
    SetClip(nullptr);
  }
}

void DocRunPainter::PaintPages(const CRect& clip) {
  int first, last;
  if (!m_pages.GetVisiblePages(clip, first, last, kBandPage)) return;
  int active = m_model.GetCurrentSide();
  for (DocPaintPass pass : {kBackgroundPass, kTextPass}) {
    for (int side : {1 - active, active}) {
      int pages = m_model.GetPageCount(side);
      for (int page = first; page <= last && page < pages; page++) {
        BeginSide(side);
        PaintPageLines(page, clip, pass);
      }
    }
  }
}

// --- Printing ---------------------------------------------------------------

CRect DocRunPainter::Scaled(const CRect& rect) const {
  if (!m_bScaled) return rect;
  auto x = [&](int v) {
    return m_scaleTo.x + static_cast<int>((v - m_scaleFrom.x) * m_scaleX + 0.5);
  };
  auto y = [&](int v) {
    return m_scaleTo.y + static_cast<int>((v - m_scaleFrom.y) * m_scaleY + 0.5);
  };
  return CRect(x(rect.left), y(rect.top), x(rect.right), y(rect.bottom));
}

void DocRunPainter::PrintPage(int page, const CRect printAreas[kDocSideCount]) {
  for (DocPaintPass pass : {kBackgroundPass, kTextPass}) {
    for (int side = 0; side < kDocSideCount; side++) {
      const CPageLayout* layout = m_model.GetNthLayout(side, page);
      DocPageNode* pageNode = m_model.GetNthPage(side, page);
      const CRect& area = printAreas[side];
      if (layout == nullptr || pageNode == nullptr || area.IsRectEmpty() || !layout->HasTextArea())
        continue;
      BeginSide(side);
      m_bScaled = TRUE;
      m_scaleFrom = CPoint(m_pages.ViewX(layout->textRect.left), m_pages.GetPageTop(page, side));
      m_scaleTo = area.TopLeft();
      m_scaleX = static_cast<double>(area.Width()) / layout->textRect.Width();
      m_scaleY = static_cast<double>(area.Height()) / layout->textRect.Height();
      for (int i = 0;; i++) {
        const DocLineNode* line = m_model.GetPageLine(pageNode, i);
        if (line == nullptr) break;
        PaintLine(line, pass);
      }
      m_bScaled = FALSE;
    }
  }
}

// --- Repaint after an edit --------------------------------------------------

void DocRunPainter::FillLineGaps(const CRect& area, const DocVisibleLines& visible) {
  COLORREF back = m_model.Side(m_model.GetCurrentSide()).colors[kSideBack];
  for (const CRect& gap : visible.GapsAround(1 - m_model.GetCurrentSide(), area))
    m_dc.FillRect(gap, back);
}

void DocRunPainter::RepaintOtherSide(const CRect& area, const DocVisibleLines& visible) {
  int other = 1 - m_model.GetCurrentSide();
  for (const DocVisibleLine& l : visible.Lines(other)) {
    CRect clip;
    if (!clip.IntersectRect(&l.rect, &area)) continue;
    BeginSide(other);
    SetClip(&clip);
    PaintLine(l.line, kTextPass);
  }
}

void DocRunPainter::RepaintLineRange(const DocCharNode* first, const DocCharNode* last,
                                     const CRect& client, const DocVisibleLines& visible) {
  if (first == nullptr || last == nullptr) return;
  int side = m_model.GetCurrentSide();
  const DocLineNode* lastLine = m_model.GetCharLine(last);
  const DocLineNode* line = m_model.GetCharLine(first);
  for (; line != nullptr; line = line->next) {
    CRect column = m_pages.GetLineColumn(line);
    // Ordinary text below the client area has only text below it: the rest
    // of the range, however long, is out of sight.
    if (line->section == nullptr && column.top >= client.bottom) return;
    CRect area;
    if (area.IntersectRect(&column, &client)) {
      FillLineGaps(area, visible);
      RepaintOtherSide(area, visible);
      BeginSide(side);
      PaintLine(line, kBackgroundPass);
      SetClip(&area);
      PaintLine(line, kTextPass);
    }
    if (line == lastLine) break;
  }
  if (line == nullptr) return;
  // Lines that moved up or went leave their old place below the page's last
  // line.
  int page = m_model.GetLinePageIndex(line);
  DocPageNode* pageNode = m_model.GetNthPage(side, page);
  const CPageLayout* layout = m_model.GetNthLayout(side, page);
  if (pageNode == nullptr || layout == nullptr) return;
  CRect below = m_pages.GetLineColumn(m_model.GetPageLastLine(pageNode));
  below.top = below.bottom;
  below.left = m_pages.ViewX(layout->textRect.left);
  below.right = m_pages.ViewX(layout->textRect.right);
  below.bottom = m_pages.GetPageTop(page, side) + layout->textRect.Height();
  CRect area;
  if (area.IntersectRect(&below, &client)) {
    FillLineGaps(area, visible);
    RepaintOtherSide(area, visible);
  }
}
