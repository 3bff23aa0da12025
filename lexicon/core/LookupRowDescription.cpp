#include "lexicon/core/LookupRowDescription.h"

#include <cstring>
#include <iterator>

#include "lexicon/core/Binyan.h"

namespace {

const char* const kKindNames[] = {"", "Verb", "Noun", "Prep", "Adj", "Vocab", "Number"};
const char* const kBinyanNames[Binyan::kCount] = {"Kal",     "Nifal", "Piel", "Pual",
                                                  "Hitpael", "Hifil", "Hufal"};

const char* const kMasc = "Masc";
const char* const kFem = "Fem";
const char* const kSing = "Sing";
const char* const kPlural = "Plural";

// The person suffixes 1-10 of verbs, and cells 3-12 of nouns and
// prepositions.
const char* const kPersonSuffixes[] = {"S 1",   "S 2 M", "S 2 F", "S 3 M", "S 3 F",
                                       "P 1",   "P 2 M", "P 2 F", "P 3 M", "P 3 F"};
constexpr int kFirstPersonCell = 3;
constexpr int kNounConstructCell = 1;
constexpr int kNounPausalCell = 2;
constexpr int kNounConstructCellAgain = 14;

const char* PersonSuffix(int number) {
  return number >= 1 && number <= static_cast<int>(std::size(kPersonSuffixes))
             ? kPersonSuffixes[number - 1]
             : "";
}
const char* CellSuffix(int cell) { return PersonSuffix(cell - kFirstPersonCell + 1); }

// What a verb's form slot says: tense, then gender, number and person.
struct VerbSlotText {
  const char* tense;
  const char* gender;
  const char* number;
  const char* person;
};
const char* const kInfinitive = "Infinitive";
const char* const kPresent = "Present";
const char* const kPast = "Past";
const char* const kFuture = "Future";
const char* const kImperative = "Imperative";
const char* const kParticiple = "Participle / Adjective";
const VerbSlotText kVerbSlots[] = {
    {kInfinitive, "", "", ""},          {kPresent, kMasc, kSing, ""},
    {kPresent, kFem, kSing, ""},        {kPresent, kMasc, kPlural, ""},
    {kPresent, kFem, kPlural, ""},      {kPast, "", kSing, "1st"},
    {kPast, kMasc, kSing, "2nd"},       {kPast, kFem, kSing, "2nd"},
    {kPast, kMasc, kSing, "3rd"},       {kPast, kFem, kSing, "3rd"},
    {kPast, "", kPlural, "1st"},        {kPast, kMasc, kPlural, "2nd"},
    {kPast, kFem, kPlural, "2nd"},      {kPast, "", kPlural, "3rd"},
    {kFuture, "", kSing, "1st"},        {kFuture, kMasc, kSing, "2nd"},
    {kFuture, kFem, kSing, "2nd"},      {kFuture, kMasc, kSing, "3rd"},
    {kFuture, "", kPlural, "1st"},      {kFuture, kMasc, kPlural, "2nd"},
    {kFuture, kFem, kPlural, "2nd"},    {kFuture, kMasc, kPlural, "3rd"},
    {kImperative, kMasc, kSing, ""},    {kImperative, kFem, kSing, ""},
    {kImperative, kMasc, kPlural, ""},  {kImperative, kFem, kPlural, ""},
    {kParticiple, kMasc, kSing, ""},    {kParticiple, kFem, kSing, ""},
    {kParticiple, kMasc, kPlural, ""},  {kParticiple, kFem, kPlural, ""},
    {kFuture, kFem, kSing, "3rd"},
};

// Adjective cells 1-4.
struct GenderNumber {
  const char* gender;
  const char* number;
};
const GenderNumber kAdjectiveCells[] = {
    {kMasc, kSing}, {kFem, kSing}, {kMasc, kPlural}, {kFem, kPlural}};

// Binyanim whose infinitive may lose its he.
bool CollapsesInfinitiveHe(int binyan) { return binyan == Binyan::Nifal || binyan == Binyan::Hifil; }

void AppendWords(std::string& column, const char* words) {
  if (!column.empty()) column += ' ';
  column += words;
}

void DescribeVerb(const UnpackedWordRec& f, LookupWordRow& row) {
  row.text[kWordColBinyan] = LookupBinyanName(f.binyan);
  if (f.formSlot < std::size(kVerbSlots)) {
    const VerbSlotText& slot = kVerbSlots[f.formSlot];
    row.text[kWordColTense] = slot.tense;
    row.text[kWordColGender] = slot.gender;
    row.text[kWordColSingPl] = slot.number;
    row.text[kWordColPerson] = slot.person;
  }
  std::string& misc = row.text[kWordColMisc];
  int suffix = f.pronominalSuffix;
  if (f.suffixBase && suffix == 0 && CollapsesInfinitiveHe(f.binyan))
    misc = "Infinitive HEY-Collapse";
  if (f.vavInversive) AppendWords(misc, "Vav-Inversive");
  if (suffix == 0) return;
  // The infinitive noun's suffixes skip the two persons it lacks.
  constexpr int kFirstSkippedPerson = 3;
  if (f.suffixBase) {
    AppendWords(misc, "Infinitive Noun");
    suffix -= suffix < kFirstSkippedPerson ? 1 : 2;
  } else {
    AppendWords(misc, "Pronominal Suffix");
  }
  row.text[kWordColSuffix] = PersonSuffix(suffix);
}

void DescribeNoun(const UnpackedWordRec& f, LookupWordRow& row) {
  if (f.cell == kNounConstructCell || f.cell == kNounConstructCellAgain)
    row.text[kWordColSuffix] = "Construct";
  else if (f.cell == kNounPausalCell)
    row.text[kWordColSuffix] = "Pausal";
  else
    row.text[kWordColSuffix] = CellSuffix(f.cell);
  row.text[kWordColSingPl] = f.numberField == 1 ? kSing : kPlural;
}

void DescribeAdjective(const UnpackedWordRec& f, LookupWordRow& row) {
  if (f.cell < 1 || f.cell > static_cast<int>(std::size(kAdjectiveCells))) return;
  row.text[kWordColGender] = kAdjectiveCells[f.cell - 1].gender;
  row.text[kWordColSingPl] = kAdjectiveCells[f.cell - 1].number;
}

bool IsKeywordChar(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-';
}

// The text without its '&' marks, <...> spans and "[]".
std::string StripMarkup(const std::string& text) {
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '&') continue;
    if (text[i] == '<') {
      const size_t close = text.find('>', i);
      if (close == std::string::npos) break;
      i = close;
      continue;
    }
    if (text.compare(i, 2, "[]") == 0) {
      ++i;
      continue;
    }
    out += text[i];
  }
  return out;
}

bool NamesKeyword(const std::string& sense, const std::string& keyword) {
  if (keyword.empty()) return false;
  for (size_t at = sense.find(keyword); at != std::string::npos;
       at = sense.find(keyword, at + 1)) {
    const size_t after = at + keyword.size();
    if (after == sense.size() || !IsKeywordChar(sense[after])) return true;
  }
  return false;
}

}  // namespace

const char* LookupKindName(int kind) {
  return kind >= 0 && kind < static_cast<int>(std::size(kKindNames)) ? kKindNames[kind] : "";
}

const char* LookupBinyanName(int binyan) {
  return binyan >= 0 && binyan < Binyan::kCount ? kBinyanNames[binyan] : "";
}

void DescribeWordFields(int kind, const UnpackedWordRec& fields, LookupWordRow& row) {
  row.text[kWordColGram] = LookupKindName(kind);
  switch (kind) {
    case kKindVerb: DescribeVerb(fields, row); break;
    case kKindNoun: DescribeNoun(fields, row); break;
    case kKindPrep: row.text[kWordColSuffix] = CellSuffix(fields.cell); break;
    case kKindAdj: DescribeAdjective(fields, row); break;
    // A number's gender is its gender flag (not its ordinal flag).
    case kKindNumber: row.text[kWordColGender] = fields.gender ? kFem : kMasc; break;
    default: break;
  }
}

std::string CleanDefinitionSenses(const std::string& definition, const std::string& keyword) {
  const std::string text = StripMarkup(definition);
  std::string kept;
  size_t begin = 0;
  while (begin <= text.size()) {
    size_t end = text.find(';', begin);
    if (end == std::string::npos) end = text.size();
    std::string sense = text.substr(begin, end - begin);
    if (NamesKeyword(sense, keyword)) {
      sense.erase(sense.find_last_not_of(" \t") + 1);
      if (!kept.empty()) kept += "; ";
      kept += sense;
    }
    begin = end + 1;
  }
  return kept;
}

void JoinBinyanSenses(const std::vector<BinyanSense>& senses, std::string& binyanColumn,
                      std::string& definitionColumn) {
  binyanColumn.clear();
  definitionColumn.clear();
  if (senses.size() == 1) {
    binyanColumn = senses[0].name;
    definitionColumn = senses[0].text;
    return;
  }
  for (size_t i = 0; i < senses.size(); ++i) {
    const std::string number = std::to_string(i + 1);
    const char* gap = i == 0 ? "" : "  ";
    binyanColumn += gap + ("(" + number + ") ") + senses[i].name;
    definitionColumn += gap + (number + ". ") + senses[i].text;
  }
}
