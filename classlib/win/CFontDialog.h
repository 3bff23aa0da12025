// The system's font dialog, starting from a font and giving the one chosen.
#pragma once

#include "classlib/win/CCommonDialog.h"

class CDC;

class CFontDialog : public CCommonDialog {
  DECLARE_DYNAMIC(CFontDialog)
 public:
  explicit CFontDialog(const LOGFONTA* lplfInitial = nullptr,
                       DWORD dwFlags = CF_EFFECTS | CF_SCREENFONTS, CDC* pdcPrinter = nullptr,
                       CWnd* pParentWnd = nullptr);

  // IDOK or IDCANCEL.
  INT_PTR DoModal() override;
  void GetCurrentFont(LPLOGFONTA lplf) const { *lplf = m_lf; }
  CString GetFaceName() const { return m_lf.lfFaceName; }
  // In tenths of a point.
  int GetSize() const { return m_cf.iPointSize; }
  COLORREF GetColor() const { return m_cf.rgbColors; }
  int GetWeight() const { return m_lf.lfWeight; }
  BOOL IsBold() const { return m_lf.lfWeight >= FW_SEMIBOLD; }
  BOOL IsItalic() const { return m_lf.lfItalic != 0; }
  BOOL IsUnderline() const { return m_lf.lfUnderline != 0; }
  BOOL IsStrikeOut() const { return m_lf.lfStrikeOut != 0; }

  CHOOSEFONTA m_cf = {};
  LOGFONTA m_lf = {};
};
