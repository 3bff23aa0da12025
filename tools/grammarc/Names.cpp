#include "tools/grammarc/Names.h"

const char* const kBinyanNames[8] = {"paal",    "nifal", "piel",  "pual",
                                     "hitpael", "hifil", "hufal", "short"};
const char* const kTenseGroupNames[6] = {"present",    "past",       "future",
                                         "imperative", "infinitive", "participle"};

namespace {

const char* const kPrepositionNames[32] = {
    "ET",      "B",       "L",          "MIN",     "AL",     "IM",     "EL",      "NEGED",
    "ETSEL",   "AD",      "B-AD",       "AKHAREY", "LIFNEY", "BIFNEY", "AL-YDEY", "MIPNEY",
    "K-NEGED", "AL-PNEY", "BEYN",       "K",       "TAKHAT", "L-TOKH", "MINEGED", "AKHAR",
    "MEYIM",   "MEYAL",   "MEYAKHAREY", "MEYET",   "SHEL",   "KLAPEY", "LI-YDEY", "B-TOKH"};

int FindName(const char* const* names, int count, const std::string& name) {
  for (int i = 0; i < count; ++i)
    if (name == names[i]) return i;
  return -1;
}

}  // namespace

int ParseBinyanName(const SourceLine& line, const std::string& name) {
  int b = FindName(kBinyanNames, 8, name);
  if (b < 0) throw SourceError(line, "\"" + name + "\" is not a binyan (paal .. hufal, short)");
  return b;
}

int ParseTenseGroupName(const SourceLine& line, const std::string& name) {
  int g = FindName(kTenseGroupNames, 6, name);
  if (g < 0) throw SourceError(line, "\"" + name + "\" is not a tense group");
  return g;
}

int ParsePrepositionName(const SourceLine& line, const std::string& name) {
  int p = FindName(kPrepositionNames, 32, name);
  if (p < 0) throw SourceError(line, "\"" + name + "\" is not a simple preposition name");
  return p;
}
