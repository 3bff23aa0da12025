// grammarc <data folder> <output folder>: compiles the grammar sources into
// the eight grammar files. A source mistake is reported with its file and
// line, and nothing is written.
#include <cstdio>
#include <fstream>

#include "tools/grammarc/GrammarCompiler.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: grammarc <data folder> <output folder>\n");
    return 2;
  }
  try {
    std::vector<GrammarFile> files = WriteGrammarFiles(ReadGrammarSources(argv[1]));
    for (const GrammarFile& file : files) {
      std::string path = std::string(argv[2]) + "/" + file.name;
      std::ofstream out(path, std::ios::binary | std::ios::trunc);
      out.write(reinterpret_cast<const char*>(file.bytes.data()),
                static_cast<std::streamsize>(file.bytes.size()));
      if (!out.flush()) {
        std::fprintf(stderr, "grammarc: cannot write %s\n", path.c_str());
        return 1;
      }
    }
  } catch (const SourceError& error) {
    std::fprintf(stderr, "grammarc: %s\n", error.what());
    return 1;
  }
  return 0;
}
