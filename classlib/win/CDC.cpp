#include "classlib/win/CDC.h"

#include <cstdlib>

#include "classlib/core/Debug.h"
#include "classlib/win/CBitmap.h"
#include "classlib/win/CBrush.h"
#include "classlib/win/CFont.h"
#include "classlib/win/CPen.h"
#include "classlib/win/CRgn.h"
#include "classlib/win/CWnd.h"
#include "classlib/win/HandleMap.h"

namespace {
CDC* NewTemporary(HDC hDC) {
  CDC* pDC = new CDC;
  pDC->m_hDC = pDC->m_hAttribDC = hDC;
  return pDC;
}

void ReleaseTemporary(CDC* pDC) { pDC->m_hDC = pDC->m_hAttribDC = nullptr; }

CHandleMap<CDC, HDC>& DCMap() { return AfxHandleMap<CDC, HDC>(NewTemporary, ReleaseTemporary); }

// A null object passes a null handle on (the call then fails) rather than
// crashing.
HGDIOBJ HandleOf(const CGdiObject* pObject) {
  return pObject != nullptr ? pObject->m_hObject : nullptr;
}

HBRUSH BrushHandle(CBrush* pBrush) { return static_cast<HBRUSH>(HandleOf(pBrush)); }
}  // namespace

IMPLEMENT_DYNCREATE(CDC, CObject)

CDC::~CDC() {
  if (m_hDC != nullptr) ::DeleteDC(Detach());
}

CDC* CDC::FromHandle(HDC hDC) { return DCMap().FromHandle(hDC); }

void CDC::DeleteTempMap() { DCMap().DeleteTemp(); }

BOOL CDC::Attach(HDC hDC) {
  ASSERT(m_hDC == nullptr);
  if (hDC == nullptr) return FALSE;
  m_hDC = m_hAttribDC = hDC;
  DCMap().SetPermanent(hDC, this);
  return TRUE;
}

HDC CDC::Detach() {
  HDC hDC = m_hDC;
  if (hDC != nullptr) {
    auto& map = DCMap();
    if (map.LookupPermanent(hDC) == this) map.RemovePermanent(hDC);
  }
  m_hDC = m_hAttribDC = nullptr;
  return hDC;
}

void CDC::SetAttribDC(HDC hDC) { m_hAttribDC = hDC; }
void CDC::SetOutputDC(HDC hDC) { m_hDC = hDC; }
void CDC::ReleaseAttribDC() { m_hAttribDC = nullptr; }
void CDC::ReleaseOutputDC() { m_hDC = nullptr; }

BOOL CDC::CreateDC(LPCTSTR lpszDriverName, LPCTSTR lpszDeviceName, LPCTSTR lpszOutput,
                   const void* lpInitData) {
  return Attach(::CreateDCA(lpszDriverName, lpszDeviceName, lpszOutput,
                            static_cast<const DEVMODEA*>(lpInitData)));
}

BOOL CDC::CreateIC(LPCTSTR lpszDriverName, LPCTSTR lpszDeviceName, LPCTSTR lpszOutput,
                   const void* lpInitData) {
  return Attach(::CreateICA(lpszDriverName, lpszDeviceName, lpszOutput,
                            static_cast<const DEVMODEA*>(lpInitData)));
}

BOOL CDC::CreateCompatibleDC(CDC* pDC) {
  return Attach(::CreateCompatibleDC(pDC != nullptr ? pDC->m_hDC : nullptr));
}

BOOL CDC::DeleteDC() {
  if (m_hDC == nullptr) return FALSE;
  return ::DeleteDC(Detach());
}

template <class TResult, class TSetter>
TResult CDC::SetOnBoth(TSetter setter) {
  TResult result{};
  if (m_hDC != m_hAttribDC && m_hDC != nullptr) result = setter(m_hDC);
  if (m_hAttribDC != nullptr) result = setter(m_hAttribDC);
  return result;
}

int CDC::SaveDC() {
  return SetOnBoth<int>([](HDC hDC) { return ::SaveDC(hDC); });
}

BOOL CDC::RestoreDC(int nSavedDC) {
  return SetOnBoth<BOOL>([=](HDC hDC) { return ::RestoreDC(hDC, nSavedDC); });
}

// Objects

HGDIOBJ CDC::SelectHandle(HGDIOBJ hObject) {
  if (hObject == nullptr) return nullptr;
  return SetOnBoth<HGDIOBJ>([=](HDC hDC) { return ::SelectObject(hDC, hObject); });
}

CPen* CDC::SelectObject(CPen* pPen) {
  return CPen::FromHandle(static_cast<HPEN>(SelectHandle(HandleOf(pPen))));
}

CBrush* CDC::SelectObject(CBrush* pBrush) {
  return CBrush::FromHandle(static_cast<HBRUSH>(SelectHandle(HandleOf(pBrush))));
}

CFont* CDC::SelectObject(CFont* pFont) {
  return CFont::FromHandle(static_cast<HFONT>(SelectHandle(HandleOf(pFont))));
}

CBitmap* CDC::SelectObject(CBitmap* pBitmap) {
  return CBitmap::FromHandle(static_cast<HBITMAP>(SelectHandle(HandleOf(pBitmap))));
}

int CDC::SelectObject(CRgn* pRgn) { return SelectClipRgn(pRgn); }

CGdiObject* CDC::SelectObject(CGdiObject* pObject) {
  return CGdiObject::FromHandle(SelectHandle(HandleOf(pObject)));
}

CGdiObject* CDC::SelectStockObject(int nIndex) {
  return CGdiObject::FromHandle(SelectHandle(::GetStockObject(nIndex)));
}

CPen* CDC::GetCurrentPen() const {
  return CPen::FromHandle(static_cast<HPEN>(::GetCurrentObject(m_hAttribDC, OBJ_PEN)));
}

CBrush* CDC::GetCurrentBrush() const {
  return CBrush::FromHandle(static_cast<HBRUSH>(::GetCurrentObject(m_hAttribDC, OBJ_BRUSH)));
}

CFont* CDC::GetCurrentFont() const {
  return CFont::FromHandle(static_cast<HFONT>(::GetCurrentObject(m_hAttribDC, OBJ_FONT)));
}

CBitmap* CDC::GetCurrentBitmap() const {
  return CBitmap::FromHandle(static_cast<HBITMAP>(::GetCurrentObject(m_hDC, OBJ_BITMAP)));
}

// Colours and modes

COLORREF CDC::SetBkColor(COLORREF crColor) {
  return SetOnBoth<COLORREF>([=](HDC hDC) { return ::SetBkColor(hDC, crColor); });
}

COLORREF CDC::SetTextColor(COLORREF crColor) {
  return SetOnBoth<COLORREF>([=](HDC hDC) { return ::SetTextColor(hDC, crColor); });
}

int CDC::SetBkMode(int nBkMode) {
  return SetOnBoth<int>([=](HDC hDC) { return ::SetBkMode(hDC, nBkMode); });
}

int CDC::SetROP2(int nDrawMode) {
  return SetOnBoth<int>([=](HDC hDC) { return ::SetROP2(hDC, nDrawMode); });
}

int CDC::SetPolyFillMode(int nPolyFillMode) {
  return SetOnBoth<int>([=](HDC hDC) { return ::SetPolyFillMode(hDC, nPolyFillMode); });
}

int CDC::SetStretchBltMode(int nStretchMode) {
  return SetOnBoth<int>([=](HDC hDC) { return ::SetStretchBltMode(hDC, nStretchMode); });
}

UINT CDC::SetTextAlign(UINT nFlags) {
  return SetOnBoth<UINT>([=](HDC hDC) { return ::SetTextAlign(hDC, nFlags); });
}

int CDC::SetTextCharacterExtra(int nCharExtra) {
  return SetOnBoth<int>([=](HDC hDC) { return ::SetTextCharacterExtra(hDC, nCharExtra); });
}

// Mapping

int CDC::SetMapMode(int nMapMode) {
  return SetOnBoth<int>([=](HDC hDC) { return ::SetMapMode(hDC, nMapMode); });
}

CPoint CDC::GetViewportOrg() const {
  POINT point = {};
  ::GetViewportOrgEx(m_hAttribDC, &point);
  return point;
}

CPoint CDC::SetViewportOrg(int x, int y) {
  return SetOnBoth<CPoint>([=](HDC hDC) {
    POINT point = {};
    ::SetViewportOrgEx(hDC, x, y, &point);
    return CPoint(point);
  });
}

CPoint CDC::OffsetViewportOrg(int nWidth, int nHeight) {
  return SetOnBoth<CPoint>([=](HDC hDC) {
    POINT point = {};
    ::OffsetViewportOrgEx(hDC, nWidth, nHeight, &point);
    return CPoint(point);
  });
}

CSize CDC::GetViewportExt() const {
  SIZE size = {};
  ::GetViewportExtEx(m_hAttribDC, &size);
  return size;
}

CSize CDC::SetViewportExt(int cx, int cy) {
  return SetOnBoth<CSize>([=](HDC hDC) {
    SIZE size = {};
    ::SetViewportExtEx(hDC, cx, cy, &size);
    return CSize(size);
  });
}

CSize CDC::ScaleViewportExt(int xNum, int xDenom, int yNum, int yDenom) {
  return SetOnBoth<CSize>([=](HDC hDC) {
    SIZE size = {};
    ::ScaleViewportExtEx(hDC, xNum, xDenom, yNum, yDenom, &size);
    return CSize(size);
  });
}

CPoint CDC::GetWindowOrg() const {
  POINT point = {};
  ::GetWindowOrgEx(m_hAttribDC, &point);
  return point;
}

CPoint CDC::SetWindowOrg(int x, int y) {
  return SetOnBoth<CPoint>([=](HDC hDC) {
    POINT point = {};
    ::SetWindowOrgEx(hDC, x, y, &point);
    return CPoint(point);
  });
}

CPoint CDC::OffsetWindowOrg(int nWidth, int nHeight) {
  return SetOnBoth<CPoint>([=](HDC hDC) {
    POINT point = {};
    ::OffsetWindowOrgEx(hDC, nWidth, nHeight, &point);
    return CPoint(point);
  });
}

CSize CDC::GetWindowExt() const {
  SIZE size = {};
  ::GetWindowExtEx(m_hAttribDC, &size);
  return size;
}

CSize CDC::SetWindowExt(int cx, int cy) {
  return SetOnBoth<CSize>([=](HDC hDC) {
    SIZE size = {};
    ::SetWindowExtEx(hDC, cx, cy, &size);
    return CSize(size);
  });
}

CSize CDC::ScaleWindowExt(int xNum, int xDenom, int yNum, int yDenom) {
  return SetOnBoth<CSize>([=](HDC hDC) {
    SIZE size = {};
    ::ScaleWindowExtEx(hDC, xNum, xDenom, yNum, yDenom, &size);
    return CSize(size);
  });
}

void CDC::DPtoLP(LPPOINT lpPoints, int nCount) const { ::DPtoLP(m_hAttribDC, lpPoints, nCount); }

void CDC::DPtoLP(LPRECT lpRect) const {
  ::DPtoLP(m_hAttribDC, reinterpret_cast<LPPOINT>(lpRect), 2);
}

void CDC::DPtoLP(LPSIZE lpSize) const {
  CSize windowExt = GetWindowExt();
  CSize viewportExt = GetViewportExt();
  lpSize->cx = ::MulDiv(lpSize->cx, std::abs(windowExt.cx), std::abs(viewportExt.cx));
  lpSize->cy = ::MulDiv(lpSize->cy, std::abs(windowExt.cy), std::abs(viewportExt.cy));
}

void CDC::LPtoDP(LPPOINT lpPoints, int nCount) const { ::LPtoDP(m_hAttribDC, lpPoints, nCount); }

void CDC::LPtoDP(LPRECT lpRect) const {
  ::LPtoDP(m_hAttribDC, reinterpret_cast<LPPOINT>(lpRect), 2);
}

void CDC::LPtoDP(LPSIZE lpSize) const {
  CSize windowExt = GetWindowExt();
  CSize viewportExt = GetViewportExt();
  lpSize->cx = ::MulDiv(lpSize->cx, std::abs(viewportExt.cx), std::abs(windowExt.cx));
  lpSize->cy = ::MulDiv(lpSize->cy, std::abs(viewportExt.cy), std::abs(windowExt.cy));
}

// Clipping

int CDC::GetClipBox(LPRECT lpRect) const { return ::GetClipBox(m_hDC, lpRect); }

BOOL CDC::PtVisible(int x, int y) const { return ::PtVisible(m_hDC, x, y); }

BOOL CDC::RectVisible(LPCRECT lpRect) const { return ::RectVisible(m_hDC, lpRect); }

int CDC::SelectClipRgn(CRgn* pRgn) {
  HRGN hRgn = static_cast<HRGN>(HandleOf(pRgn));
  return SetOnBoth<int>([=](HDC hDC) { return ::SelectClipRgn(hDC, hRgn); });
}

int CDC::SelectClipRgn(CRgn* pRgn, int nMode) {
  HRGN hRgn = static_cast<HRGN>(HandleOf(pRgn));
  return SetOnBoth<int>([=](HDC hDC) { return ::ExtSelectClipRgn(hDC, hRgn, nMode); });
}

int CDC::ExcludeClipRect(int x1, int y1, int x2, int y2) {
  return SetOnBoth<int>([=](HDC hDC) { return ::ExcludeClipRect(hDC, x1, y1, x2, y2); });
}

int CDC::ExcludeClipRect(LPCRECT lpRect) {
  return ExcludeClipRect(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom);
}

int CDC::ExcludeUpdateRgn(CWnd* pWnd) {
  HWND hWnd = pWnd->GetSafeHwnd();
  return SetOnBoth<int>([=](HDC hDC) { return ::ExcludeUpdateRgn(hDC, hWnd); });
}

int CDC::IntersectClipRect(int x1, int y1, int x2, int y2) {
  return SetOnBoth<int>([=](HDC hDC) { return ::IntersectClipRect(hDC, x1, y1, x2, y2); });
}

int CDC::IntersectClipRect(LPCRECT lpRect) {
  return IntersectClipRect(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom);
}

int CDC::OffsetClipRgn(int x, int y) {
  return SetOnBoth<int>([=](HDC hDC) { return ::OffsetClipRgn(hDC, x, y); });
}

// Lines

CPoint CDC::GetCurrentPosition() const {
  POINT point = {};
  ::GetCurrentPositionEx(m_hAttribDC, &point);
  return point;
}

CPoint CDC::MoveTo(int x, int y) {
  return SetOnBoth<CPoint>([=](HDC hDC) {
    POINT point = {};
    ::MoveToEx(hDC, x, y, &point);
    return CPoint(point);
  });
}

BOOL CDC::LineTo(int x, int y) {
  // The attribute DC keeps the current position in step.
  if (m_hAttribDC != nullptr && m_hAttribDC != m_hDC) ::MoveToEx(m_hAttribDC, x, y, nullptr);
  return ::LineTo(m_hDC, x, y);
}

BOOL CDC::Polyline(const POINT* lpPoints, int nCount) {
  return ::Polyline(m_hDC, lpPoints, nCount);
}

// Rectangles

void CDC::FillRect(LPCRECT lpRect, CBrush* pBrush) {
  ::FillRect(m_hDC, lpRect, BrushHandle(pBrush));
}

void CDC::FrameRect(LPCRECT lpRect, CBrush* pBrush) {
  ::FrameRect(m_hDC, lpRect, BrushHandle(pBrush));
}

void CDC::FillSolidRect(LPCRECT lpRect, COLORREF clr) {
  // An opaque text call with no text paints the rectangle in the background
  // colour, without making a brush.
  ::SetBkColor(m_hDC, clr);
  ::ExtTextOutA(m_hDC, 0, 0, ETO_OPAQUE, lpRect, nullptr, 0, nullptr);
}

void CDC::FillSolidRect(int x, int y, int cx, int cy, COLORREF clr) {
  RECT rect = {x, y, x + cx, y + cy};
  FillSolidRect(&rect, clr);
}

void CDC::Draw3dRect(LPCRECT lpRect, COLORREF clrTopLeft, COLORREF clrBottomRight) {
  Draw3dRect(lpRect->left, lpRect->top, lpRect->right - lpRect->left, lpRect->bottom - lpRect->top,
             clrTopLeft, clrBottomRight);
}

void CDC::Draw3dRect(int x, int y, int cx, int cy, COLORREF clrTopLeft, COLORREF clrBottomRight) {
  FillSolidRect(x, y, cx - 1, 1, clrTopLeft);
  FillSolidRect(x, y, 1, cy - 1, clrTopLeft);
  FillSolidRect(x + cx - 1, y, 1, cy, clrBottomRight);
  FillSolidRect(x, y + cy - 1, cx, 1, clrBottomRight);
}

namespace {
// The frame of width size inside rect, as a region.
void MakeFrameRgn(CRgn& frame, LPCRECT lpRect, SIZE size) {
  CRect inner(lpRect);
  inner.DeflateRect(size.cx, size.cy);
  inner.IntersectRect(inner, lpRect);
  CRgn innerRgn;
  frame.CreateRectRgnIndirect(lpRect);
  innerRgn.CreateRectRgnIndirect(inner);
  frame.CombineRgn(&frame, &innerRgn, RGN_XOR);
}
}  // namespace

void CDC::DrawDragRect(LPCRECT lpRect, SIZE size, LPCRECT lpRectLast, SIZE sizeLast, CBrush* pBrush,
                       CBrush* pBrushLast) {
  CBrush* pHalftone = GetHalftoneBrush();
  if (pBrush == nullptr) pBrush = pHalftone;
  if (pBrushLast == nullptr) pBrushLast = pHalftone;

  CRgn newRgn;
  MakeFrameRgn(newRgn, lpRect, size);
  CRgn lastRgn;
  if (lpRectLast != nullptr) MakeFrameRgn(lastRgn, lpRectLast, sizeLast);

  // Inverting the area both frames share twice would leave it unchanged, so
  // with one brush only the symmetric difference is inverted.
  CRect bounds;
  if (lpRectLast != nullptr && pBrush->m_hObject == pBrushLast->m_hObject) {
    newRgn.CombineRgn(&newRgn, &lastRgn, RGN_XOR);
  } else if (lpRectLast != nullptr) {
    SelectClipRgn(&lastRgn);
    GetClipBox(&bounds);
    CBrush* pOld = SelectObject(pBrushLast);
    PatBlt(bounds.left, bounds.top, bounds.Width(), bounds.Height(), PATINVERT);
    SelectObject(pOld);
  }
  SelectClipRgn(&newRgn);
  GetClipBox(&bounds);
  CBrush* pOld = SelectObject(pBrush);
  PatBlt(bounds.left, bounds.top, bounds.Width(), bounds.Height(), PATINVERT);
  SelectObject(pOld);
  SelectClipRgn(nullptr);
}

CBrush* CDC::GetHalftoneBrush() {
  // Made once and kept for the life of the process: deleting it at exit
  // would come after the handle maps are gone.
  static CBrush* s_pBrush = [] {
    static const WORD kPattern[8] = {0x5555, 0xAAAA, 0x5555, 0xAAAA,
                                     0x5555, 0xAAAA, 0x5555, 0xAAAA};
    CBitmap bitmap;
    bitmap.CreateBitmap(8, 8, 1, 1, kPattern);
    CBrush* pBrush = new CBrush;
    pBrush->CreatePatternBrush(&bitmap);
    return pBrush;
  }();
  return s_pBrush;
}

// Bits

BOOL CDC::BitBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc,
                 DWORD dwRop) {
  return ::BitBlt(m_hDC, x, y, nWidth, nHeight, pSrcDC != nullptr ? pSrcDC->m_hDC : nullptr, xSrc,
                  ySrc, dwRop);
}

BOOL CDC::StretchBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc,
                     int nSrcWidth, int nSrcHeight, DWORD dwRop) {
  return ::StretchBlt(m_hDC, x, y, nWidth, nHeight, pSrcDC != nullptr ? pSrcDC->m_hDC : nullptr,
                      xSrc, ySrc, nSrcWidth, nSrcHeight, dwRop);
}

BOOL CDC::DrawState(CPoint pt, CSize size, HBITMAP hBitmap, UINT nFlags, HBRUSH hBrush) {
  return ::DrawStateA(m_hDC, hBrush, nullptr, reinterpret_cast<LPARAM>(hBitmap), 0, pt.x, pt.y,
                      size.cx, size.cy, nFlags | DST_BITMAP);
}

BOOL CDC::DrawState(CPoint pt, CSize size, CBitmap* pBitmap, UINT nFlags, CBrush* pBrush) {
  return DrawState(pt, size, static_cast<HBITMAP>(HandleOf(pBitmap)), nFlags, BrushHandle(pBrush));
}

BOOL CDC::DrawState(CPoint pt, CSize size, HICON hIcon, UINT nFlags, HBRUSH hBrush) {
  return ::DrawStateA(m_hDC, hBrush, nullptr, reinterpret_cast<LPARAM>(hIcon), 0, pt.x, pt.y,
                      size.cx, size.cy, nFlags | DST_ICON);
}

BOOL CDC::DrawState(CPoint pt, CSize size, HICON hIcon, UINT nFlags, CBrush* pBrush) {
  return DrawState(pt, size, hIcon, nFlags, BrushHandle(pBrush));
}

BOOL CDC::DrawState(CPoint pt, CSize size, LPCTSTR lpszText, UINT nFlags, BOOL bPrefixText,
                    int nTextLen, HBRUSH hBrush) {
  return ::DrawStateA(m_hDC, hBrush, nullptr, reinterpret_cast<LPARAM>(lpszText),
                      static_cast<WPARAM>(nTextLen), pt.x, pt.y, size.cx, size.cy,
                      nFlags | (bPrefixText ? DST_PREFIXTEXT : DST_TEXT));
}

BOOL CDC::DrawState(CPoint pt, CSize size, LPCTSTR lpszText, UINT nFlags, BOOL bPrefixText,
                    int nTextLen, CBrush* pBrush) {
  return DrawState(pt, size, lpszText, nFlags, bPrefixText, nTextLen, BrushHandle(pBrush));
}

BOOL CDC::DrawState(CPoint pt, CSize size, DRAWSTATEPROC lpDrawProc, LPARAM lData, UINT nFlags,
                    HBRUSH hBrush) {
  return ::DrawStateA(m_hDC, hBrush, lpDrawProc, lData, 0, pt.x, pt.y, size.cx, size.cy,
                      nFlags | DST_COMPLEX);
}

// Text

BOOL CDC::TextOut(int x, int y, LPCTSTR lpszString, int nCount) {
  return ::TextOutA(m_hDC, x, y, lpszString, nCount);
}

BOOL CDC::ExtTextOut(int x, int y, UINT nOptions, LPCRECT lpRect, LPCTSTR lpszString, UINT nCount,
                     LPINT lpDxWidths) {
  return ::ExtTextOutA(m_hDC, x, y, nOptions, lpRect, lpszString, nCount, lpDxWidths);
}

int CDC::DrawText(LPCTSTR lpszString, int nCount, LPRECT lpRect, UINT nFormat) {
  return ::DrawTextA(m_hDC, lpszString, nCount, lpRect, nFormat);
}

CSize CDC::GetTextExtent(LPCTSTR lpszString, int nCount) const {
  SIZE size = {};
  ::GetTextExtentPoint32A(m_hAttribDC, lpszString, nCount, &size);
  return size;
}

CSize CDC::GetOutputTextExtent(LPCTSTR lpszString, int nCount) const {
  SIZE size = {};
  ::GetTextExtentPoint32A(m_hDC, lpszString, nCount, &size);
  return size;
}

// Printing

int CDC::StartDoc(LPCTSTR lpszDocName) {
  DOCINFOA docInfo = {};
  docInfo.cbSize = sizeof(docInfo);
  docInfo.lpszDocName = lpszDocName;
  return StartDoc(&docInfo);
}
