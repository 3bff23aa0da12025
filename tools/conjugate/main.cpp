// conjugate [--bin FOLDER] [--stress] ROOT | --all
//
// Prints every form of the verb with the root ROOT (unpointed Hebrew; a
// shin without its dot matches both shin and sin), or of every verb, in
// every binyan it has: one line a form slot with the pointed form (its
// alternatives separated by ','), its plene spelling, and for past and
// future forms the form after vav-inversive and its plene spelling.
// FOLDER holds the "bin" folder of compiled grammar tables. --stress marks
// a stress before the last syllable with a meteg.
#include <cstdio>
#include <cstring>
#include <string>

#include "classlib/core/CString.h"
#include "hebtext/core/AnsiImport.h"
#include "hebtext/core/HebChar.h"
#include "hebtext/core/PointedText.h"
#include "hebtext/core/UnicodeHebrew.h"
#include "lexicon/core/BinyanRootRec.h"
#include "lexicon/core/FormSlots.h"
#include "lexicon/core/GrammarData.h"
#include "lexicon/core/VerbFormGenerator.h"
#include "lexicon/core/VerbFormText.h"

namespace {

const char* const kBinyanLabels[7] = {"Paal", "Nifal", "Piel", "Pual", "Hitpael", "Hifil", "Hufal"};
const char* const kSlotLabels[31] = {
    "infinitive", "present m.sg", "present f.sg", "present m.pl", "present f.pl",
    "past 1sg", "past 2ms", "past 2fs", "past 3ms", "past 3fs", "past 1pl", "past 2mp",
    "past 2fp", "past 3pl", "future 1sg", "future 2ms", "future 2fs", "future 3ms",
    "future 1pl", "future 2mp", "future 2fp/3fp", "future 3mp", "imperative ms",
    "imperative fs", "imperative mp", "imperative fp", "participle ms", "participle fs",
    "participle mp", "participle fp", "future 3fs"};
// The order of the printed slots: future 3fs (slot 30) after 2fs.
const int kSlotOrder[] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 30, 17,
                          18, 19, 20, 21, 22, 23, 24, 25, 26, 27, 28, 29};

std::string RootToUtf8(const BYTE* root) {
  HebWordRec word = {};
  std::memcpy(word.letters, root, std::strlen(reinterpret_cast<const char*>(root)));
  return WordToUtf8(word);
}

// The typed root as letter codes (points dropped).
std::string ParseRoot(const char* utf8) {
  CString text(utf8);
  Utf8ToAnsiHebrew(text);
  NormalizeMarkOrder(text);
  ConvertImportedText(text, 0);
  BYTE letters[64], vowels[64];
  int n = SplitLettersAndVowels(text, letters, vowels, sizeof(letters), 0);
  std::string root;
  for (int i = 0; i < n; ++i) root += static_cast<char>(FinalToRegularLetter(letters[i]));
  return root;
}

bool RootMatches(const BYTE* entryRoot, const std::string& wanted) {
  size_t n = std::strlen(reinterpret_cast<const char*>(entryRoot));
  if (n != wanted.size()) return false;
  for (size_t i = 0; i < n; ++i) {
    int have = FinalToRegularLetter(entryRoot[i]);
    int want = static_cast<BYTE>(wanted[i]);
    bool shin = want == HebCode::Shin && (have == HebCode::ShinShinDot || have == HebCode::ShinSinDot);
    if (have != want && !shin) return false;
  }
  return true;
}

void PrintVerb(GrammarContext& context, int verb, bool withStress) {
  const BYTE* entry = GetVerbIndexEntry(verb);
  std::printf("%s\n", RootToUtf8(GetEntryRoot(entry)).c_str());
  for (int binyan = 0; binyan < 7; ++binyan) {
    WORD word = GetVerbBinyanWord(entry, binyan);
    if (!(word & 0x1FFF)) continue;
    LPCSTR meaning = GetVerbMeaning(verb, binyan);
    std::printf("  %s (class %u)%s%s\n", kBinyanLabels[binyan], word & 0x1FFFu,
                meaning ? ": " : "", meaning ? meaning : "");
    for (int slot : kSlotOrder) {
      HebWordRec form = GenerateVerbForm(context, entry, binyan, slot);
      if (!form.letters[0]) continue;
      std::string line = std::string(kSlotLabels[slot]) + "\t" + WordToUtf8(form, withStress) +
                         "\t" + WordToUtf8(PleneVerbForm(entry, form, 0), withStress);
      HebWordRec inverted = VavInversiveVerbForm(context, entry, form);
      if (inverted.letters[0])
        line += "\t" + WordToUtf8(inverted, withStress) + "\t" +
                WordToUtf8(PleneVerbForm(entry, inverted, 1), withStress);
      std::printf("    %s\n", line.c_str());
    }
  }
}

int Usage() {
  std::fprintf(stderr, "usage: conjugate [--bin FOLDER] [--stress] ROOT | --all\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  const char* folder = ZULTA_GRAMMAR_FOLDER;
  bool all = false, withStress = false;
  const char* root = nullptr;
  for (int i = 1; i < argc; ++i) {
    if (!std::strcmp(argv[i], "--bin") && i + 1 < argc) folder = argv[++i];
    else if (!std::strcmp(argv[i], "--all")) all = true;
    else if (!std::strcmp(argv[i], "--stress")) withStress = true;
    else if (argv[i][0] != '-' && !root) root = argv[i];
    else return Usage();
  }
  if (all == (root != nullptr)) return Usage();
  SetGrammarFolder(folder);
  GrammarLoadResult loaded = LoadGrammarData();
  for (const std::string& message : loaded.messages)
    std::fprintf(stderr, "conjugate: %s\n", message.c_str());
  if (!loaded.loaded) {
    std::fprintf(stderr, "conjugate: no grammar tables in %s/bin\n", folder);
    return 1;
  }
  GrammarContext context;
  std::string wanted = root ? ParseRoot(root) : std::string();
  int printed = 0;
  for (int verb = 0; verb < GetVerbCount(); ++verb) {
    if (!all && !RootMatches(GetEntryRoot(GetVerbIndexEntry(verb)), wanted)) continue;
    PrintVerb(context, verb, withStress);
    ++printed;
  }
  FreeGrammarData();
  if (!printed) {
    std::fprintf(stderr, "conjugate: no verb with the root %s\n", root);
    return 1;
  }
  return 0;
}
