#include "speech/core/TutorStepText.h"

#include "hebtext/core/HebChar.h"
#include "speech/core/ItemDescriptions.h"
#include "speech/generated/ReferenceTexts.h"

namespace {

using namespace HebCode;
namespace texts = reference_texts;

constexpr size_t kTextLimit = kDescriptionBufferSize - 1;

struct ItemCounts {
  int letters = 0;
  int vowels = 0;
  int marks = 0;  // dagesh and meteg
  int Total() const { return letters + vowels + marks; }
};

ItemCounts CountItems(const TutorStep& step) {
  ItemCounts counts;
  for (BYTE item : step.items) {
    if (item == 0) break;
    if (IsHebrewLetter(item)) {
      ++counts.letters;
    } else if (IsVowelCode(item)) {
      ++counts.vowels;
    } else {
      ++counts.marks;
    }
  }
  return counts;
}

std::string Format(const char* format, std::initializer_list<std::string> args) {
  std::string out;
  AppendFormatted(out, kTextLimit, format, args);
  return out;
}

// Tav and holam male name one item taught in its two forms, so their steps
// speak of it in the singular.
bool IsOneItemInTwoForms(int first) {
  return first == Tav || first == TavDagesh || first == HolamMale;
}

std::string IntroduceTitle(const TutorStep& step) {
  const ItemCounts counts = CountItems(step);
  const int first = step.items[0];
  const char* kind = counts.letters ? "Letter" : counts.vowels ? "Vowel" : "Diacritical Mark";
  const bool plural = (counts.letters > 1 && first != Tav && first != TavDagesh) ||
                      (counts.vowels + counts.marks > 1 && first != HolamMale);
  return Format("%s the %s%s: ",
                {step.flag == kTutorReintroducing ? "Re-introducing" : "Introducing", kind,
                 plural ? "s" : ""});
}

// Letters that change with a dagesh carry the dagesh sound first and the
// plain one second.
size_t SoundPair(int code) {
  const bool changes = code == Bet || code == FinalKaf || code == Kaf || code == Pe;
  return changes ? 1 : 0;
}

std::string PlacementNote(int code) {
  switch (code) {
    case Hiriq:
    case Segol:
    case Patah:
    case Qamats: return "\nIt is placed BELOW a consonant. ";
    case Holam:
    case HolamMale:
      return "\nThe single dot Kholam is placed ABOVE a consonant to its left.\n"
             "The Kholam in combination with a VAV (Lesson 21) is placed\n"
             "to the LEFT of a consonant. ";
    case Shuruk:
    case Qubuts:
      return "\nKubuts is placed BELOW a consonant.\nShuruk is placed to the LEFT of a consonant. ";
    default: return "";
  }
}

std::string IntroduceExplanation(const TutorData& data, const TutorStep& step,
                                 const std::string& title) {
  if (step.flag == kTutorExplanationFromText) return data.GetTutorText(step.text) + " ";
  const int first = step.items[0];
  const bool several = CountItems(step).Total() > 1 && !IsOneItemInTwoForms(first);
  if (IsAlefOrAyin(first)) {
    return several ? texts::kSilentPluralSentence : texts::kSilentSentence;
  }
  ItemDescription description;
  const int described = IsDageshLetter(first) ? RemoveDagesh(first) : first;
  const size_t pair = IsDageshLetter(first) ? 0 : SoundPair(first);
  const bool speaks = first != Shva && first != Tsere && first != Meteg &&
                      GetItemDescription(described, description) &&
                      description.sounds.size() >= 2 * pair + 2;
  if (!speaks) return title;
  std::string text = Format(several ? texts::kPronouncedPluralSentence : texts::kPronouncedSentence,
                            {description.sounds[2 * pair], description.sounds[2 * pair + 1]});
  return text + PlacementNote(first);
}

std::string CompareTitle(const TutorStep& step) {
  if (step.flag == kTutorNoTitle) return std::string();
  const ItemCounts counts = CountItems(step);
  const int marks = counts.vowels + counts.marks;
  const bool both = counts.letters > 0 && marks > 0;
  return Format("Notice the %s%s%s%s%s%s: ",
                {step.flag == kTutorComparisonTitle ? "difference between the " : "",
                 counts.letters ? "Letter" : "Vowel",
                 (counts.letters ? counts.letters : marks) > 1 ? "s" : "", both ? " and " : "",
                 both ? "Vowel" : "", both && marks > 1 ? "s" : ""});
}

// The English names of the item's description; none without one.
std::vector<std::string> EnglishNames(int code) {
  ItemDescription description;
  GetItemDescription(code, description);
  return description.englishNames;
}

}  // namespace

TutorStepTexts ComposeTutorStep(const TutorData& data, WORD index, int lesson) {
  TutorStepTexts texts;
  if (index >= data.steps.size()) return texts;
  const TutorStep& step = data.steps[index];
  switch (step.kind) {
    case kTutorIntroduce:
      texts.title = IntroduceTitle(step);
      texts.explanation = IntroduceExplanation(data, step, texts.title);
      break;
    case kTutorPractice:
      texts.title = "Click on the Hebrew Words to see and hear how they sound.";
      break;
    case kTutorCompare:
      texts.title = CompareTitle(step);
      texts.explanation = data.GetTutorText(step.text) + " ";
      break;
    case kTutorEndOfLesson:
      texts.title = Format("End of Lesson %s ", {std::to_string(lesson)});
      break;
  }
  return texts;
}

std::string TutorItemName(int code) {
  code &= 0xFF;
  if (IsHatafVowel(code)) {
    const std::vector<std::string> names = EnglishNames(HatafToFullVowel(code));
    return names.empty() ? std::string() : "Khataf " + names[0];
  }
  const bool final = IsFinalLetter(code);
  const int described = final ? FinalToRegularLetter(code) : code;
  const int plain = IsDageshLetter(described) ? RemoveDagesh(described) : described;
  const std::vector<std::string> names = EnglishNames(plain == Shin ? ShinShinDot : plain);
  if (names.empty()) return std::string();
  std::string name = names[0];
  const bool keepsFirst = plain == Tav || IsShinWithShinDot(plain) || IsShinWithSinDot(plain);
  if (names.size() > 1 && !IsDageshLetter(described) && !keepsFirst) name = names[1];
  switch (plain) {
    case GimelGeresh: name += "-J"; break;
    case ZayinGeresh: name += "-ZH"; break;
    case TsadiGeresh: name += "-CH"; break;
    default: break;
  }
  return final ? "Final " + name : name;
}
