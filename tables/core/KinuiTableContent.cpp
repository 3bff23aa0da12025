#include "tables/core/KinuiTableContent.h"

#include <algorithm>
#include <cstring>

#include "hebtext/core/HebChar.h"
#include "lexicon/core/BinyanRootRec.h"
#include "lexicon/core/PleneSpelling.h"
#include "lexicon/core/VerbFormGenerator.h"
#include "lexicon/core/VerbSuffixForms.h"
#include "tables/core/AlternateSpelling.h"

namespace {

// The infinitive noun's declension cells: the noun itself (the construct,
// which is the prepared infinitive) and the first person's suffix.
constexpr int kInfinitiveNounCell = 1;
constexpr int kFirstPossessiveCell = 3;

// The root as the table shows it: its last letter in final form.
HebWordRec RootForm(const BYTE* entry) {
  HebWordRec root = {};
  const int length = std::min(GetEntryRootLength(entry), kWordPlaneSize - 1);
  std::memcpy(root.letters, GetEntryRoot(entry), static_cast<size_t>(length));
  NormalizeFinalLetters(root.letters);
  if (length > 0 && HasFinalForm(root.letters[length - 1]))
    root.letters[length - 1] = static_cast<BYTE>(RegularToFinalLetter(root.letters[length - 1]));
  return root;
}

HebWordRec CellForm(GrammarContext& context, const KinuiRequest& request, int cell) {
  if (cell == kKinuiRootCell) return RootForm(request.entry);
  if (request.mode == kKinuiInfinitiveNoun)
    return GenerateInfinitiveNounForm(
        context, request.entry, request.binyan,
        cell == 0 ? kInfinitiveNounCell : cell - 1 + kFirstPossessiveCell);
  if (cell == 0) return request.given;
  return GenerateObjectSuffixForm(context, request.entry, request.binyan, request.slot, cell,
                                  request.vavInversive);
}

// Splits the record at its commas (the vowels end with the letters);
// returns the number of commas.
int SplitSpellings(HebWordRec& word, LONG (&offsets)[kCellAlternates]) {
  const int commas = SplitCommaList(word.letters, offsets);
  for (LONG offset : offsets)
    if (offset > 0) word.vowels[offset - 1] = 0;
  return std::min(commas, kCellAlternates);
}

}  // namespace

bool BuildKinuiTable(GrammarContext& context, const KinuiRequest& request, KinuiTable& table) {
  VerbRootRun run;
  if (!request.entry ||
      !FindVerbRootRun(request.binyan, GetVerbBinyanWord(request.entry, request.binyan), run))
    return false;
  const HebWordRec first = CellForm(context, request, 0);
  if (!first.letters[0]) return false;  // no infinitive noun (or nothing handed over)
  table.highestAlternate = kFirstSpelling;
  PleneOptions plene;
  plene.rootLetters = GetEntryRootLength(request.entry);
  plene.slot = request.slot;
  plene.binyan = request.binyan;
  for (int c = 0; c < kKinuiCells; ++c) {
    GrammarCell& cell = table.cells[c];
    ClearGrammarCell(cell);
    HebWordRec form = c == 0 ? first : CellForm(context, request, c);
    if (!form.letters[0]) continue;
    cell.top = 0;
    cell.source = form;
    SplitSpellings(cell.source, cell.sourceAlternates);
    // The conjunction vav of a vav-inversive form keeps its spelling.
    if (request.ktivKhaser && c != kKinuiRootCell)
      RespellFormList(form, request.vavInversive ? 1 : 0, plene);
    cell.shown = form;
    const int commas = SplitSpellings(cell.shown, cell.shownAlternates);
    table.highestAlternate = std::max(table.highestAlternate, commas - 1);
  }
  return true;
}

HebWordRec KinuiCellText(const GrammarCell& cell, int alternateIndex, bool source) {
  HebWordRec text = {};
  if (IsGrammarCellEmpty(cell)) return text;
  const HebWordRec& word = source ? cell.source : cell.shown;
  const LONG offset =
      ShownSpellingOffset(source ? cell.sourceAlternates : cell.shownAlternates, alternateIndex);
  if (offset < 0 || offset >= kWordPlaneSize) return text;
  const size_t length = strnlen(reinterpret_cast<const char*>(word.letters + offset),
                                static_cast<size_t>(kWordPlaneSize - 1 - offset));
  std::memcpy(text.letters, word.letters + offset, length);
  std::memcpy(text.vowels, word.vowels + offset, length);
  return text;
}
