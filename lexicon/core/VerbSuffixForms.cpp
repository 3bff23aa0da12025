#include "lexicon/core/VerbSuffixForms.h"

#include <cstring>

#include "lexicon/core/BinyanRootRec.h"
#include "lexicon/core/FormPlanes.h"
#include "lexicon/core/FormSlots.h"
#include "lexicon/core/InfinitiveNounForms.h"
#include "lexicon/core/NounPatternForm.h"
#include "lexicon/core/VerbFormText.h"
#include "lexicon/core/VerbObjectSuffix.h"

namespace {

// The form's main part (before its first ',').
FormPlanes MainForm(const HebWordRec& word) {
  FormPlanes form = FormPlanes::FromRecord(word);
  for (int i = 0; i < form.length; ++i)
    if (form.letters[i] == ',') {
      form.Truncate(i);
      break;
    }
  return form;
}

void CopyRoot(const BYTE* entry, BYTE (&root)[6]) {
  std::memcpy(root, GetEntryRoot(entry), 5);
  root[5] = 0;
  NormalizeFinalLetters(root);
}

}  // namespace

HebWordRec GenerateObjectSuffixForm(GrammarContext& context, const BYTE* entry, int binyan,
                                    int slot, int person, bool vavInversive) {
  HebWordRec result = {};
  if (!entry) return result;
  HebWordRec verbForm = GenerateVerbForm(context, entry, binyan, SuffixBaseSlot(slot));
  if (vavInversive) verbForm = VavInversiveVerbForm(context, entry, verbForm);
  VerbRootRun run;
  if (!verbForm.letters[0] || !FindVerbRootRun(binyan, GetVerbBinyanWord(entry, binyan), run))
    return result;
  const FormPlanes form = MainForm(verbForm);
  BYTE root[6];
  CopyRoot(entry, root);
  ObjectSuffixRequest request;
  request.slot = slot;
  request.record = &run.records[0];
  request.binyan = binyan;
  request.person = person;
  request.vavFlag = vavInversive ? 1 : 0;
  request.pattern = verbForm.patternNumbers[0];
  request.root = root;
  GenerateVerbForm(request, form, result);
  return result;
}

HebWordRec GenerateInfinitiveNounForm(GrammarContext& context, const BYTE* entry, int binyan,
                                      int cell) {
  HebWordRec result = {};
  if (!entry) return result;
  const HebWordRec infinitive = GenerateVerbForm(context, entry, binyan, FormSlot::Infinitive);
  BYTE root[6];
  CopyRoot(entry, root);
  const WORD id = GetInfinitiveNounPattern(binyan, infinitive.patternNumbers[0], root);
  const NounTableRun table = id ? GetNounTableRun(context, id) : NounTableRun();
  const FormPlanes form = MainForm(infinitive);
  if (form.length < 2 || table.count == 0) return result;
  // The noun is the infinitive without its prefix lamed.
  BYTE letters[kWordPlaneSize] = {};
  BYTE vowels[kWordPlaneSize] = {};
  std::memcpy(letters, form.letters + 1, form.length - 1);
  std::memcpy(vowels, form.vowels + 1, form.length - 1);
  PronominalSuffixRequest request;
  request.records = table.records;
  request.recordCount = table.count;
  request.cell = cell;
  request.kind = SuffixKind::InfinitiveNoun;
  request.binyan = binyan;
  request.verbClass = infinitive.patternNumbers[0];
  request.rootLetters = root;
  BuildPronominalSuffixForm(request, letters, vowels);
  std::memcpy(result.letters, letters, kWordPlaneSize - 1);
  std::memcpy(result.vowels, vowels, kWordPlaneSize - 1);
  ClearVowelPlaceholders(result.vowels, kWordPlaneSize - 1);
  return result;
}
