#include "tables/win/MyFormView.h"

#include "classlib/win/AfxMsg.h"
#include "classlib/win/AfxRes.h"
#include "classlib/win/CWinApp.h"
#include "classlib/win/MessageMap.h"
#include "classlib/win/WindowDCs.h"
#include "hebtext/core/ScrollIntoView.h"
#include "resources/MainFrameIds.h"
#include "tables/win/GrammarFrame.h"
#include "tables/win/GrammarViewMessages.h"

IMPLEMENT_DYNCREATE(CMyFormView, CFormView)

BEGIN_MESSAGE_MAP(CMyFormView, CFormView)
  ON_COMMAND(ID_FILE_PRINT, OnGrammarFilePrint)
  ON_COMMAND(ID_FILE_PRINT_PREVIEW, OnGrammarFilePrintPreview)
  ON_WM_TIMER()
  ON_WM_DESTROY()
  ON_MESSAGE(WM_HELPHITTEST, OnHelpHitTest)
  ON_MESSAGE(WM_COMMANDHELP, OnCommandHelp)
  ON_MESSAGE(WM_NAV_FOCUS, OnNavFocus)
  ON_WM_SETFOCUS()
END_MESSAGE_MAP()

namespace {
// After a grammar table's print preview the editor's Print command prints
// the table for this long.
constexpr UINT_PTR kPreviewHoldTimerId = 102;
constexpr UINT kPreviewHoldMs = 2000;
constexpr WPARAM kNextFormKey = 'G';  // with Ctrl
constexpr SHORT kKeyDown = static_cast<SHORT>(0x8000);
}  // namespace

CMyFormView::CMyFormView() : CMyFormView(kDefaultTemplateId) {}

CMyFormView::CMyFormView(UINT nIDTemplate) : CFormView(nIDTemplate), m_nHelpId(nIDTemplate) {}

void CMyFormView::OnDraw(CDC*) {}

BOOL CMyFormView::PreTranslateMessage(MSG* pMsg) {
  if (pMsg->message == WM_KEYDOWN && pMsg->wParam == kNextFormKey &&
      (::GetKeyState(VK_CONTROL) & kKeyDown) != 0) {
    SendMessage(WM_COMMAND, ID_GRAMMAR_NEXT_FORM);
    return TRUE;
  }
  return CFormView::PreTranslateMessage(pMsg);
}

// ---- Sizes and coordinates.

void CMyFormView::GetScrollBarSizes(CSize& sizeSb) {
  CFormView::GetScrollBarSizes(sizeSb);
  const DWORD dwStyle = GetStyle();
  if ((dwStyle & WS_VSCROLL) == 0) sizeSb.cx = 0;
  if ((dwStyle & WS_HSCROLL) == 0) sizeSb.cy = 0;
}

CRect CMyFormView::LogicalToDevice(const CRect& rect) {
  CClientDC dc(this);
  OnPrepareDC(&dc);
  CRect device = rect;
  dc.LPtoDP(&device);
  device.NormalizeRect();
  return device;
}

CRect CMyFormView::DeviceToLogical(const CRect& rect) {
  CClientDC dc(this);
  OnPrepareDC(&dc);
  CRect logical = rect;
  dc.DPtoLP(&logical);
  return logical;
}

CPoint CMyFormView::DeviceToLogical(CPoint point) {
  CClientDC dc(this);
  OnPrepareDC(&dc);
  dc.DPtoLP(&point);
  return point;
}

void CMyFormView::ScrollControlIntoView(CWnd* pControl) {
  if (pControl == nullptr || pControl->m_hWnd == nullptr) return;
  CRect control;
  pControl->GetWindowRect(&control);
  ScreenToClient(&control);
  CRect client;
  GetClientRect(&client);
  const CRect target = DeviceToLogical(control);
  const CRect visible = DeviceToLogical(client);
  const POINT position = ScrollPositionToShow(visible, target);
  if (position.x != visible.left || position.y != visible.top) ScrollToPosition(position);
}

CRect CMyFormView::ControlRect(UINT nID) const {
  CRect rect;
  HWND hControl = ::GetDlgItem(m_hWnd, static_cast<int>(nID));
  if (hControl == nullptr) return rect;
  ::GetWindowRect(hControl, &rect);
  ::MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<POINT*>(&rect), 2);
  rect.OffsetRect(GetScrollPosition());
  return rect;
}

LRESULT CMyFormView::OnNavFocus(WPARAM wParam, LPARAM) {
  if (!m_bNoScroll) ScrollControlIntoView(reinterpret_cast<CWnd*>(wParam));
  return 0;
}

// ---- Activation and focus.

void CMyFormView::OnActivateView(BOOL bActivate, CView* pActivateView, CView* pDeactiveView) {
  if (IGrammarFrame* pFrame = GetGrammarFrame()) pFrame->ForgetGrammarFullView();
  CFormView::OnActivateView(bActivate, pActivateView, pDeactiveView);
  // A WM_SETFOCUS leaves the focus on the view; activation is what gives
  // the control that had it back.
  if (bActivate && pActivateView == this && m_hWndFocus != nullptr &&
      ::IsChild(m_hWnd, m_hWndFocus))
    ::SetFocus(m_hWndFocus);
}

void CMyFormView::OnSetFocus(CWnd* pOldWnd) {
  if (m_hWndFocus != nullptr && ::IsWindow(m_hWndFocus) && ::IsChild(m_hWnd, m_hWndFocus)) return;
  m_hWndFocus = nullptr;
  CFormView::OnSetFocus(pOldWnd);
}

// ---- Printing.

void CMyFormView::PrintActiveGrammarTab(UINT nCommand, void (CMyFormView::*pPrint)()) {
  IGrammarFrame* pFrame = GetGrammarFrame();
  CWnd* pActive = pFrame != nullptr ? pFrame->GetGrammarView() : nullptr;
  if (pActive == nullptr || pActive == this)
    (this->*pPrint)();
  else
    pActive->PostMessage(WM_COMMAND, nCommand, 0);
}

void CMyFormView::OnGrammarFilePrint() {
  PrintActiveGrammarTab(ID_FILE_PRINT, &CMyFormView::OnFilePrint);
}

void CMyFormView::OnGrammarFilePrintPreview() {
  PrintActiveGrammarTab(ID_FILE_PRINT_PREVIEW, &CMyFormView::OnFilePrintPreview);
}

void CMyFormView::OnEndPrintPreview(CDC* pDC, CPrintInfo* pInfo, POINT point, CPreviewView* pView) {
  CFormView::OnEndPrintPreview(pDC, pInfo, point, pView);
  HoldPreviewEnded();
}

void CMyFormView::HoldPreviewEnded() {
  if (IGrammarFrame* pFrame = GetGrammarFrame()) pFrame->SetGrammarPreviewEnded();
  // A second preview within the hold starts it again.
  m_nPreviewTimer = SetTimer(kPreviewHoldTimerId, kPreviewHoldMs, nullptr);
}

void CMyFormView::OnTimer(UINT_PTR nIDEvent) {
  if (nIDEvent != kPreviewHoldTimerId) {
    CFormView::OnTimer(nIDEvent);
    return;
  }
  KillTimer(kPreviewHoldTimerId);
  m_nPreviewTimer = 0;
  if (IGrammarFrame* pFrame = GetGrammarFrame()) pFrame->TakeGrammarPreviewEnded();
}

void CMyFormView::OnDestroy() {
  if (m_nPreviewTimer != 0) {
    KillTimer(kPreviewHoldTimerId);
    m_nPreviewTimer = 0;
  }
  CFormView::OnDestroy();
}

// ---- Help.

LRESULT CMyFormView::OnHelpHitTest(WPARAM, LPARAM) {
  return static_cast<LRESULT>(HID_BASE_RESOURCE + m_nHelpId);
}

LRESULT CMyFormView::OnCommandHelp(WPARAM, LPARAM) {
  AfxGetApp()->WinHelp(HID_BASE_RESOURCE + m_nHelpId, HELP_CONTEXT);
  return TRUE;
}
