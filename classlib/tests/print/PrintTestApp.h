// The printing test application: one frame with a status bar and a dialog
// bar around a view of a document of three pages. Each page shows one
// coloured block in its own place on the page, so a picture of a printed or
// previewed page tells which page it is and where it was drawn.
#pragma once

#include <string>
#include <vector>

#include "classlib/win/CDialogBar.h"
#include "classlib/win/CDocument.h"
#include "classlib/win/CFrameWnd.h"
#include "classlib/win/CStatusBar.h"
#include "classlib/win/CView.h"
#include "classlib/win/CWinApp.h"

constexpr UINT kPageCount = 3;
// The block of each page, in kBlockScale-ths of the page's printable area.
constexpr int kBlockScale = 1000;
struct PageBlock {
  RECT rect;
  COLORREF color;
};
extern const PageBlock kPageBlocks[kPageCount];

class CThreePageView : public CView {
  DECLARE_DYNCREATE(CThreePageView)
 public:
  // What the print loop asked of the view (the pages printed, not previewed).
  std::vector<UINT> m_printedPages;
  int m_nBeginPrinting = 0;
  int m_nEndPrinting = 0;
  // The printing status dialog's texts while the first page printed.
  std::string m_statusTexts;
  // Presses the printing status dialog's Cancel while printing this page (0: never).
  UINT m_nCancelOnPage = 0;
  // Prints on the screen instead of a printer, which cannot start a job.
  BOOL m_bPrintToDisplay = FALSE;

  BOOL OnPreparePrinting(CPrintInfo* pInfo) override;
  void OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo) override;
  void OnPrint(CDC* pDC, CPrintInfo* pInfo) override;
  void OnEndPrinting(CDC* pDC, CPrintInfo* pInfo) override;

 protected:
  void OnDraw(CDC* pDC) override;
  DECLARE_MESSAGE_MAP()
};

class CPrintTestFrame : public CFrameWnd {
  DECLARE_DYNCREATE(CPrintTestFrame)
 public:
  CStatusBar m_wndStatusBar;
  CDialogBar m_wndDialogBar;

 protected:
  afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
  DECLARE_MESSAGE_MAP()
};

class CPrintTestApp : public CWinApp {
 public:
  static constexpr const char* kDocumentTitle = "Three Pages";

  BOOL InitInstance() override;

  CPrintTestFrame* GetFrame() const { return static_cast<CPrintTestFrame*>(m_pMainWnd); }
  CThreePageView* GetView() const;

 protected:
  DECLARE_MESSAGE_MAP()
};
