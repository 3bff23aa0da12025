// Drawing a grammar table's cell: its spelling for the current alternate
// index, right-aligned at its anchor, on the screen or on the printed page.
// The verb and declension views draw their cells alike.
#pragma once

#include "classlib/core/Geometry.h"
#include "tables/core/GrammarCell.h"
#include "tables/core/VerbTableContent.h"

class CDC;
class CFontInfo;

// Where a table is drawn: the screen (scale 1, no offset) or the page.
struct GrammarDrawTarget {
  CDC* pDC;
  CFontInfo* pFont;
  double scale = 1.0;
  CPoint offset;
  bool printing = false;
};

int ScaledGrammarValue(int value, double scale);
// A rectangle of the view (logical) where the target draws it.
CRect PlaceOnTarget(const GrammarDrawTarget& target, const CRect& logical);

// Sizes the cell to the spelling shown for the alternate index.
void MeasureGrammarCell(GrammarCell& cell, const VerbTableCell& content, const CFontInfo& font,
                        int alternate);

// Draws the spelling in its colour on the button face, or inverted when
// the cell is selected on the screen.
void DrawGrammarCell(const GrammarDrawTarget& target, const GrammarCell& cell,
                     const VerbTableCell& content, CPoint anchor, int alternate);
