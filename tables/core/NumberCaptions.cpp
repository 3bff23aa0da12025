#include "tables/core/NumberCaptions.h"

#include "lexicon/core/NumberWords.h"

namespace {

constexpr size_t kDigitGroup = 3;
constexpr size_t kGroupedDigits = 9;  // commas stand before the last 3, 6 and 9 digits
constexpr unsigned long kDecimal = 10;
constexpr unsigned long kSuffixModulus = 100;  // the ordinal suffix follows the last two digits
// Room for a LONG's digits, its sign and a suffix.
constexpr int kFiguresSize = 16;

}  // namespace

std::string SequenceFigures(LONG value, int ordinal) {
  char text[kFiguresSize];
  FormatNumber(text, sizeof text, static_cast<unsigned long>(value), ordinal);
  return text;
}

std::string GroupedNumberCaption(const std::string& digits, int ordinal) {
  std::string caption;
  unsigned long lastTwo = 0;
  for (size_t i = 0; i < digits.size(); ++i) {
    const size_t behind = digits.size() - i;  // this digit and those after it
    if (i > 0 && behind % kDigitGroup == 0 && behind <= kGroupedDigits) caption += ',';
    caption += digits[i];
    // Twelve digits overflow a 32-bit unsigned long: the suffix needs only
    // the last two.
    lastTwo = (lastTwo * kDecimal + static_cast<unsigned long>(digits[i] - '0')) % kSuffixModulus;
  }
  if (ordinal && !digits.empty()) caption += EnglishOrdinalSuffix(lastTwo);
  return caption;
}

const char* NumberGenderCaption(int feminine) { return feminine ? "Feminine" : "Masculine"; }

const char* NumberFormatCaption(int ordinal) { return ordinal ? "Ordinal" : "Cardinal"; }
