// The build of the definition databases: DEFIN.BIN (a definition record for
// every English look-up word of the grammar, ordered by the word), its index,
// and the list database HLCDEF (its verb, preposition and number records)
// with its index.
#pragma once

#include <functional>

#include "classlib/core/WinTypes.h"
#include "hebtext/core/UserMessage.h"
#include "lexicon/core/DatabaseBuildState.h"
#include "lexicon/core/DatabaseBuildProgress.h"

// The keyword text of a definition record into buffer (size bytes); returns
// its length. The build sorts by what it gives.
typedef std::function<int(DWORD record, char* buffer, int size)> KeywordRenderer;

// Files the records of the sources in the current pass of the build.
class DefinitionRecordFiler {
 public:
  DefinitionRecordFiler(DatabaseBuildState& builder, const KeywordRenderer& renderer)
      : m_builder(builder), m_renderer(renderer) {}
  int Pass() const { return m_builder.CurrentPass(); }
  // Files the record in the bucket of its keyword. In the storing pass a
  // verb keyword already stored for the same root (case aside) takes this
  // binyan into its mask instead.
  void AddDefinitionRecord(const DWORD record);

 private:
  bool MergeVerbKeyword(DWORD bucket, DWORD record, const char* keyword);

  DatabaseBuildState& m_builder;
  const KeywordRenderer& m_renderer;
};

class DefinitionRecordSource {
 public:
  virtual ~DefinitionRecordSource() = default;
  // The same records in the same order whenever it runs; false when
  // progress said stop.
  virtual bool Generate(DefinitionRecordFiler& filer, DatabaseBuildProgress& progress) = 0;
};

// The keywords of the loaded grammar: the numbers in digits and in words,
// the marked words of the declension tables' definitions, and those of each
// verb's meaning in every binyan.
class GrammarDefinitionSource : public DefinitionRecordSource {
 public:
  bool Generate(DefinitionRecordFiler& filer, DatabaseBuildProgress& progress) override;
};

// Each step writes its file in binFolder and returns false, with a message
// unless the user stopped it, when it did not.
bool GenerateDefinitionRecords(LPCSTR binFolder, DefinitionRecordSource& source,
                               const KeywordRenderer& renderer, DatabaseBuildProgress& progress,
                               UserMessageList& messages);
bool BuildDefinitionIndex(LPCSTR binFolder, UserMessageList& messages);
// The storing pass's buckets to DEFIN.BIN, each sorted.
bool WriteDefinitionDatabase(DatabaseBuildState& builder, LPCSTR binFolder,
                             const KeywordRenderer& renderer, DatabaseBuildProgress& progress,
                             UserMessageList& messages);
// Orders the records of one bucket by keyword (case aside), then a verb's
// root, then the record.
void SortBucketRecords(BYTE* records, DWORD count, const KeywordRenderer& renderer);
bool BuildLookupDefinitionFile(LPCSTR binFolder, UserMessageList& messages);
bool BuildLookupDefinitionIndex(LPCSTR binFolder, UserMessageList& messages);

struct DefinitionDatabaseBuildResult {
  bool built = false;
  UserMessageList messages;
};
DefinitionDatabaseBuildResult BuildDefinitionDatabases(LPCSTR binFolder,
                                                       DefinitionRecordSource& source,
                                                       const KeywordRenderer& renderer,
                                                       DatabaseBuildProgress& progress);

// The list database keeps the verb, preposition and number keywords.
bool IsListDefinitionRecord(DWORD record);
