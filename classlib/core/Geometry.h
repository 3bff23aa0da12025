// Points, sizes and rectangles over the Windows POINT, SIZE and RECT, usable
// wherever those are expected. Rectangles follow the Windows rules: right and
// bottom lie outside, and a rectangle with no width or no height (or a
// negative one) is empty.
//
// The default constructors give zeros rather than leaving the members unset.
#pragma once

#include "classlib/core/WinTypes.h"

class CSize;

class CPoint : public POINT {
 public:
  CPoint() : CPoint(0, 0) {}
  CPoint(int initX, int initY) {
    x = initX;
    y = initY;
  }
  CPoint(POINT initPt) : CPoint(initPt.x, initPt.y) {}
  CPoint(SIZE initSize) : CPoint(initSize.cx, initSize.cy) {}
  // x from the low word, y from the high word, both signed (a packed
  // mouse-message position).
  CPoint(DWORD dwPoint) : CPoint((SHORT)LOWORD(dwPoint), (SHORT)HIWORD(dwPoint)) {}

  void Offset(int xOffset, int yOffset) {
    x += xOffset;
    y += yOffset;
  }
  void Offset(POINT point) { Offset(point.x, point.y); }
  void Offset(SIZE size) { Offset(size.cx, size.cy); }

  BOOL operator==(POINT point) const { return x == point.x && y == point.y; }
  BOOL operator!=(POINT point) const { return !(*this == point); }
  void operator+=(SIZE size) { Offset(size); }
  void operator-=(SIZE size) { Offset(-size.cx, -size.cy); }
  void operator+=(POINT point) { Offset(point); }
  void operator-=(POINT point) { Offset(-point.x, -point.y); }

  CPoint operator+(SIZE size) const { return CPoint(x + size.cx, y + size.cy); }
  CPoint operator-(SIZE size) const { return CPoint(x - size.cx, y - size.cy); }
  CPoint operator+(POINT point) const { return CPoint(x + point.x, y + point.y); }
  CPoint operator-() const { return CPoint(-x, -y); }
  // The distance between two points.
  CSize operator-(POINT point) const;
};

class CSize : public SIZE {
 public:
  CSize() : CSize(0, 0) {}
  CSize(int initCX, int initCY) {
    cx = initCX;
    cy = initCY;
  }
  CSize(SIZE initSize) : CSize(initSize.cx, initSize.cy) {}
  CSize(POINT initPt) : CSize(initPt.x, initPt.y) {}
  // cx from the low word, cy from the high word, both signed.
  CSize(DWORD dwSize) : CSize((SHORT)LOWORD(dwSize), (SHORT)HIWORD(dwSize)) {}

  BOOL operator==(SIZE size) const { return cx == size.cx && cy == size.cy; }
  BOOL operator!=(SIZE size) const { return !(*this == size); }
  void operator+=(SIZE size) {
    cx += size.cx;
    cy += size.cy;
  }
  void operator-=(SIZE size) {
    cx -= size.cx;
    cy -= size.cy;
  }
  CSize operator+(SIZE size) const { return CSize(cx + size.cx, cy + size.cy); }
  CSize operator-(SIZE size) const { return CSize(cx - size.cx, cy - size.cy); }
  CSize operator-() const { return CSize(-cx, -cy); }
};

inline CSize CPoint::operator-(POINT point) const { return CSize(x - point.x, y - point.y); }

class CRect : public RECT {
 public:
  CRect() : CRect(0, 0, 0, 0) {}
  CRect(int l, int t, int r, int b) { SetRect(l, t, r, b); }
  CRect(const RECT& srcRect) : CRect(srcRect.left, srcRect.top, srcRect.right, srcRect.bottom) {}
  CRect(LPCRECT lpSrcRect) : CRect(*lpSrcRect) {}
  CRect(POINT point, SIZE size) : CRect(point.x, point.y, point.x + size.cx, point.y + size.cy) {}
  CRect(POINT topLeft, POINT bottomRight)
      : CRect(topLeft.x, topLeft.y, bottomRight.x, bottomRight.y) {}

  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  CSize Size() const { return CSize(Width(), Height()); }
  // Views of the corners inside the rectangle: writing them moves the edges.
  CPoint& TopLeft() { return *reinterpret_cast<CPoint*>(&left); }
  CPoint& BottomRight() { return *reinterpret_cast<CPoint*>(&right); }
  const CPoint& TopLeft() const { return *reinterpret_cast<const CPoint*>(&left); }
  const CPoint& BottomRight() const { return *reinterpret_cast<const CPoint*>(&right); }
  // Halfway, rounding toward zero.
  CPoint CenterPoint() const { return CPoint((left + right) / 2, (top + bottom) / 2); }

  operator LPRECT() { return this; }
  operator LPCRECT() const { return this; }

  BOOL IsRectEmpty() const { return right <= left || bottom <= top; }
  BOOL IsRectNull() const { return left == 0 && top == 0 && right == 0 && bottom == 0; }
  BOOL PtInRect(POINT point) const {
    return point.x >= left && point.x < right && point.y >= top && point.y < bottom;
  }

  void SetRect(int x1, int y1, int x2, int y2) {
    left = x1;
    top = y1;
    right = x2;
    bottom = y2;
  }
  void SetRectEmpty() { SetRect(0, 0, 0, 0); }
  void CopyRect(LPCRECT lpSrcRect) {
    SetRect(lpSrcRect->left, lpSrcRect->top, lpSrcRect->right, lpSrcRect->bottom);
  }
  // All four edges equal; two empty rectangles elsewhere are not equal.
  BOOL EqualRect(LPCRECT lpRect) const {
    return left == lpRect->left && top == lpRect->top && right == lpRect->right &&
           bottom == lpRect->bottom;
  }

  // Moves each edge outward by its own amount (inward for negative ones).
  void InflateRect(int l, int t, int r, int b) {
    SetRect(left - l, top - t, right + r, bottom + b);
  }
  void InflateRect(int x, int y) { InflateRect(x, y, x, y); }
  void InflateRect(SIZE size) { InflateRect(size.cx, size.cy); }
  void InflateRect(LPCRECT lpRect) {
    InflateRect(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom);
  }
  void DeflateRect(int l, int t, int r, int b) { InflateRect(-l, -t, -r, -b); }
  void DeflateRect(int x, int y) { InflateRect(-x, -y); }
  void DeflateRect(SIZE size) { InflateRect(-size.cx, -size.cy); }
  void DeflateRect(LPCRECT lpRect) {
    DeflateRect(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom);
  }

  void OffsetRect(int x, int y) { SetRect(left + x, top + y, right + x, bottom + y); }
  void OffsetRect(POINT point) { OffsetRect(point.x, point.y); }
  void OffsetRect(SIZE size) { OffsetRect(size.cx, size.cy); }
  // Swaps edges so that left <= right and top <= bottom.
  void NormalizeRect();

  // The overlap; when there is none, (0, 0, 0, 0) and FALSE.
  BOOL IntersectRect(LPCRECT lpRect1, LPCRECT lpRect2);
  // The smallest rectangle holding both, ignoring an empty one; when both are
  // empty, (0, 0, 0, 0) and FALSE.
  BOOL UnionRect(LPCRECT lpRect1, LPCRECT lpRect2);
  // The bounding box of what of lpRectSrc1 lies outside lpRectSrc2: it only
  // shrinks when lpRectSrc2 covers a whole side of it. (0, 0, 0, 0) and FALSE
  // when nothing is left.
  BOOL SubtractRect(LPCRECT lpRectSrc1, LPCRECT lpRectSrc2);

  CRect& operator=(const RECT& srcRect) {
    CopyRect(&srcRect);
    return *this;
  }
  BOOL operator==(const RECT& rect) const { return EqualRect(&rect); }
  BOOL operator!=(const RECT& rect) const { return !EqualRect(&rect); }
  CRect& operator+=(POINT point) {
    OffsetRect(point);
    return *this;
  }
  CRect& operator+=(SIZE size) {
    OffsetRect(size);
    return *this;
  }
  CRect& operator+=(LPCRECT lpRect) {
    InflateRect(lpRect);
    return *this;
  }
  CRect& operator-=(POINT point) {
    OffsetRect(-point.x, -point.y);
    return *this;
  }
  CRect& operator-=(SIZE size) {
    OffsetRect(-size.cx, -size.cy);
    return *this;
  }
  CRect& operator-=(LPCRECT lpRect) {
    DeflateRect(lpRect);
    return *this;
  }
  CRect& operator&=(const RECT& rect) {
    IntersectRect(this, &rect);
    return *this;
  }
  CRect& operator|=(const RECT& rect) {
    UnionRect(this, &rect);
    return *this;
  }

  CRect operator+(POINT point) const { return CRect(*this) += point; }
  CRect operator+(SIZE size) const { return CRect(*this) += size; }
  CRect operator+(LPCRECT lpRect) const { return CRect(*this) += lpRect; }
  CRect operator-(POINT point) const { return CRect(*this) -= point; }
  CRect operator-(SIZE size) const { return CRect(*this) -= size; }
  CRect operator-(LPCRECT lpRect) const { return CRect(*this) -= lpRect; }
  CRect operator&(const RECT& rect) const { return CRect(*this) &= rect; }
  CRect operator|(const RECT& rect) const { return CRect(*this) |= rect; }
};
