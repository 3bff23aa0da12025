#include "toolkit/win/CKWButton.h"

#include <algorithm>

#include "classlib/win/CWinApp.h"
#include "classlib/win/WindowDCs.h"
#include "toolkit/core/MenuText.h"
#include "toolkit/win/CKWGlobalData.h"
#include "toolkit/win/CKWMemDC.h"
#include "toolkit/win/KWDrawing.h"

IMPLEMENT_DYNAMIC(CKWButton, CButton)

BEGIN_MESSAGE_MAP(CKWButton, CButton)
  ON_WM_MOUSEMOVE()
  ON_WM_LBUTTONDOWN()
  ON_WM_LBUTTONUP()
  ON_WM_TIMER()
  ON_WM_SYSCOLORCHANGE()
  ON_WM_SETCURSOR()
  ON_WM_LBUTTONDBLCLK()
  ON_WM_CREATE()
  ON_WM_ERASEBKGND()
  ON_WM_PAINT()
  ON_MESSAGE(KWM_DEFERRED_INIT, OnDeferredInit)
END_MESSAGE_MAP()

namespace {
constexpr DWORD kHoverStyles = CKWButton::kFlat | CKWButton::kThin3D | CKWButton::kHighlight;
constexpr int kTextInset = 2;
constexpr int kFocusInset = 2;
}  // namespace

CKWButton::CKWButton() { LoadSystemColors(); }

CKWButton::~CKWButton() { FreeImages(); }

void CKWButton::LoadSystemColors() {
  m_clrText = ::GetSysColor(COLOR_BTNTEXT);
  m_clrFace = ::GetSysColor(COLOR_BTNFACE);
  m_clrHilite = ::GetSysColor(COLOR_BTNHIGHLIGHT);
  m_clrShadow = ::GetSysColor(COLOR_BTNSHADOW);
}

void CKWButton::SetColors(COLORREF clrFace, COLORREF clrHilite, COLORREF clrShadow,
                          COLORREF clrText) {
  SetFaceColor(clrFace);
  SetHiliteColor(clrHilite);
  SetShadowColor(clrShadow);
  SetTextColor(clrText);
  m_bKeepColors = TRUE;
}

void CKWButton::SetHighlightColors(COLORREF clrFrame, COLORREF clrHot, COLORREF clrPressed) {
  m_clrHighlightFrame = clrFrame;
  m_clrHighlightHot = clrHot;
  m_clrHighlightPressed = clrPressed;
  m_bHighlightColorsSet = TRUE;
}

void CKWButton::FreeImages() {
  if (m_bOwnsIcons) {
    if (m_hIcon != nullptr) ::DestroyIcon(m_hIcon);
    if (m_hIconPressed != nullptr) ::DestroyIcon(m_hIconPressed);
  }
  if (m_hBitmap != nullptr) ::DeleteObject(m_hBitmap);
  if (m_hBitmapDisabled != nullptr) ::DeleteObject(m_hBitmapDisabled);
  m_hIcon = m_hIconPressed = nullptr;
  m_hBitmap = m_hBitmapDisabled = nullptr;
  m_bOwnsIcons = FALSE;
}

BOOL CKWButton::SetIcon(int cx, int cy, UINT nIDIcon, UINT nIDPressed, BOOL bRedraw) {
  FreeImages();
  auto load = [cx, cy](UINT nID) -> HICON {
    HINSTANCE hInst = AfxFindResourceHandle(MAKEINTRESOURCEA(nID), RT_GROUP_ICON);
    return static_cast<HICON>(::LoadImageA(hInst, MAKEINTRESOURCEA(nID), IMAGE_ICON, cx, cy, 0));
  };
  m_bOwnsIcons = TRUE;
  m_hIcon = load(nIDIcon);
  if (m_hIcon == nullptr) return FALSE;
  if (nIDPressed != 0) {
    m_hIconPressed = load(nIDPressed);
    if (m_hIconPressed == nullptr) return FALSE;
  }
  m_sizeImage = CSize(cx, cy);
  if (bRedraw && m_hWnd != nullptr) Invalidate();
  return TRUE;
}

BOOL CKWButton::SetIcon(int cx, int cy, HICON hIcon, HICON hPressed, BOOL bRedraw) {
  // Icons the button loaded itself go; the caller's stay the caller's.
  if (m_bOwnsIcons) FreeImages();
  m_hIcon = hIcon;
  m_hIconPressed = hPressed;
  m_bOwnsIcons = FALSE;
  m_sizeImage = CSize(cx, cy);
  if (bRedraw && m_hWnd != nullptr) Invalidate();
  return TRUE;
}

BOOL CKWButton::SetBitmap(int cx, int cy, UINT nIDBitmap, BOOL bRedraw) {
  FreeImages();
  HINSTANCE hInst = AfxFindResourceHandle(MAKEINTRESOURCEA(nIDBitmap), RT_BITMAP);
  HRSRC hRsrc = ::FindResourceA(hInst, MAKEINTRESOURCEA(nIDBitmap), RT_BITMAP);
  if (hRsrc == nullptr) return FALSE;
  m_hBitmap = LoadSysColorBitmap(hInst, hRsrc, FALSE);
  m_hBitmapDisabled = LoadSysColorBitmap(hInst, hRsrc, TRUE);
  if (m_hBitmap == nullptr || m_hBitmapDisabled == nullptr) return FALSE;
  m_sizeImage = CSize(cx, cy);
  if (bRedraw && m_hWnd != nullptr) Invalidate();
  return TRUE;
}

BOOL CKWButton::SetPositions(int xImage, int yImage, int xText, int yText, BOOL bRedraw) {
  m_ptImage = CPoint(xImage, yImage);
  m_ptText = CPoint(xText, yText);
  m_bExplicitPositions = TRUE;
  if (bRedraw && m_hWnd != nullptr) Invalidate();
  return TRUE;
}

void CKWButton::ResetImage() {
  if (m_sizeImage == CSize(0, 0)) return;
  FreeImages();
  m_sizeImage = CSize(0, 0);
  m_ptImage = m_ptText = CPoint(0, 0);
  if (m_hWnd != nullptr) Invalidate();
}

DWORD CKWButton::SetButtonStyle(DWORD dwStyle, BOOL bRedraw) {
  DWORD dwOld = m_dwStyle;
  m_dwStyle = dwStyle;
  if (bRedraw && m_hWnd != nullptr) Invalidate();
  return dwOld;
}

CString CKWButton::GetButtonText(BOOL bRemoveMnemonics) const {
  CString text;
  GetWindowText(text);
  if (bRemoveMnemonics) StripMnemonics(text);
  return text;
}

// ---- Creation.

void CKWButton::RequestDeferredInit() {
  if (m_nInitCounter == 0) return;
  ++m_nInitCounter;
  PostMessage(KWM_DEFERRED_INIT, 0, m_nInitCounter);
}

void CKWButton::PreSubclassWindow() {
  CButton::PreSubclassWindow();
  RequestDeferredInit();
}

int CKWButton::OnCreate(LPCREATESTRUCT lpCreateStruct) {
  if (CButton::OnCreate(lpCreateStruct) == -1) return -1;
  RequestDeferredInit();
  return 0;
}

LRESULT CKWButton::OnDeferredInit(WPARAM, LPARAM lParam) {
  // Only the last request acts.
  if (lParam != m_nInitCounter) return 0;
  m_nInitCounter = 0;
  ModifyStyle(0, BS_OWNERDRAW);
  SetFont(&KWGetGlobalData().fontNormal, TRUE);
  return 0;
}

// ---- Mouse.

void CKWButton::OnMouseMove(UINT nFlags, CPoint point) {
  if (m_dwStyle & kHoverStyles) {
    SetTimer(kHoverTimer, kHoverPeriodMs);
    HoverStep();
  }
  Default();
}

void CKWButton::HoverStep() {
  CRect rect;
  GetWindowRect(&rect);
  CPoint cursor;
  ::GetCursorPos(&cursor);
  if (!m_bMousePressed && rect.PtInRect(cursor)) {
    if ((m_dwStyle & kHoverStyles) && !m_bHotDrawn) {
      m_bHot = TRUE;
      Invalidate(TRUE);
      m_bHotDrawn = TRUE;
    }
    return;
  }
  KillTimer(kHoverTimer);
  m_bHot = FALSE;
  if (m_bHotDrawn) Invalidate(TRUE);
  m_bHotDrawn = FALSE;
}

void CKWButton::OnTimer(UINT_PTR nIDEvent) {
  if (nIDEvent == kHoverTimer)
    HoverStep();
  else
    Default();
}

void CKWButton::OnLButtonDown(UINT nFlags, CPoint point) {
  if (!m_bMousePressed) {
    m_bMousePressed = TRUE;
    Invalidate();
  }
  Default();
}

void CKWButton::OnLButtonUp(UINT nFlags, CPoint point) {
  if (m_bMousePressed) {
    m_bMousePressed = FALSE;
    Invalidate();
  }
  Default();
}

void CKWButton::OnLButtonDblClk(UINT nFlags, CPoint point) {
  // A double click is a second click.
  SendMessage(WM_LBUTTONDOWN, nFlags, MAKELPARAM(point.x, point.y));
  Default();
}

BOOL CKWButton::OnSetCursor(CWnd*, UINT, UINT) {
  ::SetCursor(::LoadCursorA(nullptr, IDC_ARROW));
  return TRUE;
}

void CKWButton::OnSysColorChange() {
  Default();
  if (!m_bKeepColors) LoadSystemColors();
}

// ---- Painting.

void CKWButton::OnPaint() {
  CPaintDC dc(this);
  CRect rect;
  GetClientRect(&rect);
  CKWMemDC memDC(&dc, &rect, GetFaceColor());
  // The control's own painting calls DrawItem, into the memory DC.
  DefWindowProc(WM_PAINT, reinterpret_cast<WPARAM>(memDC.GetSafeHdc()), 0);
}

void CKWButton::DrawFrame(CDC* pDC, CRect& rect, BOOL bPressed, BOOL bHot, COLORREF& clrFace) {
  const CKWGlobalData& d = KWGetGlobalData();
  DWORD dwStyle = GetButtonStyle();
  if (dwStyle & kFlat) {
    if (bHot || bPressed)
      pDC->Draw3dRect(&rect, bPressed ? m_clrShadow : m_clrHilite, bPressed ? m_clrHilite : m_clrShadow);
  } else if (dwStyle & kHighlight) {
    if (!bHot && !bPressed) return;
    // Without colours of its own: the highlight, and the window colour with
    // 30 (hot) or 50 (pressed) percent of it.
    COLORREF frame = m_bHighlightColorsSet ? m_clrHighlightFrame : d.clrHighlight;
    COLORREF hot = m_bHighlightColorsSet ? m_clrHighlightHot : d.clrHighlightPale;
    COLORREF pressed = m_bHighlightColorsSet ? m_clrHighlightPressed : d.clrHighlightMid;
    pDC->Draw3dRect(&rect, frame, frame);
    clrFace = bPressed ? pressed : hot;
    CRect inside = rect;
    inside.DeflateRect(1, 1);
    pDC->FillSolidRect(&inside, clrFace);
  } else if (dwStyle & kThin3D) {
    pDC->Draw3dRect(&rect, bPressed ? d.clrBtnShadow : d.clrBtnHilite,
                    bPressed ? d.clrBtnHilite : d.clrBtnShadow);
  } else {
    CRect r = rect;
    pDC->Draw3dRect(&r, bPressed ? d.clr3DDkShadow : m_clrHilite, bPressed ? m_clrHilite : d.clr3DDkShadow);
    r.DeflateRect(1, 1);
    pDC->Draw3dRect(&r, bPressed ? m_clrShadow : clrFace, bPressed ? clrFace : m_clrShadow);
  }
}

void CKWButton::DrawItem(LPDRAWITEMSTRUCT lpDIS) {
  CDC* pDC = CDC::FromHandle(lpDIS->hDC);
  CRect rect = lpDIS->rcItem;
  BOOL bPressed = (lpDIS->itemState & ODS_SELECTED) != 0;
  int nSaved = pDC->SaveDC();
  CPoint cursor;
  ::GetCursorPos(&cursor);
  ScreenToClient(&cursor);
  COLORREF clrFace = GetFaceColor();
  pDC->FillSolidRect(&rect, clrFace);
  if ((GetButtonStyle() & kDither) &&
      (bPressed || (m_bDitherUnlessHovered && !rect.PtInRect(cursor))))
    FillDither(pDC, &rect);
  DrawFrame(pDC, rect, bPressed, m_bHot, clrFace);
  pDC->SetBkMode(TRANSPARENT);
  pDC->SetBkColor(clrFace);
  DrawButtonText(pDC, lpDIS->itemState, rect);
  DrawIcon(pDC, lpDIS->itemState, rect);
  DrawBitmap(pDC, lpDIS->itemState, rect);
  if ((GetButtonStyle() & kFocusRect) && (lpDIS->itemState & ODS_FOCUS)) {
    pDC->SetTextColor(RGB(0, 0, 0));
    CRect focus = rect;
    focus.DeflateRect(kFocusInset, kFocusInset);
    pDC->DrawFocusRect(&focus);
  }
  pDC->RestoreDC(nSaved);
}

CPoint CKWButton::GetImagePosition(CDC* pDC, UINT nState, const CRect& rect, BOOL bPressedImage) {
  CPoint pt = m_ptImage;
  if (!m_bExplicitPositions) {
    DWORD dwBS = GetStyle();
    CString text = GetButtonText(TRUE);
    pt.x = rect.left + m_nBorderGap;
    pt.y = rect.top + std::max<int>(0, (rect.Height() - m_sizeImage.cy) / 2);
    if (!(GetButtonStyle() & kImageAbove)) {
      if (text.IsEmpty()) {
        if ((dwBS & BS_CENTER) == BS_CENTER && m_sizeImage.cx <= rect.Width())
          pt.x = rect.left + (rect.Width() - m_sizeImage.cx) / 2;
        if ((dwBS & BS_VCENTER) == BS_VCENTER && m_sizeImage.cy <= rect.Height())
          pt.y = rect.top + (rect.Height() - m_sizeImage.cy) / 2;
      }
    } else {
      if (!text.IsEmpty()) {
        CSize sizeText = pDC->GetTextExtent(text);
        pt.y -= sizeText.cy / 2 + m_nImageTextGap / 2;
      }
      DWORD dwAlign = dwBS & BS_CENTER;
      if (dwAlign == BS_CENTER || dwAlign == 0)
        pt.x = rect.left + std::max<int>(0, (rect.Width() - m_sizeImage.cx) / 2);
      else if (dwAlign == BS_RIGHT)
        pt.x = rect.right - m_nBorderGap - m_sizeImage.cx;
    }
  }
  if ((nState & ODS_SELECTED) && !bPressedImage) pt.Offset(1, 1);
  return pt;
}

void CKWButton::DrawButtonText(CDC* pDC, UINT nState, const CRect& rect) {
  CString text = GetButtonText(FALSE);
  if (text.IsEmpty()) return;
  CFont* pOld = pDC->SelectObject(GetFont());
  CSize sizeText = pDC->GetTextExtent(GetButtonText(TRUE));
  CRect box = rect;
  box.DeflateRect(kTextInset, 0);
  CPoint pt = m_ptText;
  if (!m_bExplicitPositions) {
    bool bAbove = (GetButtonStyle() & kImageAbove) != 0;
    pt.x = box.left + m_nBorderGap;
    pt.y = box.top + (box.Height() - sizeText.cy) / 2;
    if (bAbove) pt.y += m_nImageTextGap / 2 + m_sizeImage.cy / 2;
    DWORD dwAlign = GetStyle() & BS_CENTER;
    int nImageRoom = bAbove ? 0 : m_sizeImage.cx;
    if (dwAlign == BS_CENTER || dwAlign == 0) {
      pt.x += nImageRoom;
      pt.x += std::max<int>(0, (box.right - pt.x - m_nBorderGap - sizeText.cx) / 2);
    } else if (dwAlign == BS_RIGHT) {
      pt.x = box.right - m_nBorderGap - sizeText.cx;
    } else if (!bAbove) {
      pt.x += m_sizeImage.cx + m_nImageTextGap;
    }
  }
  if (nState & ODS_SELECTED) pt.Offset(1, 1);
  bool bDisabled = (nState & ODS_DISABLED) != 0;
  pDC->SetTextColor(bDisabled ? ::GetSysColor(COLOR_GRAYTEXT) : m_clrText);
  pDC->DrawState(pt, sizeText, text, DST_PREFIXTEXT, TRUE, 0, static_cast<HBRUSH>(nullptr));
  pDC->SelectObject(pOld);
}

void CKWButton::DrawIcon(CDC* pDC, UINT nState, const CRect& rect) {
  if (m_hIcon == nullptr) return;
  bool bPressedImage = (nState & ODS_SELECTED) && m_hIconPressed != nullptr;
  HICON hIcon = bPressedImage ? m_hIconPressed : m_hIcon;
  CPoint pt = GetImagePosition(pDC, nState, rect, bPressedImage);
  UINT nFlags = DST_ICON | ((nState & ODS_DISABLED) ? DSS_DISABLED : DSS_NORMAL);
  pDC->DrawState(pt, m_sizeImage, hIcon, nFlags, static_cast<HBRUSH>(nullptr));
}

void CKWButton::DrawBitmap(CDC* pDC, UINT nState, const CRect& rect) {
  bool bDisabled = (nState & ODS_DISABLED) != 0;
  HBITMAP hBitmap = bDisabled ? m_hBitmapDisabled : m_hBitmap;
  if (hBitmap == nullptr) return;
  CPoint pt = GetImagePosition(pDC, nState, rect, FALSE);
  pDC->DrawState(pt, m_sizeImage, hBitmap, DST_BITMAP | (bDisabled ? DSS_DISABLED : DSS_NORMAL),
                 static_cast<HBRUSH>(nullptr));
}
