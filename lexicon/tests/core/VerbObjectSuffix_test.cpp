// The object-suffix engine on given forms: which combinations have forms,
// the form types that name roots, the binyan byte, and forms that stay within
// the record however long the stem.
#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <string>

#include "hebtext/core/HebChar.h"
#include "lexicon/core/Binyan.h"
#include "lexicon/core/FormSlots.h"
#include "lexicon/core/ObjectSuffixGenerators.h"
#include "lexicon/core/SuffixFormTypes.h"
#include "lexicon/core/VerbObjectSuffix.h"
#include "lexicon/tests/core/ModelVerbGrammar.h"

namespace {

using lextest::PlanesOf;

const BYTE kKtv[] = {HebCode::Kaf, HebCode::Tav, HebCode::Bet, 0};
const BYTE kHnn[] = {HebCode::Het, HebCode::Nun, HebCode::Nun, 0};

std::string Suffixed(const char* form, int slot, int binyan, int person, int pattern = 1,
                     const BYTE* root = kKtv) {
  BinyanRootRec record;
  ObjectSuffixRequest request;
  request.slot = slot;
  request.record = &record;
  request.binyan = binyan;
  request.person = person;
  request.pattern = pattern;
  request.root = root;
  HebWordRec out;
  std::memset(&out, 0x5A, sizeof out);
  int written = GenerateVerbForm(request, *form ? PlanesOf(form) : FormPlanes(), out);
  std::string text = WordToUtf8(out);
  EXPECT_EQ(written != 0, !text.empty()) << form << " slot " << slot << " person " << person;
  return text;
}

struct NoFormCase {
  const char* form;
  int slot;
  int binyan;
  int person;
};

// Slots without suffixed forms, passive and reflexive binyanim, persons out
// of range, the subject's own person in the future and the imperative.
const NoFormCase kNoForm[] = {
    {"כָּתַב", 31, Binyan::Paal, 1},
    {"כָּתוּב", FormSlot::ParticipleMs, Binyan::Paal, 1},
    {"נִכְתַּב", FormSlot::Past3ms, Binyan::Nifal, 4},
    {"כֻּתַּבְתִּי", FormSlot::Past1s, Binyan::Pual, 4},
    {"הֻכְתַּב", FormSlot::Past3ms, Binyan::Hufal, 4},
    {"כָּתַב", FormSlot::Past3ms, 7, 4},
    {"כָּתַב", FormSlot::Past3ms, Binyan::Paal, 0},
    {"כָּתַב", FormSlot::Past3ms, Binyan::Paal, 11},
    {"כָּתַבְתִּי", FormSlot::Past1s, Binyan::Paal, ObjectPerson::Me},
    {"כָּתַבְנוּ", FormSlot::Past1p, Binyan::Paal, ObjectPerson::Us},
    {"כָּתַבְתָּ", FormSlot::Past2ms, Binyan::Paal, ObjectPerson::YouMp},
    {"אֶכְתֹּב", FormSlot::Future1s, Binyan::Paal, ObjectPerson::Us},
    {"תִּכְתֹּב", FormSlot::Future2ms, Binyan::Paal, ObjectPerson::YouFs},
    {"תִּכְתְּבוּ", FormSlot::Future2mp, Binyan::Paal, ObjectPerson::YouMs},
    {"כִּתְבוּ", FormSlot::ImperativeFp, Binyan::Paal, ObjectPerson::YouFs},
    {"כְּתֹב", FormSlot::ImperativeMs, Binyan::Paal, ObjectPerson::YouMs},
    {"", FormSlot::Past3ms, Binyan::Paal, 1},
};

TEST(VerbObjectSuffix, CombinationsWithoutFormsGiveNothingAndClearTheRecord) {
  for (const NoFormCase& c : kNoForm)
    EXPECT_EQ(Suffixed(c.form, c.slot, c.binyan, c.person), "")
        << c.form << " slot " << c.slot << " binyan " << c.binyan << " person " << c.person;
}

TEST(VerbObjectSuffix, OnlyTheLowByteOfTheBinyanCounts) {
  EXPECT_EQ(Suffixed("כָּתַב", FormSlot::Past3ms, 0x100 | Binyan::Paal, ObjectPerson::Me),
            lextest::Canonical("כְּתָבַנִי"));
  EXPECT_EQ(Suffixed("דִּבֵּר", FormSlot::Past3ms, 0x7F00 | Binyan::Piel, ObjectPerson::ThemM),
            lextest::Canonical("דִּבְּרָם"));
  EXPECT_EQ(Suffixed("כָּתַב", FormSlot::Past3ms, 0x100 | Binyan::Nifal, ObjectPerson::Me), "");
}

// The feminine plurals in -na take their suffixes on the masculine plural's
// form, which the caller hands in; the future's third person may take a
// second-person object.
TEST(VerbObjectSuffix, FemininePluralsTakeTheMasculinePluralsForm) {
  EXPECT_EQ(SuffixBaseSlot(FormSlot::Future2fp3fp), FormSlot::Future2mp);
  EXPECT_EQ(SuffixBaseSlot(FormSlot::ImperativeFp), FormSlot::ImperativeMp);
  EXPECT_EQ(SuffixBaseSlot(FormSlot::Future3ms), FormSlot::Future3ms);
  EXPECT_EQ(Suffixed("תִּכְתְּבוּ", FormSlot::Future2fp3fp, Binyan::Paal, ObjectPerson::Me),
            lextest::Canonical("תִּכְתְּבוּנִי"));
  EXPECT_EQ(Suffixed("תִּכְתְּבוּ", FormSlot::Future2fp3fp, Binyan::Paal, ObjectPerson::YouMs),
            lextest::Canonical("תִּכְתְּבוּךָ"));
  EXPECT_EQ(Suffixed("כִּתְבוּ", FormSlot::ImperativeFp, Binyan::Paal, ObjectPerson::ThemM),
            lextest::Canonical("כִּתְבוּם"));
}

struct FormTypeCase {
  int binyan;
  int pattern;
  const BYTE* root;
  int slot;
  int type;
};

TEST(VerbObjectSuffix, FormTypesNamingRootsCompareTheRootLetters) {
  const BYTE kBzz[] = {HebCode::Bet, HebCode::Zayin, HebCode::Zayin, 0};
  const BYTE kGrr[] = {HebCode::Gimel, HebCode::Resh, HebCode::Resh, 0};
  const BYTE kAsfFinal[] = {HebCode::Alef, HebCode::Samekh, HebCode::FinalPe, 0};
  const BYTE kYrshDot[] = {HebCode::Yod, HebCode::Resh, HebCode::ShinShinDot, 0};
  const BYTE kKtvMore[] = {HebCode::Kaf, HebCode::Tav, HebCode::Bet, HebCode::Bet, 0};
  const FormTypeCase cases[] = {
      {Binyan::Paal, 27, kHnn, FormSlot::Future3ms, 51},
      {Binyan::Paal, 27, kBzz, FormSlot::Future3ms, 52},
      {Binyan::Paal, 27, kGrr, FormSlot::Future3ms, 53},
      {Binyan::Paal, 27, kKtv, FormSlot::Future3ms, 7},
      {Binyan::Paal, 27, kKtvMore, FormSlot::Future3ms, 7},
      {Binyan::Paal, 57, kKtv, FormSlot::Future2fp3fp, 39},
      {Binyan::Paal, 57, kKtv, FormSlot::Future3ms, 0},
      {Binyan::Hifil, 20, kKtv, FormSlot::Future3ms, 0},
  };
  for (const FormTypeCase& c : cases)
    EXPECT_EQ(SelectFutureFormType(c.binyan, c.pattern, c.root, c.slot), c.type)
        << "pattern " << c.pattern << " slot " << c.slot;
  EXPECT_EQ(SelectInfinitiveFormType(Binyan::Paal, 3, kAsfFinal), 22);
  EXPECT_EQ(SelectPastThirdFormType(Binyan::Paal, 35, kYrshDot, FormSlot::Past3ms), 24);
  EXPECT_EQ(SelectPastThirdFormType(Binyan::Paal, 4, kKtv, FormSlot::Past3ms),
            3 | kFormTypeVariant);
  EXPECT_EQ(SelectPastThirdFormType(Binyan::Nifal, 1, kKtv, FormSlot::Past3ms), 0);
  EXPECT_EQ(SelectFixedFormType(Binyan::Hifil, 39), 11);
}

TEST(VerbObjectSuffix, AvailabilityFollowsTheSlotsAndFormTypes) {
  EXPECT_EQ(IsVerbFormAvailable(FormSlot::Past1s, Binyan::Paal, 99, kKtv), 1);
  EXPECT_EQ(IsVerbFormAvailable(FormSlot::Past3ms, Binyan::Paal, 1, kKtv), 1);
  EXPECT_EQ(IsVerbFormAvailable(FormSlot::Past3ms, Binyan::Paal, 99, kKtv), 0);
  EXPECT_EQ(IsVerbFormAvailable(FormSlot::Past3ms, Binyan::Nifal, 1, kKtv), 0);
  EXPECT_EQ(IsVerbFormAvailable(FormSlot::ParticipleMs, Binyan::Paal, 1, kKtv), 0);
  EXPECT_EQ(IsVerbFormAvailable(31, Binyan::Paal, 1, kKtv), 0);
  EXPECT_EQ(IsVerbFormAvailable(FormSlot::Future3fs, Binyan::Hifil, 1, kKtv), 1);
  EXPECT_EQ(IsVerbFormAvailable(FormSlot::Future2fp3fp, Binyan::Paal, 1, kKtv), 1);
  EXPECT_EQ(IsVerbFormAvailable(FormSlot::ImperativeFp, Binyan::Piel, 1, kKtv), 1);
}

TEST(VerbObjectSuffix, HatafBeforeShvaBecomesItsFullVowel) {
  BYTE letters[] = {HebCode::Alef, HebCode::Kaf, HebCode::Lamed, HebCode::FinalKaf, 0};
  BYTE vowels[] = {HebCode::HatafPatah, HebCode::Shva, HebCode::HatafSegol, HebCode::Qamats, 0};
  ExpandHatafBeforeShva(letters, vowels);
  EXPECT_EQ(vowels[0], HebCode::Patah);
  EXPECT_EQ(vowels[2], HebCode::HatafSegol);
}

// A list of forms takes each alternative whole or not at all, so that it
// always ends with a whole form.
TEST(VerbObjectSuffix, AnAlternativeIsAddedWholeOrNotAtAll) {
  FormPlanes part;
  for (int i = 0; i < 34; ++i) part.Append(HebCode::Kaf, HebCode::Patah, 0);
  ObjectSuffixForms forms;
  forms.Add(part);
  forms.Add(part);
  EXPECT_EQ(forms.list.length, kWordPlaneSize - 1);
  EXPECT_EQ(forms.list.letters[34], HebCode::Comma);
  FormPlanes one;
  one.Append(HebCode::Tav, HebCode::Shva, 0);
  forms.Add(one);
  EXPECT_EQ(forms.list.length, kWordPlaneSize - 1);
  EXPECT_EQ(forms.list.letters[kWordPlaneSize - 2], HebCode::Kaf);
}

// Stems of every length up to the record's room, in every slot, binyan and
// person: the list never passes 69 letters, never ends in a separator, and
// every part is a whole form.
TEST(VerbObjectSuffix, FormsStayWithinTheRecordAndStopAtASeparator) {
  std::mt19937 random(26);
  const BYTE letters[] = {HebCode::Kaf, HebCode::Tav,  HebCode::Bet,
                          HebCode::He,  HebCode::Ayin, HebCode::FinalMem,
                          HebCode::Yod, HebCode::Alef, HebCode::Shuruk};
  const BYTE vowels[] = {
      HebCode::Shva,       HebCode::Patah,     HebCode::Qamats, HebCode::Tsere, 0,
      HebCode::HatafPatah, HebCode::HolamMale, HebCode::Hiriq};
  BinyanRootRec record;
  for (int round = 0; round < 4000; ++round) {
    FormPlanes form;
    int length = static_cast<int>(random() % kWordPlaneSize);
    for (int i = 0; i < length; ++i)
      form.Append(letters[random() % sizeof letters], vowels[random() % sizeof vowels],
                  static_cast<BYTE>(random() % 6));
    record.rootId = static_cast<WORD>(random() % 700);
    ObjectSuffixRequest request;
    request.slot = static_cast<int>(random() % 32);
    request.record = &record;
    request.binyan = static_cast<int>(random() % 8);
    request.vavFlag = static_cast<int>(random() % 2);
    request.person = static_cast<int>(random() % 12);
    request.pattern = static_cast<int>(random() % 64);
    request.root = random() % 2 ? kKtv : kHnn;
    HebWordRec out;
    GenerateVerbForm(request, form, out);
    int n = static_cast<int>(strnlen(reinterpret_cast<const char*>(out.letters), kWordPlaneSize));
    ASSERT_LT(n, kWordPlaneSize);
    if (n == 0) continue;
    EXPECT_NE(out.letters[0], ',');
    EXPECT_NE(out.letters[n - 1], ',');
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(out.letters)).find(",,"),
              std::string::npos);
  }
}

}  // namespace
