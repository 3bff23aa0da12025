// zdbbuild [--verbose] [--check] BIN-FOLDER: loads the grammar tables of the folder and writes the
// word databases (MSPKDB and HLCDB) and the definition databases (DEFIN and
// HLCDEF), .BIN and .IDX, into it, with the time each took and the sizes of
// the files; --check then checks the order of MSPKDB.BIN.
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>

#include "hebtext/core/UserMessage.h"
#include "lexicon/core/DatabaseOrderCheck.h"
#include "lexicon/core/DefinitionDatabaseBuild.h"
#include "lexicon/core/DefinitionKeywords.h"
#include "lexicon/core/DictionaryFiles.h"
#include "lexicon/core/PackedDefinitionRecord.h"
#include "lexicon/core/EntryTextRenderer.h"
#include "lexicon/core/GrammarData.h"
#include "lexicon/core/GrammarWordSource.h"

namespace {

// Prints the lines of the verb pass, which come seldom enough to follow.
class ConsoleProgress : public DatabaseBuildProgress {
 public:
  explicit ConsoleProgress(bool verbose) : m_verbose(verbose) {}
  void ShowLine(const CString& line) override {
    if (m_verbose) std::fprintf(stderr, "%s\n", static_cast<LPCSTR>(line));
  }
  bool Continue() override { return true; }

 private:
  bool m_verbose;
};

}  // namespace

int main(int argc, char** argv) {
  bool verbose = false;
  bool check = false;
  int arg = 1;
  for (; arg < argc - 1; ++arg) {
    if (std::string(argv[arg]) == "--verbose")
      verbose = true;
    else if (std::string(argv[arg]) == "--check")
      check = true;
    else
      break;
  }
  if (arg != argc - 1) {
    std::fprintf(stderr, "usage: zdbbuild [--verbose] [--check] BIN-FOLDER\n");
    return 2;
  }
  const std::filesystem::path bin = std::filesystem::absolute(argv[argc - 1]).lexically_normal();
  const std::string binFolder = bin.string();
  // The grammar loader reads the "bin" folder under the folder it is given.
  const std::filesystem::path parent = (bin.has_filename() ? bin : bin.parent_path()).parent_path();
  SetGrammarFolder(parent.string().c_str());
  const GrammarLoadResult loaded = LoadGrammarData();
  for (const UserMessage& message : loaded.messages)
    std::fprintf(stderr, "zdbbuild: %s\n", static_cast<LPCSTR>(message.text));
  if (!loaded.loaded) return 1;

  ConsoleProgress progress(verbose);
  auto start = std::chrono::steady_clock::now();
  auto secondsSince = [&start] {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  };
  EntryTextRenderer renderer;
  GrammarWordSource words(renderer);
  const WordDatabaseBuildResult wordResult =
      BuildWordDatabases(binFolder.c_str(), words, renderer, progress);
  const double wordSeconds = secondsSince();
  start = std::chrono::steady_clock::now();
  GrammarDefinitionSource definitions;
  const DefinitionDatabaseBuildResult definitionResult =
      wordResult.built ? BuildDefinitionDatabases(binFolder.c_str(), definitions,
                                                  DefinitionKeywordText, progress)
                       : DefinitionDatabaseBuildResult();
  const double definitionSeconds = secondsSince();
  for (const UserMessageList* messages : {&wordResult.messages, &definitionResult.messages})
    for (const UserMessage& message : *messages)
      std::fprintf(stderr, "zdbbuild: %s\n", static_cast<LPCSTR>(message.text));
  const DatabaseOrderResult order = check && wordResult.built
                                        ? CheckDatabaseOrder(binFolder.c_str(), renderer, progress)
                                        : DatabaseOrderResult();
  FreeGrammarData();
  if (!wordResult.built || !definitionResult.built) return 1;
  if (check) {
    for (const UserMessage& fault : order.faults)
      std::fprintf(stderr, "zdbbuild: %s\n", static_cast<LPCSTR>(fault.text));
    std::printf("order checked: %lu of %lu records, %zu out of order\n",
                static_cast<unsigned long>(order.compared), static_cast<unsigned long>(order.total),
                order.faults.size());
    if (!order.faults.empty()) return 1;
  }
  std::printf("words built in %.2f s, definitions in %.2f s\n", wordSeconds, definitionSeconds);
  struct Output {
    LPCSTR name;
    int recordSize;
  };
  for (const Output& file :
       {Output{DictionaryFile::kWordData, kPackedWordRecSize},
        Output{DictionaryFile::kWordIndex, kPackedWordRecSize},
        Output{DictionaryFile::kListWordData, kPackedWordRecSize},
        Output{DictionaryFile::kListWordIndex, kPackedWordRecSize},
        Output{DictionaryFile::kDefinitionData, kPackedDefinitionRecSize},
        Output{DictionaryFile::kDefinitionIndex, kPackedDefinitionRecSize},
        Output{DictionaryFile::kListDefinitionData, kPackedDefinitionRecSize},
        Output{DictionaryFile::kListDefinitionIndex, kPackedDefinitionRecSize}}) {
    const auto size = std::filesystem::file_size(bin / file.name);
    std::printf("%-10s %10ju bytes %8ju records\n", file.name, static_cast<uintmax_t>(size),
                static_cast<uintmax_t>(size / file.recordSize));
  }
  return 0;
}
