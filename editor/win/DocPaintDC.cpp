#include "editor/win/DocPaintDC.h"

#include "classlib/win/CBrush.h"
#include "classlib/win/CDC.h"
#include "editor/win/EditorFonts.h"
#include "hebtext/win/CFontInfo.h"
#include "hebtext/win/HebrewTextDraw.h"

CDocPaintDC::CDocPaintDC(CDC* pDC, CEditorFonts& fonts, int nFontList)
    : m_pDC(pDC), m_fonts(fonts), m_nFontList(nFontList), m_oldBkMode(pDC->SetBkMode(TRANSPARENT)) {}

CDocPaintDC::~CDocPaintDC() {
  if (m_pOldFont != nullptr) m_pDC->SelectObject(m_pOldFont);
  m_pDC->SetBkMode(m_oldBkMode);
}

BOOL CDocPaintDC::IsPrinting() const { return m_pDC->IsPrinting(); }

void CDocPaintDC::SelectFont(const CString& face, WORD pointSize, UINT style) {
  m_pFont = GetPaintFont(m_fonts, m_pDC, face, pointSize, style, m_nFontList);
  CFont* previous = m_pDC->SelectObject(m_pFont->GetFont());
  if (m_pOldFont == nullptr) m_pOldFont = previous;
}

void CDocPaintDC::FillRect(const CRect& rect, COLORREF color) {
  // Runs of one colour follow each other: the brush is made again only when
  // the colour changes.
  if (m_brush.m_hObject == nullptr || color != m_brushColor) {
    m_brush.DeleteObject();
    m_brush.CreateSolidBrush(color);
    m_brushColor = color;
  }
  m_pDC->FillRect(&rect, &m_brush);
}

void CDocPaintDC::SetTextColor(COLORREF color) { m_pDC->SetTextColor(color); }

void CDocPaintDC::DrawRunText(int x, int y, const CString& letters, const CRect* clip) {
  if (m_pDC->IsPrinting()) {
    m_pDC->TextOut(x, y, letters, letters.GetLength());
    return;
  }
  m_pDC->ExtTextOut(x, y, clip != nullptr ? ETO_CLIPPED : 0, clip, letters, letters.GetLength(),
                    nullptr);
}

void CDocPaintDC::DrawHebrewText(int right, int top, const CString& letters, const CString& points,
                                 COLORREF color, const CRect* clip) {
  if (m_pFont == nullptr) return;
  const BOOL printing = m_pDC->IsPrinting();
  ::DrawHebrewText(m_pDC, m_pFont, right, top, reinterpret_cast<const BYTE*>(LPCSTR(letters)),
                   reinterpret_cast<const BYTE*>(LPCSTR(points)), letters.GetLength(), color, color,
                   TRUE, kQamatsQatanByPrefs, printing ? nullptr : clip, printing, color, color,
                   kNoHighlight);
}

void CDocPaintDC::Line(int x1, int y1, int x2, int y2) {
  CGdiObject* old = m_pDC->SelectStockObject(BLACK_PEN);
  m_pDC->MoveTo(x1, y1);
  m_pDC->LineTo(x2, y2);
  m_pDC->SelectObject(old);
}

void CDocPaintDC::SetPixel(int x, int y, COLORREF color) { m_pDC->SetPixel(x, y, color); }
