// decline [--bin FOLDER] WORD | --all
//
// Prints the declension table of every noun, preposition, adjective and
// general-vocabulary entry whose word is WORD (Hebrew as typed: points and
// dagesh are ignored, a vav vowel counts as the letter vav, and a shin
// without its dot matches both shin and sin), or of every entry: a line
// with the kind of entry, its word and definition, then one line a cell
// with its caption and its form (alternatives separated by ','). Nouns show
// the person cells on the singular stem and again on the plural stem.
// FOLDER holds the "bin" folder of compiled grammar tables.
#include <cstdio>
#include <cstring>
#include <string>

#include "classlib/core/CString.h"
#include "hebtext/core/AnsiImport.h"
#include "hebtext/core/HebChar.h"
#include "hebtext/core/PointedText.h"
#include "hebtext/core/UnicodeHebrew.h"
#include "lexicon/core/AdjectiveForms.h"
#include "lexicon/core/DeclensionCells.h"
#include "lexicon/core/GrammarData.h"
#include "lexicon/core/GrammarLayout.h"
#include "lexicon/core/LittleEndian.h"
#include "lexicon/core/NounForm.h"
#include "lexicon/core/VerbFormText.h"

using namespace GrammarLayout;

namespace {

const char* const kEntryKinds[] = {"", "noun", "prep", "adj", "vocab"};
const char* const kCellCaptions[DeclensionCell::Count] = {
    "singular",   "construct", "pausal",    "my",        "your m.sg",
    "your f.sg",  "his",       "her",       "our",       "your m.pl",
    "your f.pl",  "their m.",  "their f.",  "plural",    "construct plural"};
const char* const kAdjectiveCaptions[] = {"", "m.sg", "f.sg", "m.pl", "f.pl"};
// The person cells of a NounTableRec: the first pattern of each stem.
constexpr int kPersonsPatternOffset = 12;
constexpr int kMaxTypedLetters = 70;

// A letter as the comparison sees it: no dagesh, no final form, a shin
// without its dot.
int PlainLetter(int code) {
  code = FinalToRegularLetter(RemoveDagesh(code));
  return IsShin(code) || IsShinWithShinDot(code) || IsShinWithSinDot(code) ? HebCode::Shin : code;
}

// The word's letters for comparison, a vav vowel written as a vav.
std::string PlainSpelling(const BYTE* letters, const BYTE* vowels, int n) {
  std::string plain;
  for (int i = 0; i < n; ++i) {
    plain += IsVavVowel(letters[i]) ? static_cast<char>(HebCode::Vav)
                                    : static_cast<char>(PlainLetter(letters[i]));
    if (IsVavVowel(vowels[i]) && !IsVavVowel(letters[i])) plain += static_cast<char>(HebCode::Vav);
  }
  return plain;
}

std::string TypedSpelling(const std::string& utf8) {
  CString text(utf8.c_str());
  Utf8ToAnsiHebrew(text);
  NormalizeMarkOrder(text);
  ConvertImportedText(text, kVavThenHolam);
  BYTE letters[kMaxTypedLetters], vowels[kMaxTypedLetters];
  int n = SplitLettersAndVowels(text, letters, vowels, sizeof(letters), 0);
  return PlainSpelling(letters, vowels, n);
}

const BYTE* EntryAt(int type, DWORD i) {
  return GetNounTableBlock(type).Data() + static_cast<size_t>(i) * kNounEntrySize;
}

void PrintCell(const char* caption, const HebWordRec& form) {
  if (form.letters[0]) std::printf("    %s\t%s\n", caption, WordToUtf8(form).c_str());
}

void PrintNounCells(GrammarContext& context, const BYTE* entry, int type) {
  NounFormRequest request;
  request.entry = entry;
  request.table = GetNounTableRun(context, ReadU16LE(entry + kNounEntryTableIdOffset));
  request.tableType = type;
  bool singularPersons =
      request.table.count && ReadU16LE(request.table.records + kPersonsPatternOffset);
  for (int cell = 0; cell <= NounTableLastCell(type); ++cell) {
    HebWordRec form;
    bool person = DeclensionCell::IsPersonCell(cell);
    // Prepositions decline on the stem their record gives; nouns on both.
    request.cell = cell;
    request.kind = type == TableType::Preposition && person && !singularPersons
                       ? DeclensionKind::PluralStem
                       : DeclensionKind::SingularStem;
    BuildNounForm(request, form);
    PrintCell(kCellCaptions[cell], form);
  }
  if (type != TableType::Noun) return;
  request.kind = DeclensionKind::PluralStem;
  for (int cell = DeclensionCell::kFirstPerson; cell <= DeclensionCell::kLastPerson; ++cell) {
    HebWordRec form;
    request.cell = cell;
    BuildNounForm(request, form);
    std::string caption = std::string(kCellCaptions[cell]) + ", plural stem";
    PrintCell(caption.c_str(), form);
  }
}

void PrintAdjectiveCells(const BYTE* entry) {
  BYTE letters[kWordPlaneSize], vowels[kWordPlaneSize];
  GetNounWord(entry, letters, vowels, kWordPlaneSize);
  AdjectiveTables tables = GetLoadedAdjectiveTables();
  int id = ReadU16LE(entry + kNounEntryTableIdOffset);
  DWORD record = FindWordRecord(tables, id);
  for (int index = AdjectiveIndex::MasculineSingular; index <= AdjectiveIndex::FemininePlural;
       ++index) {
    HebWordRec form;
    BuildSuffixedForm(letters, vowels, id, index, tables, record, form);
    PrintCell(kAdjectiveCaptions[index], form);
  }
}

void PrintEntry(GrammarContext& context, const BYTE* entry, int type) {
  HebWordRec word = {};
  GetNounWord(entry, word.letters, word.vowels, kWordPlaneSize);
  LPCSTR definition = GetNounDefinition(entry);
  std::printf("%s %s%s%s\n", kEntryKinds[type], WordToUtf8(word).c_str(),
              definition ? ": " : "", definition ? definition : "");
  if (type == TableType::Adjective)
    PrintAdjectiveCells(entry);
  else
    PrintNounCells(context, entry, type);
}

int Usage() {
  std::fprintf(stderr, "usage: decline [--bin FOLDER] WORD | --all\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  const char* folder = ZULTA_GRAMMAR_FOLDER;
  bool all = false;
  const char* typed = nullptr;
  for (int i = 1; i < argc; ++i) {
    if (!std::strcmp(argv[i], "--bin") && i + 1 < argc)
      folder = argv[++i];
    else if (!std::strcmp(argv[i], "--all"))
      all = true;
    else if (argv[i][0] != '-' && !typed)
      typed = argv[i];
    else
      return Usage();
  }
  if (all == (typed != nullptr)) return Usage();
  SetGrammarFolder(folder);
  GrammarLoadResult loaded = LoadGrammarData();
  for (const UserMessage& message : loaded.messages)
    std::fprintf(stderr, "decline: %s\n", static_cast<LPCSTR>(message.text));
  if (!loaded.loaded) {
    std::fprintf(stderr, "decline: no grammar tables in %s/bin\n", folder);
    return 1;
  }
  std::string wanted = typed ? TypedSpelling(typed) : "";
  GrammarContext context;
  int printed = 0;
  for (int type = TableType::Noun; type <= TableType::Vocabulary; ++type) {
    for (DWORD i = 0; i < GetNounTableCount(type); ++i) {
      const BYTE* entry = EntryAt(type, i);
      BYTE letters[kWordPlaneSize], vowels[kWordPlaneSize];
      int n = GetNounWord(entry, letters, vowels, kWordPlaneSize);
      if (!all && PlainSpelling(letters, vowels, n) != wanted) continue;
      PrintEntry(context, entry, type);
      ++printed;
    }
  }
  FreeGrammarData();
  if (!printed) {
    std::fprintf(stderr, "decline: no word %s\n", typed ? typed : "");
    return 1;
  }
  return 0;
}
