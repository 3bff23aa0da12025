// grammarc <data folder> <output folder>: compiles the grammar sources into
// the eight grammar files.
// grammarc --class-ids <data folder> <header file>: writes the header of
// named class id ranges of the folder's registry.
// A source mistake is reported with its file and line, and nothing is
// written.
#include <cstdio>
#include <cstring>
#include <fstream>

#include "tools/grammarc/GrammarCompiler.h"

namespace {

bool WriteFile(const std::string& path, const void* bytes, size_t size) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(static_cast<const char*>(bytes), static_cast<std::streamsize>(size));
  if (out.flush()) return true;
  std::fprintf(stderr, "grammarc: cannot write %s\n", path.c_str());
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  bool classIds = argc == 4 && std::strcmp(argv[1], "--class-ids") == 0;
  if (argc != 3 && !classIds) {
    std::fprintf(stderr,
                 "usage: grammarc <data folder> <output folder>\n"
                 "       grammarc --class-ids <data folder> <header file>\n");
    return 2;
  }
  try {
    if (classIds) {
      std::string header = ReadClassIdHeader(argv[2]);
      return WriteFile(argv[3], header.data(), header.size()) ? 0 : 1;
    }
    std::vector<GrammarFile> files = WriteGrammarFiles(ReadGrammarSources(argv[1]));
    for (const GrammarFile& file : files)
      if (!WriteFile(std::string(argv[2]) + "/" + file.name, file.bytes.data(), file.bytes.size()))
        return 1;
  } catch (const SourceError& error) {
    std::fprintf(stderr, "grammarc: %s\n", error.what());
    return 1;
  }
  return 0;
}
