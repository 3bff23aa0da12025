#include "editor/core/AutoScroll.h"

namespace {

constexpr int kTicksPerSpeedUp = 5;
constexpr int kFastestHalvable = 6;  // below this the interval stays

void SpeedUp(AutoScrollState& state) {
  if (state.ticks % kTicksPerSpeedUp == 0 && state.intervalMs >= kFastestHalvable)
    state.intervalMs /= 2;
}

}  // namespace

AutoScrollAction CheckAutoScroll(AutoScrollState& state, bool captured, const CRect& client,
                                 int documentHeight, int y) {
  if (!captured) return kAutoScrollStop;
  // Above the top only when there is something above to scroll to.
  if (client.top >= 1 && y < client.top) {
    if (state.ticks >= 0) {
      state.intervalMs = kAutoScrollStartMs;
      state.ticks = -1;
    } else {
      SpeedUp(state);
    }
    --state.ticks;
    return kAutoScrollUp;
  }
  if (client.bottom < documentHeight && y >= client.bottom) {
    if (state.ticks < 1) {
      state.intervalMs = kAutoScrollStartMs;
      state.ticks = 1;
    } else {
      SpeedUp(state);
    }
    ++state.ticks;
    return kAutoScrollDown;
  }
  return kAutoScrollStop;
}
