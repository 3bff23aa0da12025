#include "lexicon/core/AdjectiveForms.h"

#include <cstring>

#include "hebtext/core/HebChar.h"
#include "lexicon/core/FormPlanes.h"
#include "lexicon/core/FormStress.h"
#include "lexicon/core/GrammarData.h"
#include "lexicon/core/GrammarLayout.h"
#include "lexicon/core/LittleEndian.h"
#include "lexicon/core/TemplateCodes.h"
#include "lexicon/generated/ClassIds.h"

using namespace GrammarLayout;

namespace {

constexpr BYTE kNone = HebCode::ExplicitNoVowel;
constexpr int kMaxAlternatives = 4;
// Suffix form references: 1-6 copy the letter that many places from the
// end, 11-15 without its dagesh, 16-20 with dagesh.
constexpr int kLastCopyReference = 6;

// SuffixWordRec fields.
constexpr int kIdOffset = 0;
constexpr int kGroupOffset = 2;
constexpr int kMaskOffset = 4;
constexpr int kFlagsOffset = 5;
constexpr BYTE kFirstLetterShvaFlag = 0x01;
constexpr BYTE kKeepStressFlag = 0x02;

const BYTE* ClassRecord(const AdjectiveTables& tables, DWORD index) {
  return tables.classes + static_cast<size_t>(index) * kSuffixWordRecSize;
}

WORD ClassId(const AdjectiveTables& tables, DWORD index) {
  return ReadU16LE(ClassRecord(tables, index) + kIdOffset);
}

int ReferenceOf(int code) {
  using namespace TemplateCode;
  if (code >= kFirstReference && code <= kLastCopyReference) return code;
  if (code > kWithoutDagesh && code <= kWithDagesh) return code - kWithoutDagesh;
  if (code > kWithDagesh && code <= kBegadkefatDagesh) return code - kWithDagesh;
  return 0;
}

int ReferencedLetter(int code, int letter) {
  using namespace TemplateCode;
  if (IsHe(letter)) return letter;
  if (code > kWithoutDagesh && code <= kWithDagesh) return RemoveDagesh(letter);
  if (code > kWithDagesh && code <= kBegadkefatDagesh) return AddDagesh(letter);
  return letter;
}

// Writes the template over the end of the word (from the first reference's
// letter, or from the start when the template begins with a literal);
// returns the first position written.
int ApplyTemplate(const BYTE* rec, FormPlanes& word, bool wholeWord) {
  FormPlanes source = word;
  int n = word.length;
  int first = ReferenceOf(rec[0]);
  int write = wholeWord || !first ? 0 : (n - first > 0 ? n - first : 0);
  word.Truncate(write);
  for (int i = 0; i < kTemplateLength && rec[i]; ++i) {
    int k = ReferenceOf(rec[i]);
    int letter = rec[i];
    if (k) {
      if (n == 0) continue;
      letter = ReferencedLetter(rec[i], source.letters[n - k > 0 ? n - k : 0]);
    }
    if (!word.Append(static_cast<BYTE>(letter), rec[kTemplateLength + i], 0)) break;
  }
  return write;
}

void RepairVowels(FormPlanes& word, int from) {
  for (int p = from; p < word.length; ++p)
    if (IsGutturalLetter(word.letters[p]) && word.vowels[p] == HebCode::Shva)
      word.vowels[p] = HebCode::HatafPatah;
  for (int p = 0; p < word.length; ++p) {
    if (word.vowels[p] == TemplateCode::kFirmShva) word.vowels[p] = HebCode::Shva;
    if (word.letters[p] == HebCode::HeMappiq &&
        (p < word.length - 1 || IsVavVowel(word.vowels[p])))
      word.letters[p] = HebCode::He;
  }
  for (int p = 0; p + 1 < word.length; ++p)
    if (IsGutturalLetter(word.letters[p]) && word.vowels[p] == HebCode::HatafPatah &&
        IsShva(word.vowels[p + 1]))
      word.vowels[p] = HebCode::Patah;
}

// The form of one class record (the run's alternatives at level 0).
bool BuildAtLevel(const BYTE* letters, const BYTE* vowels, int id, int index,
                  const AdjectiveTables& tables, DWORD recordIndex, int level, FormPlanes& out) {
  out.Clear();
  if (!tables.classes || recordIndex >= tables.classCount) return false;
  const BYTE* record = ClassRecord(tables, recordIndex);
  if (index < 1 || index > AdjectiveIndex::kLast || !((record[kMaskOffset] >> (index - 1)) & 1))
    return false;
  const bool compound = id > kCompoundAdjectiveId;
  const int classId = compound ? id - kCompoundAdjectiveId : id;

  FormPlanes given;
  for (int p = 0; letters && letters[p] && p < kWordPlaneSize - 1; ++p)
    given.Append(letters[p], vowels ? vowels[p] : kNone, 0);
  int separator = given.length;
  for (int p = 0; p < given.length; ++p)
    if (IsSpaceHyphenOrMaqaf(given.letters[p])) {
      separator = p;
      break;
    }
  if (index >= AdjectiveIndex::FeminineSingular && !(record[kFlagsOffset] & kKeepStressFlag))
    ClearStressMarks(given.vowels, compound ? separator : given.length);

  FormPlanes word = given;
  if (classId != 0) {
    if (compound) word.Truncate(separator);
    long row = index + 4L * ReadU16LE(record + kGroupOffset) - 5;
    const BYTE* form = row >= 0 && static_cast<DWORD>(row) < tables.formCount && tables.forms
                           ? tables.forms + static_cast<size_t>(row) * kSuffixFormRecSize
                           : nullptr;
    if (!form) return false;
    if (ClassIds::Contains(ClassIds::kAdjectiveWholeWord, classId)) {
      if (index == AdjectiveIndex::MasculineSingular && given.length > 1 &&
          IsResh(given.letters[1])) {
        out = given;
      } else {
        ApplyTemplate(form, word, true);
        word.AppendRange(given, separator, given.length - separator);
        out = word;
      }
      MarkZeroBytes(out.vowels, out.length);
      return out.length > 0;
    }
    if (ClassIds::Contains(ClassIds::kAdjectiveWholeForm, classId)) {
      ApplyTemplate(form, word, true);
      out = word;
      MarkZeroBytes(out.vowels, out.length);
      return out.length > 0;
    }
    if (form[0]) {
      if ((record[kFlagsOffset] & kFirstLetterShvaFlag) && word.length > 0)
        word.vowels[0] = IsGutturalLetter(word.letters[0]) ? HebCode::HatafPatah : HebCode::Shva;
      if (word.length > 0)
        word.letters[word.length - 1] =
            static_cast<BYTE>(FinalToRegularLetter(word.letters[word.length - 1]));
      int wordLength = word.length;
      RepairVowels(word, ApplyTemplate(form, word, false));
      int yod = wordLength - 3;
      if (ClassIds::Contains(ClassIds::kAdjectiveYodFix, classId) && yod >= 0 &&
          yod < word.length && IsYodForm(word.letters[yod]) && IsShva(word.vowels[yod]))
        word.vowels[yod] = HebCode::VocalShva;
    }
    if (compound) word.AppendRange(given, separator, given.length - separator);
    int last = word.length - 1;
    if (last >= 0 && IsNoVowelOrShva(word.vowels[last]) && HasFinalForm(word.letters[last]))
      word.letters[last] = static_cast<BYTE>(RegularToFinalLetter(word.letters[last]));
  }

  if (level == 0) {
    for (DWORD next = recordIndex + 1;
         next < tables.classCount && next <= recordIndex + kMaxAlternatives &&
         ClassId(tables, next) == ClassId(tables, recordIndex);
         ++next) {
      FormPlanes alternative;
      if (!BuildAtLevel(letters, vowels, id, index, tables, next, 1, alternative)) continue;
      if (!word.AppendAlternative(alternative, kNone)) break;
    }
  }
  out = word;
  MarkZeroBytes(out.vowels, out.length);
  return out.length > 0;
}

}  // namespace

AdjectiveTables GetLoadedAdjectiveTables() {
  AdjectiveTables tables;
  const GrammarBlock& forms = GetAdjPatternBlock();
  const GrammarBlock& classes = GetAdjTableBlock();
  tables.forms = forms.Data();
  tables.formCount = forms.IsPresent() ? GetAdjPatternCount() : 0;
  if (static_cast<size_t>(tables.formCount) * kSuffixFormRecSize > forms.Size())
    tables.formCount = static_cast<DWORD>(forms.Size() / kSuffixFormRecSize);
  tables.classes = classes.Data();
  tables.classCount = classes.IsPresent() ? GetAdjTableCount() : 0;
  if (static_cast<size_t>(tables.classCount) * kSuffixWordRecSize > classes.Size())
    tables.classCount = static_cast<DWORD>(classes.Size() / kSuffixWordRecSize);
  return tables;
}

DWORD FindWordRecord(const AdjectiveTables& tables, int id) {
  if (id > kCompoundAdjectiveId) id -= kCompoundAdjectiveId;
  if (!tables.classes) return tables.classCount;
  for (DWORD i = 0; i < tables.classCount; ++i)
    if (ClassId(tables, i) == id) return i;
  return tables.classCount;
}

bool BuildSuffixedForm(const BYTE* letters, const BYTE* vowels, int id, int index,
                       const AdjectiveTables& tables, DWORD recordIndex, HebWordRec& form) {
  ClearWordRec(form);
  FormPlanes word;
  if (!BuildAtLevel(letters, vowels, id, index, tables, recordIndex, 0, word)) return false;
  word.ToRecord(form);
  return true;
}
