#include "toolkit/win/KWDrawing.h"

#include <commctrl.h>

#include "classlib/core/Geometry.h"
#include "classlib/win/CDC.h"
#include "classlib/win/CImageList.h"
#include "toolkit/core/CKWRgb.h"
#include "toolkit/win/CKWGlobalData.h"

namespace {

// Paints the selected brush where the source is black and keeps the target elsewhere.
constexpr DWORD kRopBrushWhereSourceBlack = 0xB8074A;
constexpr int kDitherSize = 8;
constexpr WORD kDitherRows[kDitherSize] = {0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA};

constexpr int kShadowDepth = 4;
// Darkening in percent of the shadow's columns or rows, from the inside out.
constexpr int kShadowDarkening[kShadowDepth] = {36, 27, 18, 9};
constexpr int kFullStrength = 100;

void BlitWithBrush(HDC hDC, int x, int y, int cx, int cy, HDC hSource, COLORREF color) {
  HBRUSH hBrush = ::CreateSolidBrush(color);
  HGDIOBJ hOldBrush = ::SelectObject(hDC, hBrush);
  ::BitBlt(hDC, x, y, cx, cy, hSource, 0, 0, kRopBrushWhereSourceBlack);
  ::SelectObject(hDC, hOldBrush);
  ::DeleteObject(hBrush);
}

void DarkenPixel(HDC hDC, const CRect& surface, int x, int y, int percent) {
  if (!surface.PtInRect(CPoint(x, y))) return;
  COLORREF color = ::GetPixel(hDC, x, y);
  if (color == CLR_INVALID) return;
  ::SetPixel(hDC, x, y, CKWRgb(color).Blend(CKWRgb::black, percent));
}

}  // namespace

void DrawEmbossed(CDC* pDC, CImageList& imageList, int nImage, int x, int y, BOOL bColor) {
  IMAGEINFO info = {};
  if (!imageList.GetImageInfo(0, &info)) return;
  int cx = info.rcImage.right - info.rcImage.left, cy = info.rcImage.bottom - info.rcImage.top;
  HDC hDC = pDC->GetSafeHdc();
  HDC hMemDC = ::CreateCompatibleDC(hDC);
  HBITMAP hBitmap =
      bColor ? ::CreateCompatibleBitmap(hDC, cx, cy) : ::CreateBitmap(cx, cy, 1, 1, nullptr);
  HGDIOBJ hOldBitmap = ::SelectObject(hMemDC, hBitmap);
  ::PatBlt(hMemDC, 0, 0, cx, cy, WHITENESS);
  ImageList_Draw(imageList.GetSafeHandle(), nImage, hMemDC, 0, 0, ILD_TRANSPARENT);
  const CKWGlobalData& data = KWGetGlobalData();
  BlitWithBrush(hDC, x + 1, y + 1, cx, cy, hMemDC, data.clrBtnHilite);
  BlitWithBrush(hDC, x, y, cx, cy, hMemDC, data.clrBtnShadow);
  ::SelectObject(hMemDC, hOldBitmap);
  ::DeleteObject(hBitmap);
  ::DeleteDC(hMemDC);
}

void FillDither(CDC* pDC, LPCRECT lpRect) {
  HBITMAP hPattern = ::CreateBitmap(kDitherSize, kDitherSize, 1, 1, kDitherRows);
  HBRUSH hBrush = ::CreatePatternBrush(hPattern);
  HDC hDC = pDC->GetSafeHdc();
  const CKWGlobalData& data = KWGetGlobalData();
  COLORREF oldBack = ::SetBkColor(hDC, data.clrBtnFace);
  COLORREF oldText = ::SetTextColor(hDC, data.clrBtnHilite);
  HGDIOBJ hOldBrush = ::SelectObject(hDC, hBrush);
  ::PatBlt(hDC, lpRect->left, lpRect->top, lpRect->right - lpRect->left,
           lpRect->bottom - lpRect->top, PATCOPY);
  ::SelectObject(hDC, hOldBrush);
  ::SetTextColor(hDC, oldText);
  ::SetBkColor(hDC, oldBack);
  ::DeleteObject(hBrush);
  ::DeleteObject(hPattern);
}

void DrawItemShadow(CDC* pDC, int left, int top, int right, int bottom, int strength) {
  HDC hDC = pDC->GetSafeHdc();
  CRect surface;
  if (::GetClipBox(hDC, &surface) == ERROR) return;
  for (int depth = 0; depth < kShadowDepth; ++depth) {
    int percent = kShadowDarkening[depth] * strength / kFullStrength;
    int column = right - kShadowDepth + depth;
    for (int y = top + kShadowDepth; y < bottom; ++y) DarkenPixel(hDC, surface, column, y, percent);
    int row = bottom - kShadowDepth + depth;
    for (int x = left + kShadowDepth; x < right - kShadowDepth; ++x)
      DarkenPixel(hDC, surface, x, row, percent);
  }
}
