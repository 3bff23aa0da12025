// The system's colour dialog. The sixteen custom colours are shared by every
// colour dialog of the program.
#pragma once

#include "classlib/win/CCommonDialog.h"

class CColorDialog : public CCommonDialog {
  DECLARE_DYNAMIC(CColorDialog)
 public:
  explicit CColorDialog(COLORREF clrInit = 0, DWORD dwFlags = 0, CWnd* pParentWnd = nullptr);

  // IDOK or IDCANCEL.
  INT_PTR DoModal() override;
  COLORREF GetColor() const { return m_cc.rgbResult; }
  static COLORREF* GetSavedCustomColors() { return c_CustColors; }

  CHOOSECOLORA m_cc = {};

 private:
  static COLORREF c_CustColors[16];
};
