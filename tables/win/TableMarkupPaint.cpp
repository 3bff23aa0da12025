#include "tables/win/TableMarkupPaint.h"

#include <cstring>

#include "classlib/win/CDC.h"
#include "classlib/win/CFont.h"
#include "classlib/win/WindowDCs.h"
#include "hebtext/core/PointedText.h"
#include "hebtext/win/CFontInfo.h"
#include "hebtext/win/HebrewTextDraw.h"
#include "hebtext/win/ScreenDpi.h"
#include "tables/core/MarkupFonts.h"
#include "tables/core/TableMarkupLayout.h"

namespace {

CFontInfo* s_pHebrewFont = nullptr;

constexpr char kColumnGapText[] = "W";
constexpr int kWordCapacity = kMarkupMaxWordLength + 1;

LOGFONT MarkupLogFont(const MarkupFontChoice& font) {
  LOGFONT logFont = {};
  logFont.lfHeight = font.height;
  logFont.lfWeight = font.weight;
  logFont.lfItalic = font.italic ? TRUE : FALSE;
  ::lstrcpynA(logFont.lfFaceName, font.face, LF_FACESIZE);
  return logFont;
}

CFont* SelectStockFont(CDC* pDC) {
  CGdiObject* previous = pDC->SelectStockObject(SYSTEM_FONT);
  return previous ? CFont::FromHandle(static_cast<HFONT>(previous->GetSafeHandle())) : nullptr;
}

// A Hebrew cell's text split into letters and vowels.
struct HebrewRun {
  BYTE letters[kWordCapacity];
  BYTE vowels[kWordCapacity];
  int count;

  explicit HebrewRun(const TableMarkupCell& cell)
      : count(SplitLettersAndVowels(cell.text.c_str(), letters, vowels, kWordCapacity, 0)) {}
};

// Selects each cell's font into a device context as the cells go by, only
// when it changes, and gives the selection back at the end.
class MarkupFontSelection {
 public:
  explicit MarkupFontSelection(CDC* pDC) : m_pDC(pDC), m_pPrevious(SelectStockFont(pDC)) {}
  ~MarkupFontSelection() {
    if (m_pPrevious) m_pDC->SelectObject(m_pPrevious);
  }
  MarkupFontSelection(const MarkupFontSelection&) = delete;
  MarkupFontSelection& operator=(const MarkupFontSelection&) = delete;

  void Select(const TableMarkupCell& cell) {
    if (m_pLast && SameMarkupFont(*m_pLast, cell)) return;
    m_pLast = &cell;
    // The font made for the cell before is deselected before it goes.
    SelectStockFont(m_pDC);
    SelectMarkupFont(m_pDC, cell, m_made);
    if (cell.font == kMarkupHebrewFont) {
      m_hebrew.SetFromLogFont(m_pDC, MarkupLogFont(MarkupFontFor(cell, g_screenDpi)));
      m_hebrew.MeasureCharWidths(m_pDC);
    }
  }
  // The record of the selected Hebrew font, for the Hebrew measurer and drawer.
  CFontInfo& Hebrew() { return m_hebrew; }

 private:
  CDC* m_pDC;
  CFont* m_pPrevious;
  CFont m_made;
  CFontInfo m_hebrew;
  const TableMarkupCell* m_pLast = nullptr;
};

class ScreenMeasurer : public TableMarkupMeasurer {
 public:
  ScreenMeasurer() : m_fonts(&m_screen) {
    TEXTMETRIC metrics = {};
    m_screen.GetTextMetrics(&metrics);
    m_defaultRowHeight = metrics.tmHeight + metrics.tmExternalLeading;
  }

  int DefaultRowHeight() override { return m_defaultRowHeight; }
  int ColumnGap() override {
    return m_screen.GetTextExtent(kColumnGapText, static_cast<int>(std::strlen(kColumnGapText))).cx;
  }
  int HebrewLineHeight() override {
    return s_pHebrewFont ? s_pHebrewFont->GetLineHeight() : m_defaultRowHeight;
  }
  SIZE MeasureCell(const TableMarkupCell& cell) override {
    m_fonts.Select(cell);
    if (cell.font == kMarkupHebrewFont) {
      const HebrewRun run(cell);
      return SIZE{MeasureHebrewText(m_fonts.Hebrew(), run.letters, run.vowels, run.count, TRUE), 0};
    }
    return m_screen.GetTextExtent(cell.text.c_str(), static_cast<int>(cell.text.size()));
  }

 private:
  CClientDC m_screen{nullptr};
  MarkupFontSelection m_fonts;
  int m_defaultRowHeight = 0;
};

}  // namespace

void SetMarkupHebrewFont(CFontInfo* pFont) { s_pHebrewFont = pFont; }

CFontInfo* GetMarkupHebrewFont() { return s_pHebrewFont; }

CFont* SelectMarkupFont(CDC* pDC, const TableMarkupCell& cell, CFont& made) {
  made.DeleteObject();
  const MarkupFontChoice font = MarkupFontFor(cell, g_screenDpi);
  if (font.stock) return SelectStockFont(pDC);
  const LOGFONT logFont = MarkupLogFont(font);
  if (!made.CreateFontIndirect(&logFont)) return SelectStockFont(pDC);
  return pDC->SelectObject(&made);
}

void MeasureTableMarkup(TableMarkupHeader& table) {
  ScreenMeasurer measurer;
  MeasureTableMarkup(table, measurer);
}

void DrawTableMarkup(const TableMarkupHeader& table, CDC* pDC, POINT origin) {
  MarkupFontSelection fonts(pDC);
  const int oldMode = pDC->SetBkMode(TRANSPARENT);
  const std::vector<POINT> places = PlaceTableMarkupCells(table, origin);
  for (size_t i = 0; i < places.size(); ++i) {
    const TableMarkupCell& cell = table.cells[i];
    const POINT at = places[i];
    fonts.Select(cell);
    const COLORREF colour = static_cast<COLORREF>(cell.textColor);
    if (cell.font == kMarkupHebrewFont) {
      // Hebrew runs are drawn from their right edge, never on a fill.
      const HebrewRun run(cell);
      DrawHebrewText(pDC, &fonts.Hebrew(), at.x + cell.width, at.y, run.letters, run.vowels,
                     run.count, colour, colour, TRUE, kQamatsQatanAsText, nullptr, FALSE, colour,
                     colour, kNoHighlight);
      continue;
    }
    if (static_cast<COLORREF>(cell.background) != kMarkupNoBackground)
      pDC->FillSolidRect(at.x, at.y, cell.width, cell.height,
                         static_cast<COLORREF>(cell.background));
    pDC->SetTextColor(colour);
    pDC->TextOut(at.x, at.y, cell.text.c_str(), static_cast<int>(cell.text.size()));
  }
  pDC->SetBkMode(oldMode);
}
