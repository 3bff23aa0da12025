#include "lexicon/core/LookupRowText.h"

#include "hebtext/core/HebChar.h"
#include "hebtext/core/HebrewDisplay.h"
#include "hebtext/core/PointedText.h"
#include "lexicon/core/DefinitionKeywords.h"
#include "lexicon/core/EntryText.h"
#include "lexicon/core/FormSlots.h"
#include "lexicon/core/GenderNumberText.h"
#include "lexicon/core/GrammarData.h"
#include "lexicon/core/GrammarLayout.h"
#include "lexicon/core/LookupListRules.h"
#include "lexicon/core/NumberTable.h"
#include "lexicon/core/NumberWords.h"
#include "lexicon/core/PackedDefinitionRecord.h"

namespace {

// Room for a number spelled out in Hebrew words, and for a root.
constexpr int kNumberWordsSize = 512;
constexpr int kRootRoom = 11;
constexpr int kNumberTextSize = 512;

PointedText FromPlanes(const BYTE* letters, const BYTE* vowels, int length) {
  PointedText text;
  text.letters.assign(letters, letters + length);
  text.vowels.assign(vowels, vowels + length);
  return text;
}

PointedText VerbRoot(int verb) {
  BYTE letters[kRootRoom] = {};
  const int length = GetVerbRootLetters(verb, letters);
  PointedText root;
  root.letters.assign(letters, letters + length);
  root.vowels.assign(length, 0);
  return root;
}

PointedText NumberInHebrew(int entryIndex, int ordinal, int feminine) {
  NumberTableEntry number;
  if (!GetNumberTableEntry(entryIndex, number)) return {};
  char words[kNumberWordsSize] = {};
  NumberWordsOptions options;
  options.language = kNumberHebrew;
  options.ordinal = ordinal;
  options.feminine = feminine;
  options.cleanUp = 1;
  NumberToWords(words, kNumberWordsSize, number.value, options);
  BYTE letters[kNumberWordsSize] = {};
  BYTE vowels[kNumberWordsSize] = {};
  const int length = SplitLettersAndVowels(words, letters, vowels, kNumberWordsSize, 0);
  return FromPlanes(letters, vowels, length);
}

// The record of the entry with all other fields 0.
PackedWordRec BaseRecord(int kind, int entryIndex) {
  UnpackedWordRec fields;
  fields.entryIndex = static_cast<WORD>(entryIndex);
  return PackWordRecord(kind, fields);
}

const char* const kMasc = "Masc";
const char* const kFem = "Fem";

}  // namespace

PointedText LookupRecordWord(GrammarContext& context, const PackedWordRec& record) {
  BYTE letters[kWordPlaneSize] = {};
  BYTE vowels[kWordPlaneSize] = {};
  EntryTextOutput output;
  output.letters = letters;
  output.vowels = vowels;
  int length = LookupEntryText(context, record.fields, record.extra, {}, output);
  // A respelled record shows as unpointed Hebrew writes it.
  UnpackedWordRec fields;
  if (DecodeWordRecord(record.fields, record.extra, &fields) != kKindUndecodable &&
      fields.plene != 0)
    length = InsertHebrewChar(letters, vowels, length, kWordPlaneSize);
  return FromPlanes(letters, vowels, length);
}

LookupWordRowText DescribeWordRecord(GrammarContext& context, const PackedWordRec& record) {
  LookupWordRowText row;
  UnpackedWordRec fields;
  const int kind = DecodeWordRecord(record.fields, record.extra, &fields);
  DescribeWordFields(kind, fields, row.columns);
  row.word = LookupRecordWord(context, record);
  if (kind == kKindVerb)
    row.rootEntry = VerbRoot(fields.entryIndex);
  else if (kind == kKindNumber)
    row.rootEntry = NumberInHebrew(fields.entryIndex, fields.ordinal, fields.gender);
  if (row.rootEntry.letters.empty() && kind >= kKindNoun && kind <= kKindVocab)
    row.rootEntry = LookupRecordWord(context, BaseRecord(kind, fields.entryIndex));
  if (kind == kKindNoun) {
    // A noun's gender is its entry's, whatever the form.
    const BYTE* entry = DeclensionTableEntry(TableType::Noun, fields.entryIndex);
    if (entry != nullptr)
      row.columns.text[kWordColGender] =
          FormatGenderNumber(entry[GrammarLayout::kNounEntryClassOffset], true, TableType::Noun);
  }
  return row;
}

PackedWordRec DefinitionWordRecord(DWORD fields, int binyan) {
  UnpackedDefinitionRec record{};
  const int kind = DecodeDefinitionRecord(fields, record);
  UnpackedWordRec word;
  word.entryIndex = record.entryIndex;
  switch (kind) {
    case kKindVerb: {
      const std::vector<int> binyanim = MaskBinyanim(record.binyanMask);
      if (binyanim.empty()) return {};
      bool inMask = false;
      for (int b : binyanim) inMask = inMask || b == binyan;
      word.binyan = inMask ? binyan : binyanim.front();
      return PackWordRecord(kKindVerb, word);
    }
    case kKindNumber:
      word.ordinal = record.flagE19;
      word.gender = record.flagE20;
      return PackWordRecord(kKindNumber, word);
    case kKindNoun:
    case kKindPrep:
    case kKindAdj:
    case kKindVocab: return PackWordRecord(kind, word);
    default: return {};
  }
}

LookupDefinitionRowText DescribeDefinitionRecord(GrammarContext& context, DWORD fields,
                                                 const std::string& keyword) {
  LookupDefinitionRowText row;
  UnpackedDefinitionRec record{};
  row.kind = DecodeDefinitionRecord(fields, record);
  row.columns[kDefColGram] = LookupKindName(row.kind);
  const PackedWordRec wordRecord = DefinitionWordRecord(fields, -1);
  row.word = LookupRecordWord(context, wordRecord);
  if (row.kind == kKindVerb && row.word.letters.empty()) {
    // Pual and Hufal have no infinitive: such a verb is shown by its past
    // third person masculine singular, the form dictionaries list.
    UnpackedWordRec verb;
    DecodeWordRecord(wordRecord.fields, wordRecord.extra, &verb);
    verb.formSlot = FormSlot::Past3ms;
    row.word = LookupRecordWord(context, PackWordRecord(kKindVerb, verb));
  }
  if (row.kind == kKindVerb) {
    row.rootEntry = VerbRoot(record.entryIndex);
    std::vector<BinyanSense> senses;
    for (int binyan : MaskBinyanim(record.binyanMask)) {
      const char* meaning = GetVerbMeaning(record.entryIndex, binyan);
      senses.push_back({LookupBinyanName(binyan),
                        CleanDefinitionSenses(meaning != nullptr ? meaning : "", keyword)});
    }
    JoinBinyanSenses(senses, row.columns[kDefColBinyan], row.columns[kDefColDefinition]);
  } else if (row.kind >= kKindNoun && row.kind <= kKindVocab) {
    row.rootEntry = row.word;
    const BYTE* entry = DeclensionTableEntry(row.kind - kKindNoun + TableType::Noun,
                                             record.entryIndex);
    const char* definition = entry != nullptr ? GetNounDefinition(entry) : nullptr;
    if (row.kind == kKindNoun && entry != nullptr)
      row.columns[kDefColGender] =
          FormatGenderNumber(entry[GrammarLayout::kNounEntryClassOffset], true, TableType::Noun);
    row.columns[kDefColDefinition] =
        CleanDefinitionSenses(definition != nullptr ? definition : "", keyword);
  } else if (row.kind == kKindNumber) {
    // A number's gender is its gender flag (not its ordinal flag).
    row.columns[kDefColGender] = record.flagE20 ? kFem : kMasc;
    row.rootEntry = NumberInHebrew(record.entryIndex, record.flagE19, record.flagE20);
    NumberTableEntry number;
    if (GetNumberTableEntry(record.entryIndex, number)) {
      char digits[kNumberTextSize] = {};
      FormatNumber(digits, kNumberTextSize, number.value, record.flagE19);
      char words[kNumberTextSize] = {};
      NumberWordsOptions options;
      options.ordinal = record.flagE19;
      options.cleanUp = 1;
      NumberToWords(words, kNumberTextSize, number.value, options);
      row.columns[kDefColDefinition] = std::string(digits) + ", " + words;
    }
  }
  return row;
}
