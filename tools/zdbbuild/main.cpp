// zdbbuild BIN-FOLDER: loads the grammar tables of the folder and writes the
// word databases (MSPKDB and HLCDB, .BIN and .IDX) into it, with the time it
// took and the sizes of the files.
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>

#include "hebtext/core/UserMessage.h"
#include "lexicon/core/DictionaryFiles.h"
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
  const bool verbose = argc == 3 && std::string(argv[1]) == "--verbose";
  if (argc != 2 && !verbose) {
    std::fprintf(stderr, "usage: zdbbuild [--verbose] BIN-FOLDER\n");
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

  const auto start = std::chrono::steady_clock::now();
  EntryTextRenderer renderer;
  GrammarWordSource source(renderer);
  ConsoleProgress progress(verbose);
  const WordDatabaseBuildResult result =
      BuildWordDatabases(binFolder.c_str(), source, renderer, progress);
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  for (const UserMessage& message : result.messages)
    std::fprintf(stderr, "zdbbuild: %s\n", static_cast<LPCSTR>(message.text));
  FreeGrammarData();
  if (!result.built) return 1;
  std::printf("built in %.2f s\n", seconds);
  for (LPCSTR name : {DictionaryFile::kWordData, DictionaryFile::kWordIndex,
                      DictionaryFile::kListWordData, DictionaryFile::kListWordIndex}) {
    const auto size = std::filesystem::file_size(bin / name);
    std::printf("%-10s %10ju bytes %8ju records\n", name, static_cast<uintmax_t>(size),
                static_cast<uintmax_t>(size / kPackedWordRecSize));
  }
  return 0;
}
