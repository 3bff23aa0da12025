// The renderer the dictionary databases are built and searched with: the
// entry text of each record, from the loaded grammar tables.
#pragma once

#include "lexicon/core/GrammarContext.h"
#include "lexicon/core/WordDatabaseBuild.h"

class EntryTextRenderer : public WordRecordRenderer {
 public:
  int Render(const PackedWordRec& record, BYTE* letters, BYTE* vowels, int capacity) const override;

 private:
  mutable GrammarContext m_context;
};
