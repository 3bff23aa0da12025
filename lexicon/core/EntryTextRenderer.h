// The dictionary files' renderer: each record's word as LookupEntryText
// builds it from the loaded grammar tables.
#pragma once

#include "lexicon/core/EntryText.h"
#include "lexicon/core/GrammarContext.h"
#include "lexicon/core/WordDatabaseBuild.h"

class EntryTextRenderer : public WordRecordRenderer {
 public:
  int Render(const PackedWordRec& record, BYTE* letters, BYTE* vowels, int capacity) const override;

 private:
  // The generators' results live here between calls.
  mutable GrammarContext m_context;
};
