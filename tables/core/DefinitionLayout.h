// Where and how the definition window draws its mark-up: the heading, the
// definition numbers, the words wrapped at blanks, the Hebrew parts and the
// highlighted term. The device work is the measurer's, so the same rules
// serve the screen and the printer and are testable without either.
#pragma once

#include <string>
#include <vector>

#include "classlib/core/WinTypes.h"
#include "tables/core/DefinitionMarkup.h"

constexpr COLORREF kDefinitionHeadingColour = RGB(0, 0, 0);
constexpr COLORREF kDefinitionWordColour = RGB(0x80, 0, 0);        // maroon
constexpr COLORREF kDefinitionBracketColour = RGB(0x80, 0, 0xFF);  // violet
constexpr COLORREF kDefinitionNumberColour = RGB(0, 0, 0x80);      // navy
constexpr COLORREF kDefinitionHighlightColour = RGB(0xFF, 0, 0);   // red
constexpr COLORREF kDefinitionHighlightBack = RGB(0xFF, 0xFF, 0xFF);
constexpr const char* kDefinitionHeading = "Definition: ";

// What laying out asks of the device, in the English font selected for it.
class DefinitionMeasurer {
 public:
  virtual int TextWidth(const std::string& text) = 0;
  virtual int HebrewWidth(const DefinitionHebrew& word) = 0;

 protected:
  ~DefinitionMeasurer() = default;
};

struct DefinitionFrame {
  RECT bounds;
  int blankWidth;
  int lineHeight;
  int highlightedNumber;  // -1: nothing is highlighted
  std::string highlightTerm;
  bool printing;  // the highlight then keeps the paper's own background
};

// One piece of text drawn at its left-top corner: English text, or a Hebrew
// word drawn right to left in the run's colour.
struct DefinitionRun {
  std::string text;
  DefinitionHebrew hebrew;
  bool isHebrew;
  COLORREF colour;
  bool opaque;  // on kDefinitionHighlightBack rather than transparent
  POINT at;
};

// The runs that draw the mark-up, in drawing order; none for an empty text.
std::vector<DefinitionRun> LayOutDefinition(const std::string& markup, const DefinitionFrame& frame,
                                            DefinitionMeasurer& measurer);
