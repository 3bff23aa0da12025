#include "editor/core/PageLayoutCopy.h"

#include "editor/core/DocTextModel.h"
#include "hebtext/core/MeasureUnits.h"

namespace {

// A length in the old unit's fixed form, in the new unit's.
DWORD KeepLength(DWORD value, int oldUnit, int newUnit) {
  if (oldUnit == newUnit) return value;
  double measure = FixedToMeasure(static_cast<int>(value), oldUnit);
  return static_cast<DWORD>(MeasureToFixed(InchMmConvert(measure, oldUnit), newUnit));
}

WORD KeepMargin(WORD value, int oldUnit, int newUnit) {
  return static_cast<WORD>(KeepLength(value, oldUnit, newUnit));
}

}  // namespace

void CopyPageLayout(CPageLayout* destination, const CPageLayout* source) {
  if (destination == nullptr || source == nullptr || destination == source) return;
  PageSettingsRec& to = destination->settings;
  const PageSettingsRec& from = source->settings;
  int oldUnit = to.unit, newUnit = from.unit;
  to.orientation = from.orientation;
  to.paperCode = from.paperCode;
  to.width = from.width;
  to.length = from.length;
  to.unit = from.unit;
  to.leftMargin = KeepMargin(to.leftMargin, oldUnit, newUnit);
  to.topMargin = KeepMargin(to.topMargin, oldUnit, newUnit);
  to.rightMargin = KeepMargin(to.rightMargin, oldUnit, newUnit);
  to.bottomMargin = KeepMargin(to.bottomMargin, oldUnit, newUnit);
  destination->tabInterval = KeepLength(destination->tabInterval, oldUnit, newUnit);
  for (int i = 0; i < destination->tabStops.GetSize(); i++)
    destination->tabStops[i] = KeepLength(destination->tabStops[i], oldUnit, newUnit);
}

void CopyPageLayouts(DocTextModel& model, int first, int last, int sourceSide,
                     int destinationSide) {
  for (int i = first; i <= last; i++) {
    CPageLayout* destination = model.GetNthLayout(destinationSide, i);
    CopyPageLayout(destination, model.GetNthLayout(sourceSide, i));
    if (destination != nullptr) model.ComputeLayoutMetrics(*destination);
  }
}
