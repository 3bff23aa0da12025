// Change Font Size: the size alone, typed or chosen from the standard
// sizes; the face and style only show in the sample. A text that is no
// size cannot be confirmed.
#pragma once

#include "editor/win/FontSampleDlg.h"

class CFontSizeDlg : public CFontSampleDlg {
 public:
  enum { IDD = 1563 };
  explicit CFontSizeDlg(CWnd* pParent = nullptr);

 protected:
  BOOL OnInitDialog() override;
  BOOL ReadFontControls() override;
};
