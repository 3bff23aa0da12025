// The document's measures on the screen: each character measured in its
// font from the document's font list, pointed Hebrew as the Hebrew renderer
// lays it out.
#pragma once

#include "classlib/win/CDC.h"
#include "editor/core/DocMetrics.h"
#include "editor/win/EditorFonts.h"

class ScreenDocMetrics : public IDocMetrics {
 public:
  ScreenDocMetrics();
  ~ScreenDocMetrics();

  int GetPixelsPerInchX() const override { return m_ppiX; }
  int GetPixelsPerInchY() const override { return m_ppiY; }
  DocCharMetrics MeasureChar(const CString& face, WORD pointSize, UINT style, BYTE letter,
                             BYTE point) const override;

  CEditorFonts& Fonts() const { return m_fonts; }

 private:
  // A memory DC like the screen, kept so that measuring makes no DC.
  mutable CDC m_dc;
  int m_ppiX;
  int m_ppiY;
  // Measuring is const to the model; the fonts are a cache.
  mutable CEditorFonts m_fonts;
};
