// tutorc: compiles the language reference's sources in data/.
//   tutorc <data folder> <output folder>   the reading tutorial's Tutor.bin
//   tutorc --texts <data folder> <header>  the texts the program holds: the
//                                          lesson-group captions, and the
//                                          letter and vowel descriptions
// A mistake is reported as "data/<file>:<line>: <what>" and nothing is
// written.
#include <cstdio>
#include <fstream>
#include <string>

#include "tools/grammarc/SourceReader.h"
#include "tools/tutorc/ReferenceHeader.h"
#include "tools/tutorc/TutorialSource.h"

namespace {

void WriteFile(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out) throw SourceError("cannot write " + path);
}

}  // namespace

int main(int argc, char** argv) {
  const bool texts = argc == 4 && std::string(argv[1]) == "--texts";
  if (argc != 3 && !texts) {
    fprintf(stderr,
            "usage: tutorc <data folder> <output folder>\n"
            "       tutorc --texts <data folder> <header>\n");
    return 2;
  }
  try {
    const std::string data = argv[texts ? 2 : 1];
    const CompiledTutorial tutorial =
        CompileTutorial(data + "/" + kTutorialSource, std::string("data/") + kTutorialSource);
    if (texts) {
      const CompiledDescriptions descriptions = CompileDescriptions(
          data + "/" + kDescriptionSource, std::string("data/") + kDescriptionSource);
      WriteFile(argv[3], ReferenceHeader(tutorial, descriptions));
    } else {
      const std::vector<BYTE> bytes = WriteTutorData(tutorial.data);
      WriteFile(std::string(argv[2]) + "/" + kTutorFileName,
                std::string(bytes.begin(), bytes.end()));
    }
  } catch (const SourceError& e) {
    fprintf(stderr, "%s\n", e.what());
    return 1;
  }
  return 0;
}
