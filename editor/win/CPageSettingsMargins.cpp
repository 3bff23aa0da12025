#include "editor/win/CPageSettingsMargins.h"

#include "editor/win/CPageSettings.h"
#include "resources/PageSettingsIds.h"

namespace {

const CPageSettingsPage::MeasureField kFields[] = {{IDC_MARGIN_LEFT, IDC_MARGIN_LEFT_SPIN},
                                                   {IDC_MARGIN_RIGHT, IDC_MARGIN_RIGHT_SPIN},
                                                   {IDC_MARGIN_TOP, IDC_MARGIN_TOP_SPIN},
                                                   {IDC_MARGIN_BOTTOM, IDC_MARGIN_BOTTOM_SPIN},
                                                   {0, 0}};

MarginSide SideOfEdit(int editId) {
  switch (editId) {
    case IDC_MARGIN_RIGHT: return MarginSide::kRight;
    case IDC_MARGIN_TOP: return MarginSide::kTop;
    case IDC_MARGIN_BOTTOM: return MarginSide::kBottom;
    default: return MarginSide::kLeft;
  }
}

double& MarginOf(PageSettingsValues& values, MarginSide side) {
  switch (side) {
    case MarginSide::kRight: return values.right;
    case MarginSide::kTop: return values.top;
    case MarginSide::kBottom: return values.bottom;
    default: return values.left;
  }
}

}  // namespace

CPageSettingsMargins::CPageSettingsMargins(CPageSettings& sheet)
    : CPageSettingsPage(IDD_PAGE_SETTINGS_MARGINS, sheet) {}

const CPageSettingsPage::MeasureField* CPageSettingsMargins::Fields() const { return kFields; }

void CPageSettingsMargins::Fill() {
  for (const MeasureField* f = kFields; f->edit != 0; f++)
    ShowMeasure(f->edit, MarginOf(Values(), SideOfEdit(f->edit)));
}

void CPageSettingsMargins::OnMeasureTyped(int editId, double value) {
  MarginOf(Values(), SideOfEdit(editId)) = value;
}

SpinRange CPageSettingsMargins::RangeOf(int editId) const {
  return MarginSpinRange(m_sheet.Values(), SideOfEdit(editId));
}
