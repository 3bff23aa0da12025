#include "Describe.h"

#include <cstdio>
#include <cstring>

#include "lexicon/core/GrammarData.h"
#include "lexicon/core/HebWordRec.h"
#include "lexicon/core/VerbFormText.h"

namespace {

// clang-format off
const char* const kBinyanim[] = {"Kal", "Nifal", "Piel", "Pual", "Hitpael", "Hifil", "Hufal"};
// Tense and person of each form slot.
const char* const kSlots[] = {
    "Infinitive",
    "Present Masc Sing", "Present Fem Sing", "Present Masc Plural", "Present Fem Plural",
    "Past Sing 1st", "Past Masc Sing 2nd", "Past Fem Sing 2nd", "Past Masc Sing 3rd",
    "Past Fem Sing 3rd", "Past Plural 1st", "Past Masc Plural 2nd", "Past Fem Plural 2nd",
    "Past Plural 3rd",
    "Future Sing 1st", "Future Masc Sing 2nd", "Future Fem Sing 2nd", "Future Masc Sing 3rd",
    "Future Plural 1st", "Future Masc Plural 2nd", "Future Fem Plural 2nd",
    "Future Masc Plural 3rd",
    "Imperative Masc Sing", "Imperative Fem Sing", "Imperative Masc Plural",
    "Imperative Fem Plural",
    "Participle Masc Sing", "Participle Fem Sing", "Participle Masc Plural",
    "Participle Fem Plural",
    "Future Fem Sing 3rd",
};
const char* const kKinds[] = {"?", "Verb", "Noun", "Prep", "Adj", "Vocab", "Number"};
// clang-format on

std::string Text(const WordRecordRenderer& renderer, const PackedWordRec& record) {
  HebWordRec word = {};
  renderer.Render(record, word.letters, word.vowels, kWordPlaneSize);
  return WordToUtf8(word);
}

std::string RootText(int verb) {
  HebWordRec root = {};
  GetVerbRootLetters(verb, root.letters);
  return WordToUtf8(root);
}

}  // namespace

std::string DescribeHit(const WordRecordRenderer& renderer, const SearchHit& hit,
                        const std::string& typedPrefix) {
  UnpackedWordRec f;
  const int kind = DecodeWordRecord(hit.record.fields, hit.record.extra, &f);
  std::string line = typedPrefix + Text(renderer, hit.record) + "\t" + kKinds[kind] + "\t";
  char details[128] = "";
  if (kind == kKindVerb) {
    const int slot = f.formSlot < sizeof kSlots / sizeof *kSlots ? f.formSlot : 0;
    line += RootText(f.entryIndex);
    std::snprintf(details, sizeof details, "\t%s\t%s%s", kBinyanim[f.binyan % 7], kSlots[slot],
                  f.vavInversive == 1 ? "\tvav-inversive" : "");
    line += details;
    if (f.pronominalSuffix != 0) {
      std::snprintf(details, sizeof details, "\t%s %d",
                    f.suffixBase ? "infinitive noun cell" : "suffix", f.pronominalSuffix);
      line += details;
    }
  } else if (kind != kKindUndecodable) {
    // The entry's base form: the record with its other fields cleared.
    UnpackedWordRec base;
    base.entryIndex = f.entryIndex;
    base.numberField = 1;
    base.ordinal = f.ordinal;
    base.gender = f.gender;
    line += Text(renderer, PackWordRecord(kind, base));
    if (kind == kKindNoun || kind == kKindPrep || kind == kKindAdj) {
      std::snprintf(details, sizeof details, "\t%s\tcell %d",
                    f.numberField == 2 ? "Plural" : "Sing", f.cell);
      line += details;
    }
    if (kind == kKindNumber) line += f.gender ? "\tFem" : "\tMasc";
    if (kind == kKindNumber && f.ordinal) line += "\tordinal";
  }
  if (f.plene) line += "\tplene";
  if (hit.record.extra != 0) line += "\tvariant " + std::to_string(hit.record.extra);
  return line;
}
