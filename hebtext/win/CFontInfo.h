// A font value: the logical font, its GDI font made on first use, its text
// metrics and line height, and the width and height of every 8-bit code, so
// that text measured or drawn a character at a time never asks the device.
#pragma once

#include <windows.h>

#include "classlib/core/CString.h"

class CDC;
class CFont;

class CFontInfo {
 public:
  enum { kBold = 1, kItalic = 2, kUnderline = 4 };

  CFontInfo() { Reset(); }
  CFontInfo(CDC* pDC, LPCTSTR faceName, WORD pointSize, BOOL bold, BOOL italic, BOOL underline);
  CFontInfo(CDC* pDC, LPCTSTR faceName, WORD pointSize, BYTE style);
  CFontInfo(CDC* pDC, const LOGFONT& logFont);
  CFontInfo(CDC* pDC, const LOGFONT& logFont, LPCTSTR faceName, WORD pointSize, BYTE style);
  // A copy is the same value with a font object of its own.
  CFontInfo(const CFontInfo& other);
  CFontInfo& operator=(const CFontInfo& other);
  ~CFontInfo();

  // Clears the value; a font object made earlier is deleted.
  void Reset();
  // Takes the source's description (face, size, style, LOGFONT), not its
  // metrics or widths.
  void Copy(const CFontInfo& source);
  int IsSame(const CFontInfo& other) const;
  int IsDifferent(const CFontInfo& other) const { return !IsSame(other); }

  LOGFONT* GetLogFont() { return &m_logFont; }
  const LOGFONT* GetLogFont() const { return &m_logFont; }
  LPCTSTR GetFaceName() const { return m_logFont.lfFaceName; }
  CFont* GetFont();
  void DeleteFont();

  BOOL MeasureMetrics(CDC* pDC);
  BOOL MeasureCharWidths(CDC* pDC);
  int GetCharWidth(int code) const { return LOWORD(m_extents[code & 0xFF]); }
  // 256 entries: width in the low 16 bits, height in the high 16.
  const DWORD* GetExtentTable() const { return m_extents; }

  // Changing the description drops a font object made from the old one.
  void Set(CDC* pDC, LPCTSTR faceName, WORD pointSize, BYTE style, BOOL measure);
  void SetFromLogFont(CDC* pDC, const LOGFONT& logFont);
  // Metrics of the font at its own size; the font object made at scale times it.
  void SetScaled(CDC* pDC, LPCTSTR faceName, WORD pointSize, BYTE style, double scale);

  const TEXTMETRIC& GetTextMetrics() const { return m_metrics; }
  int GetLineHeight() const { return m_lineHeight; }
  WORD GetPointSize() const { return m_pointSize; }
  BYTE GetStyle() const { return m_style; }

 private:
  void BuildLogFont(CDC* pDC, LPCTSTR faceName, WORD pointSize, BYTE style);
  void CopyMeasurements(const CFontInfo& other);

  CFont* m_pFont = nullptr;
  LOGFONT m_logFont;
  TEXTMETRIC m_metrics = {};
  CString m_faceName;
  WORD m_pointSize = 0;
  BYTE m_style = 0;
  int m_lineHeight = 0;
  DWORD m_extents[256];
};
