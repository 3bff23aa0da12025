// Test helpers: the grammar compiled from the sources in data/, written to a
// scratch folder that the loaders are pointed at.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "lexicon/core/GrammarData.h"
#include "tools/grammarc/GrammarCompiler.h"

namespace lextest {

inline std::string SourceDir() {
  const char* root = std::getenv("ZULTA_SOURCE_DIR");
  return root ? root : ".";
}

inline GrammarModel CompileDataModel() { return ReadGrammarSources(SourceDir() + "/data"); }

// A scratch folder name of its own, so that test runs side by side (other
// builds, other checkouts) never share one.
inline std::filesystem::path ScratchFolder(const std::string& name) {
  static const unsigned run = std::random_device()();
  return std::filesystem::temp_directory_path() / ("zulta-" + name + "-" + std::to_string(run));
}

// A fresh folder holding "bin" for the loaders; removed with the object.
class GrammarFolder {
 public:
  explicit GrammarFolder(const std::string& name) : m_root(ScratchFolder("lexicon-" + name)) {
    std::filesystem::remove_all(m_root);
    std::filesystem::create_directories(m_root / "bin");
    SetGrammarFolder(m_root.string().c_str());
  }
  ~GrammarFolder() {
    FreeGrammarData();
    std::error_code ignored;
    std::filesystem::remove_all(m_root, ignored);
  }

  void Write(const std::string& file, const std::vector<unsigned char>& bytes) const {
    std::ofstream out(m_root / "bin" / file, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
  }
  void WriteAll(const std::vector<GrammarFile>& files) const {
    for (const GrammarFile& file : files) Write(file.name, file.bytes);
  }
  void Remove(const std::string& file) const { std::filesystem::remove(m_root / "bin" / file); }
  // The path by which the loaders name the file.
  std::string Path(const std::string& file) const { return (m_root / "bin" / file).string(); }

 private:
  std::filesystem::path m_root;
};

inline const GrammarFile& FileNamed(const std::vector<GrammarFile>& files,
                                    const std::string& name) {
  for (const GrammarFile& file : files)
    if (name == file.name) return file;
  throw std::runtime_error("no compiled file " + name);
}

}  // namespace lextest
