#include "tables/win/GrammarCellPaint.h"

#include <cstring>

#include "classlib/win/CDC.h"
#include "hebtext/win/CFontInfo.h"
#include "hebtext/win/HebrewTextDraw.h"
#include "tables/core/KtivKhaser.h"

namespace {
constexpr COLORREF kSelectedText = RGB(255, 255, 255);
}  // namespace

int ScaledGrammarValue(int value, double scale) { return static_cast<int>(value * scale + 0.5); }

CRect PlaceOnTarget(const GrammarDrawTarget& target, const CRect& logical) {
  CRect placed(ScaledGrammarValue(logical.left, target.scale),
               ScaledGrammarValue(logical.top, target.scale),
               ScaledGrammarValue(logical.right, target.scale),
               ScaledGrammarValue(logical.bottom, target.scale));
  placed.OffsetRect(target.offset);
  return placed;
}

void MeasureGrammarCell(GrammarCell& cell, const VerbTableCell& content, const CFontInfo& font,
                        int alternate) {
  if (IsGrammarCellEmpty(cell)) return;
  LONG offset = SpellingOffset(content, alternate);
  int width = MeasureHebrewText(font, cell.shown.letters + offset, cell.shown.vowels + offset, -1,
                                !g_ktivKhaser);
  cell.left = -width;
  cell.right = 0;
  cell.bottom = font.GetLineHeight();
}

void DrawGrammarCell(const GrammarDrawTarget& target, const GrammarCell& cell,
                     const VerbTableCell& content, CPoint anchor, int alternate) {
  if (IsGrammarCellEmpty(cell)) return;
  LONG offset = SpellingOffset(content, alternate);
  COLORREF colour = SpellingColour(content, alternate);
  CRect rect = GrammarCellRect(cell, anchor);
  CRect drawn(
      ScaledGrammarValue(rect.left, target.scale), ScaledGrammarValue(rect.top, target.scale),
      ScaledGrammarValue(rect.right, target.scale), ScaledGrammarValue(rect.bottom, target.scale));
  drawn.OffsetRect(target.offset);
  if (!target.printing)
    target.pDC->FillSolidRect(&drawn, cell.selected ? colour : ::GetSysColor(COLOR_BTNFACE));
  COLORREF text = cell.selected && !target.printing ? kSelectedText : colour;
  target.pDC->SetBkMode(TRANSPARENT);
  CFont* pOld = target.pDC->SelectObject(target.pFont->GetFont());
  const BYTE* letters = cell.shown.letters + offset;
  int count = static_cast<int>(strnlen(reinterpret_cast<const char*>(letters), kWordPlaneSize));
  DrawHebrewText(target.pDC, target.pFont, drawn.right, drawn.top, letters,
                 cell.shown.vowels + offset, count, text, text, !g_ktivKhaser, kQamatsQatanAsText,
                 nullptr, FALSE, text, text, kNoHighlight);
  target.pDC->SelectObject(pOld);
}
