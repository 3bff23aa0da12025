#include "tables/core/DeclensionTableContent.h"

#include <cstring>

#include "hebtext/core/HebChar.h"
#include "hebtext/core/PointedText.h"
#include "lexicon/core/AdjectiveForms.h"
#include "lexicon/core/GrammarData.h"
#include "lexicon/core/GrammarLayout.h"
#include "lexicon/core/LittleEndian.h"
#include "lexicon/core/NounForm.h"
#include "lexicon/core/PleneSpelling.h"
#include "lexicon/core/VerbFormGenerator.h"
#include "tables/core/DeclensionCellsToBuild.h"
#include "tables/core/DeclensionFormSelector.h"

namespace {

bool IsMultiWord(const BYTE* entry) {
  BYTE letters[kWordPlaneSize] = {}, vowels[kWordPlaneSize] = {};
  int length = GetNounWord(entry, letters, vowels, kWordPlaneSize);
  for (int i = 0; i < length; ++i)
    if (IsSpaceOrHyphen(letters[i])) return true;
  return false;
}

bool BuildAdjectiveForm(const BYTE* entry, int cell, HebWordRec& form) {
  BYTE letters[kWordPlaneSize] = {}, vowels[kWordPlaneSize] = {};
  GetNounWord(entry, letters, vowels, kWordPlaneSize);
  const int id = ReadU16LE(entry + GrammarLayout::kNounEntryTableIdOffset);
  AdjectiveTables tables = GetLoadedAdjectiveTables();
  if (!BuildSuffixedForm(letters, vowels, id, cell, tables, FindWordRecord(tables, id), form))
    return false;
  form.rootId = static_cast<WORD>(id);
  return true;
}

}  // namespace

bool BuildDeclensionTable(GrammarContext& context, const DeclensionTableRequest& request,
                          DeclensionTable& table) {
  table = DeclensionTable{};
  if (!request.entry) return false;
  const WORD id = ReadU16LE(request.entry + GrammarLayout::kNounEntryTableIdOffset);
  const bool adjective = request.tableType == TableType::Adjective;
  NounFormRequest noun;
  noun.entry = request.entry;
  noun.tableType = request.tableType;
  if (!adjective && id != kNoNounTable && id != kSingleFormNounTable) {
    noun.table = GetNounTableRun(context, static_cast<short>(id));
    if (noun.table.count == 0) return false;
  }
  const int selector =
      DeclensionFormSelector(request.tableType, noun.table.records, request.nounForms);
  if (selector == kNoDeclensionForms) return false;
  noun.kind = selector;
  PleneOptions plene;
  if (adjective) plene.code = id;
  for (int cell :
       DeclensionCellsToBuild(request.tableType, id, IsMultiWord(request.entry), request.radios)) {
    HebWordRec form = {};
    noun.cell = cell;
    const bool built =
        adjective ? BuildAdjectiveForm(request.entry, cell, form) : BuildNounForm(noun, form);
    if (!built || !form.letters[0]) continue;
    VerbTableCell& content = table.cells[cell];
    content.filled = true;
    content.source = form;
    content.shown = form;
    if (request.ktivKhaser) RespellFormList(content.shown, 0, plene);
    SplitAlternates(content.source, content.sourceOffsets);
    content.alternates = SplitAlternates(content.shown, content.shownOffsets);
    if (content.alternates - 1 > table.highestAlternate)
      table.highestAlternate = content.alternates - 1;
    content.colour =
        content.alternates > 0 ? VerbTableColour::kWithAlternates : VerbTableColour::kPlain;
  }
  return true;
}

EntrySearchWord DeclensionEntryWord(const BYTE* entry) {
  EntrySearchWord word;
  BYTE letters[kWordPlaneSize] = {}, vowels[kWordPlaneSize] = {};
  const int length = entry ? GetNounWord(entry, letters, vowels, kWordPlaneSize) : 0;
  word.letters.assign(reinterpret_cast<const char*>(letters), static_cast<size_t>(length));
  word.vowels.assign(reinterpret_cast<const char*>(vowels), static_cast<size_t>(length));
  return word;
}

EntrySearchWord TypedEntryWord(LPCSTR typed) {
  EntrySearchWord word;
  BYTE letters[kWordPlaneSize] = {}, vowels[kWordPlaneSize] = {};
  const int length = SplitLettersAndVowels(typed, letters, vowels, kWordPlaneSize, 0);
  word.letters.assign(reinterpret_cast<const char*>(letters), static_cast<size_t>(length));
  word.vowels.assign(reinterpret_cast<const char*>(vowels), static_cast<size_t>(length));
  return word;
}
