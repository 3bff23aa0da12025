// The profile sections of a saved bar layout.
#pragma once

#include <string>

namespace barsections {

// Section i of the bars' records, and the summary section.
std::string BarSection(const char* profileName, int index);
std::string SummarySection(const char* profileName);

}  // namespace barsections
