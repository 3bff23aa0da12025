// The document painted on its view: the rulers of the visible pages, the
// text of both sides, and the repaint of only the changed lines after an
// edit.
#include "classlib/win/CBitmap.h"
#include "classlib/win/CPen.h"
#include "classlib/win/WindowDCs.h"
#include "editor/core/DocRulerMarks.h"
#include "editor/win/DocPaintDC.h"
#include "editor/win/EditorFrame.h"
#include "editor/win/ZultaEditDoc.h"
#include "editor/win/ZultaEditView.h"
#include "hebtext/win/CFontInfo.h"

namespace {

constexpr const char* kRulerNumberFace = "Arial";
constexpr int kUnitMillimetres = 2;

// The size of the bitmap selected into a DC.
CSize SelectedBitmapSize(CDC* pDC) {
  BITMAP bm = {};
  HGDIOBJ hBitmap = ::GetCurrentObject(pDC->GetSafeHdc(), OBJ_BITMAP);
  if (hBitmap == nullptr || ::GetObject(hBitmap, sizeof bm, &bm) == 0) return CSize(0, 0);
  return CSize(bm.bmWidth, bm.bmHeight);
}

}  // namespace

// ---- Rulers.

void CZultaEditDoc::PaintRulers(CDC* pDC, const CRect& clip) {
  int first = 0, last = -1;
  if (!m_pages.GetVisiblePages(clip, first, last, kBandWhole)) return;
  for (DocRulerPart part : {kRulerAcross, kRulerDown, kRulerCorner}) {
    for (int page = first; page <= last; ++page) {
      CRect strip = m_pages.GetRulerRect(page, part);
      CRect shown;
      if (!shown.IntersectRect(&strip, &clip)) continue;
      if (part == kRulerCorner)
        PaintRulerCorner(pDC, page, strip);
      else
        PaintRulerStrip(pDC, page, part, strip, shown);
    }
  }
}

const CPageLayout* CZultaEditDoc::RulerLayout(int page) const {
  const CPageLayout* layout = m_model.GetNthLayout(GetActiveSide(), page);
  return layout != nullptr ? layout : m_model.GetNthLayout(1 - GetActiveSide(), page);
}

void CZultaEditDoc::PaintRulerStrip(CDC* pDC, int page, DocRulerPart part, const CRect& strip,
                                    const CRect& shown) {
  const CPageLayout* layout = RulerLayout(page);
  if (layout == nullptr) return;
  const BOOL across = part == kRulerAcross;
  const int side = GetActiveSide();
  const CRect pageRect = m_model.GetPageRect(page);
  IEditorFrame* pFrame = GetEditorFrame();
  const int unit = layout->settings.unit == kUnitMillimetres ? 1 : 0;
  const int kind = !across                    ? kRulerImageDown
                   : side == kRightToLeftSide ? kRulerImageAcrossRtl
                                              : kRulerImageAcross;
  CDC* pImage = pFrame != nullptr ? pFrame->GetRulerImage(unit, kind) : nullptr;

  // Composed in memory and copied in one piece, so that it does not flicker.
  CDC memory;
  memory.CreateCompatibleDC(pImage != nullptr ? pImage : pDC);
  CBitmap bitmap;
  bitmap.CreateCompatibleBitmap(pDC, strip.Width(), strip.Height());
  CBitmap* pOldBitmap = memory.SelectObject(&bitmap);
  // The bitmap's coordinates are the page's, from the paper's edge.
  const CPoint origin = across ? CPoint(m_model.GetPageUnion().left, 0) : CPoint(0, pageRect.top);
  memory.SetViewportOrg(-origin.x, -origin.y);
  {
    CDocPaintDC marks(&memory, m_metrics.Fonts());
    marks.FillRect(CRect(origin, strip.Size()), kRulerBackColor);
    if (pImage != nullptr) {
      const CSize image = SelectedBitmapSize(pImage);
      const CSize paper =
          RulerPaperPixels(*layout, m_metrics.GetPixelsPerInchX(), m_metrics.GetPixelsPerInchY());
      const int x = kind == kRulerImageAcrossRtl ? paper.cx - image.cx : 0;
      memory.BitBlt(x, 0, image.cx, image.cy, pImage, 0, 0, SRCCOPY);
    }
    if (across)
      DrawHorizontalRuler(marks, *layout, side, pageRect.right, strip.Height());
    else
      DrawVerticalRuler(marks, *layout, pageRect.bottom, strip.Width());
  }
  memory.SetViewportOrg(0, 0);
  pDC->BitBlt(shown.left, shown.top, shown.Width(), shown.Height(), &memory,
              shown.left - strip.left, shown.top - strip.top, SRCCOPY);
  memory.SelectObject(pOldBitmap);
}

void CZultaEditDoc::PaintRulerCorner(CDC* pDC, int page, const CRect& square) {
  CPen pen(PS_SOLID, 1, kRulerMarkColor);
  CBrush brush;
  brush.CreateSolidBrush(kRulerBackColor);
  CPen* pOldPen = pDC->SelectObject(&pen);
  CBrush* pOldBrush = pDC->SelectObject(&brush);
  pDC->Rectangle(&square);
  pDC->SelectObject(pOldBrush);
  pDC->SelectObject(pOldPen);

  CFontInfo* pFont =
      GetPaintFont(m_metrics.Fonts(), pDC, kRulerNumberFace, kRulerNumberPointSize, 0);
  CFont* pOldFont = pDC->SelectObject(pFont->GetFont());
  const CString number = RulerPageNumber(page);
  const CPoint at = RulerNumberOrigin(square, pDC->GetTextExtent(number, number.GetLength()));
  const int oldMode = pDC->SetBkMode(TRANSPARENT);
  const COLORREF oldColor = pDC->SetTextColor(kRulerNumberColor);
  pDC->ExtTextOut(at.x, at.y, ETO_CLIPPED, &square, number, number.GetLength(), nullptr);
  pDC->SetTextColor(oldColor);
  pDC->SetBkMode(oldMode);
  pDC->SelectObject(pOldFont);
}

// ---- Text.

void CZultaEditDoc::PaintPages(CDC* pDC, const CRect& clip) {
  CDocPaintDC dc(pDC, m_metrics.Fonts());
  DocRunPainter painter(m_model, m_pages, dc);
  painter.PaintPages(clip);
}

void CZultaEditDoc::RedrawLines(CZultaEditView* pView, const DocCharNode* first,
                                const DocCharNode* last) {
  if (pView == nullptr || pView->m_hWnd == nullptr) return;
  {
    CClientDC dc(pView);
    pView->OnPrepareDC(&dc);
    const CRect client = pView->GetLogicalClientRect();
    HideEditCaret(pView);
    if (first != nullptr) {
      CDocPaintDC paint(&dc, m_metrics.Fonts());
      DocRunPainter painter(m_model, m_pages, paint);
      painter.RepaintLineRange(first, last, client, m_visible);
    }
    if (m_pages.GetPageCount() != m_paintedPageCount) m_bRulersDirty = TRUE;
    if (m_bRulersDirty) {
      m_bRulersDirty = FALSE;
      m_paintedPageCount = m_pages.GetPageCount();
      PaintRulers(&dc, client);
    }
  }
  EnsureCaretVisible(pView);
  ShowEditCaret(pView);
  RebuildVisibleLines(pView);
}

void CZultaEditDoc::RedrawChanged(CZultaEditView* pView) {
  DocCharNode* first = m_model.GetRepaintFirst();
  DocCharNode* last = m_model.GetRepaintLast();
  m_model.SetRepaintRange(nullptr, nullptr);
  RepaintSelectionChange(pView);
  RedrawLines(pView, first, last);
}

void CZultaEditDoc::RepaintSelectionChange(CZultaEditView* pView) {
  DocCharNode* first = nullptr;
  DocCharNode* last = nullptr;
  if (!m_nav.TakeRepaintRange(first, last) || pView == nullptr || pView->m_hWnd == nullptr) return;
  CClientDC dc(pView);
  pView->OnPrepareDC(&dc);
  CDocPaintDC paint(&dc, m_metrics.Fonts());
  DocRunPainter painter(m_model, m_pages, paint);
  painter.RepaintLineRange(first, last, pView->GetLogicalClientRect(), m_visible);
}

void CZultaEditDoc::RebuildVisibleLines(CZultaEditView* pView) {
  if (pView == nullptr || pView->m_hWnd == nullptr) return;
  m_visible.Rebuild(m_model, m_pages, pView->GetLogicalClientRect());
}
