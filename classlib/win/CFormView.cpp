#include "classlib/win/CFormView.h"

#include "classlib/win/CDialog.h"
#include "classlib/win/CFrameWnd.h"
#include "classlib/win/CWinApp.h"

IMPLEMENT_DYNAMIC(CFormView, CScrollView)

BEGIN_MESSAGE_MAP(CFormView, CScrollView)
  ON_WM_CREATE()
  ON_WM_SETFOCUS()
END_MESSAGE_MAP()

namespace {

LPCDLGTEMPLATEA LoadDialogTemplate(LPCSTR lpszTemplateName, HINSTANCE* phInst) {
  HINSTANCE hInst = AfxFindResourceHandle(lpszTemplateName, RT_DIALOG);
  HRSRC hResource = ::FindResourceA(hInst, lpszTemplateName, RT_DIALOG);
  if (hResource == nullptr) return nullptr;
  HGLOBAL hTemplate = ::LoadResource(hInst, hResource);
  *phInst = hInst;
  return hTemplate != nullptr ? static_cast<LPCDLGTEMPLATEA>(::LockResource(hTemplate)) : nullptr;
}

bool IsKeyMessage(UINT message) { return message >= WM_KEYFIRST && message <= WM_KEYLAST; }

}  // namespace

// ---- Creation.

BOOL CFormView::Create(LPCSTR, LPCSTR, DWORD dwRequestedStyle, const RECT& rect,
                       CWnd* pParentWnd, UINT nID, LPVOID lpParam) {
  HINSTANCE hInst = nullptr;
  LPCDLGTEMPLATEA lpTemplate = LoadDialogTemplate(m_lpszTemplateName, &hInst);
  if (lpTemplate == nullptr) return FALSE;
  m_pCreateContext = static_cast<CCreateContext*>(lpParam);
  AfxHookWindowCreate(this);
  HWND hWnd =
      ::CreateDialogIndirectParamA(hInst, lpTemplate, SafeHwnd(pParentWnd), AfxDlgProc, 0);
  AfxUnhookWindowCreate();
  m_pCreateContext = nullptr;
  if (hWnd == nullptr) return FALSE;

  // The page is the template's size.
  CRect rectTemplate;
  GetWindowRect(&rectTemplate);
  SetScrollSizes(MM_TEXT, rectTemplate.Size());

  // The view takes the style asked for (a border drawn as a client edge, as
  // a plain view's), keeping the template's dialog styles.
  DWORD dwViewStyle = dwRequestedStyle & ~(WS_VISIBLE | 0xFFFFu);
  if (dwViewStyle & WS_BORDER) {
    dwViewStyle &= ~WS_BORDER;
    ModifyStyleEx(0, WS_EX_CLIENTEDGE);
  }
  ::SetWindowLongPtrA(m_hWnd, GWL_STYLE,
                      static_cast<LONG_PTR>((GetStyle() & 0xFFFFu) | dwViewStyle | WS_CHILD));
  SetDlgCtrlID(static_cast<int>(nID));
  SetWindowPos(nullptr, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
               SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
  if (dwRequestedStyle & WS_VISIBLE) ShowWindow(SW_SHOWNORMAL);
  return TRUE;
}

int CFormView::OnCreate(LPCREATESTRUCT lpCreateStruct) {
  // A dialog's creation parameters are its own; the context comes from Create.
  CREATESTRUCTA cs = *lpCreateStruct;
  cs.lpCreateParams = m_pCreateContext;
  return CScrollView::OnCreate(&cs);
}

// ---- Data.

void CFormView::OnInitialUpdate() {
  UpdateData(FALSE);
  CScrollView::OnInitialUpdate();
}

void CFormView::OnDraw(CDC*) {}

// ---- Focus and keys.

BOOL CFormView::SaveFocusControl() {
  HWND hWndFocus = ::GetFocus();
  if (hWndFocus == nullptr || !::IsChild(m_hWnd, hWndFocus)) return FALSE;
  m_hWndFocus = hWndFocus;
  return TRUE;
}

void CFormView::OnActivateView(BOOL bActivate, CView* pActivateView, CView* pDeactiveView) {
  if (!bActivate && pDeactiveView == this) SaveFocusControl();
  CScrollView::OnActivateView(bActivate, pActivateView, pDeactiveView);
}

void CFormView::OnActivateFrame(UINT nState, CFrameWnd* pFrameWnd) {
  if (nState == WA_INACTIVE) SaveFocusControl();
  CScrollView::OnActivateFrame(nState, pFrameWnd);
}

void CFormView::OnSetFocus(CWnd* pOldWnd) {
  // The control that had the focus last gets it back; without one the
  // first control that takes the Tab key does.
  if (m_hWndFocus != nullptr && (!::IsWindow(m_hWndFocus) || !::IsChild(m_hWnd, m_hWndFocus)))
    m_hWndFocus = nullptr;
  HWND hWndTarget =
      m_hWndFocus != nullptr ? m_hWndFocus : ::GetNextDlgTabItem(m_hWnd, nullptr, FALSE);
  if (hWndTarget != nullptr && ::IsWindowEnabled(hWndTarget))
    ::SetFocus(hWndTarget);
  else
    CScrollView::OnSetFocus(pOldWnd);
}

BOOL CFormView::PreTranslateMessage(MSG* pMsg) {
  if (CScrollView::PreTranslateMessage(pMsg)) return TRUE;
  if (!IsKeyMessage(pMsg->message) ||
      (pMsg->hwnd != m_hWnd && !::IsChild(m_hWnd, pMsg->hwnd)))
    return FALSE;
  // The frames' accelerators come before the dialog keys, which would take
  // every key the controls do not want.
  for (CFrameWnd* pFrame = GetParentFrame(); pFrame != nullptr;
       pFrame = pFrame->GetParentFrame()) {
    if (pFrame->PreTranslateMessage(pMsg)) return TRUE;
  }
  return ::IsDialogMessageA(m_hWnd, pMsg);
}
