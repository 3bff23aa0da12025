// The print preview: takes the frame's main pane while it lasts, with its
// toolbar (a dialog bar from template AFX_IDD_PREVIEW_TOOLBAR, or the class
// library's own when the program has none) above it. It shows one or two
// pages as the printing view prints them, through a CPreviewDC: zoomed out
// the whole pages, and the vertical bar moves by pages; zoomed in one page
// larger, scrolled by both bars. Its buttons print, page forward and back,
// switch between one and two pages, zoom and close.
//
// A program's own preview derives from it and adjusts the layout, the
// drawing of a page or the preview DC's output.
#pragma once

#include "classlib/core/PreviewLayout.h"
#include "classlib/win/CDC.h"
#include "classlib/win/CDialogBar.h"
#include "classlib/win/CScrollView.h"

class CPreviewDC;
struct CPrintInfo;
struct CPrintPreviewState;

class CPreviewView : public CScrollView {
  DECLARE_DYNCREATE(CPreviewView)
 public:
  ~CPreviewView() override;

  // Prepares the preview of pPrintView's printing; FALSE when it cannot print.
  virtual BOOL SetPrintView(CView* pPrintView);
  // Shows the page (and the next one when two are shown); bClearRatio
  // refits the pages to the window.
  void SetCurrentPage(UINT nPage, BOOL bClearRatio);
  UINT GetCurrentPage() const { return m_nCurrentPage; }
  UINT GetPageCountShown() const { return m_nPages; }
  int GetZoomState() const { return m_nZoomState; }
  // Where page nIndex of those shown stands on the screen, in client coordinates.
  CRect GetPageRect(UINT nIndex) const;

  // The preview's toolbar (the frame's bar while the preview lasts).
  CDialogBar* m_pToolBar = nullptr;
  // What the frame hid for the preview; the preview owns it.
  CPrintPreviewState* m_pPreviewState = nullptr;
  // The view that was active when the preview began, and the one that prints.
  CView* m_pOrigView = nullptr;
  CView* m_pPrintView = nullptr;
  CPreviewDC* m_pPreviewDC = nullptr;
  CPrintInfo* m_pPreviewInfo = nullptr;

  // The end of the preview: the frame gets its pane and bars back.
  virtual void OnPreviewClose();

 protected:
  // Lays out the pages shown for the window's size and the zoom.
  virtual void PositionPages();
  // Draws one page: its frame, shadow and white paper, then what the
  // printing view prints on it.
  virtual void DrawPage(CDC* pDC, UINT nIndex);
  // The page description on the frame's status line.
  void UpdateStatusText();
  // Zooms to nZoom, keeping the point (client coordinates) in the middle.
  void SetZoomState(int nZoom, CPoint ptCenter);
  // The printed page's size at the screen's resolution.
  CSize GetScreenPageSize() const;
  // Before page nIndex of those shown is placed: a preview whose pages
  // differ in size gives each its own printer (m_dcPrint and the sizes).
  virtual void PreparePagePrinter(UINT nIndex) {}
  // The pages drawn: one when zoomed, and none past the last page.
  UINT GetPagesDrawn() const;

  void OnDraw(CDC* pDC) override;

  afx_msg void OnSize(UINT nType, int cx, int cy);
  afx_msg BOOL OnEraseBkgnd(CDC* pDC);
  afx_msg void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
  afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
  afx_msg void OnPreviewPrint();
  afx_msg void OnNextPage();
  afx_msg void OnPrevPage();
  afx_msg void OnNumPageChange();
  afx_msg void OnZoomIn();
  afx_msg void OnZoomOut();
  afx_msg void OnUpdateNumPageChange(CCmdUI* pCmdUI);
  afx_msg void OnUpdateNextPage(CCmdUI* pCmdUI);
  afx_msg void OnUpdatePrevPage(CCmdUI* pCmdUI);
  afx_msg void OnUpdateZoomIn(CCmdUI* pCmdUI);
  afx_msg void OnUpdateZoomOut(CCmdUI* pCmdUI);

  // The most pages shown at once.
  static constexpr UINT kMaxPages = 2;

  CDC m_dcPrint;  // the printer, attached to the print info's DC
  PreviewPlacement m_placements[kMaxPages] = {};
  CSize m_sizePrinterPage;  // the printable page in printer pixels
  CSize m_sizePrinterPPI;
  UINT m_nPages = 1;
  UINT m_nCurrentPage = 1;
  int m_nZoomState = kZoomOut;
  BOOL m_bInPositionPages = FALSE;

  DECLARE_MESSAGE_MAP()
};
