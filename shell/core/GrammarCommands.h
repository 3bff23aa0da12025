// When the Grammar Table commands that the frame passes on to the grammar
// view are enabled, from what the view answers.
#pragma once

namespace grammarcmd {

// The Grammar Tables tabs.
enum Tab { kVerbs = 0, kSuffixes = 1, kPrepositions = 2, kNumbers = 3, kTabCount = 4 };
// A view's answer when it has no alternates or no selected cell.
constexpr int kNone = -1;

struct ViewState {
  bool exists = false;  // Grammar Tables has an active view
  int tab = kVerbs;
  bool tableShown = false;
  int maxAlternate = kNone;
  int selectedCell = kNone;
};

// Toggle Nikud, Select Next Grammar Form, Print/Preview, File Print and Preview.
inline bool NeedsTable(const ViewState& s) { return s.exists && s.tableShown; }
// The Numbers table has no alternate spellings, whatever its view says.
inline bool CanCycleSpellings(const ViewState& s) {
  return NeedsTable(s) && s.tab != kNumbers && s.maxAlternate >= 0;
}
inline bool CanCopyForm(const ViewState& s) { return s.exists && s.selectedCell != kNone; }

}  // namespace grammarcmd
