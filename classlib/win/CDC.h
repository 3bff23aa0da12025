// A device context. Output goes to m_hDC and attribute queries to
// m_hAttribDC; the two are the same DC unless a derived class splits them
// (print preview draws on the screen while measuring on the printer). Setting
// a mode, a colour or an object changes both.
//
// The object owns its DC: the destructor deletes it unless it was detached.
// A DC nobody wrapped gets a temporary object from FromHandle, which lives
// until the next idle time.
#pragma once

#include <windows.h>

#include "classlib/core/CObject.h"
#include "classlib/core/CString.h"
#include "classlib/core/Geometry.h"

class CBitmap;
class CBrush;
class CFont;
class CGdiObject;
class CPen;
class CRgn;
class CWnd;

class CDC : public CObject {
  DECLARE_DYNCREATE(CDC)
 public:
  CDC() = default;
  ~CDC() override;
  CDC(const CDC&) = delete;
  CDC& operator=(const CDC&) = delete;

  HDC m_hDC = nullptr;
  HDC m_hAttribDC = nullptr;
  // Set by whoever prints through this DC.
  BOOL m_bPrinting = FALSE;

  operator HDC() const { return m_hDC; }
  HDC GetSafeHdc() const { return m_hDC; }

  static CDC* FromHandle(HDC hDC);
  static void DeleteTempMap();
  BOOL Attach(HDC hDC);
  HDC Detach();
  virtual void SetAttribDC(HDC hDC);
  virtual void SetOutputDC(HDC hDC);
  virtual void ReleaseAttribDC();
  virtual void ReleaseOutputDC();

  BOOL CreateDC(LPCTSTR lpszDriverName, LPCTSTR lpszDeviceName, LPCTSTR lpszOutput,
                const void* lpInitData);
  BOOL CreateIC(LPCTSTR lpszDriverName, LPCTSTR lpszDeviceName, LPCTSTR lpszOutput,
                const void* lpInitData);
  // A memory DC like pDC (like the screen when pDC is null).
  BOOL CreateCompatibleDC(CDC* pDC);
  BOOL DeleteDC();

  virtual int SaveDC();
  virtual BOOL RestoreDC(int nSavedDC);
  int GetDeviceCaps(int nIndex) const { return ::GetDeviceCaps(m_hAttribDC, nIndex); }
  BOOL IsPrinting() const { return m_bPrinting; }

  // Selecting gives the object that was selected before, as the program's
  // own object when it has one, else as a temporary object; selecting a null
  // object changes nothing and gives nullptr.
  CPen* SelectObject(CPen* pPen);
  CBrush* SelectObject(CBrush* pBrush);
  virtual CFont* SelectObject(CFont* pFont);
  CBitmap* SelectObject(CBitmap* pBitmap);
  // Makes the region the clipping region; gives its type, or ERROR.
  int SelectObject(CRgn* pRgn);
  CGdiObject* SelectObject(CGdiObject* pObject);
  virtual CGdiObject* SelectStockObject(int nIndex);
  CPen* GetCurrentPen() const;
  CBrush* GetCurrentBrush() const;
  CFont* GetCurrentFont() const;
  CBitmap* GetCurrentBitmap() const;

  // Colours and modes.
  COLORREF GetBkColor() const { return ::GetBkColor(m_hAttribDC); }
  virtual COLORREF SetBkColor(COLORREF crColor);
  COLORREF GetTextColor() const { return ::GetTextColor(m_hAttribDC); }
  virtual COLORREF SetTextColor(COLORREF crColor);
  int GetBkMode() const { return ::GetBkMode(m_hAttribDC); }
  int SetBkMode(int nBkMode);
  int GetROP2() const { return ::GetROP2(m_hAttribDC); }
  int SetROP2(int nDrawMode);
  int GetPolyFillMode() const { return ::GetPolyFillMode(m_hAttribDC); }
  int SetPolyFillMode(int nPolyFillMode);
  int GetStretchBltMode() const { return ::GetStretchBltMode(m_hAttribDC); }
  int SetStretchBltMode(int nStretchMode);
  UINT GetTextAlign() const { return ::GetTextAlign(m_hAttribDC); }
  UINT SetTextAlign(UINT nFlags);
  int GetTextCharacterExtra() const { return ::GetTextCharacterExtra(m_hAttribDC); }
  int SetTextCharacterExtra(int nCharExtra);
  COLORREF GetNearestColor(COLORREF crColor) const {
    return ::GetNearestColor(m_hAttribDC, crColor);
  }

  // Mapping between logical and device coordinates.
  int GetMapMode() const { return ::GetMapMode(m_hAttribDC); }
  virtual int SetMapMode(int nMapMode);
  CPoint GetViewportOrg() const;
  virtual CPoint SetViewportOrg(int x, int y);
  CPoint SetViewportOrg(POINT point) { return SetViewportOrg(point.x, point.y); }
  virtual CPoint OffsetViewportOrg(int nWidth, int nHeight);
  CSize GetViewportExt() const;
  virtual CSize SetViewportExt(int cx, int cy);
  CSize SetViewportExt(SIZE size) { return SetViewportExt(size.cx, size.cy); }
  virtual CSize ScaleViewportExt(int xNum, int xDenom, int yNum, int yDenom);
  CPoint GetWindowOrg() const;
  CPoint SetWindowOrg(int x, int y);
  CPoint SetWindowOrg(POINT point) { return SetWindowOrg(point.x, point.y); }
  CPoint OffsetWindowOrg(int nWidth, int nHeight);
  CSize GetWindowExt() const;
  virtual CSize SetWindowExt(int cx, int cy);
  CSize SetWindowExt(SIZE size) { return SetWindowExt(size.cx, size.cy); }
  virtual CSize ScaleWindowExt(int xNum, int xDenom, int yNum, int yDenom);
  void DPtoLP(LPPOINT lpPoints, int nCount = 1) const;
  void DPtoLP(LPRECT lpRect) const;
  // Sizes are scaled by the extents only; the origins play no part.
  void DPtoLP(LPSIZE lpSize) const;
  void LPtoDP(LPPOINT lpPoints, int nCount = 1) const;
  void LPtoDP(LPRECT lpRect) const;
  void LPtoDP(LPSIZE lpSize) const;

  // Clipping.
  virtual int GetClipBox(LPRECT lpRect) const;
  virtual BOOL PtVisible(int x, int y) const;
  BOOL PtVisible(POINT point) const { return PtVisible(point.x, point.y); }
  virtual BOOL RectVisible(LPCRECT lpRect) const;
  // A null region removes the clipping.
  int SelectClipRgn(CRgn* pRgn);
  int SelectClipRgn(CRgn* pRgn, int nMode);
  int ExcludeClipRect(int x1, int y1, int x2, int y2);
  int ExcludeClipRect(LPCRECT lpRect);
  int ExcludeUpdateRgn(CWnd* pWnd);
  int IntersectClipRect(int x1, int y1, int x2, int y2);
  int IntersectClipRect(LPCRECT lpRect);
  int OffsetClipRgn(int x, int y);
  int OffsetClipRgn(SIZE size) { return OffsetClipRgn(size.cx, size.cy); }

  // Lines and shapes, drawn with the current pen and brush.
  CPoint GetCurrentPosition() const;
  CPoint MoveTo(int x, int y);
  CPoint MoveTo(POINT point) { return MoveTo(point.x, point.y); }
  BOOL LineTo(int x, int y);
  BOOL LineTo(POINT point) { return LineTo(point.x, point.y); }
  BOOL Polyline(const POINT* lpPoints, int nCount);
  BOOL Polygon(const POINT* lpPoints, int nCount) { return ::Polygon(m_hDC, lpPoints, nCount); }
  BOOL Rectangle(int x1, int y1, int x2, int y2) { return ::Rectangle(m_hDC, x1, y1, x2, y2); }
  BOOL Rectangle(LPCRECT lpRect) {
    return Rectangle(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom);
  }
  BOOL RoundRect(int x1, int y1, int x2, int y2, int x3, int y3) {
    return ::RoundRect(m_hDC, x1, y1, x2, y2, x3, y3);
  }
  BOOL RoundRect(LPCRECT lpRect, POINT point) {
    return RoundRect(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom, point.x, point.y);
  }
  BOOL Ellipse(int x1, int y1, int x2, int y2) { return ::Ellipse(m_hDC, x1, y1, x2, y2); }
  BOOL Ellipse(LPCRECT lpRect) {
    return Ellipse(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom);
  }

  // Rectangles.
  void FillRect(LPCRECT lpRect, CBrush* pBrush);
  void FrameRect(LPCRECT lpRect, CBrush* pBrush);
  void InvertRect(LPCRECT lpRect) { ::InvertRect(m_hDC, lpRect); }
  // Fills with one colour; leaves that colour as the background colour.
  void FillSolidRect(LPCRECT lpRect, COLORREF clr);
  void FillSolidRect(int x, int y, int cx, int cy, COLORREF clr);
  // A one-pixel frame: the top and left sides in clrTopLeft, the right and
  // bottom sides (with the top-right and bottom-left corners) in
  // clrBottomRight.
  void Draw3dRect(LPCRECT lpRect, COLORREF clrTopLeft, COLORREF clrBottomRight);
  void Draw3dRect(int x, int y, int cx, int cy, COLORREF clrTopLeft, COLORREF clrBottomRight);
  BOOL DrawEdge(LPRECT lpRect, UINT nEdge, UINT nFlags) {
    return ::DrawEdge(m_hDC, lpRect, nEdge, nFlags);
  }
  BOOL DrawFrameControl(LPRECT lpRect, UINT nType, UINT nState) {
    return ::DrawFrameControl(m_hDC, lpRect, nType, nState);
  }
  // Drawn by inverting: drawing it again removes it.
  void DrawFocusRect(LPCRECT lpRect) { ::DrawFocusRect(m_hDC, lpRect); }
  // Moves an inverted drag frame: removes the frame lpRectLast (borders
  // sizeLast) drawn by the previous call and draws lpRect (borders size). A
  // null lpRectLast draws only the new frame. The brushes default to the
  // halftone brush.
  void DrawDragRect(LPCRECT lpRect, SIZE size, LPCRECT lpRectLast, SIZE sizeLast,
                    CBrush* pBrush = nullptr, CBrush* pBrushLast = nullptr);
  // A brush of alternate pixels in the text and background colours, shared
  // by the whole program.
  static CBrush* GetHalftoneBrush();

  // Bits.
  BOOL PatBlt(int x, int y, int nWidth, int nHeight, DWORD dwRop) {
    return ::PatBlt(m_hDC, x, y, nWidth, nHeight, dwRop);
  }
  BOOL BitBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc, DWORD dwRop);
  BOOL StretchBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc,
                  int nSrcWidth, int nSrcHeight, DWORD dwRop);
  COLORREF GetPixel(int x, int y) const { return ::GetPixel(m_hDC, x, y); }
  COLORREF GetPixel(POINT point) const { return GetPixel(point.x, point.y); }
  COLORREF SetPixel(int x, int y, COLORREF crColor) { return ::SetPixel(m_hDC, x, y, crColor); }
  COLORREF SetPixel(POINT point, COLORREF crColor) { return SetPixel(point.x, point.y, crColor); }
  BOOL FloodFill(int x, int y, COLORREF crColor) { return ::FloodFill(m_hDC, x, y, crColor); }
  BOOL ExtFloodFill(int x, int y, COLORREF crColor, UINT nFillType) {
    return ::ExtFloodFill(m_hDC, x, y, crColor, nFillType);
  }
  BOOL DrawIcon(int x, int y, HICON hIcon) { return ::DrawIcon(m_hDC, x, y, hIcon); }
  BOOL DrawIcon(POINT point, HICON hIcon) { return DrawIcon(point.x, point.y, hIcon); }
  // An image, an icon, a text or what a callback draws, in a state
  // (DSS_DISABLED, DSS_MONO with the brush, ...).
  BOOL DrawState(CPoint pt, CSize size, HBITMAP hBitmap, UINT nFlags, HBRUSH hBrush = nullptr);
  BOOL DrawState(CPoint pt, CSize size, CBitmap* pBitmap, UINT nFlags, CBrush* pBrush);
  BOOL DrawState(CPoint pt, CSize size, HICON hIcon, UINT nFlags, HBRUSH hBrush = nullptr);
  BOOL DrawState(CPoint pt, CSize size, HICON hIcon, UINT nFlags, CBrush* pBrush);
  // nTextLen 0 draws up to the terminator; bPrefixText underlines the
  // character after '&'.
  BOOL DrawState(CPoint pt, CSize size, LPCTSTR lpszText, UINT nFlags, BOOL bPrefixText = TRUE,
                 int nTextLen = 0, HBRUSH hBrush = nullptr);
  BOOL DrawState(CPoint pt, CSize size, LPCTSTR lpszText, UINT nFlags, BOOL bPrefixText,
                 int nTextLen, CBrush* pBrush);
  BOOL DrawState(CPoint pt, CSize size, DRAWSTATEPROC lpDrawProc, LPARAM lData, UINT nFlags,
                 HBRUSH hBrush = nullptr);

  // Text.
  virtual BOOL TextOut(int x, int y, LPCTSTR lpszString, int nCount);
  BOOL TextOut(int x, int y, const CString& str) { return TextOut(x, y, str, str.GetLength()); }
  virtual BOOL ExtTextOut(int x, int y, UINT nOptions, LPCRECT lpRect, LPCTSTR lpszString,
                          UINT nCount, LPINT lpDxWidths);
  BOOL ExtTextOut(int x, int y, UINT nOptions, LPCRECT lpRect, const CString& str,
                  LPINT lpDxWidths) {
    return ExtTextOut(x, y, nOptions, lpRect, str, str.GetLength(), lpDxWidths);
  }
  // Gives the height of the text (or, with DT_CALCRECT, fits lpRect to it).
  virtual int DrawText(LPCTSTR lpszString, int nCount, LPRECT lpRect, UINT nFormat);
  int DrawText(const CString& str, LPRECT lpRect, UINT nFormat) {
    return DrawText(str, str.GetLength(), lpRect, nFormat);
  }
  // Measured on the attribute DC; the Output forms measure on the output DC.
  CSize GetTextExtent(LPCTSTR lpszString, int nCount) const;
  CSize GetTextExtent(const CString& str) const { return GetTextExtent(str, str.GetLength()); }
  CSize GetOutputTextExtent(LPCTSTR lpszString, int nCount) const;
  CSize GetOutputTextExtent(const CString& str) const {
    return GetOutputTextExtent(str, str.GetLength());
  }
  BOOL GetTextMetrics(LPTEXTMETRIC lpMetrics) const {
    return ::GetTextMetricsA(m_hAttribDC, lpMetrics);
  }
  BOOL GetOutputTextMetrics(LPTEXTMETRIC lpMetrics) const {
    return ::GetTextMetricsA(m_hDC, lpMetrics);
  }
  int GetTextFace(int nCount, LPTSTR lpszFacename) const {
    return ::GetTextFaceA(m_hAttribDC, nCount, lpszFacename);
  }
  BOOL GetCharWidth(UINT nFirstChar, UINT nLastChar, LPINT lpBuffer) const {
    return ::GetCharWidthA(m_hAttribDC, nFirstChar, nLastChar, lpBuffer);
  }

  // Printing.
  int StartDoc(LPDOCINFO lpDocInfo) { return ::StartDocA(m_hDC, lpDocInfo); }
  int StartDoc(LPCTSTR lpszDocName);
  int EndDoc() { return ::EndDoc(m_hDC); }
  int AbortDoc() { return ::AbortDoc(m_hDC); }
  int StartPage() { return ::StartPage(m_hDC); }
  int EndPage() { return ::EndPage(m_hDC); }
  int SetAbortProc(BOOL(CALLBACK* lpfn)(HDC, int)) { return ::SetAbortProc(m_hDC, lpfn); }

 private:
  HGDIOBJ SelectHandle(HGDIOBJ hObject);
  // Runs a setter on the output DC (when it is a separate DC) and on the
  // attribute DC, giving the attribute DC's result.
  template <class TResult, class TSetter>
  TResult SetOnBoth(TSetter setter);
};
