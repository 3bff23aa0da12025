#include "lexicon/core/GrammarWordSource.h"

#include <cstring>
#include <set>
#include <string>

#include "hebtext/core/HebChar.h"
#include "lexicon/core/Binyan.h"
#include "lexicon/core/BinyanRootRec.h"
#include "lexicon/core/EntrySortKey.h"
#include "lexicon/core/FormSlots.h"
#include "lexicon/core/GrammarData.h"
#include "lexicon/core/GrammarLayout.h"
#include "lexicon/core/LittleEndian.h"
#include "lexicon/core/NumberTable.h"
#include "lexicon/core/VerbFormGenerator.h"
#include "lexicon/core/VerbFormText.h"
#include "lexicon/core/VowelVariants.h"

namespace {

using namespace GrammarLayout;

constexpr int kAlternatives = 4;                // comma parts a record can name
constexpr int kWordNumbers = 4;                 // words of a multi-word entry
constexpr int kRenderCapacity = kEntryKeySize;  // the build's and the search's
constexpr int kVerbProgressStep = 50;
constexpr int kFirstDatabaseSlot = FormSlot::Infinitive;
constexpr int kLastDatabaseSlot = FormSlot::ParticipleFp;
constexpr int kFirstObjectPerson = 1;
constexpr int kLastObjectPerson = 10;
// Cells of the infinitive noun: the construct and the ten persons.
constexpr int kInfinitiveNounCells[] = {1, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
// Table ids: 0 and those above this hold no pattern, -1 a plural-only word.
constexpr SHORT kLastPatternId = 10000;
constexpr SHORT kPluralWordId = -1;
constexpr int kSingular = 1;
constexpr int kPlural = 2;
constexpr int kPluralWordCell = 13;

struct TableKind {
  int tableType;
  int kind;
  const char* name;
  int progressStep;
};
// clang-format off
constexpr TableKind kTables[] = {
    {TableType::Noun,        kKindNoun,  "Noun",                   50},
    {TableType::Preposition, kKindPrep,  "Preposition / Particle", 10},
    {TableType::Adjective,   kKindAdj,   "Adjective",              100},
    {TableType::Vocabulary,  kKindVocab, "",                       50},
};
// clang-format on

// A record's rendered letters followed by its vowels; empty when it renders
// nothing.
typedef std::string RenderedText;

// What a pass does with the log: the counting pass builds and logs, the
// storing pass files the log of a complete counting pass, or builds.
enum class LogUse { kLog, kReplay, kNone };

// Files renderings, each text once within the current form.
class FormFiler {
 public:
  FormFiler(WordRecordFiler& filer, const WordRecordRenderer& renderer, WordFilingLog& log,
            LogUse use)
      : m_filer(filer), m_renderer(renderer), m_log(log), m_use(use) {}
  void NewForm() { m_texts.clear(); }

  // One step of the sources: build files the step's records, or the log
  // gives them (a step the log lacks is built, and the build's count check
  // then stops it).
  template <typename Build>
  void Step(Build build) {
    if (m_use == LogUse::kReplay && m_step < m_log.stepEnds.size()) {
      for (const size_t end = m_log.stepEnds[m_step++]; m_replayed < end; ++m_replayed)
        m_filer.AddToBucket(m_log.records[m_replayed].bucket, m_log.records[m_replayed].record);
      return;
    }
    build();
    if (m_use == LogUse::kLog) m_log.stepEnds.push_back(m_log.records.size());
  }

  // The record's text; the last one is kept, as filing renders it again.
  const RenderedText& Render(int kind, const UnpackedWordRec& fields) {
    const PackedWordRec record = PackWordRecord(kind, fields);
    if (m_hasLast && record.fields == m_last.fields && record.extra == m_last.extra)
      return m_lastText;
    BYTE letters[kRenderCapacity];
    BYTE vowels[kRenderCapacity];
    const int length = m_renderer.Render(record, letters, vowels, kRenderCapacity);
    m_lastText.assign(reinterpret_cast<const char*>(letters), length);
    m_lastText.append(reinterpret_cast<const char*>(vowels), length);
    m_last = record;
    m_hasLast = true;
    return m_lastText;
  }

  // Files the record unless its text is empty or already filed for the
  // form; returns the text.
  RenderedText File(int kind, const UnpackedWordRec& fields) {
    const RenderedText text = Render(kind, fields);
    if (text.empty() || !m_texts.insert(text).second) return text;
    const size_t length = text.size() / 2;
    BYTE letters[kRenderCapacity] = {};
    BYTE vowels[kRenderCapacity] = {};
    std::memcpy(letters, text.data(), length);
    std::memcpy(vowels, text.data() + length, length);
    const PackedWordRec record = PackWordRecord(kind, fields);
    const DWORD bucket = m_filer.AddWordRecord(letters, vowels, record);
    if (m_use == LogUse::kLog) m_log.records.push_back({bucket, record});
    return text;
  }

  // The record, its vowel variants and its plene spelling; returns the
  // record's text.
  RenderedText FileSpellings(int kind, UnpackedWordRec fields) {
    fields.plene = 0;
    fields.extra = 0;
    const RenderedText text = File(kind, fields);
    if (text.empty()) return text;
    if (HasVariableVowel(text))
      for (fields.extra = 1; fields.extra <= kVowelVariantChoices && !File(kind, fields).empty();
           ++fields.extra) {
      }
    fields.plene = 1;
    fields.extra = 0;
    File(kind, fields);
    return text;
  }

  // Every alternative the field can name, up to the first that renders as
  // the first does (a part the form lacks renders as its first); returns
  // how many rendered.
  int AddFormAlternatives(int kind, UnpackedWordRec fields, int UnpackedWordRec::*field) {
    int rendered = 0;
    RenderedText first;
    for (fields.*field = 0; fields.*field < kAlternatives; ++(fields.*field)) {
      fields.plene = 0;
      fields.extra = 0;
      if (fields.*field > 0 && Render(kind, fields) == first) break;
      const RenderedText text = FileSpellings(kind, fields);
      if (fields.*field == 0) first = text;
      rendered += text.empty() ? 0 : 1;
    }
    return rendered;
  }

 private:
  // Whether a vowel of the text can be read two ways (its variants).
  static bool HasVariableVowel(const RenderedText& text) {
    for (size_t i = text.size() / 2; i < text.size(); ++i) {
      if (IsVariableVowel(static_cast<BYTE>(text[i]))) return true;
    }
    return false;
  }

  WordRecordFiler& m_filer;
  const WordRecordRenderer& m_renderer;
  WordFilingLog& m_log;
  const LogUse m_use;
  size_t m_step = 0;      // the next step to replay
  size_t m_replayed = 0;  // records of the log filed so far
  std::set<RenderedText> m_texts;
  PackedWordRec m_last = {};
  bool m_hasLast = false;
  RenderedText m_lastText;
};

bool ShowProgress(DatabaseBuildProgress& progress, const WordRecordFiler& filer, const char* name,
                  int index, int step) {
  if (index % step == 0) {
    CString line;
    line.Format(filer.Pass() == 0 ? "Counting %s %d" : "Processing %s %d", name, index);
    progress.ShowLine(line);
  }
  return progress.Continue();
}

void FileNumbers(FormFiler& forms) {
  for (int index = 0; index < kNumberTableCount; ++index) {
    NumberTableEntry entry;
    if (!GetNumberTableEntry(index, entry)) continue;
    forms.NewForm();
    for (int ordinal = 0; ordinal < 2; ++ordinal) {
      if (!(entry.flags & (ordinal ? kNumberOrdinal : kNumberCardinal))) continue;
      for (int feminine = 0; feminine < 2; ++feminine) {
        if (!(entry.flags & (feminine ? kNumberFeminine : kNumberMasculine))) continue;
        UnpackedWordRec f;
        f.entryIndex = static_cast<WORD>(index);
        f.ordinal = ordinal;
        f.gender = feminine;
        for (f.wordNumber = 0; f.wordNumber < kWordNumbers; ++f.wordNumber)
          if (forms.FileSpellings(kKindNumber, f).empty()) break;
      }
    }
  }
}

// The cells the entry's table id gives, by number.
void AddTableFormRecords(FormFiler& forms, const TableKind& table, int index, const BYTE* entry) {
  const SHORT id = static_cast<SHORT>(ReadU16LE(entry + kNounEntryTableIdOffset));
  BYTE letters[kRenderCapacity] = {};
  BYTE vowels[kRenderCapacity] = {};
  const int length = GetNounWord(entry, letters, vowels, kRenderCapacity);
  bool severalWords = false;
  for (int i = 0; i < length; ++i) severalWords |= IsSpaceOrHyphen(letters[i]) != 0;

  auto fileCell = [&](int number, int cell) {
    forms.NewForm();
    UnpackedWordRec f;
    f.entryIndex = static_cast<WORD>(index);
    f.numberField = number;
    f.cell = cell;
    const int words = table.kind == kKindPrep ? 1 : kWordNumbers;
    RenderedText first;
    for (f.alternative = 0; f.alternative < kAlternatives; ++f.alternative) {
      f.wordNumber = 0;
      if (f.alternative > 0 && forms.Render(table.kind, f) == first) break;
      for (; f.wordNumber < words; ++f.wordNumber) {
        const RenderedText text = forms.FileSpellings(table.kind, f);
        if (text.empty()) break;
        if (f.alternative == 0 && f.wordNumber == 0) first = text;
      }
    }
  };
  if (table.kind == kKindPrep) {
    for (int cell = 0; cell <= 12; ++cell) fileCell(kSingular, cell);
    return;
  }
  if (table.kind == kKindAdj) {
    const int last = id == 0 ? 1 : 4;
    for (int cell = 1; cell <= last; ++cell) fileCell(kSingular, cell);
    return;
  }
  if (id == 0 || id > kLastPatternId) return fileCell(kSingular, 0);
  if (id == kPluralWordId) return fileCell(kPlural, kPluralWordCell);
  for (int number = kSingular; number <= kPlural; ++number) {
    const int first = number == kSingular ? 0 : 3;
    const int last = number == kSingular ? 12 : 14;
    for (int cell = first; cell <= last; ++cell) {
      const bool wordCell = cell == 0 || cell == kPluralWordCell;
      const bool shortList = wordCell || cell == 1 || cell == 14;
      if (severalWords && !wordCell) continue;
      if (id < kPluralWordId && !shortList) continue;
      fileCell(number, cell);
    }
  }
}

bool FileTables(FormFiler& forms, WordRecordFiler& filer, DatabaseBuildProgress& progress) {
  for (const TableKind& table : kTables) {
    const GrammarBlock& block = GetNounTableBlock(table.tableType);
    const DWORD count = GetNounTableCount(table.tableType);
    for (DWORD i = 0; i < count && (i + 1) * kNounEntrySize <= block.Size(); ++i) {
      if (!ShowProgress(progress, filer, table.name, static_cast<int>(i), table.progressStep))
        return false;
      forms.Step([&] {
        AddTableFormRecords(forms, table, static_cast<int>(i), block.Data() + i * kNounEntrySize);
      });
    }
  }
  return true;
}

bool TakesObjectSuffixes(int binyan, WORD binyanWord) {
  const bool binyanTakes = binyan == Binyan::Paal || binyan == Binyan::Piel ||
                           binyan == Binyan::Hitpael || binyan == Binyan::Hifil;
  return binyanTakes && (binyanWord & kBinyanHasSuffixes) != 0;
}

void FileVerbBinyan(FormFiler& forms, int verb, int binyan, WORD binyanWord, WORD rootId) {
  UnpackedWordRec f;
  f.entryIndex = static_cast<WORD>(verb);
  f.binyan = binyan;
  for (int slot = kFirstDatabaseSlot; slot <= kLastDatabaseSlot; ++slot) {
    f.formSlot = static_cast<WORD>(slot);
    f.suffixBase = 0;
    f.pronominalSuffix = 0;
    f.suffixAlternative = 0;
    forms.NewForm();
    int alternatives = 0;
    for (f.vavInversive = 0; f.vavInversive < 2; ++f.vavInversive) {
      if (SkipFormForDatabase(binyanWord, rootId, binyan, slot, f.vavInversive)) continue;
      const int rendered = forms.AddFormAlternatives(kKindVerb, f, &UnpackedWordRec::alternative);
      if (f.vavInversive == 0) alternatives = rendered;
    }
    f.vavInversive = 0;
    if (alternatives == 0) continue;
    if (slot == FormSlot::Infinitive && (binyan == Binyan::Nifal || binyan == Binyan::Hifil)) {
      f.suffixBase = 1;  // the infinitive with its he elided
      forms.AddFormAlternatives(kKindVerb, f, &UnpackedWordRec::alternative);
    }
    // The conjugation gives no form where a person cannot stand, and the
    // record then renders nothing.
    if (TakesObjectSuffixes(binyan, binyanWord) && TakesPronominalSuffix(slot, binyan) &&
        slot != FormSlot::Past2fp) {
      f.suffixBase = 0;
      for (int person = kFirstObjectPerson; person <= kLastObjectPerson; ++person) {
        f.pronominalSuffix = person;
        forms.NewForm();
        for (f.alternative = 0; f.alternative < alternatives; ++f.alternative)
          forms.AddFormAlternatives(kKindVerb, f, &UnpackedWordRec::suffixAlternative);
      }
    }
    if (slot == FormSlot::Infinitive) {
      f.suffixBase = 1;
      for (int cell : kInfinitiveNounCells) {
        f.pronominalSuffix = cell;
        forms.NewForm();
        for (f.alternative = 0; f.alternative < alternatives; ++f.alternative)
          forms.AddFormAlternatives(kKindVerb, f, &UnpackedWordRec::suffixAlternative);
      }
    }
  }
}

void FileVerb(FormFiler& forms, int verb) {
  const BYTE* entry = GetVerbIndexEntry(verb);
  if (entry == nullptr) return;
  for (int binyan = 0; binyan < Binyan::kCount; ++binyan) {
    const WORD binyanWord = GetVerbBinyanWord(entry, binyan);
    VerbRootRun run;
    if ((binyanWord & kBinyanClassMask) == 0 || !FindVerbRootRun(binyan, binyanWord, run))
      continue;
    FileVerbBinyan(forms, verb, binyan, binyanWord, run.records[0].rootId);
  }
}

bool FileVerbs(FormFiler& forms, WordRecordFiler& filer, DatabaseBuildProgress& progress) {
  for (int verb = 0; verb < GetVerbCount(); ++verb) {
    if (verb % kVerbProgressStep == 0) {
      CString line;
      line.Format(filer.Pass() == 0 ? "Counting Verb Shoresh %d" : "Processing Verb Shoresh %d",
                  verb);
      progress.ShowLine(line);
    }
    if (!progress.Continue()) return false;
    forms.Step([&forms, verb] { FileVerb(forms, verb); });
  }
  return true;
}

}  // namespace

bool GrammarWordSource::Generate(WordRecordFiler& filer, DatabaseBuildProgress& progress) {
  const bool counting = filer.Pass() == DatabaseBuildState::kCounting;
  const LogUse use = counting ? LogUse::kLog : m_log.complete ? LogUse::kReplay : LogUse::kNone;
  if (counting) m_log = WordFilingLog();
  FormFiler forms(filer, m_renderer, m_log, use);
  forms.Step([&forms] { FileNumbers(forms); });
  const bool done = progress.Continue() && FileTables(forms, filer, progress) &&
                    FileVerbs(forms, filer, progress);
  // The log serves the storing pass that follows a whole counting pass.
  if (counting)
    m_log.complete = done;
  else
    m_log = WordFilingLog();
  return done;
}
