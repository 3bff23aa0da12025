#include "toolkit/win/CKWShadowWnd.h"

#include "classlib/win/CRgn.h"
#include "classlib/win/WindowDCs.h"
#include "toolkit/core/KWShadowBands.h"

namespace {

constexpr char kShadowText[] = "Shadow";
constexpr UINT kBehindTarget = SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE;
constexpr UINT kFollowTarget = SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOCOPYBITS;

// The target's window rectangle with room for the bands.
CRect ShadowRectOf(HWND hTarget) {
  CRect rect;
  ::GetWindowRect(hTarget, rect);
  rect.right += kKWShadowWidth;
  rect.bottom += kKWShadowWidth;
  return rect;
}

}  // namespace

CKWShadowImage::~CKWShadowImage() {
  delete m_pBackground;
  delete m_pShadowImage;
}

void CKWShadowImage::CaptureBackground(CRect rect) {
  delete m_pBackground;
  CWindowDC screen(nullptr);
  m_pBackground = new CKWMemDC(&screen, rect);
  m_pBackground->CopyFromTarget();
  m_pBackground->Discard();
  m_rectSnapshot = rect;
}

void CKWShadowImage::PrepareImage(CRect rect, int nDarkness) {
  delete m_pShadowImage;
  // The screen DC is released before the image is darkened and kept.
  CWindowDC screen(nullptr);
  m_pShadowImage = new CKWMemDC(&screen, rect);
  m_pShadowImage->Discard();
  if (m_pBackground != nullptr)
    m_pShadowImage->BitBlt(0, 0, rect.Width(), rect.Height(), m_pBackground, 0, 0, SRCCOPY);
  else
    m_pShadowImage->CopyFromTarget();
  CKWShadowWnd::DrawShadow(m_pShadowImage, CRect(0, 0, rect.Width(), rect.Height()), nDarkness);
}

void CKWShadowImage::PaintImage(CDC* pDC, CRect rect) {
  CKWShadowWnd::CopyShadowBands(pDC, rect, m_pShadowImage, 0, 0);
}

IMPLEMENT_DYNAMIC(CKWShadowWnd, CWnd)

BEGIN_MESSAGE_MAP(CKWShadowWnd, CWnd)
  ON_WM_PAINT()
  ON_WM_ERASEBKGND()
  ON_WM_SETFOCUS()
  ON_WM_WINDOWPOSCHANGING()
  ON_WM_WINDOWPOSCHANGED()
END_MESSAGE_MAP()

void CKWShadowWnd::DrawShadow(CDC* pDC, CRect rect, int nDarkness) {
  KWForEachShadowPixel(rect, nDarkness, [pDC](int x, int y, int amount) {
    pDC->SetPixel(x, y, KWDarkenColor(pDC->GetPixel(x, y), amount));
  });
}

void CKWShadowWnd::CopyShadowBands(CDC* pDC, CRect rect, CDC* pSource, int xSource, int ySource) {
  if (pSource == nullptr) return;
  const CRect bands[] = {
      CRect(rect.right - kKWShadowWidth, rect.top + kKWShadowWidth, rect.right, rect.bottom),
      CRect(rect.left + kKWShadowWidth, rect.bottom - kKWShadowWidth,
            rect.right - kKWShadowWidth, rect.bottom)};
  for (const CRect& band : bands) {
    pDC->BitBlt(band.left, band.top, band.Width(), band.Height(), pSource,
                band.left - rect.left + xSource, band.top - rect.top + ySource, SRCCOPY);
  }
}

COLORREF CKWShadowWnd::DarkenColor(COLORREF color, int nAmount) {
  return KWDarkenColor(color, nAmount);
}

void CKWShadowWnd::ToParent(CRect& rect) {
  HWND hParent = ::GetParent(m_hTarget);
  if (!m_bPopupTarget && hParent != nullptr)
    ::MapWindowPoints(nullptr, hParent, reinterpret_cast<LPPOINT>(&rect), 2);
}

void CKWShadowWnd::PlaceUnderTarget() {
  ::SetWindowPos(m_hWnd, m_hTarget, 0, 0, 0, 0, kBehindTarget);
}

BOOL CKWShadowWnd::Create(HWND hTarget) {
  m_hTarget = hTarget;
  CRect rect = ShadowRectOf(hTarget);
  m_bPopupTarget = (::GetWindowLongPtrA(hTarget, GWL_STYLE) & WS_POPUP) != 0;
  ToParent(rect);
  LPCSTR lpszClass = AfxRegisterWndClass(CS_CLASSDC);
  DWORD dwStyle = m_bPopupTarget ? WS_POPUP : WS_CHILD;
  if (!CreateEx(WS_EX_TOOLWINDOW, lpszClass, kShadowText, dwStyle, rect.left, rect.top,
                rect.Width(), rect.Height(), ::GetParent(hTarget), nullptr))
    return FALSE;
  PlaceUnderTarget();
  CRect own;
  GetWindowRect(own);
  ScreenToClient(own);
  SetShadowRegion(own);
  return TRUE;
}

void CKWShadowWnd::Reposition(HWND hTarget) {
  m_hTarget = hTarget;
  CRect rect = ShadowRectOf(hTarget);
  CRect current;
  GetWindowRect(current);
  if (::EqualRect(rect, current)) return;
  ToParent(rect);
  ::SetWindowPos(m_hWnd, nullptr, rect.left, rect.top, rect.Width(), rect.Height(), kFollowTarget);
}

void CKWShadowWnd::SetShadowRegion(CRect rect) {
  CRgn right;
  CRgn bottom;
  CRgn bands;
  right.CreateRectRgn(rect.right - kKWShadowWidth, rect.top + kKWShadowWidth, rect.right,
                      rect.bottom);
  bottom.CreateRectRgn(rect.left + kKWShadowWidth, rect.bottom - kKWShadowWidth,
                       rect.right - kKWShadowWidth, rect.bottom);
  bands.CreateRectRgn(0, 0, 0, 0);
  bands.CombineRgn(&right, &bottom, RGN_OR);
  // The window owns the region from here on.
  if (::SetWindowRgn(m_hWnd, static_cast<HRGN>(bands.Detach()), FALSE) == 0) bands.DeleteObject();
  m_bImageValid = FALSE;
}

void CKWShadowWnd::OnPaint() {
  CPaintDC dc(this);
  CRect rect;
  GetWindowRect(rect);
  if (!m_bImageValid) {
    m_image.PrepareImage(rect, m_nDarkness);
    m_bImageValid = TRUE;
  }
  ScreenToClient(rect);
  m_image.PaintImage(&dc, rect);
}

BOOL CKWShadowWnd::OnEraseBkgnd(CDC*) { return TRUE; }

void CKWShadowWnd::OnSetFocus(CWnd* pOldWnd) {
  if (pOldWnd != nullptr) pOldWnd->SetFocus();
}

void CKWShadowWnd::OnWindowPosChanging(WINDOWPOS* lpwndpos) {
  bool movesOrSizes = (lpwndpos->flags & (SWP_NOMOVE | SWP_NOSIZE)) != (SWP_NOMOVE | SWP_NOSIZE);
  if (movesOrSizes && IsWindowVisible() && m_nMoveState == kAtRest) {
    ShowWindow(SW_HIDE);
    m_nMoveState = kHiddenForMove;
  }
  if ((lpwndpos->flags & SWP_NOZORDER) == 0 && m_hTarget != nullptr)
    lpwndpos->hwndInsertAfter = m_hTarget;
  lpwndpos->flags |= SWP_NOCOPYBITS;
  Default();
}

void CKWShadowWnd::OnWindowPosChanged(WINDOWPOS* lpwndpos) {
  Default();
  if (m_nMoveState != kHiddenForMove) return;
  m_nMoveState = kReshowing;
  ShowWindow(SW_SHOWNA);
  PlaceUnderTarget();
  m_nMoveState = kAtRest;
  SetShadowRegion(CRect(0, 0, lpwndpos->cx, lpwndpos->cy));
}
