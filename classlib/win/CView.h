// A view: the window that shows a document inside a frame and takes the
// user's input for it.
//
// A view joins its document when it is created with a CCreateContext naming
// the document, and leaves it when the object goes. The frame sends
// WM_INITIALUPDATE once the frame is built (OnInitialUpdate); painting
// prepares the DC (OnPrepareDC) and draws (OnDraw); the document calls
// OnUpdate when its data changes. Commands reach the view first, then its
// document (and through it the document's template). A click makes the
// view its frame's active view. Views are made with new and delete
// themselves with their window.
#pragma once

#include "classlib/win/CWnd.h"

class CDC;
class CDocument;
class CPreviewView;
struct CPrintInfo;
struct CPrintPreviewState;

class CView : public CWnd {
  DECLARE_DYNAMIC(CView)
 public:
  CView() = default;
  // Leaves the document.
  ~CView() override;

  CDocument* GetDocument() const { return m_pDocument; }

  BOOL PreCreateWindow(CREATESTRUCTA& cs) override;
  // The view's own map, then its document's route.
  BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;

  // Sets up the DC for OnDraw (the mapping and origin); pInfo is given when printing.
  virtual void OnPrepareDC(CDC* pDC, CPrintInfo* pInfo = nullptr);
  // Whether pDocItem is selected in this view; the default says no.
  virtual BOOL IsSelected(const CObject* pDocItem) const;
  // Draws the document into the prepared DC.
  virtual void OnDraw(CDC* pDC) = 0;
  // Once, after the frame is built and the document loaded; the default
  // calls OnUpdate(nullptr, 0, nullptr).
  virtual void OnInitialUpdate();
  // The document changed (pSender made the change; lHint and pHint say
  // what); the default repaints the whole view.
  virtual void OnUpdate(CView* pSender, LPARAM lHint, CObject* pHint);

  // ---- Printing. A view that prints maps ID_FILE_PRINT (and
  // ID_FILE_PRINT_DIRECT, printing with the printer defaults) to
  // OnFilePrint and ID_FILE_PRINT_PREVIEW to OnFilePrintPreview.
  // The job's page range; the default takes the printer (DoPreparePrinting).
  // FALSE cancels the job.
  virtual BOOL OnPreparePrinting(CPrintInfo* pInfo);
  // The printer of the job: the application's printer without asking, for
  // preview and direct printing, else the print dialog. FALSE when the user
  // cancelled or there is no printer.
  BOOL DoPreparePrinting(CPrintInfo* pInfo);
  // Before the first page and after the last, with the printer DC.
  virtual void OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo);
  virtual void OnEndPrinting(CDC* pDC, CPrintInfo* pInfo);
  // Prints page pInfo->m_nCurPage into the prepared DC; the default draws the view.
  virtual void OnPrint(CDC* pDC, CPrintInfo* pInfo);
  // The preview pView closes: the printing ends, the preview goes and the
  // frame gets back its pane, bars and menu.
  virtual void OnEndPrintPreview(CDC* pDC, CPrintInfo* pInfo, POINT point, CPreviewView* pView);
  // The whole print job: the printer, the printing status dialog, the pages
  // and the end of the job (or its abort).
  afx_msg void OnFilePrint();
  // The standard preview; "Command failed." when it cannot be shown.
  afx_msg void OnFilePrintPreview();
  // A preview by a view of pPreviewViewClass (a CPreviewView) with the
  // standard toolbar; "Command failed." when it cannot be shown.
  void ShowPrintPreview(CRuntimeClass* pPreviewViewClass);
  // Puts a preview view of pPreviewViewClass in the main frame's pane, with
  // toolbar template nIDResource, previewing pPrintView's printing. The
  // frame keeps what it hides in pState, which the preview owns from then
  // on; FALSE (pState still the caller's) when the preview could not be made.
  BOOL DoPrintPreview(UINT nIDResource, CView* pPrintView, CRuntimeClass* pPreviewViewClass,
                      CPrintPreviewState* pState);

 protected:
  // The pages of a started job, with the printing status dialog; ends the
  // job, or aborts it when the user cancelled or a page failed.
  void PrintPages(CDC* pDC, CPrintInfo* pInfo, LPCSTR lpszDocName);
  // The abort procedure of the running job (runs the status dialog's
  // messages; FALSE once the user cancelled), for a view that starts the
  // job again on a printer DC of its own.
  static BOOL CALLBACK PrintAbortProc(HDC hDC, int nCode);
  // The frame's active view changes from pDeactiveView to pActivateView;
  // the view becoming active takes the focus.
  virtual void OnActivateView(BOOL bActivate, CView* pActivateView, CView* pDeactiveView);
  // The view's frame is activated or deactivated (nState as WM_ACTIVATE's).
  virtual void OnActivateFrame(UINT nState, CFrameWnd* pFrameWnd);

  void PostNcDestroy() override;

  afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
  afx_msg void OnDestroy();
  afx_msg void OnPaint();
  afx_msg int OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message);
  afx_msg LRESULT OnInitialUpdateMessage(WPARAM wParam, LPARAM lParam);

  // Set and cleared by the document's AddView and RemoveView.
  CDocument* m_pDocument = nullptr;

 private:
  friend class CDocument;
  // The frames tell their views about activation.
  friend class CFrameWnd;
  friend class CMDIFrameWnd;
  friend class CMDIChildWnd;

  DECLARE_MESSAGE_MAP()
};
