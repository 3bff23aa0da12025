// The number view's two modes, single and sequence: each keeps its own
// typed text, which the edit box shows (within the mode's limit) while that
// mode is on.
#pragma once

#include <string>

struct NumberModeTexts {
  std::string single = "1";
  std::string sequence = "1";
};

struct NumberModeSwitch {
  bool changed;       // false: the mode stays, the edit box is left alone
  std::string shown;  // the text the edit box shows next
  int limit;          // the edit box's new character limit
};

// Leaving one mode for the other keeps the edit text as the old mode's and
// shows the new mode's text.
NumberModeSwitch SwitchNumberMode(NumberModeTexts& texts, bool fromSequence, bool toSequence,
                                  const std::string& editText);

// Whether the mode has a table to show: its text is not empty.
bool NumberTableShown(const NumberModeTexts& texts, bool sequence);

// The answer to the selected-cell question: 0 when a cell is selected and
// the text to copy is not empty, else -1 (the view names no cell index).
int NumberSelectionAnswer(int selectedCell, const std::string& copyText);
