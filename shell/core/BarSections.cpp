#include "shell/core/BarSections.h"

namespace barsections {

std::string BarSection(const char* profileName, int index) {
  return std::string(profileName) + "-Bar" + std::to_string(index);
}

std::string SummarySection(const char* profileName) {
  return std::string(profileName) + "-Summary";
}

}  // namespace barsections
