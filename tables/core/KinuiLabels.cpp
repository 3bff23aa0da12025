#include "tables/core/KinuiLabels.h"

#include <algorithm>

#include "classlib/core/MulDivRounded.h"
#include "lexicon/core/FormSlots.h"

namespace {

const char* const kCellLabels[] = {"",   "S1",  "S2M", "S2F", "S3M", "S3F",
                                   "P1", "P2M", "P2F", "P3M", "P3F", "Shoresh"};

// How the slot's words are laid out under the binyan.
enum class FormLineLayout {
  None,
  Tense,                    // "Infinitive"
  TenseThenGenderNumber,    // "Present" / "Masculine Singular"
  NumberThenPerson,         // "Past Singular" / "First Person"
  NumberGenderThenPerson,   // "Past Singular Masculine" / "Second Person"
  NumberGenderThenPersons,  // "Future Plural Feminine" / "Second and Third Persons"
};

struct FormLine {
  FormLineLayout layout;
  const char* tense;
  const char* words[4];
};

const char* const kMasculine = "Masculine";
const char* const kFeminine = "Feminine";
const char* const kSingular = "Singular";
const char* const kPlural = "Plural";
const char* const kFirst = "First";
const char* const kSecond = "Second";
const char* const kThird = "Third";

FormLine FormLineOf(int slot, KinuiMode mode) {
  using namespace FormSlot;
  using L = FormLineLayout;
  // Present and imperative slots run masculine singular, feminine
  // singular, masculine plural, feminine plural.
  const char* const genders[] = {kMasculine, kFeminine, kMasculine, kFeminine};
  const char* const numbers[] = {kSingular, kSingular, kPlural, kPlural};
  if (IsSlotBetween(slot, PresentMs, PresentFp) ||
      IsSlotBetween(slot, ImperativeMs, ImperativeFp)) {
    const bool present = slot <= PresentFp;
    const int k = slot - (present ? PresentMs : ImperativeMs);
    return {L::TenseThenGenderNumber, present ? "Present" : "Imperative", {genders[k], numbers[k]}};
  }
  switch (slot) {
    case Infinitive:
      return {L::Tense, mode == kKinuiInfinitiveNoun ? "Infinitive Noun" : "Infinitive", {}};
    case Past1s: return {L::NumberThenPerson, "Past", {kSingular, kFirst}};
    case Past1p: return {L::NumberThenPerson, "Past", {kPlural, kFirst}};
    case Past3p: return {L::NumberThenPerson, "Past", {kPlural, kThird}};
    case Past2ms: return {L::NumberGenderThenPerson, "Past", {kSingular, kMasculine, kSecond}};
    case Past2fs: return {L::NumberGenderThenPerson, "Past", {kSingular, kFeminine, kSecond}};
    case Past3ms: return {L::NumberGenderThenPerson, "Past", {kSingular, kMasculine, kThird}};
    case Past3fs: return {L::NumberGenderThenPerson, "Past", {kSingular, kFeminine, kThird}};
    case Past2mp: return {L::NumberGenderThenPerson, "Past", {kPlural, kMasculine, kSecond}};
    case Past2fp: return {L::NumberGenderThenPerson, "Past", {kPlural, kFeminine, kSecond}};
    case Future1s: return {L::NumberThenPerson, "Future", {kSingular, kFirst}};
    case Future1p: return {L::NumberThenPerson, "Future", {kPlural, kFirst}};
    case Future2ms: return {L::NumberGenderThenPerson, "Future", {kSingular, kMasculine, kSecond}};
    case Future2fs: return {L::NumberGenderThenPerson, "Future", {kSingular, kFeminine, kSecond}};
    case Future3ms: return {L::NumberGenderThenPerson, "Future", {kSingular, kMasculine, kThird}};
    case Future3fs: return {L::NumberGenderThenPerson, "Future", {kSingular, kFeminine, kThird}};
    case Future2mp: return {L::NumberGenderThenPerson, "Future", {kPlural, kMasculine, kSecond}};
    case Future3mp: return {L::NumberGenderThenPerson, "Future", {kPlural, kMasculine, kThird}};
    case Future2fp3fp:
      return {L::NumberGenderThenPersons, "Future", {kPlural, kFeminine, kSecond, kThird}};
    default: return {L::None, "", {}};  // the participles and beyond
  }
}

// The form line's text after "{C}", before the closing marks.
std::string FormLineWords(const FormLine& line) {
  const std::string tense = line.tense;
  const auto word = [&line](int i) { return std::string(line.words[i]); };
  const std::string nextLine = "\n{T0,0,128}{C}";
  switch (line.layout) {
    case FormLineLayout::Tense: return tense;
    case FormLineLayout::TenseThenGenderNumber: return tense + nextLine + word(0) + " " + word(1);
    case FormLineLayout::NumberThenPerson:
      return tense + " " + word(0) + nextLine + word(1) + " Person";
    case FormLineLayout::NumberGenderThenPerson:
      return tense + " " + word(0) + " " + word(1) + nextLine + word(2) + " Person";
    case FormLineLayout::NumberGenderThenPersons:
      return tense + " " + word(0) + " " + word(1) + nextLine + word(2) + " and " + word(3) +
             " Persons";
    default: return {};
  }
}

constexpr LONG kLabelIndent = 5;
constexpr int kPrintSizeNumerator = 8;
constexpr int kPrintSizeDenominator = 10;

int PrintedSize(int size, double printScale) {
  return static_cast<int>(MulDivRounded(size, kPrintSizeNumerator, kPrintSizeDenominator) *
                          printScale);
}

}  // namespace

const char* KinuiCellLabel(int cell) {
  return cell >= 0 && cell <= kKinuiRootCell ? kCellLabels[cell] : "";
}

std::string KinuiHeaderText(int slot, KinuiMode mode, const std::string& binyanName, bool printing,
                            double printScale, const KinuiHeaderSizes& sizes) {
  int formSize = sizes.form, titleSize = sizes.title;
  if (printing) {
    formSize = PrintedSize(formSize, printScale);
    titleSize = PrintedSize(titleSize, printScale);
  }
  std::string header;
  if (printing) {
    header = "{B|}{T255,0,0}{C}{F2}{FS" + std::to_string(titleSize) + "}" +
             (mode == kKinuiInfinitiveNoun ? "Infinitive Noun Forms" : "Pronominal Suffix Forms") +
             "\n";
  }
  const FormLine line = FormLineOf(slot, mode);
  if (line.layout == FormLineLayout::None) return header;
  return header + "{B|}{T255,0,0}{C}{F2}{FS" + std::to_string(formSize) + "}Binyan: " + binyanName +
         "\n{T0,0,128}{C}" + FormLineWords(line) + "{/F}{/T}{/B}";
}

POINT KinuiHeaderOrigin(const RECT& placeholder, SIZE table) {
  const LONG x = placeholder.left + (placeholder.right - placeholder.left - table.cx) / 2;
  const LONG y = placeholder.top + (placeholder.bottom - placeholder.top - table.cy) / 2;
  return POINT{std::max<LONG>(x, 0), std::max<LONG>(y, 0)};
}

POINT KinuiLabelOrigin(const RECT& placeholder, int formLineHeight, int labelLineHeight) {
  return POINT{placeholder.left + kLabelIndent,
               placeholder.top + (formLineHeight - labelLineHeight) / 2};
}
