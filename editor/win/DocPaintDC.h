// The painting interfaces of the portable document over a class-library DC:
// runs of text in the document's fonts and the marks of the rulers.
#pragma once

#include "classlib/win/CBrush.h"
#include "editor/core/DocRulerMarks.h"
#include "editor/core/DocRunPainter.h"
#include "editor/win/EditorFrame.h"

class CDC;
class CEditorFonts;
class CFont;
class CFontInfo;

class CDocPaintDC : public IDocPaintDC, public IDocRulerDC {
 public:
  // Text goes out with a transparent background; the DC's font is given back
  // at the end. Fonts come from the main frame's cache list nList, or
  // without a main frame from `fonts`.
  CDocPaintDC(CDC* pDC, CEditorFonts& fonts, int nFontList = kAgeingFontList);
  ~CDocPaintDC();
  CDocPaintDC(const CDocPaintDC&) = delete;
  CDocPaintDC& operator=(const CDocPaintDC&) = delete;

  BOOL IsPrinting() const override;
  void SelectFont(const CString& face, WORD pointSize, UINT style) override;
  void FillRect(const CRect& rect, COLORREF color) override;
  void SetTextColor(COLORREF color) override;
  void DrawRunText(int x, int y, const CString& letters, const CRect* clip) override;
  void DrawHebrewText(int right, int top, const CString& letters, const CString& points,
                      COLORREF color, const CRect* clip) override;
  void Line(int x1, int y1, int x2, int y2) override;
  void SetPixel(int x, int y, COLORREF color) override;

 private:
  CDC* m_pDC;
  CEditorFonts& m_fonts;
  CFontInfo* m_pFont = nullptr;
  CFont* m_pOldFont = nullptr;
  int m_nFontList;
  int m_oldBkMode;
  CBrush m_brush;
  COLORREF m_brushColor = 0;
};
