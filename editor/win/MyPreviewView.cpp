#include "editor/win/MyPreviewView.h"

#include <algorithm>
#include <cstdlib>
#include <iterator>

#include "classlib/win/CPreviewDC.h"
#include "classlib/win/CWinApp.h"
#include "classlib/win/CPrintInfo.h"
#include "editor/win/ZultaEditView.h"

IMPLEMENT_DYNCREATE(CMyPreviewView, CPreviewView)

BEGIN_MESSAGE_MAP(CMyPreviewView, CPreviewView)
  ON_WM_SETCURSOR()
END_MESSAGE_MAP()

namespace {

// The magnifier: a ring with a handle to the lower right, its hot spot in
// the middle of the glass.
constexpr int kCursorSize = 32;
constexpr int kLensCentre = 10;
constexpr int kLensInner = 6;
constexpr int kLensOuter = 8;
constexpr int kHandleEnd = 22;
constexpr int kHandleHalfWidth = 2;

HCURSOR MakeMagnifyCursor() {
  constexpr int kRowBytes = kCursorSize / 8;
  BYTE andPlane[kCursorSize * kRowBytes];
  BYTE xorPlane[kCursorSize * kRowBytes] = {};
  std::fill(std::begin(andPlane), std::end(andPlane), BYTE{0xFF});
  auto paint = [&](int x, int y, bool bWhite) {
    const BYTE bit = static_cast<BYTE>(0x80 >> (x % 8));
    andPlane[y * kRowBytes + x / 8] &= static_cast<BYTE>(~bit);
    if (bWhite) xorPlane[y * kRowBytes + x / 8] |= bit;
  };
  for (int y = 0; y < kCursorSize; ++y) {
    for (int x = 0; x < kCursorSize; ++x) {
      const int dx = x - kLensCentre, dy = y - kLensCentre;
      const int d2 = dx * dx + dy * dy;
      const bool bHandle = dx > 0 && dy > 0 && std::abs(dx - dy) <= kHandleHalfWidth &&
                           x <= kHandleEnd && y <= kHandleEnd;
      if (d2 < kLensInner * kLensInner)
        paint(x, y, true);
      else if (d2 <= kLensOuter * kLensOuter || bHandle)
        paint(x, y, false);
    }
  }
  return ::CreateCursor(AfxGetInstanceHandle(), kLensCentre, kLensCentre, kCursorSize, kCursorSize,
                        andPlane, xorPlane);
}

}  // namespace

CMyPreviewView::~CMyPreviewView() {
  if (m_pEditView != nullptr) m_pEditView->SetPreviewView(nullptr);
  if (m_hMagnifyCursor != nullptr) ::DestroyCursor(m_hMagnifyCursor);
}

BOOL CMyPreviewView::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message) {
  if (nHitTest != HTCLIENT) return CPreviewView::OnSetCursor(pWnd, nHitTest, message);
  CPoint point;
  ::GetCursorPos(&point);
  ScreenToClient(&point);
  bool bOverPage = false;
  for (UINT nIndex = 0; nIndex < GetPagesDrawn(); ++nIndex)
    bOverPage = bOverPage || GetPageRect(nIndex).PtInRect(point);
  if (bOverPage && m_nZoomState != kZoomIn) {
    if (m_hMagnifyCursor == nullptr) m_hMagnifyCursor = MakeMagnifyCursor();
    ::SetCursor(m_hMagnifyCursor);
  } else {
    ::SetCursor(::LoadCursor(nullptr, IDC_ARROW));
  }
  return TRUE;
}

BOOL CMyPreviewView::SetPrintView(CView* pPrintView) {
  // The editor view re-attaches the printer through this view from its
  // first page on.
  m_pEditView = static_cast<CZultaEditView*>(pPrintView);
  m_pEditView->SetPreviewView(this);
  return CPreviewView::SetPrintView(pPrintView);
}

void CMyPreviewView::ReattachPrinterDC() {
  m_dcPrint.Detach();
  m_dcPrint.Attach(m_pPreviewInfo->m_pPD->m_pd.hDC);
  m_pPreviewDC->SetAttribDC(m_dcPrint.m_hDC);
  m_sizePrinterPage = CSize(m_dcPrint.GetDeviceCaps(HORZRES), m_dcPrint.GetDeviceCaps(VERTRES));
  m_sizePrinterPPI =
      CSize(m_dcPrint.GetDeviceCaps(LOGPIXELSX), m_dcPrint.GetDeviceCaps(LOGPIXELSY));
}

void CMyPreviewView::PreparePagePrinter(UINT nIndex) {
  const UINT nPage = m_nCurrentPage + nIndex;
  if (nPage <= m_pPreviewInfo->GetMaxPage() && m_pEditView->MakePagePrinterDC(m_pPreviewInfo, nPage))
    ReattachPrinterDC();
}
