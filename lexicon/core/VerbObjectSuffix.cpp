// The dispatch from a form slot to its object-suffix generator.
#include "lexicon/core/VerbObjectSuffix.h"

#include "lexicon/core/Binyan.h"
#include "lexicon/core/FormSlots.h"
#include "lexicon/core/SuffixFormTypes.h"

namespace {

using namespace FormSlot;

// The binyanim that have object-suffix forms: Nifal, Pual and Hufal take no
// object, in the past persons too.
bool HasSuffixForms(int binyan) {
  return IsOneOf(binyan, {Binyan::Paal, Binyan::Piel, Binyan::Hitpael, Binyan::Hifil});
}

using Generator = int (*)(const ObjectSuffixRequest&, const FormPlanes&, int, ObjectSuffixForms&);

// The form type of the slot and the generator that takes it; false when the
// combination has no suffixed forms.
bool Dispatch(const ObjectSuffixRequest& r, int& type, Generator& generator) {
  const int binyan = Binyan::LowByte(r.binyan);
  const int slot = r.slot;
  const int p = r.pattern;
  if (slot < 0 || slot >= Count || IsSlotBetween(slot, ParticipleMs, ParticipleFp) ||
      !HasSuffixForms(binyan))
    return false;
  if (IsOneOf(slot, {Past1s, Past1p, Past2ms, Past2fs, Past2mp, Past2fp})) {
    type = SelectFixedFormType(binyan, p);
    if (slot == Past1s || slot == Past1p)
      generator = GenerateFirstPersonPast;
    else if (slot == Past2ms)
      generator = GeneratePast2ms;
    else if (slot == Past2fs)
      generator = GeneratePast2fs;
    else
      generator = GeneratePast2Plural;
    return true;
  }
  const bool paal = binyan == Binyan::Paal;
  switch (GetTenseGroup(slot)) {
    case TenseGroup::Infinitive:
      type = SelectInfinitiveFormType(binyan, p, r.root);
      generator = paal ? GenerateInfinitivePaal : GenerateInfinitive;
      break;
    case TenseGroup::Present:
      type = SelectPresentFormType(binyan, p);
      generator = slot <= PresentFs ? GeneratePresentSingular : GeneratePresentPlural;
      break;
    case TenseGroup::Past:
      type = SelectPastThirdFormType(binyan, p, r.root, slot);
      generator = slot == Past3ms   ? GeneratePast3ms
                  : slot == Past3fs ? GeneratePast3fs
                                    : GeneratePast3Plural;
      break;
    case TenseGroup::Future:
      type = SelectFutureFormType(binyan, p, r.root, slot);
      if (IsOneOf(slot, {Future2fs, Future2mp, Future2fp3fp, Future3mp}))
        generator = GenerateSecondFuture;
      else
        generator = paal ? GenerateFuturePaal : GenerateFuture;
      break;
    case TenseGroup::Imperative:
      type = SelectImperativeFormType(binyan, p, r.root, slot);
      generator = slot == ImperativeMs ? GenerateImperativeMs : GenerateImperative;
      break;
    default: return false;
  }
  return type != 0;
}

}  // namespace

int GenerateVerbForm(const ObjectSuffixRequest& request, const FormPlanes& form, HebWordRec& out) {
  ClearWordRec(out);
  int type = 0;
  Generator generator = nullptr;
  if (form.length == 0 || !Dispatch(request, type, generator)) return 0;
  ObjectSuffixForms forms;
  if (!generator(request, form, type, forms) || forms.list.length == 0) return 0;
  forms.list.ToRecord(out);
  ClearVowelPlaceholders(out.vowels, forms.list.length);
  return 1;
}

int SuffixBaseSlot(int slot) {
  if (slot == Future2fp3fp) return Future2mp;
  if (slot == ImperativeFp) return ImperativeMp;
  return slot;
}

int IsVerbFormAvailable(int slot, int binyan, int pattern, const BYTE* root) {
  ObjectSuffixRequest request;
  request.slot = slot;
  request.binyan = binyan;
  request.pattern = pattern;
  request.root = root;
  int type = 0;
  Generator generator = nullptr;
  return Dispatch(request, type, generator) ? 1 : 0;
}
