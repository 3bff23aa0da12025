#include "tables/core/NumberInput.h"

#include <algorithm>
#include <cstdlib>

namespace {

bool IsInputBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }
bool IsFigure(char c) { return c >= '0' && c <= '9'; }

}  // namespace

FilteredNumberInput FilterNumberInput(const std::string& typed, int limit) {
  std::string text = typed.substr(0, static_cast<size_t>(std::max(limit, 0)));
  const size_t first = text.find_first_not_of(" \t\r\n");
  if (first == std::string::npos) return {"", "", -1};
  size_t last = text.size();
  while (IsInputBlank(text[last - 1])) --last;
  text = text.substr(first, last - first);

  FilteredNumberInput result{text, "", -1};
  for (size_t i = 0; i < text.size(); ++i) {
    if (IsFigure(text[i]))
      result.digits += text[i];
    else if (result.firstDropped < 0)
      result.firstDropped = static_cast<int>(i);
  }
  return result;
}

double DigitsValue(const std::string& digits) {
  // At most twelve digits: a double holds them exactly.
  return digits.empty() ? 0.0 : std::strtod(digits.c_str(), nullptr);
}
