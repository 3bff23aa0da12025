#include "shell/core/RulerTicks.h"

#include <cstddef>

#include "classlib/core/MulDivRounded.h"

namespace ruler {

namespace {

constexpr UnitSystem kUnitSystems[kUnitCount] = {
    {44000, 1000, 1000, 8},  // 44 inches, a number every inch, eighths between
    {6000, 254, 100, 2},     // 60 cm, a number every centimetre, halves between
};

// Ticks are eighths of an inch, or halves of a centimetre (100 / 508 inch).
constexpr int kEighthsPerInch = 8;
constexpr int kHalfCentimetreNumerator = 100;
constexpr int kHalfCentimetreDenominator = 508;
// Depth of a line tick in eighths of the thickness: half, quarter, eighth step.
constexpr int kEighths = 8;
constexpr int kHalfStepDepth = 4;
constexpr int kQuarterStepDepth = 5;
constexpr int kEighthStepDepth = 6;
constexpr int kThousandths = 1000;

bool IsHorizontal(Image image) { return image != kVertical; }

int LineDepth(Unit unit, int tickInStep) {
  if (unit == kCentimetres) return kQuarterStepDepth;
  if (tickInStep % 4 == 0) return kHalfStepDepth;
  return tickInStep % 2 == 0 ? kQuarterStepDepth : kEighthStepDepth;
}

}  // namespace

const UnitSystem& UnitSystemOf(Unit unit) { return kUnitSystems[unit]; }

ImageSize SizeOf(Unit unit, Image image, int dpiX, int dpiY) {
  const UnitSystem& system = UnitSystemOf(unit);
  const int along = IsHorizontal(image) ? dpiX : dpiY;
  const int across = IsHorizontal(image) ? dpiY : dpiX;
  return {MulDivRounded(along, system.length, system.unitsPerInch),
          MulDivRounded(across, kThicknessThousandths, kThousandths)};
}

std::vector<Tick> TicksOf(Unit unit, Image image, int dpiX, int dpiY) {
  const UnitSystem& system = UnitSystemOf(unit);
  const int along = IsHorizontal(image) ? dpiX : dpiY;
  const int thickness = SizeOf(unit, image, dpiX, dpiY).thickness;
  const int last = MulDivRounded(system.length, system.ticksPerStep, system.labelledStep);
  const int steps = MulDivRounded(system.length, 1, system.labelledStep);
  std::vector<Tick> ticks;
  ticks.reserve(static_cast<std::size_t>(last) + 1);
  for (int i = 0; i <= last; ++i) {
    Tick tick{};
    tick.position = unit == kInches ? MulDivRounded(along, i, kEighthsPerInch)
                                    : MulDivRounded(along, kHalfCentimetreNumerator * i,
                                                    kHalfCentimetreDenominator);
    const int inStep = i % system.ticksPerStep;
    tick.labelled = inStep == 0;
    if (tick.labelled) {
      const int step = i / system.ticksPerStep;
      tick.number = image == kHorizontalDown ? steps - step : step;
    } else {
      tick.depth = MulDivRounded(thickness, LineDepth(unit, inStep), kEighths);
    }
    ticks.push_back(tick);
  }
  return ticks;
}

}  // namespace ruler
