#include "lexicon/core/VerbFormText.h"

#include <cstring>

#include "classlib/core/CString.h"
#include "hebtext/core/AnsiExport.h"
#include "hebtext/core/HebChar.h"
#include "hebtext/core/PointedText.h"
#include "hebtext/core/UnicodeHebrew.h"
#include "lexicon/core/BinyanRootRec.h"
#include "lexicon/core/GrammarData.h"
#include "lexicon/core/GrammarLayout.h"
#include "lexicon/core/VavInversive.h"
#include "lexicon/core/VerbFormGenerator.h"

using namespace GrammarLayout;

const BYTE* GetVerbIndexEntry(int verb) {
  const GrammarBlock& entries = GetVerbIndexEntries();
  if (verb < 0 || verb >= GetVerbCount() ||
      static_cast<size_t>(verb + 1) * kVerbIndexEntrySize > entries.Size())
    return nullptr;
  return entries.Data() + static_cast<size_t>(verb) * kVerbIndexEntrySize;
}

HebWordRec GenerateVerbForm(GrammarContext& context, const BYTE* entry, int binyan, int slot) {
  HebWordRec empty = {};
  VerbRootRun run;
  if (!entry || binyan < 0 || binyan >= kBinyanim ||
      !FindVerbRootRun(binyan, GetVerbBinyanWord(entry, binyan), run))
    return empty;
  BYTE root[6] = {};
  std::memcpy(root, GetEntryRoot(entry), 5);
  NormalizeFinalLetters(root);
  return *BuildVerbForm(context, run, 0, entry, root, slot, binyan);
}

HebWordRec PleneVerbForm(const BYTE* entry, const HebWordRec& form, int start) {
  HebWordRec plene = form;
  PleneOptions options;
  options.rootLetters = GetEntryRootLength(entry);
  options.slot = form.formSlot;
  options.binyan = form.binyan;
  RespellFormList(plene, start, options);
  return plene;
}

HebWordRec VavInversiveVerbForm(GrammarContext& context, const BYTE* entry,
                                const HebWordRec& form) {
  HebWordRec result = {};
  VerbRootRun run;
  int slot = form.formSlot, binyan = form.binyan;
  if (!form.letters[0] || !TakesPronominalSuffix(slot, binyan) ||
      !FindVerbRootRun(binyan, GetVerbBinyanWord(entry, binyan), run))
    return result;
  result = form;
  MakeVavInversiveForm(context, result, run.records[0], entry, slot, binyan, 0);
  return result;
}

std::string WordToUtf8(const HebWordRec& word, bool withStress) {
  int n = 0;
  while (n < kWordPlaneSize - 1 && word.letters[n]) ++n;
  BYTE vowels[kWordPlaneSize] = {};
  for (int i = 0; i < n; ++i)
    vowels[i] = static_cast<BYTE>(withStress ? word.vowels[i] : RemoveStressMark(word.vowels[i]));
  CString text;
  MergeLettersAndVowels(text, word.letters, vowels, n);
  ConvertToStandardPoints(text, kVavThenHolam);
  AnsiHebrewToUtf8(text);
  return std::string(text, text.GetLength());
}
