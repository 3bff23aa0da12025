// The sheet's "Margins" page: left, right, top and bottom margins.
#pragma once

#include "editor/win/CPageSettingsPage.h"

class CPageSettingsMargins : public CPageSettingsPage {
 public:
  explicit CPageSettingsMargins(CPageSettings& sheet);
  void Fill() override;

 protected:
  const MeasureField* Fields() const override;
  void OnMeasureTyped(int editId, double value) override;
  SpinRange RangeOf(int editId) const override;
};
