#include "lexicon/core/VerbSuffixForms.h"

#include <cstring>

#include "lexicon/core/BinyanRootRec.h"
#include "lexicon/core/FormPlanes.h"
#include "lexicon/core/VerbFormText.h"
#include "lexicon/core/VerbObjectSuffix.h"

HebWordRec GenerateObjectSuffixForm(GrammarContext& context, const BYTE* entry, int binyan,
                                    int slot, int person) {
  HebWordRec result = {};
  if (!entry) return result;
  const HebWordRec verbForm = GenerateVerbForm(context, entry, binyan, slot);
  VerbRootRun run;
  if (!verbForm.letters[0] || !FindVerbRootRun(binyan, GetVerbBinyanWord(entry, binyan), run))
    return result;
  FormPlanes form = FormPlanes::FromRecord(verbForm);
  for (int i = 0; i < form.length; ++i)
    if (form.letters[i] == ',') {
      form.Truncate(i);
      break;
    }
  BYTE root[6] = {};
  std::memcpy(root, GetEntryRoot(entry), 5);
  NormalizeFinalLetters(root);
  ObjectSuffixRequest request;
  request.slot = slot;
  request.record = &run.records[0];
  request.binyan = binyan;
  request.person = person;
  request.pattern = verbForm.patternNumbers[0];
  request.root = root;
  GenerateVerbForm(request, form, result);
  return result;
}
