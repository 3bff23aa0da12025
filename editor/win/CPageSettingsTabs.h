// The sheet's "Tabs" page (documents only): the custom tab stops and the
// repeated interval.
#pragma once

#include "editor/win/CPageSettingsPage.h"

class CPageSettingsTabs : public CPageSettingsPage {
 public:
  explicit CPageSettingsTabs(CPageSettings& sheet);
  void Fill() override;

 protected:
  const MeasureField* Fields() const override;
  void OnMeasureTyped(int editId, double value) override;
  SpinRange RangeOf(int editId) const override;
  afx_msg void OnListSelection();
  afx_msg void OnSet();
  afx_msg void OnClear();
  afx_msg void OnClearAll();
  DECLARE_MESSAGE_MAP()

 private:
  int ListSelection() const;
  void SelectEntry(int index);
  void UpdateButtons();
};
