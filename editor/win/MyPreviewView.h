// The print preview of a document whose pages do not all share one page
// setting: before each page shown is placed and drawn the editor view makes
// a printer DC of that page's own settings, which the preview then draws
// on, so that every page shows in its own paper and orientation.
#pragma once

#include "classlib/win/CPreviewView.h"

class CZultaEditView;

class CMyPreviewView : public CPreviewView {
  DECLARE_DYNCREATE(CMyPreviewView)
 public:
  ~CMyPreviewView() override;

  BOOL SetPrintView(CView* pPrintView) override;
  // The print info's printer DC was made anew: the preview measures and
  // maps with it from now on.
  void ReattachPrinterDC();

 protected:
  void PreparePagePrinter(UINT nIndex) override;
  // Over a page the magnifier, while a click can still zoom in.
  afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);

  DECLARE_MESSAGE_MAP()

 private:
  CZultaEditView* m_pEditView = nullptr;
  HCURSOR m_hMagnifyCursor = nullptr;  // made on first use
};
