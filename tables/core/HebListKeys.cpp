#include "tables/core/HebListKeys.h"

#include <algorithm>

namespace {

int Rows(const HebListState& state) { return std::max(state.rows, 1); }

int LastEntry(const HebListState& state) { return state.count - 1; }

// The furthest top index: the last page full.
int MaxTop(const HebListState& state) { return std::max(0, state.count - Rows(state)); }

HebListMove MoveTo(const HebListState& state, int selected, int top) {
  return HebListMove{true, selected, std::clamp(top, 0, MaxTop(state))};
}

// Keeps the top unless the entry lies above it (then it becomes the top) or
// below the last visible row (then it becomes the last visible row).
HebListMove MoveShowing(const HebListState& state, int selected) {
  int top = state.top;
  if (selected < top)
    top = selected;
  else if (selected > HebListLastVisible(state))
    top = selected - Rows(state) + 1;
  return MoveTo(state, selected, top);
}

}  // namespace

int HebListLastVisible(const HebListState& state) {
  return std::min(state.top + Rows(state) - 1, LastEntry(state));
}

HebListMove HebListKeyMove(UINT key, const HebListState& state) {
  const HebListMove none{false, state.current, state.top};
  if (state.count <= 0) return none;
  const int current = std::min(state.current, LastEntry(state));
  const bool atFirst = current <= 0;
  const bool atLast = current == LastEntry(state);
  switch (key) {
    case kListKeyUp: return atFirst ? none : MoveShowing(state, current - 1);
    case kListKeyDown: return atLast ? none : MoveShowing(state, current + 1);
    case kListKeyPageUp:
      if (atFirst) return none;
      return MoveShowing(state,
                         current > state.top ? state.top : std::max(0, current - Rows(state) + 1));
    case kListKeyPageDown: {
      if (atLast) return none;
      const int lastVisible = HebListLastVisible(state);
      const int target = current >= lastVisible ? current + Rows(state) - 1 : lastVisible;
      return MoveShowing(state, std::min(target, LastEntry(state)));
    }
    case kListKeyHome: return current == 0 ? none : MoveTo(state, 0, 0);
    case kListKeyEnd: return atLast ? none : MoveTo(state, LastEntry(state), MaxTop(state));
    default: return none;
  }
}

int HebListCenteredTop(int selection, int rows) { return std::max(0, selection - rows / 2); }

int HebListVisibleRows(int clientHeight, int itemHeight) {
  if (itemHeight <= 0) return 1;
  return std::max(1, clientHeight / itemHeight);
}
