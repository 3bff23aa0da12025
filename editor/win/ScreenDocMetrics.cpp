#include "editor/win/ScreenDocMetrics.h"

#include "editor/core/DocRunPainter.h"
#include "hebtext/core/SortedStrings.h"
#include "hebtext/win/CFontInfo.h"
#include "hebtext/win/HebrewTextDraw.h"

ScreenDocMetrics::ScreenDocMetrics() {
  m_dc.CreateCompatibleDC(nullptr);
  m_ppiX = m_dc.GetDeviceCaps(LOGPIXELSX);
  m_ppiY = m_dc.GetDeviceCaps(LOGPIXELSY);
}

ScreenDocMetrics::~ScreenDocMetrics() { m_dc.DeleteDC(); }

DocCharMetrics ScreenDocMetrics::MeasureChar(const CString& face, WORD pointSize, UINT style,
                                             BYTE letter, BYTE point) const {
  const CFontInfo& font = *m_fonts.Get(&m_dc, face, pointSize, style);
  DocCharMetrics m;
  const TEXTMETRIC& tm = font.GetTextMetrics();
  m.height = font.GetLineHeight();
  m.ascent = tm.tmAscent;
  m.descent = tm.tmDescent;
  if (IsProgramHebrewFont(face)) {
    const BYTE vowel = point == 0 ? kNoPointCode : point;
    m.width = MeasureHebrewText(font, &letter, &vowel, 1, TRUE);
  } else {
    m.width = font.GetCharWidth(letter);
  }
  return m;
}
