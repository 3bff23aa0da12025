// Font measures without fonts: every character's size follows from its point
// size and code by a fixed rule, so layouts can be checked anywhere.
#pragma once

#include "editor/core/DocMetrics.h"

class FixedDocMetrics : public IDocMetrics {
 public:
  explicit FixedDocMetrics(int pixelsPerInch = 96) : m_ppi(pixelsPerInch) {}

  int GetPixelsPerInchX() const override { return m_ppi; }
  int GetPixelsPerInchY() const override { return m_ppi; }
  // Height is the point size in pixels plus a fifth for leading; widths vary
  // with the letter so that wrapping points differ between texts.
  DocCharMetrics MeasureChar(const CString& face, WORD pointSize, UINT style, BYTE letter,
                             BYTE point) const override;

 private:
  int m_ppi;
};
