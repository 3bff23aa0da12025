#include "classlib/win/CView.h"

#include "classlib/win/CCreateContext.h"
#include "classlib/win/CDocument.h"
#include "classlib/win/CFrameWnd.h"
#include "classlib/win/CPrintInfo.h"
#include "classlib/win/WindowDCs.h"

IMPLEMENT_DYNAMIC(CView, CWnd)

BEGIN_MESSAGE_MAP(CView, CWnd)
  ON_WM_CREATE()
  ON_WM_DESTROY()
  ON_WM_PAINT()
  ON_WM_MOUSEACTIVATE()
  ON_MESSAGE(WM_INITIALUPDATE, OnInitialUpdateMessage)
END_MESSAGE_MAP()

CView::~CView() {
  if (m_pDocument != nullptr) m_pDocument->RemoveView(this);
}

BOOL CView::PreCreateWindow(CREATESTRUCTA& cs) {
  if (cs.lpszClass == nullptr) {
    // Views repaint wholly when resized; the document's background is the window colour.
    cs.lpszClass = AfxRegisterWndClass(CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW,
                                       ::LoadCursor(nullptr, IDC_ARROW),
                                       reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1));
    if (cs.lpszClass == nullptr) return FALSE;
  }
  // A view's border is drawn sunken, as the system draws client edges.
  if (cs.style & WS_BORDER) {
    cs.style &= ~WS_BORDER;
    cs.dwExStyle |= WS_EX_CLIENTEDGE;
  }
  return TRUE;
}

int CView::OnCreate(LPCREATESTRUCT lpCreateStruct) {
  if (CWnd::OnCreate(lpCreateStruct) == -1) return -1;
  auto* pContext = static_cast<CCreateContext*>(lpCreateStruct->lpCreateParams);
  if (pContext != nullptr && pContext->m_pCurrentDoc != nullptr)
    pContext->m_pCurrentDoc->AddView(this);
  return 0;
}

void CView::OnDestroy() {
  // The frame must not go on routing to a view that is going.
  CFrameWnd* pFrame = GetParentFrame();
  if (pFrame != nullptr && pFrame->GetActiveView() == this) pFrame->SetActiveView(nullptr, FALSE);
  CWnd::OnDestroy();
}

void CView::PostNcDestroy() { delete this; }

// ---- Commands.

BOOL CView::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) {
  if (CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo)) return TRUE;
  return m_pDocument != nullptr && m_pDocument->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

// ---- Drawing and updates.

void CView::OnPaint() {
  CPaintDC dc(this);
  OnPrepareDC(&dc);
  OnDraw(&dc);
}

void CView::OnPrepareDC(CDC*, CPrintInfo* pInfo) {
  // A document that does not know its length prints one page unless its
  // view says there are more.
  if (pInfo != nullptr)
    pInfo->m_bContinuePrinting = pInfo->GetMaxPage() != kPrintPageUnknown || pInfo->m_nCurPage == 1;
}

BOOL CView::IsSelected(const CObject*) const { return FALSE; }

LRESULT CView::OnInitialUpdateMessage(WPARAM, LPARAM) {
  OnInitialUpdate();
  return 0;
}

void CView::OnInitialUpdate() { OnUpdate(nullptr, 0, nullptr); }

void CView::OnUpdate(CView*, LPARAM, CObject*) { Invalidate(TRUE); }

// ---- Activation.

void CView::OnActivateView(BOOL bActivate, CView*, CView*) {
  // A focus already inside the view (on one of its controls) stays there.
  HWND hWndFocus = ::GetFocus();
  if (bActivate && hWndFocus != m_hWnd && !::IsChild(m_hWnd, hWndFocus)) SetFocus();
}

void CView::OnActivateFrame(UINT, CFrameWnd*) {}

int CView::OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message) {
  int nResult = CWnd::OnMouseActivate(pDesktopWnd, nHitTest, message);
  if (nResult == MA_NOACTIVATE || nResult == MA_NOACTIVATEANDEAT) return nResult;
  // A click makes this the frame's active view; clicking the active view
  // again gives it back the focus it lost to a window elsewhere.
  CFrameWnd* pFrame = GetParentFrame();
  if (pFrame == nullptr) return nResult;
  HWND hWndFocus = ::GetFocus();
  if (pFrame->GetActiveView() == this && hWndFocus != m_hWnd && !::IsChild(m_hWnd, hWndFocus))
    OnActivateView(TRUE, this, this);
  else
    pFrame->SetActiveView(this);
  return nResult;
}
