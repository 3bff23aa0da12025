// conjugate [--bin FOLDER] [--stress] [--suffixes] ROOT | --all
//
// Prints every form of the verb with the root ROOT (Hebrew as typed: points,
// dagesh and blanks around it are ignored, and a shin without its dot
// matches both shin and sin), or of every verb, in
// every binyan it has: one line a form slot the verb uses (a restricted
// binyan leaves some out, as the dictionary does) with the pointed form (its
// alternatives separated by ','), its plene spelling, and for past and
// future forms the form after vav-inversive and its plene spelling.
// FOLDER holds the "bin" folder of compiled grammar tables. --stress marks
// a stress before the last syllable with a meteg. --suffixes prints instead,
// for each binyan of the verb, the forms with an object suffix, one line a
// slot and object person (or a line saying that the binyan or the verb
// takes none), then its infinitive noun: the construct and the possessive
// forms.
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "lexicon/core/Binyan.h"
#include "lexicon/core/BinyanRootRec.h"
#include "lexicon/core/FormSlots.h"
#include "lexicon/core/GrammarData.h"
#include "lexicon/core/GrammarLayout.h"
#include "lexicon/core/VerbFormGenerator.h"
#include "lexicon/core/VerbFormText.h"
#include "lexicon/core/VerbObjectSuffix.h"
#include "lexicon/core/VerbSuffixForms.h"
#include "lexicon/core/VerbRootLookup.h"

namespace {

const char* const kBinyanLabels[Binyan::kCount] = {"Paal",    "Nifal", "Piel", "Pual",
                                                   "Hitpael", "Hifil", "Hufal"};
const char* const kSlotLabels[FormSlot::Count] = {
    "infinitive",     "present m.sg",  "present f.sg",  "present m.pl",  "present f.pl",
    "past 1sg",       "past 2ms",      "past 2fs",      "past 3ms",      "past 3fs",
    "past 1pl",       "past 2mp",      "past 2fp",      "past 3pl",      "future 1sg",
    "future 2ms",     "future 2fs",    "future 3ms",    "future 1pl",    "future 2mp",
    "future 2fp/3fp", "future 3mp",    "imperative ms", "imperative fs", "imperative mp",
    "imperative fp",  "participle ms", "participle fs", "participle mp", "participle fp",
    "future 3fs"};
// The order of the printed slots: future 3fs after 2fs.
const int kSlotOrder[FormSlot::Count] = {
    FormSlot::Infinitive,   FormSlot::PresentMs,    FormSlot::PresentFs,    FormSlot::PresentMp,
    FormSlot::PresentFp,    FormSlot::Past1s,       FormSlot::Past2ms,      FormSlot::Past2fs,
    FormSlot::Past3ms,      FormSlot::Past3fs,      FormSlot::Past1p,       FormSlot::Past2mp,
    FormSlot::Past2fp,      FormSlot::Past3p,       FormSlot::Future1s,     FormSlot::Future2ms,
    FormSlot::Future2fs,    FormSlot::Future3fs,    FormSlot::Future3ms,    FormSlot::Future1p,
    FormSlot::Future2mp,    FormSlot::Future2fp3fp, FormSlot::Future3mp,    FormSlot::ImperativeMs,
    FormSlot::ImperativeFs, FormSlot::ImperativeMp, FormSlot::ImperativeFp, FormSlot::ParticipleMs,
    FormSlot::ParticipleFs, FormSlot::ParticipleMp, FormSlot::ParticipleFp};

std::string RootToUtf8(const BYTE* root) {
  HebWordRec word = {};
  std::memcpy(word.letters, root, std::strlen(reinterpret_cast<const char*>(root)));
  return WordToUtf8(word);
}

void PrintVerb(GrammarContext& context, int verb, bool withStress) {
  const BYTE* entry = GetVerbIndexEntry(verb);
  std::printf("%s\n", RootToUtf8(GetEntryRoot(entry)).c_str());
  for (int binyan = 0; binyan < Binyan::kCount; ++binyan) {
    WORD word = GetVerbBinyanWord(entry, binyan);
    WORD classId = word & GrammarLayout::kBinyanClassMask;
    if (!classId) continue;
    LPCSTR meaning = GetVerbMeaning(verb, binyan);
    std::printf("  %s (class %u)%s%s\n", kBinyanLabels[binyan], static_cast<unsigned>(classId),
                meaning ? ": " : "", meaning ? meaning : "");
    for (int slot : kSlotOrder) {
      HebWordRec form = GenerateVerbForm(context, entry, binyan, slot);
      if (!form.letters[0] || SkipFormForDatabase(word, form.rootId, binyan, slot, 0)) continue;
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

const char* const kPersonLabels[ObjectPerson::kLast + 1] = {
    "",   "me",       "you m.sg", "you f.sg", "him",   "her",
    "us", "you m.pl", "you f.pl", "them m",   "them f"};

// Declension cells 1 (construct) and 3-12 (my ... their f.).
const char* const kNounCellLabels[] = {"",          "construct", "",       "my",  "your m.sg",
                                       "your f.sg", "his",       "her",    "our", "your m.pl",
                                       "your f.pl", "their m",   "their f"};
constexpr int kConstructCell = 1;
constexpr int kFirstPersonCell = 3;
constexpr int kLastPersonCell = 12;

void PrintObjectSuffixForms(GrammarContext& context, const BYTE* entry, int binyan,
                            bool withStress) {
  // The first person past has suffixed forms in every binyan that takes
  // them.
  if (!IsVerbFormAvailable(FormSlot::Past1s, binyan, 0, nullptr)) {
    std::printf("    no object suffixes: %s forms take none\n", kBinyanLabels[binyan]);
    return;
  }
  if (!(GetVerbBinyanWord(entry, binyan) & GrammarLayout::kBinyanHasSuffixes)) {
    std::printf("    no object suffixes: the verb takes no object in %s\n", kBinyanLabels[binyan]);
    return;
  }
  for (int slot : kSlotOrder)
    for (int person = ObjectPerson::kFirst; person <= ObjectPerson::kLast; ++person) {
      HebWordRec form = GenerateObjectSuffixForm(context, entry, binyan, slot, person);
      if (form.letters[0])
        std::printf("    %s\t%s\t%s\n", kSlotLabels[slot], kPersonLabels[person],
                    WordToUtf8(form, withStress).c_str());
    }
}

void PrintInfinitiveNoun(GrammarContext& context, const BYTE* entry, int binyan, bool withStress) {
  bool any = false;
  for (int cell = kConstructCell; cell <= kLastPersonCell; ++cell) {
    if (cell > kConstructCell && cell < kFirstPersonCell) continue;
    HebWordRec noun = GenerateInfinitiveNounForm(context, entry, binyan, cell);
    if (!noun.letters[0]) continue;
    std::printf("    infinitive noun\t%s\t%s\n", kNounCellLabels[cell],
                WordToUtf8(noun, withStress).c_str());
    any = true;
  }
  if (!any) std::printf("    no infinitive noun\n");
}

void PrintSuffixForms(GrammarContext& context, int verb, bool withStress) {
  const BYTE* entry = GetVerbIndexEntry(verb);
  std::printf("%s\n", RootToUtf8(GetEntryRoot(entry)).c_str());
  for (int binyan = 0; binyan < Binyan::kCount; ++binyan) {
    if (!(GetVerbBinyanWord(entry, binyan) & GrammarLayout::kBinyanClassMask)) continue;
    std::printf("  %s\n", kBinyanLabels[binyan]);
    PrintObjectSuffixForms(context, entry, binyan, withStress);
    PrintInfinitiveNoun(context, entry, binyan, withStress);
  }
}

int Usage() {
  std::fprintf(stderr, "usage: conjugate [--bin FOLDER] [--stress] [--suffixes] ROOT | --all\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  const char* folder = ZULTA_GRAMMAR_FOLDER;
  bool all = false, withStress = false, suffixes = false;
  const char* root = nullptr;
  for (int i = 1; i < argc; ++i) {
    if (!std::strcmp(argv[i], "--bin") && i + 1 < argc)
      folder = argv[++i];
    else if (!std::strcmp(argv[i], "--all"))
      all = true;
    else if (!std::strcmp(argv[i], "--stress"))
      withStress = true;
    else if (!std::strcmp(argv[i], "--suffixes"))
      suffixes = true;
    else if (argv[i][0] != '-' && !root)
      root = argv[i];
    else
      return Usage();
  }
  if (all == (root != nullptr)) return Usage();
  SetGrammarFolder(folder);
  GrammarLoadResult loaded = LoadGrammarData();
  for (const UserMessage& message : loaded.messages)
    std::fprintf(stderr, "conjugate: %s\n", static_cast<LPCSTR>(message.text));
  if (!loaded.loaded) {
    std::fprintf(stderr, "conjugate: no grammar tables in %s/bin\n", folder);
    return 1;
  }
  GrammarContext context;
  std::vector<int> verbs;
  if (all) {
    for (int verb = 0; verb < GetVerbCount(); ++verb) verbs.push_back(verb);
  } else {
    verbs = FindVerbsByTypedRoot(root);
  }
  for (int verb : verbs)
    suffixes ? PrintSuffixForms(context, verb, withStress) : PrintVerb(context, verb, withStress);
  FreeGrammarData();
  if (verbs.empty()) {
    std::fprintf(stderr, "conjugate: no verb with the root %s\n", root);
    return 1;
  }
  return 0;
}
