#include "editor/core/FixedDocMetrics.h"

#include "editor/core/EdMulDiv.h"

DocCharMetrics FixedDocMetrics::MeasureChar(const CString& face, WORD pointSize, UINT style,
                                            BYTE letter, BYTE point) const {
  DocCharMetrics m;
  int em = EdMulDiv(pointSize, m_ppi, 72);
  m.ascent = EdMulDiv(em, 4, 5);
  m.descent = em - m.ascent;
  m.height = em + em / 5;
  if (letter == 9 || letter == 12 || letter == 13 || letter == 0) return m;
  m.width = em / 2 + (letter % 5) * em / 10 + ((style & 1) ? 1 : 0);
  return m;
}
