#include "tables/core/NumberModes.h"

#include "tables/core/NumberInput.h"

NumberModeSwitch SwitchNumberMode(NumberModeTexts& texts, bool fromSequence, bool toSequence,
                                  const std::string& editText) {
  if (fromSequence == toSequence) return {false, editText, 0};
  if (toSequence) {
    texts.single = editText;
    return {true, texts.sequence, kSequenceInputLimit};
  }
  texts.sequence = editText;
  return {true, texts.single, kSingleInputLimit};
}

bool NumberTableShown(const NumberModeTexts& texts, bool sequence) {
  return !(sequence ? texts.sequence : texts.single).empty();
}

int NumberSelectionAnswer(int selectedCell, const std::string& copyText) {
  return selectedCell < 0 || copyText.empty() ? -1 : 0;
}
