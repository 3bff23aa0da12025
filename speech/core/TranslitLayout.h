// The layout of a marked transliteration (syllable runs that begin with '*'
// stressed or '-' unstressed) in lines, and where its popup goes around the
// word it belongs to. Measuring is the caller's (a device context's text
// extent); everything here is arithmetic on the results.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "classlib/core/WinTypes.h"

struct TranslitRun {
  std::string text;  // as drawn: the mark left out, a joiner or blank behind
  bool stressed = false;
  int x = 0;
  int y = 0;
};

using TextWidth = std::function<int(const std::string& text)>;

struct TranslitArea {
  int left = 0, top = 0, right = 0, bottom = 0;
  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
};

// Lays the text out from the area's top left. With a bounded area a run that
// crosses the right edge begins a new line when it begins a word, and the
// layout fails (0) when a word must be split or the lines pass the bottom;
// on success area is reduced to the width and height used. Unbounded, the
// lines only break at carriage returns. Returns the number of lines.
int LayoutTranslitRuns(const std::string& text, const TextWidth& width, int lineHeight,
                       TranslitArea* area, std::vector<TranslitRun>& runs);

// Where the popup shows the text near the word (all in the parent's client
// coordinates). byPoint: the popup's top right corner at the point, used
// when a point is given and the text is one line no wider than the parent;
// otherwise the widest of the areas above, left of, below and right of the
// word in which the text fits.
struct TranslitPlacement {
  bool byPoint = false;
  bool hasPoint = false;
  int pointX = 0, pointY = 0;
  TranslitArea word;
  TranslitArea parent;  // the parent's client area
  int frame = 1;        // the popup's border on each side
};

// The popup's rectangle and, inside it, the text's area; false when the text
// fits nowhere around the word.
bool PlaceTranslitPopup(const std::string& text, const TextWidth& width, int lineHeight,
                        const TranslitPlacement& placement, TranslitArea& popup,
                        TranslitArea& textArea);
