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
  m_side = side;
  m_start = start;
  m_end = end;
  m_attr = kNoAttr;
  m_bInSelection = FALSE;
  m_backIndex = kNoIndex;
  m_bTextColorKnown = FALSE;
  m_letters.clear();
  m_points.clear();
  m_clip.SetRectEmpty();
}

void DocRunPainter::SetClip(const CRect* clip) {
  if (clip != nullptr)
    m_clip = *clip;
  else
    m_clip.SetRectEmpty();
}

COLORREF DocRunPainter::TableColor(const CDWordArray& table, UINT index, COLORREF fallback) const {
  // An index beyond the table (a damaged file) shows the default colour.
  return index != 0 && index < static_cast<UINT>(table.GetSize()) ? table[index] : fallback;
}

void DocRunPainter::TakeFont(CharAttr attr, DocPaintPass pass) {
  CString face;
  WORD size;
  UINT style;
  m_model.GetAttrFont(attr, m_side, face, size, style);
  if (m_bFontSelected && face == m_face && size == m_pointSize && style == m_style) return;
  FlushRun(pass);
  m_face = face;
  m_pointSize = size;
  m_style = style;
  m_bFontSelected = TRUE;
  m_bHebrewFace = IsProgramHebrewFont(face);
  m_dc.SelectFont(face, size, style);
}

void DocRunPainter::TakeColors(CharAttr attr, DocPaintPass pass) {
  const COLORREF* colors = m_model.Side(m_side).colors;
  const DocStyleTables& tables = m_model.GetStyleTables();
  BOOL printing = m_dc.IsPrinting();
  BOOL selected = (attr & CharAttrBits::kTransientMark) != 0 && !printing;
  if (selected) {
    if (m_bInSelection) return;
    FlushRun(pass);
    m_bInSelection = TRUE;
    m_backIndex = kNoIndex;
    m_backColor = IsActiveSide() ? colors[kSideSelection] : kInactiveSelectionColor;
    m_textColor = colors[kSideSelectedText];
    m_bTextColorKnown = TRUE;
    return;
  }
  if (m_bInSelection) {
    FlushRun(pass);
    m_bInSelection = FALSE;
    m_backIndex = kNoIndex;
    m_bTextColorKnown = FALSE;
  }
  BOOL ownColors = IsActiveSide() || printing;
  int backIndex = static_cast<int>(AttrBackColor(attr));
  if (backIndex != m_backIndex) {
    FlushRun(pass);
    m_backIndex = backIndex;
    m_backColor =
        ownColors ? TableColor(tables.backColors, backIndex, colors[kSideBack]) : colors[kSideBack];
  }
  COLORREF text = ownColors ? TableColor(tables.textColors, AttrTextColor(attr), colors[kSideText])
                            : kInactiveTextColor;
  if (!m_bTextColorKnown || text != m_textColor) {
    FlushRun(pass);
    m_textColor = text;
    m_bTextColorKnown = TRUE;
  }
}

void DocRunPainter::TakeAttr(CharAttr attr, DocPaintPass pass) {
  TakeFont(attr, pass);
  TakeColors(attr, pass);
  m_attr = attr;
}

// A run lies on one line: its rectangle is the line's from its leftmost
// character to its rightmost.
void DocRunPainter::Append(const DocCharNode* c, int left, int right, const CRect& line) {
  if (m_letters.empty()) {
    m_runRect = CRect(left, line.top, right, line.bottom);
  } else {
    m_runRect.left = std::min<int>(m_runRect.left, left);
    m_runRect.right = std::max<int>(m_runRect.right, right);
  }
  m_letters += static_cast<char>(c->letter);
  m_points += static_cast<char>(c->point != 0 ? c->point : kNoPointCode);
}

void DocRunPainter::PaintLine(const DocLineNode* line, DocPaintPass pass) {
  CRect lineRect = m_pages.GetLineColumn(line);
  BOOL started = m_start == nullptr || !m_model.IsCharInLine(line, m_start);
  BOOL endsHere = m_end != nullptr && m_model.IsCharInLine(line, m_end);
  m_pages.WalkLine(line, [&](const DocCharNode* c, int left, int right) {
    if (!started) {
      if (c != m_start) return true;
      started = TRUE;
    }
    if (c->letter != 0) {
      if (c->attributes != m_attr) TakeAttr(c->attributes, pass);
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
    return !(endsHere && c == m_end);
  });
  FlushRun(pass);
}

void DocRunPainter::FlushRun(DocPaintPass pass) {
  if (m_letters.empty()) return;
  BYTE first = static_cast<BYTE>(m_letters[0]);
  if (!IsBreakLetter(first)) {
    BOOL printing = m_dc.IsPrinting();
    const CRect* clip = !printing && !m_clip.IsRectEmpty() ? &m_clip : nullptr;
    BOOL rtl = m_side == kRightToLeftSide;
    CRect run = Scaled(m_runRect);
    if (pass == kBackgroundPass) {
      m_dc.FillRect(run, m_backColor);
    } else if (m_bHebrewFace) {
      // The renderer draws right to left: English runs are turned round.
      if (!rtl) {
        std::reverse(m_letters.begin(), m_letters.end());
        std::reverse(m_points.begin(), m_points.end());
      }
      m_dc.DrawHebrewText(run.right, run.top, RunString(m_letters), RunString(m_points),
                          m_textColor, clip);
    } else if (first != kLetterTab) {
      m_dc.SetTextColor(m_textColor);
      if (rtl) std::reverse(m_letters.begin(), m_letters.end());
      m_dc.DrawRunText(run.left, run.top, RunString(m_letters), clip);
    }
  }
  m_letters.clear();
  m_points.clear();
}

// --- Pages ------------------------------------------------------------------

void DocRunPainter::PaintPageLines(int page, const CRect& clip, DocPaintPass pass) {
  DocPageNode* pageNode = m_model.GetNthPage(m_side, page);
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

void DocRunPainter::RepaintUnder(const CRect& area, const DocVisibleLines& visible) {
  int active = m_model.GetCurrentSide();
  int other = 1 - active;
  COLORREF back = m_model.Side(active).colors[kSideBack];
  for (const CRect& gap : visible.GapsAround(other, area)) m_dc.FillRect(gap, back);
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
      RepaintUnder(area, visible);
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
  if (area.IntersectRect(&below, &client)) RepaintUnder(area, visible);
}
