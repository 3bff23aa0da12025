#include "tables/core/PersonTipText.h"

#include <cstdio>
#include <initializer_list>

#include "hebtext/core/HebChar.h"

namespace {

using namespace HebCode;

constexpr int kHeadingSize = 130;
constexpr int kEnglishSize = 120;
constexpr int kHebrewSize = 150;
constexpr int kGenderOnlyPersons = 4;
// Room for the longest template with its words; a longer text is cut.
constexpr int kTipTextSize = 512;

const char kPronounTip[] =
    "{B255,255,255}{T255,0,0}{C}{F2}{FS%d}%s %s\n{C}%s Person\n{T0,0,128}{C}{F2}{FS%d}%s = "
    "{F6}{FS%d}%s{/F}{/T}{/B}";
const char kPersonTip[] =
    "{B255,255,255}{T255,0,0}{C}{F2}{FS%d}%s %s\n{T0,0,128}{C}%s Person{/F}{/T}{/B}";
const char kGenderTip[] = "{B255,255,255}{T255,0,0}{C}{F2}{FS%d}%s\n{T0,0,128}{C}%s{/F}{/T}{/B}";

struct Person {
  const char* gender;  // empty for the first person
  const char* number;
  const char* person;
};

const Person kPersons[kTipPersons] = {
    {"", "Singular", "First"},          {"Masculine", "Singular", "Second"},
    {"Feminine", "Singular", "Second"}, {"Masculine", "Singular", "Third"},
    {"Feminine", "Singular", "Third"},  {"", "Plural", "First"},
    {"Masculine", "Plural", "Second"},  {"Feminine", "Plural", "Second"},
    {"Masculine", "Plural", "Third"},   {"Feminine", "Plural", "Third"},
};

// The gender-only style's persons 1 to 4.
const Person kGenderPersons[kGenderOnlyPersons] = {
    {"Masculine", "Singular", ""},
    {"Feminine", "Singular", ""},
    {"Masculine", "Plural", ""},
    {"Feminine", "Plural", ""},
};

const char* const kPossessiveEnglish[kTipPersons] = {"My",  "Your", "Your", "His",   "Her",
                                                     "Our", "Your", "Your", "Their", "Their"};
const char* const kObjectEnglish[kTipPersons] = {"Me", "You", "You", "Him",  "Her",
                                                 "Us", "You", "You", "Them", "Them"};

std::string PronounCodes(std::initializer_list<int> codes) {
  std::string text;
  for (int code : codes) text += static_cast<char>(code);
  return text;
}

// shel- with the suffix of each person: sheli, shelkha, shelakh, ...
const std::string& PossessiveHebrew(int index) {
  static const std::string kShel = PronounCodes({ShinShinDot, Segol, LamedDagesh});
  static const std::string kPronouns[kTipPersons] = {
      kShel + PronounCodes({Hiriq, Yod}),
      kShel + PronounCodes({Shva, FinalKaf, Qamats}),
      kShel + PronounCodes({Qamats, FinalKaf, Shva}),
      kShel + PronounCodes({HolamMale}),
      kShel + PronounCodes({Qamats, HeMappiq}),
      kShel + PronounCodes({Qamats, Nun, Shuruk}),
      kShel + PronounCodes({Qamats, Kaf, Segol, FinalMem}),
      kShel + PronounCodes({Qamats, Kaf, Segol, FinalNun}),
      kShel + PronounCodes({Qamats, He, Segol, FinalMem}),
      kShel + PronounCodes({Qamats, He, Segol, FinalNun}),
  };
  return kPronouns[index];
}

// ot- / et- with the suffix of each person: oti, otkha, otakh, ...
const std::string& ObjectHebrew(int index) {
  static const std::string kOt = PronounCodes({Alef, HolamMale, Tav});
  static const std::string kEt = PronounCodes({Alef, Segol, Tav});
  static const std::string kPronouns[kTipPersons] = {
      kOt + PronounCodes({Hiriq, Yod}),
      kOt + PronounCodes({Shva, FinalKaf, Qamats}),
      kOt + PronounCodes({Qamats, FinalKaf, Shva}),
      kOt + PronounCodes({HolamMale}),
      // "her" ends in a sounded he: the mappiq is needed.
      kOt + PronounCodes({Qamats, HeMappiq}),
      kOt + PronounCodes({Qamats, Nun, Shuruk}),
      kEt + PronounCodes({Shva, Kaf, Segol, FinalMem}),
      kEt + PronounCodes({Shva, Kaf, Segol, FinalNun}),
      kOt + PronounCodes({Qamats, FinalMem}),
      kOt + PronounCodes({Qamats, FinalNun}),
  };
  return kPronouns[index];
}

}  // namespace

std::string BuildPersonTip(int person, int style) {
  if (person < 1 || person > kTipPersons) return {};
  const int index = person - 1;
  char text[kTipTextSize];
  if (style == kPersonTipGenderOnly) {
    if (person > kGenderOnlyPersons) return {};
    const Person& p = kGenderPersons[index];
    std::snprintf(text, sizeof text, kGenderTip, kHeadingSize, p.number, p.gender);
    return text;
  }
  const Person& p = kPersons[index];
  if (style == kPersonTipPersonOnly) {
    std::snprintf(text, sizeof text, kPersonTip, kHeadingSize, p.gender, p.number, p.person);
    return text;
  }
  const bool possessive = style == kPersonTipPossessive;
  std::snprintf(text, sizeof text, kPronounTip, kHeadingSize, p.gender, p.number, p.person,
                kEnglishSize, possessive ? kPossessiveEnglish[index] : kObjectEnglish[index],
                kHebrewSize, (possessive ? PossessiveHebrew(index) : ObjectHebrew(index)).c_str());
  return text;
}
