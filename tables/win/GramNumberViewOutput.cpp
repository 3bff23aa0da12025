// What the number table shows and what leaves it: the cells drawn on the
// screen or the page, a cell copied to the clipboard, the table printed or
// previewed.
#include <algorithm>
#include <cmath>
#include <utility>

#include "classlib/win/AfxRes.h"
#include "classlib/win/CDC.h"
#include "classlib/win/CPrintInfo.h"
#include "editor/win/PagePrinter.h"
#include "hebtext/win/ClipboardText.h"
#include "hebtext/win/DrawHelpers.h"
#include "hebtext/win/HebrewTextDraw.h"
#include "tables/core/KtivKhaser.h"
#include "tables/core/NumberCaptions.h"
#include "tables/core/NumberCellText.h"
#include "tables/core/NumberInput.h"
#include "tables/win/GramNumberView.h"
#include "tables/win/GrammarPrinting.h"

namespace {

constexpr COLORREF kNavy = RGB(0, 0, 128);
constexpr COLORREF kFiguresColour = RGB(128, 0, 0);
constexpr COLORREF kSelectedText = RGB(255, 255, 255);
constexpr COLORREF kPrintedFigures = RGB(0, 0, 0);
// The room beside the figures, and their distance from the cell's top.
constexpr int kFiguresMargin = 3;
constexpr int kFiguresTop = 2;
// Printed figures that would run into a line stand at a third of the room.
constexpr int kFiguresThird = 3;

int ScaledValue(int value, double scale) { return static_cast<int>(std::lround(value * scale)); }

// Widths and heights of cell text in the view's three Hebrew fonts.
class HebrewFontMeasurer : public NumberTextMeasurer {
 public:
  HebrewFontMeasurer(const CFontInfo* fonts, BOOL pointed) : m_fonts(fonts), m_pointed(pointed) {}
  int Width(const char* text, int length, NumberFont font) override {
    const NumberTextPlanes planes = SplitNumberText(std::string(text, length));
    return MeasureHebrewText(m_fonts[font], planes.letters.data(), planes.vowels.data(),
                             planes.count, m_pointed);
  }
  int LineHeight(NumberFont font) override { return m_fonts[font].GetLineHeight(); }

 private:
  const CFontInfo* m_fonts;
  BOOL m_pointed;
};

}  // namespace

// ---- Drawing.

void CGramNumberView::OnDraw(CDC* pDC) {
  if (!m_bInitialised) return;
  DrawTarget target{pDC, m_hebrewFonts, &m_labelFont, &m_figureFont, 1.0, CPoint(0, 0), false};
  CRect clip;
  pDC->GetClipBox(&clip);
  const NumberCellRange range = ShownNumberCells(IsSequence());
  for (int cell = range.first; cell < range.first + range.count; ++cell) {
    CRect overlap;
    if (overlap.IntersectRect(&clip, &m_cells[cell].rect)) DrawCell(target, cell);
  }
}

void CGramNumberView::DrawCell(const DrawTarget& target, int cell) {
  const NumberCell& drawn = m_cells[cell];
  const bool selected = drawn.selected && !target.printing;
  CRect rect(ScaledValue(drawn.rect.left, target.scale), ScaledValue(drawn.rect.top, target.scale),
             ScaledValue(drawn.rect.right, target.scale),
             ScaledValue(drawn.rect.bottom, target.scale));
  rect.OffsetRect(target.offset);
  CDC* pDC = target.pDC;
  if (!target.printing) {
    pDC->FillSolidRect(&rect, selected ? kNavy : ::GetSysColor(COLOR_BTNFACE));
    if (cell != kEnglishWordsCell) DrawFrame3D(pDC, rect, FALSE, selected, FALSE);
  }
  const COLORREF text = selected ? kSelectedText : kNavy;
  pDC->SetBkMode(TRANSPARENT);
  if (cell == kEnglishWordsCell) {
    CFont* pOld = pDC->SelectObject(target.pLabelFont);
    pDC->SetTextColor(text);
    pDC->DrawText(drawn.text, -1, &rect, DT_CENTER | DT_WORDBREAK);
    pDC->SelectObject(pOld);
    return;
  }
  if (drawn.text[0] != '\0')
    DrawHebrewCell(target, cell, rect, text, selected ? kSelectedText : kFiguresColour);
}

void CGramNumberView::DrawHebrewCell(const DrawTarget& target, int cell, const CRect& rect,
                                     COLORREF text, COLORREF figuresColour) {
  CDC* pDC = target.pDC;
  const bool sequenceCell = cell < kSequenceCells;
  const BOOL pointed = !g_ktivKhaser;
  const std::string shown = pointed ? m_cells[cell].text : RespellNumberText(m_cells[cell].text);
  int reserved = 0;
  std::string figures;
  CSize figuresSize;
  if (sequenceCell) {
    figures = SequenceFigures(m_sequenceValues[cell], m_ordinal);
    CFont* pOld = pDC->SelectObject(target.pFigureFont);
    figuresSize = pDC->GetTextExtent(figures.c_str(), static_cast<int>(figures.size()));
    reserved = figuresSize.cx + ScaledValue(kFiguresMargin, target.scale);
    if (!target.printing) {
      pDC->SetTextColor(figuresColour);
      pDC->TextOut(rect.right - reserved, rect.top + kFiguresTop + (m_cells[cell].selected ? 1 : 0),
                   figures.c_str(), static_cast<int>(figures.size()));
    }
    pDC->SelectObject(pOld);
  }

  HebrewFontMeasurer measurer(target.hebrewFonts, pointed);
  const NumberCellLayout layout = LayOutNumberCell(shown, rect, reserved, sequenceCell, measurer);
  CFontInfo& font = target.hebrewFonts[layout.font];
  CFont* pOld = pDC->SelectObject(font.GetFont());
  CRect textRect;
  for (const NumberTextLine& line : layout.lines) {
    const NumberTextPlanes planes = SplitNumberText(shown.substr(line.start, line.length));
    DrawHebrewText(pDC, &font, line.rightTop.x, line.rightTop.y, planes.letters.data(),
                   planes.vowels.data(), planes.count, text, text, pointed, kQamatsQatanAsText,
                   nullptr, FALSE, text, text, kNoHighlight);
    const CRect lineRect(line.rightTop.x - line.width, line.rightTop.y, line.rightTop.x,
                         line.rightTop.y + font.GetLineHeight());
    textRect.UnionRect(&textRect, &lineRect);
  }
  pDC->SelectObject(pOld);

  if (target.printing && sequenceCell) {
    int top = rect.top + (rect.Height() - figuresSize.cy) / 2;
    const CRect centred(rect.right - reserved, top, rect.right - reserved + figuresSize.cx,
                        top + figuresSize.cy);
    CRect overlap;
    for (const NumberTextLine& line : layout.lines) {
      const CRect lineRect(line.rightTop.x - line.width, line.rightTop.y, line.rightTop.x,
                           line.rightTop.y + font.GetLineHeight());
      if (overlap.IntersectRect(&centred, &lineRect))
        top = rect.top + (rect.Height() - figuresSize.cy) / kFiguresThird;
    }
    CFont* pOldFigures = pDC->SelectObject(target.pFigureFont);
    pDC->SetTextColor(kPrintedFigures);
    pDC->TextOut(rect.right - reserved, top, figures.c_str(), static_cast<int>(figures.size()));
    pDC->SelectObject(pOldFigures);
  }
  if (!target.printing) m_textRects[cell] = sequenceCell ? rect : textRect;
}

// ---- Copying.

void CGramNumberView::CopyText(bool withoutStress) {
  const NumberTextCopy copy = BuildNumberTextCopy(m_copyText, withoutStress);
  if (copy.text.IsEmpty()) return;
  if (CopyTextToClipboard(copy.text, CF_TEXT, TRUE))
    CopyTextToClipboard(copy.unicode.c_str(), FALSE);
}

void CGramNumberView::OnCopyCell() { CopyText(false); }

void CGramNumberView::OnCopyCellNoMeteg() { CopyText(true); }

// ---- Printing.

void CGramNumberView::OnPrintPreviewSheet() {
  RunGrammarPrintSheet(this, m_pageSettings, m_bPageSettingsTaken);
}

BOOL CGramNumberView::OnPreparePrinting(CPrintInfo* pInfo) {
  if (!OnGetTableShown(0, 0)) return FALSE;
  pInfo->SetMinPage(1);
  pInfo->SetMaxPage(1);
  return PrinterSetup(pInfo, &m_pageSettings);
}

void CGramNumberView::OnPrint(CDC* pDC, CPrintInfo* pInfo) {
  GrammarPrintLayout layout;
  if (!LayOutGrammarPrintPage(pDC, pInfo, m_pageSettings, this, layout)) return;
  const CRect printable(layout.printable);

  // The printer's copies of the fonts, their sizes times the scale.
  CFontInfo hebrewFonts[3];
  for (int f = 0; f < 3; ++f) {
    LOGFONT logFont = *m_hebrewFonts[f].GetLogFont();
    logFont.lfHeight = ScaledValue(logFont.lfHeight, layout.scale);
    hebrewFonts[f].SetFromLogFont(pDC, logFont);
    hebrewFonts[f].MeasureCharWidths(pDC);
  }
  CFont labelFont, figureFont;
  for (auto [pScreen, pPrinted] :
       {std::pair{&m_labelFont, &labelFont}, {&m_figureFont, &figureFont}}) {
    LOGFONT logFont = {};
    pScreen->GetLogFont(&logFont);
    logFont.lfHeight = ScaledValue(logFont.lfHeight, layout.scale);
    logFont.lfWidth = ScaledValue(logFont.lfWidth, layout.scale);
    pPrinted->CreateFontIndirect(&logFont);
  }
  DrawTarget target{pDC,          hebrewFonts,         &labelFont, &figureFont,
                    layout.scale, printable.TopLeft(), true};
  const bool sequence = IsSequence();
  const int first = sequence ? 0 : kHebrewWordsCell;
  const int last = sequence ? kSequenceCells - 1 : kHebrewWordsCell;
  int below = printable.top;
  for (int cell = first; cell <= last; ++cell) {
    DrawCell(target, cell);
    below =
        std::max<int>(below, printable.top + ScaledValue(m_cells[cell].rect.bottom, layout.scale));
  }
  PrintCaptions(pDC, &labelFont, printable, below);
}

void CGramNumberView::PrintCaptions(CDC* pDC, CFont* pLabelFont, const CRect& area, int below) {
  CFont* pOld = pDC->SelectObject(pLabelFont);
  pDC->SetBkMode(TRANSPARENT);
  pDC->SetTextColor(kNavy);
  CRect rect(area.left, below, area.right, area.bottom);
  if (!IsSequence()) {
    const FilteredNumberInput digits = FilterNumberInput(m_texts.single, kSingleInputLimit);
    CString words(GroupedNumberCaption(digits.digits, m_ordinal).c_str());
    words += "\r\n";
    words += m_cells[kEnglishWordsCell].text;
    CRect measured = rect;
    pDC->DrawText(words, &measured, DT_CENTER | DT_WORDBREAK | DT_CALCRECT);
    measured.left = rect.left;
    measured.right = rect.right;
    pDC->DrawText(words, &measured, DT_CENTER | DT_WORDBREAK);
    rect.top = measured.bottom;
  }
  const int lineHeight = pDC->GetTextExtent("M", 1).cy;
  for (const char* line : {NumberGenderCaption(m_feminine), NumberFormatCaption(m_ordinal)}) {
    CRect lineRect(rect.left, rect.top, rect.right, rect.top + lineHeight);
    pDC->DrawText(line, -1, &lineRect, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    rect.top += lineHeight;
  }
  pDC->SelectObject(pOld);
}
