#include "lexicon/core/VerbRootLookup.h"

#include <cstring>

#include "classlib/core/CString.h"
#include "hebtext/core/AnsiImport.h"
#include "hebtext/core/HebChar.h"
#include "hebtext/core/PointedText.h"
#include "hebtext/core/UnicodeHebrew.h"
#include "lexicon/core/BinyanRootRec.h"
#include "lexicon/core/GrammarData.h"
#include "lexicon/core/VerbFormText.h"

namespace {

constexpr char kBlanks[] = " \t\r\n";
constexpr int kMaxTypedLetters = 64;

// A letter as the comparison sees it: no dagesh, no final form.
int PlainLetter(int code) { return FinalToRegularLetter(RemoveDagesh(code)); }

}  // namespace

std::string TypedRootLetters(const std::string& utf8) {
  size_t first = utf8.find_first_not_of(kBlanks);
  if (first == std::string::npos) return "";
  size_t last = utf8.find_last_not_of(kBlanks);
  CString text(utf8.substr(first, last - first + 1).c_str());
  Utf8ToAnsiHebrew(text);
  NormalizeMarkOrder(text);
  ConvertImportedText(text, kVavThenHolam);
  BYTE letters[kMaxTypedLetters], vowels[kMaxTypedLetters];
  int n = SplitLettersAndVowels(text, letters, vowels, sizeof(letters), 0);
  std::string root;
  for (int i = 0; i < n; ++i) root += static_cast<char>(PlainLetter(letters[i]));
  return root;
}

bool RootMatchesTypedLetters(const BYTE* entryRoot, const std::string& letters) {
  size_t n = std::strlen(reinterpret_cast<const char*>(entryRoot));
  if (n != letters.size()) return false;
  for (size_t i = 0; i < n; ++i) {
    int have = PlainLetter(entryRoot[i]);
    int want = static_cast<BYTE>(letters[i]);
    bool shin =
        want == HebCode::Shin && (have == HebCode::ShinShinDot || have == HebCode::ShinSinDot);
    if (have != want && !shin) return false;
  }
  return true;
}

std::vector<int> FindVerbsByTypedRoot(const std::string& utf8) {
  std::string letters = TypedRootLetters(utf8);
  std::vector<int> verbs;
  if (letters.empty()) return verbs;
  for (int verb = 0; verb < GetVerbCount(); ++verb)
    if (RootMatchesTypedLetters(GetEntryRoot(GetVerbIndexEntry(verb)), letters))
      verbs.push_back(verb);
  return verbs;
}
