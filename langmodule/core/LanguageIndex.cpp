#include "langmodule/core/LanguageIndex.h"

namespace {

struct LanguageEntry {
  std::uint16_t langId;
  LanguageIndex index;
};

const LanguageEntry kLanguages[] = {
    {1033, {1, 0}},  // English, United States
    {2057, {1, 1}},  // English, United Kingdom
    {1034, {2, 0}},  // Spanish, traditional sort
    {2058, {2, 1}},  // Spanish, Mexico
    {1036, {3, 0}},  // French, France
    {3084, {3, 1}},  // French, Canada
    {1031, {4, 0}},  // German, Germany
    {1040, {5, 0}},  // Italian, Italy
    {2052, {6, 0}},  // Chinese, PRC
    {1028, {6, 1}},  // Chinese, Taiwan
    {1046, {7, 0}},  // Portuguese, Brazil
    {1041, {8, 0}},  // Japanese
    {11, {9, 0}},   {18, {10, 0}},
};

}  // namespace

LanguageIndex LangIdToLanguageIndex(std::uint16_t langId) {
  for (const LanguageEntry& entry : kLanguages) {
    if (entry.langId == langId) return entry.index;
  }
  return {0, 0};
}
