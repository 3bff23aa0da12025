// The sheet's "Page Size" page: orientation, the printers' papers and a
// custom width and length.
#pragma once

#include "editor/core/PaperSizes.h"
#include "editor/win/CPageSettingsPage.h"

class CPageSettingsPaperSize : public CPageSettingsPage {
 public:
  explicit CPageSettingsPaperSize(CPageSettings& sheet);
  void Fill() override;

 protected:
  const MeasureField* Fields() const override;
  void OnMeasureTyped(int editId, double value) override;
  SpinRange RangeOf(int editId) const override;
  BOOL OnInitDialog() override;
  afx_msg void OnPaperChosen();
  afx_msg void OnPortrait();
  afx_msg void OnLandscape();
  DECLARE_MESSAGE_MAP()

 private:
  void ShowOrientation();
  void SelectPaper(WORD code);

  PaperList m_papers;
};
