// The generators that finish a verb form with an object suffix: each takes
// the stem prepared for its group of form slots, sets the vowels at the
// stem's end for the object person, appends the suffix and marks the
// stress. Persons with two or three forms give a comma list.
#pragma once

#include "classlib/core/WinTypes.h"
#include "lexicon/core/BinyanRootRec.h"
#include "lexicon/core/FormPlanes.h"

// Object persons 1-10: me, you m. sg., you f. sg., him, her, us, you m. pl.,
// you f. pl., them m., them f.
namespace ObjectPerson {
enum Id : int { Me = 1, YouMs, YouFs, Him, Her, Us, YouMp, YouFp, ThemM, ThemF };
constexpr int kFirst = Me;
constexpr int kLast = ThemF;
}  // namespace ObjectPerson

// What every generator is given.
struct ObjectSuffixRequest {
  int slot = 0;
  const BinyanRootRec* record = nullptr;  // the verb's root record in the binyan
  int binyan = 0;                         // only the low byte counts
  int vavFlag = 0;                        // 1: the form begins with the conjunction vav
  int person = 0;                         // the object person
  int pattern = 0;                        // the conjugation pattern number of the form
  const BYTE* root = nullptr;             // the verb's zero-terminated root letters
};

// The forms of one request, joined as a comma list of at most 69 letters;
// a part that would not fit is left out with its separator.
struct ObjectSuffixForms {
  FormPlanes list;
  bool written = false;
  void Add(const FormPlanes& part);
};

// For each position, a hataf followed by a shva becomes its full vowel.
void ExpandHatafBeforeShva(BYTE* letters, BYTE* vowels);
// The object is the subject's own person (the future gives no form).
int IsSameSubjectObject(int person, int slot);

// The generators; each returns 1 when it wrote forms into out.
int GeneratePresentSingular(const ObjectSuffixRequest& r, const FormPlanes& form, int type,
                            ObjectSuffixForms& out);
int GeneratePresentPlural(const ObjectSuffixRequest& r, const FormPlanes& form, int type,
                          ObjectSuffixForms& out);
int GenerateInfinitivePaal(const ObjectSuffixRequest& r, const FormPlanes& form, int type,
                           ObjectSuffixForms& out);
int GenerateInfinitive(const ObjectSuffixRequest& r, const FormPlanes& form, int type,
                       ObjectSuffixForms& out);
int GenerateFirstPersonPast(const ObjectSuffixRequest& r, const FormPlanes& form, int type,
                            ObjectSuffixForms& out);
int GeneratePast2ms(const ObjectSuffixRequest& r, const FormPlanes& form, int type,
                    ObjectSuffixForms& out);
int GeneratePast2fs(const ObjectSuffixRequest& r, const FormPlanes& form, int type,
                    ObjectSuffixForms& out);
int GeneratePast2Plural(const ObjectSuffixRequest& r, const FormPlanes& form, int type,
                        ObjectSuffixForms& out);
int GeneratePast3ms(const ObjectSuffixRequest& r, const FormPlanes& form, int type,
                    ObjectSuffixForms& out);
int GeneratePast3fs(const ObjectSuffixRequest& r, const FormPlanes& form, int type,
                    ObjectSuffixForms& out);
int GeneratePast3Plural(const ObjectSuffixRequest& r, const FormPlanes& form, int type,
                        ObjectSuffixForms& out);
int GenerateFuturePaal(const ObjectSuffixRequest& r, const FormPlanes& form, int type,
                       ObjectSuffixForms& out);
int GenerateFuture(const ObjectSuffixRequest& r, const FormPlanes& form, int type,
                   ObjectSuffixForms& out);
int GenerateSecondFuture(const ObjectSuffixRequest& r, const FormPlanes& form, int type,
                         ObjectSuffixForms& out);
int GenerateImperativeMs(const ObjectSuffixRequest& r, const FormPlanes& form, int type,
                         ObjectSuffixForms& out);
int GenerateImperative(const ObjectSuffixRequest& r, const FormPlanes& form, int type,
                       ObjectSuffixForms& out);
