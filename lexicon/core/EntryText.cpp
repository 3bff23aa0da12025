#include "lexicon/core/EntryText.h"

#include <algorithm>
#include <cstring>

#include "hebtext/core/CollationKey.h"
#include "hebtext/core/HebChar.h"
#include "hebtext/core/PointedText.h"
#include "lexicon/core/AdjectiveForms.h"
#include "lexicon/core/Binyan.h"
#include "lexicon/core/BinyanRootRec.h"
#include "lexicon/core/EntryWords.h"
#include "lexicon/core/FormPlanes.h"
#include "lexicon/core/GrammarData.h"
#include "lexicon/core/GrammarLayout.h"
#include "lexicon/core/InfinitiveNounForms.h"
#include "lexicon/core/LittleEndian.h"
#include "lexicon/core/NounForm.h"
#include "lexicon/core/NounPatternForm.h"
#include "lexicon/core/NumberTable.h"
#include "lexicon/core/NumberWords.h"
#include "lexicon/core/PackedWordRecord.h"
#include "lexicon/core/VavInversive.h"
#include "lexicon/core/VerbFormGenerator.h"
#include "lexicon/core/VerbFormText.h"
#include "lexicon/core/VerbObjectSuffix.h"
#include "lexicon/core/VowelVariants.h"

using namespace GrammarLayout;

namespace {

constexpr int kRootBytes = 5;
constexpr int kNoPart = -1;
// Entries whose table id is 0 or -1 decline nothing: their word is the form.
bool DeclinesByTable(SHORT id) { return id > 0 || id < -1; }
// Spelled numbers of the table are a few words long.
constexpr int kSpelledNumberCapacity = 256;

int LetterCount(const HebWordRec& word) {
  int n = 0;
  while (n < kWordPlaneSize - 1 && word.letters[n] != 0) ++n;
  return n;
}

// The part of a split list that the alternative number chooses: 0 the
// first; a list without that part gives its first; kNoPart for an empty one.
int PartOffset(const LONG (&offsets)[4], int alternative) {
  return alternative <= 0 ? 0 : offsets[alternative - 1];
}

// The part alone, from offset to its end, in a record of its own.
HebWordRec PartAt(const HebWordRec& word, int offset) {
  HebWordRec part = {};
  for (int i = offset; i < kWordPlaneSize - 1 && word.letters[i] != 0; ++i) {
    part.letters[i - offset] = word.letters[i];
    part.vowels[i - offset] = word.vowels[i];
    part.marks[i - offset] = word.marks[i];
  }
  part.binyan = word.binyan;
  part.formSlot = word.formSlot;
  return part;
}

// Splits the list and takes the chosen part; false when it is empty.
bool TakePart(HebWordRec& word, int alternative) {
  LONG offsets[4];
  SplitCommaList(word.letters, offsets);
  const int offset = PartOffset(offsets, alternative);
  if (offset == kNoPart) return false;
  word = PartAt(word, offset);
  return word.letters[0] != 0;
}

struct VerbParts {
  const BYTE* entry = nullptr;
  VerbRootRun run;
  BYTE root[kRootBytes + 1] = {};
  PleneOptions plene;
};

bool FindVerb(const UnpackedWordRec& record, VerbParts& verb) {
  verb.entry = GetVerbIndexEntry(record.entryIndex);
  if (verb.entry == nullptr || record.binyan < 0 || record.binyan >= kBinyanim) return false;
  if (!FindVerbRootRun(record.binyan, GetVerbBinyanWord(verb.entry, record.binyan), verb.run))
    return false;
  std::memcpy(verb.root, GetEntryRoot(verb.entry), kRootBytes);
  NormalizeFinalLetters(verb.root);
  verb.plene.rootLetters = GetEntryRootLength(verb.entry);
  verb.plene.binyan = record.binyan;
  return true;
}

// The infinitive noun of the part (an infinitive) in the declension cell
// that the record's suffix number names (1, the construct, or a person
// cell); the part unchanged when the noun tables hold no declension for it.
HebWordRec InfinitiveNounWithSuffix(GrammarContext& context, const VerbParts& verb,
                                    const UnpackedWordRec& record, const HebWordRec& part,
                                    int pattern) {
  const WORD id = GetInfinitiveNounPattern(record.binyan, pattern, verb.root);
  const NounTableRun table = id ? GetNounTableRun(context, id) : NounTableRun();
  const int length = LetterCount(part);
  if (table.count == 0 || length < 2) return part;
  // The noun is the infinitive without its prefix lamed.
  HebWordRec noun = {};
  std::memcpy(noun.letters, part.letters + 1, length - 1);
  std::memcpy(noun.vowels, part.vowels + 1, length - 1);
  PronominalSuffixRequest request;
  request.records = table.records;
  request.recordCount = table.count;
  request.cell = record.pronominalSuffix;
  request.kind = SuffixKind::InfinitiveNoun;
  request.binyan = record.binyan;
  request.verbClass = pattern;
  request.rootLetters = verb.root;
  BuildPronominalSuffixForm(request, noun.letters, noun.vowels);
  noun.letters[kWordPlaneSize - 1] = 0;
  return noun;
}

// The memo's text of the key (a verb record), built by build (false: there
// is none) unless the memo holds it from the present tables.
template <typename Build>
const VerbTextMemo& Remember(VerbTextMemo& memo, const UnpackedWordRec& key, bool stripVav,
                             Build build) {
  const DWORD generation = GetGrammarGeneration();
  if (memo.valid && memo.generation == generation && memo.key == key && memo.stripVav == stripVav)
    return memo;
  memo.built = build(memo.text);
  memo.valid = true;
  memo.generation = generation;
  memo.key = key;
  memo.stripVav = stripVav;
  return memo;
}

// The part of its verb list that a record takes: a suffixed form's own
// alternative, else the form's alternative.
int& ListPart(UnpackedWordRec& record) {
  return record.pronominalSuffix != 0 ? record.suffixAlternative : record.alternative;
}

// The comma list the record takes its part from (the record's part is not
// read); false when the verb has no such form.
bool BuildVerbList(GrammarContext& context, const UnpackedWordRec& record,
                   const EntryTextOptions& options, HebWordRec& list) {
  VerbParts verb;
  if (!FindVerb(record, verb)) return false;
  const int binyan = record.binyan;
  const bool suffixed = record.pronominalSuffix != 0;
  const bool vav = record.vavInversive == 1;
  // The feminine plurals take their suffixes on the masculine plural.
  const int slot = suffixed ? SuffixBaseSlot(record.formSlot) : record.formSlot;
  const bool onOtherSlot = slot != record.formSlot;
  VerbFormOptions formOptions;
  formOptions.keepSuffixesApart = record.plene && !onOtherSlot;
  UnpackedWordRec formKey;
  formKey.entryIndex = record.entryIndex;
  formKey.binyan = binyan;
  formKey.formSlot = static_cast<WORD>(slot);
  formKey.plene = formOptions.keepSuffixesApart ? 1 : 0;
  const VerbTextMemo& form =
      Remember(context.verbForms[formKey.plene], formKey, false, [&](HebWordRec& text) {
        text = *BuildVerbForm(context, verb.run, 0, verb.entry, verb.root, slot, binyan,
                              formOptions);
        return text.letters[0] != 0;
      });
  if (!form.built) return false;
  HebWordRec word = form.text;
  bool withConjunction = false;
  if (vav) {
    if (!TakesPronominalSuffix(slot, binyan)) return false;
    MakeVavInversiveForm(context, word, verb.run.records[0], verb.entry, slot, binyan, 0);
    withConjunction = true;
    if (options.stripVav && !suffixed) {
      StripConjunctionVav(word);
      withConjunction = false;
    }
  }
  verb.plene.slot = slot;
  const int respellFrom = withConjunction ? 1 : 0;
  if (!suffixed) {
    if (record.suffixBase) DropHeAfterFirstLetter(word);
    if (record.plene) RespellFormList(word, respellFrom, verb.plene);
    list = word;
    return true;
  }

  LONG offsets[4];
  const int commas = SplitCommaList(word.letters, offsets);
  int alternative = std::min(record.alternative, commas);
  int offset = PartOffset(offsets, alternative);
  // On the masculine plural the last part there is stands in for a missing
  // one.
  while (onOtherSlot && offset == kNoPart && alternative > 0) {
    offset = PartOffset(offsets, --alternative);
  }
  if (offset == kNoPart) return false;
  const HebWordRec part = PartAt(word, offset);
  const int pattern = word.patternNumbers[std::min(alternative, 3)];
  HebWordRec withSuffix = {};
  if (record.suffixBase == 0) {
    ObjectSuffixRequest request;
    request.slot = record.formSlot;
    request.record = &verb.run.records[0];
    request.binyan = binyan;
    request.vavFlag = vav ? 1 : 0;
    request.person = record.pronominalSuffix;
    request.pattern = pattern;
    request.root = verb.root;
    if (!GenerateVerbForm(request, FormPlanes::FromRecord(part), withSuffix)) return false;
    if (options.stripVav && vav) {
      StripConjunctionVav(withSuffix);
      withConjunction = false;
    }
  } else {
    withSuffix = InfinitiveNounWithSuffix(context, verb, record, part, pattern);
  }
  ClearVowelPlaceholders(withSuffix.vowels, kWordPlaneSize);
  if (record.plene) RespellFormList(withSuffix, withConjunction ? 1 : 0, verb.plene);
  list = withSuffix;
  return true;
}

bool RenderVerb(GrammarContext& context, const UnpackedWordRec& record,
                const EntryTextOptions& options, HebWordRec& text) {
  UnpackedWordRec listKey = record;
  const int part = ListPart(listKey);
  ListPart(listKey) = 0;
  listKey.extra = 0;
  const VerbTextMemo& list =
      Remember(context.verbLists[listKey.plene ? 1 : 0], listKey, options.stripVav,
               [&](HebWordRec& built) { return BuildVerbList(context, listKey, options, built); });
  if (!list.built) return false;
  text = list.text;
  return TakePart(text, part);
}

const BYTE* TableEntry(int tableType, int index) {
  const GrammarBlock& block = GetNounTableBlock(tableType);
  if (index < 0 || static_cast<DWORD>(index) >= GetNounTableCount(tableType) ||
      static_cast<size_t>(index + 1) * kNounEntrySize > block.Size())
    return nullptr;
  return block.Data() + static_cast<size_t>(index) * kNounEntrySize;
}

bool BuildTableForm(GrammarContext& context, int tableType, const BYTE* entry,
                    const UnpackedWordRec& record, HebWordRec& word) {
  const SHORT id = static_cast<SHORT>(ReadU16LE(entry + kNounEntryTableIdOffset));
  if (tableType == TableType::Adjective) {
    BYTE letters[kWordPlaneSize] = {};
    BYTE vowels[kWordPlaneSize] = {};
    const int length = GetNounWord(entry, letters, vowels, kWordPlaneSize);
    MarkZeroBytes(vowels, length);
    const AdjectiveTables tables = GetLoadedAdjectiveTables();
    return BuildSuffixedForm(letters, vowels, id, record.cell, tables, FindWordRecord(tables, id),
                             word);
  }
  const bool declined = tableType != TableType::Vocabulary && DeclinesByTable(id);
  if (!declined) {
    ClearWordRec(word);
    return GetNounWord(entry, word.letters, word.vowels, kWordPlaneSize) > 0;
  }
  NounFormRequest request;
  request.entry = entry;
  request.table = GetNounTableRun(context, id);
  request.kind = record.numberField;
  request.cell = record.cell;
  request.tableType = tableType;
  return BuildNounForm(request, word);
}

// Word number of the text (all of it for -1) in place.
bool SelectWord(HebWordRec& text, int wordNumber) {
  HebWordRec word = {};
  const int length = SelectEntryWord(wordNumber, text.letters, text.vowels, LetterCount(text),
                                     word.letters, word.vowels, kWordPlaneSize);
  text = word;
  return length > 0;
}

bool RenderTableEntry(GrammarContext& context, int kind, const UnpackedWordRec& record,
                      const EntryTextOptions& options, HebWordRec& text) {
  const int tableType = kind - kKindNoun + TableType::Noun;
  const BYTE* entry = TableEntry(tableType, record.entryIndex);
  if (entry == nullptr) return false;
  HebWordRec word = {};
  if (!BuildTableForm(context, tableType, entry, record, word) || word.letters[0] == 0)
    return false;
  ClearVowelPlaceholders(word.vowels, kWordPlaneSize);
  if (record.plene) RespellFormList(word, 0, PleneOptions());
  if (!TakePart(word, record.alternative)) return false;
  text = word;
  if (tableType == TableType::Preposition) return true;
  return SelectWord(text, options.wholeEntry ? -1 : record.wordNumber);
}

bool RenderNumber(const UnpackedWordRec& record, HebWordRec& text) {
  NumberTableEntry number;
  if (!GetNumberTableEntry(record.entryIndex, number)) return false;
  char spelled[kSpelledNumberCapacity];
  NumberWordsOptions spelling;
  spelling.language = kNumberHebrew;
  spelling.ordinal = record.ordinal;
  spelling.feminine = record.gender;
  spelling.cleanUp = 1;
  NumberToWords(spelled, sizeof spelled, number.value, spelling);
  ClearWordRec(text);
  SplitLettersAndVowels(spelled, text.letters, text.vowels, kWordPlaneSize, HebCode::NoVowel);
  if (!SelectWord(text, record.wordNumber)) return false;
  if (record.plene) RespellFormList(text, 0, PleneOptions());
  return true;
}

}  // namespace

int LookupEntryText(GrammarContext& context, DWORD fields, BYTE extra,
                    const EntryTextOptions& options, const EntryTextOutput& output) {
  if (output.primaryKey != nullptr && output.keySize > 0) output.primaryKey[0] = 0;
  UnpackedWordRec record;
  const int kind = DecodeWordRecord(fields, extra, &record);
  HebWordRec text = {};
  bool rendered = false;
  if (kind == kKindVerb) {
    rendered = RenderVerb(context, record, options, text);
  } else if (kind >= kKindNoun && kind <= kKindVocab) {
    rendered = RenderTableEntry(context, kind, record, options, text);
  } else if (kind == kKindNumber) {
    rendered = RenderNumber(record, text);
  }
  if (!rendered) return 0;
  if (record.extra != 0) {
    HebWordRec variant;
    if (!BuildVowelVariant(text, 0, variant, record.extra - 1)) return 0;
    text = variant;
  }
  const int length = LetterCount(text);
  if (length == 0) return 0;
  // The word's vowels and the one under its terminator are all that go out.
  ClearVowelPlaceholders(text.vowels, length + 1);
  if (output.letters != nullptr) std::memcpy(output.letters, text.letters, length + 1);
  if (output.vowels != nullptr) std::memcpy(output.vowels, text.vowels, length + 1);
  if (output.keySize > 0) {
    if (output.primaryKey != nullptr) {
      BuildLetterVowelKey(output.primaryKey, output.keySize, text.letters, text.vowels, length);
    }
    if (output.secondaryKey != nullptr) {
      VowelClassString(output.secondaryKey, output.keySize, text.vowels, length);
    }
  }
  return length;
}
