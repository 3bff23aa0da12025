// Change Font Typeface: the face alone; the size and style only show in
// the sample.
#pragma once

#include "editor/win/FontSampleDlg.h"

class CFontTypefaceDlg : public CFontSampleDlg {
 public:
  enum { IDD = 1564 };
  // hebrew: the program's Hebrew faces come first.
  CFontTypefaceDlg(BOOL hebrew, CWnd* pParent = nullptr);

 protected:
  BOOL OnInitDialog() override;
  BOOL ReadFontControls() override;

 private:
  BOOL m_bHebrew;
};
