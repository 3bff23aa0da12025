// The base of every grammar view: a form view in a tab of the Grammar
// Tables window. It prints whichever grammar tab is in front, holds the
// editor's Print command for the table a moment after a print preview,
// scrolls a control that takes the focus into view, converts between the
// view's logical and device coordinates, and gives help by its template id.
#pragma once

#include "classlib/core/Geometry.h"
#include "classlib/win/CFormView.h"

class CMyFormView : public CFormView {
  DECLARE_DYNCREATE(CMyFormView)
 public:
  // The form of the verb table, the default template.
  static constexpr UINT kDefaultTemplateId = 124;

  CMyFormView();
  // The template of the concrete view, which is also its help id.
  explicit CMyFormView(UINT nIDTemplate);

  // The scroll-bar sizes of the base, each zeroed when the view has no bar
  // of that direction in its style (Full View reserves no room for it).
  void GetScrollBarSizes(CSize& sizeSb);

  // Conversions on a client DC prepared as for drawing. A logical rectangle
  // in device units comes out normalised.
  CRect LogicalToDevice(const CRect& rect);
  CRect DeviceToLogical(const CRect& rect);
  CPoint DeviceToLogical(CPoint point);

  // Scrolls the view, vertically and then horizontally, until the control
  // is visible.
  void ScrollControlIntoView(CWnd* pControl);

  // The dictionary's lookup list is about to hand the view a word: a view
  // that keeps what it shows while a looked-up word arrives says so here.
  virtual void SetOpenedFromLookup() {}

 protected:
  void OnDraw(CDC* pDC) override;
  // Activation forgets the last Full View size, then activates as a form.
  void OnActivateView(BOOL bActivate, CView* pActivateView, CView* pDeactiveView) override;
  // Sets the frame's preview-ended flag and holds it for two seconds.
  void OnEndPrintPreview(CDC* pDC, CPrintInfo* pInfo, POINT point, CPreviewView* pView) override;
  // Sets the frame's preview-ended flag and (re)starts the timer that clears it.
  void HoldPreviewEnded();

  // File/Print and File/Print Preview print the grammar tab in front: this
  // view when it is the one, else the command goes on to that view.
  afx_msg void OnGrammarFilePrint();
  afx_msg void OnGrammarFilePrintPreview();
  afx_msg void OnTimer(UINT_PTR nIDEvent);
  afx_msg void OnDestroy();
  afx_msg LRESULT OnHelpHitTest(WPARAM wParam, LPARAM lParam);
  afx_msg LRESULT OnCommandHelp(WPARAM wParam, LPARAM lParam);
  afx_msg LRESULT OnNavFocus(WPARAM wParam, LPARAM lParam);
  // The focus stays on the view when the remembered control is still one
  // of its children; otherwise the control is forgotten and the form
  // passes the focus on as usual.
  afx_msg void OnSetFocus(CWnd* pOldWnd);

  // The running print-preview hold timer, 0 when none.
  UINT_PTR m_nPreviewTimer = 0;
  // The template id of the concrete view: help context 0x20000 + this id.
  UINT m_nHelpId = 0;
  // When non-zero, a control that takes the focus is not scrolled into view.
  BOOL m_bNoScroll = FALSE;

  DECLARE_MESSAGE_MAP()

 private:
  // Prints (or previews) the tab in front; nCommand goes on to it when it
  // is another view.
  void PrintActiveGrammarTab(UINT nCommand, void (CMyFormView::*pPrint)());
};
