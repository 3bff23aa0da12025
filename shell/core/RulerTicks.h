// The editor's ruler images: their sizes and where each tick and number goes.
#pragma once

#include <vector>

namespace ruler {

// The rulers' thickness, in thousandths of an inch (the editor's layout
// leaves this much room for them).
constexpr int kThicknessThousandths = 170;

enum Unit { kInches = 0, kCentimetres = 1, kUnitCount = 2 };
// Horizontal counting up, horizontal counting down from the right, vertical.
enum Image { kHorizontal = 0, kHorizontalDown = 1, kVertical = 2, kImageCount = 3 };

struct UnitSystem {
  int length;  // in the unit's hundredths or thousandths
  int unitsPerInch;
  int labelledStep;  // a labelled tick every this many units
  int ticksPerStep;
};
const UnitSystem& UnitSystemOf(Unit unit);

// An image's size in pixels: length along it, thickness across it, from the
// screen's pixels per inch across (x) and down (y).
struct ImageSize {
  int length;
  int thickness;
};
ImageSize SizeOf(Unit unit, Image image, int dpiX, int dpiY);

// One tick: its distance from the ruler's start in pixels, and either a
// number centred on it or a line from depth to the far edge.
struct Tick {
  int position;
  bool labelled;
  int number;  // when labelled
  int depth;   // when not
};
// Every tick of an image, first to last.
std::vector<Tick> TicksOf(Unit unit, Image image, int dpiX, int dpiY);

}  // namespace ruler
