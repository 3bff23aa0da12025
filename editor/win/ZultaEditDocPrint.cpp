// A printed sheet: both sides' page of one number, each in the text
// rectangle its own page settings give on this printer.
#include "classlib/win/CDC.h"
#include "editor/core/DocRunPainter.h"
#include "editor/win/DocPaintDC.h"
#include "editor/win/ZultaEditDoc.h"

void CZultaEditDoc::PrintPage(CDC* pDC, int page, CSize pixelsPerInch, CSize drawSize) {
  CRect printAreas[kDocSideCount];
  for (int side = 0; side < kDocSideCount; side++) {
    DocSidePrintState& state = m_printStates[side];
    const CPageLayout* layout = m_model.GetNthLayout(side, page);
    if (layout == nullptr) {
      state.presence = kNoPrintedPage;
      continue;
    }
    FillSidePrintState(*layout, side, pixelsPerInch, drawSize, state);
    printAreas[side] = state.textRect;
  }
  if (!m_pPrinterFonts) m_pPrinterFonts = std::make_unique<CEditorFonts>();
  CDocPaintDC dc(pDC, *m_pPrinterFonts, kPrinterFontList);
  DocRunPainter painter(m_model, m_pages, dc);
  painter.PrintPage(page, printAreas);
}

void CZultaEditDoc::ReleasePrinterFonts() { m_pPrinterFonts.reset(); }
