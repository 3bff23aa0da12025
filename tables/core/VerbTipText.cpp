#include "tables/core/VerbTipText.h"

#include <cstdio>
#include <initializer_list>

#include "hebtext/core/HebChar.h"
#include "lexicon/core/FormSlots.h"

namespace {

using namespace HebCode;

// A pronoun: its letters with their points, in the text code.
std::string Pointed(std::initializer_list<int> codes) {
  std::string text;
  for (int code : codes) text += static_cast<char>(code);
  return text;
}

enum Pronoun : int { Ani, Atah, At, Hu, Hi, Anachnu, Atem, Aten, Hem, Hen, PronounCount };

const std::string& HebrewPronoun(Pronoun pronoun) {
  static const std::string kPronouns[PronounCount] = {
      Pointed({Alef, HatafPatah, Nun, Hiriq, Yod}),
      Pointed({Alef, Patah, TavDagesh, Qamats, He}),
      Pointed({Alef, Patah, TavDagesh, Shva}),
      Pointed({He, Shuruk, Alef}),
      Pointed({He, Hiriq, Yod, Alef}),
      Pointed({Alef, HatafPatah, Nun, Patah, Het, Shva, Nun, Shuruk}),
      Pointed({Alef, Patah, TavDagesh, Segol, FinalMem}),
      Pointed({Alef, Patah, TavDagesh, Segol, FinalNun}),
      Pointed({He, Tsere, FinalMem}),
      Pointed({He, Tsere, FinalNun}),
  };
  return kPronouns[pronoun];
}

const char* const kEnglishPronouns[PronounCount] = {"I",  "You", "You", "He",   "She",
                                                    "We", "You", "You", "They", "They"};

const char kT1[] =
    "{B255,255,255}{T255,0,0}{C}{F2}{FS%d}%s %s\n{C}%s Person\n{T0,0,128}{C}{F2}{FS%d}%s = "
    "{F6}{FS%d}%s{/F}{/T}{/B}";
const char kT2[] =
    "{B255,255,255}{T255,0,0}{C}{F2}{FS%d}%s\n{C}%s Person\n{T0,0,128}{C}{F2}{FS%d}%s (%s) = "
    "{F6}{FS%d}%s\n{T0,0,128}{C}{F2}{FS%d}%s (%s) = {F6}{FS%d}%s{/F}{/T}{/B}";
const char kT3[] =
    "{B255,255,255}{T255,0,0}{C}{F2}{FS%d}%s %s\n%s %s\n{C}%s Person\n{T0,0,128}{C}{F2}{FS%d}%s "
    "(%s) = {F6}{FS%d}%s\n{T0,0,128}{C}{F2}{FS%d}%s (%s) = {F6}{FS%d}%s{/F}{/T}{/B}";
const char kT4[] =
    "{B255,255,255}{T255,0,0}{C}{F2}{FS%d}%s %s\n{C}%s Person\n{T0,0,128}{C}{F2}{FS%d}%s = "
    "{F6}{FS%d}%s\n{B255,255,255}{T255,0,0}{C}{F2}{FS%d}%s Person\n{T0,0,128}{C}{F2}{FS%d}%s = "
    "{F6}{FS%d}%s{/F}{/T}{/B}";
const char kT5[] =
    "{B255,255,255}{T255,0,0}{C}{F2}{FS%d}%s %s\n{T0,0,128}{1R}{F2}{FS%d}%s{2C}={3L}{F6}{FS%d}%s"
    "\n{T0,0,128}{1R}{F2}{FS%d}%s{2C}={3L}{F6}{FS%d}%s\n{T0,0,128}{1R}{F2}{FS%d}%s{2C}={3L}{F6}"
    "{FS%d}%s{/F}{/T}{/B}";

const char kBiblicalNote[] = "\n{B255,255,255}{T128,0,255}{C}{F2}{FS130}(Archaic / Biblical Usage.";
const char kModernHint[] = "\nUse Plural Masculine";
const char kBothPersons[] = "\n2nd and 3rd Person";
const char kPluralForms[] = "\nforms for Modern Hebrew.)";
const char kPluralForm[] = "\nform for Modern Hebrew.)";

// The tips of the slot table, by the person, number and gender they name.
enum Tip : int {
  None,
  MsGroup,
  FsGroup,
  MpGroup,
  FpGroup,  // the present and participle columns
  S1,
  Sm2,
  Sf2,
  Sm3,
  Sf3,
  P1,
  Pm2,
  Pf2,
  P3,      // both genders of the third person plural
  P2Both,  // masculine and feminine plural, second person
  P3Both,  // and third person
  Pf23Bible,
  Pf2Bible,
};

Tip TipOfSlot(int slot) {
  using namespace FormSlot;
  switch (slot) {
    case PresentMs:
    case ParticipleMs: return MsGroup;
    case PresentFs:
    case ParticipleFs: return FsGroup;
    case PresentMp:
    case ParticipleMp: return MpGroup;
    case PresentFp:
    case ParticipleFp: return FpGroup;
    case Past1s:
    case Future1s: return S1;
    case Past2ms:
    case Future2ms:
    case ImperativeMs: return Sm2;
    case Past2fs:
    case Future2fs:
    case ImperativeFs: return Sf2;
    case Past3ms:
    case Future3ms: return Sm3;
    case Past3fs:
    case Future3fs: return Sf3;
    case Past1p:
    case Future1p: return P1;
    case Past2mp: return Pm2;
    case Past2fp: return Pf2;
    case Past3p: return P3;
    case Future2mp:
    case ImperativeMp: return P2Both;
    case Future3mp: return P3Both;
    case Future2fp3fp: return Pf23Bible;
    case ImperativeFp: return Pf2Bible;
    default: return None;
  }
}

// One person's line of T1: gender (or empty), number, person, pronoun.
struct PersonTip {
  const char* gender;
  const char* number;
  const char* person;
  Pronoun pronoun;
};
PersonTip PersonOf(Tip tip) {
  switch (tip) {
    case S1: return {"", "Singular", "First", Ani};
    case Sm2: return {"Masculine", "Singular", "Second", Atah};
    case Sf2: return {"Feminine", "Singular", "Second", At};
    case Sm3: return {"Masculine", "Singular", "Third", Hu};
    case Sf3: return {"Feminine", "Singular", "Third", Hi};
    case P1: return {"", "Plural", "First", Anachnu};
    case Pm2: return {"Masculine", "Plural", "Second", Atem};
    default: return {"Feminine", "Plural", "Second", Aten};  // Pf2 and Pf2Bible
  }
}

// The three rows of a T5 column tip: first, second and third person.
struct ColumnTip {
  const char* gender;
  const char* number;
  Pronoun rows[3];
};
ColumnTip ColumnOf(Tip tip) {
  switch (tip) {
    case MsGroup: return {"Masculine", "Singular", {Ani, Atah, Hu}};
    case FsGroup: return {"Feminine", "Singular", {Ani, At, Hi}};
    case MpGroup: return {"Masculine", "Plural", {Anachnu, Atem, Hem}};
    default: return {"Feminine", "Plural", {Anachnu, Aten, Hen}};
  }
}

const char* Eng(Pronoun p) { return kEnglishPronouns[p]; }
const char* Heb(Pronoun p) { return HebrewPronoun(p).c_str(); }

}  // namespace

std::string BuildVerbTipText(int slot, const VerbTipSizes& s) {
  char text[kMaxVerbTipText] = {};
  const size_t room = sizeof text;
  Tip tip = TipOfSlot(slot);
  std::string tail;
  switch (tip) {
    case None: return {};
    case MsGroup:
    case FsGroup:
    case MpGroup:
    case FpGroup: {
      ColumnTip c = ColumnOf(tip);
      std::snprintf(text, room, kT5, s.heading, c.gender, c.number, s.english, Eng(c.rows[0]),
                    s.hebrew, Heb(c.rows[0]), s.english, Eng(c.rows[1]), s.hebrew, Heb(c.rows[1]),
                    s.english, Eng(c.rows[2]), s.hebrew, Heb(c.rows[2]));
      break;
    }
    case P3:
      std::snprintf(text, room, kT2, s.heading, "Plural", "Third", s.english, Eng(Hem), "Masculine",
                    s.hebrew, Heb(Hem), s.english, Eng(Hen), "Feminine", s.hebrew, Heb(Hen));
      break;
    case P2Both:
    case P3Both: {
      bool second = tip == P2Both;
      Pronoun masculine = second ? Atem : Hem, feminine = second ? Aten : Hen;
      std::snprintf(text, room, kT3, s.heading, "Masculine", "Plural", "Feminine", "Plural",
                    second ? "Second" : "Third", s.english, Eng(masculine), "Masculine", s.hebrew,
                    Heb(masculine), s.english, Eng(feminine), "Feminine", s.hebrew, Heb(feminine));
      break;
    }
    case Pf23Bible:
      std::snprintf(text, room, kT4, s.heading, "Feminine", "Plural", "Second", s.english,
                    Eng(Aten), s.hebrew, Heb(Aten), s.heading, "Third", s.english, Eng(Hen),
                    s.hebrew, Heb(Hen));
      tail = std::string(kBiblicalNote) + kModernHint + kBothPersons + kPluralForms;
      break;
    default: {
      PersonTip p = PersonOf(tip);
      std::snprintf(text, room, kT1, s.heading, p.gender, p.number, p.person, s.english,
                    Eng(p.pronoun), s.hebrew, Heb(p.pronoun));
      if (tip == Pf2Bible) tail = std::string(kBiblicalNote) + kModernHint + kPluralForm;
      break;
    }
  }
  return (std::string(text) + tail).substr(0, kMaxVerbTipText - 1);
}
