// The captions of a declension table's cells: the control each caption
// stands in, its text, the hover rectangle it is kept under and the person
// tip it gives.
#pragma once

struct DeclensionCaption {
  int controlId;     // 0: the cell has no caption control
  const char* text;  // empty for a control with no caption
};

// The caption of a cell of the table type (1 noun, 2 preposition,
// 3 adjective, 4 general vocabulary).
DeclensionCaption DeclensionCellCaption(int tableType, int cell);

// The hover rectangle that holds the cell's own caption: captions are kept
// one slot down (cell - 1; the adjectives' under their cell), so the first
// cell has none (-1). Scrolling a cell into view unites the cell with this.
int CaptionRectIndex(int tableType, int cell);

// What a hover over the caption rectangle of the index asks the person tip
// builder for; person 0 or below gives no tip.
struct DeclensionTipRequest {
  int person;
  int style;
};
DeclensionTipRequest TipRequestForCaption(int tableType, int rectIndex);
