// The reading tutorial's source, data/tutorial.txt: 24 lessons, each a
// header line with its lesson-group caption and its steps indented under it.
//
//   lesson <n> <caption>       n from 1 to 24 in order; the caption is the
//                              items the lesson teaches, or one quoted word
//     introduce <items>        introduces one to three items
//     reintroduce <items>      the same, titled "Re-introducing"
//     explain <items> "text"   introduces them with its own explanation
//     compare <items> "text"   a comparison under a plain title
//     contrast <items> "text"  the same titled "difference between the"
//     note <items> "text"      the same without a title
//     practice <words>         one to four pointed words to hear
//     end                      the end of the lesson, its last step
#pragma once

#include <string>
#include <vector>

#include "speech/core/TutorFile.h"
#include "tools/grammarc/SourceReader.h"

constexpr char kTutorialSource[] = "tutorial.txt";

struct CompiledTutorial {
  TutorData data;
  // The lesson-group captions in the program's code: items separated by
  // blanks, or the quoted word.
  std::vector<std::string> captions;
};

// Throws SourceError ("<displayName>:<line>: <what>") on a mistake.
CompiledTutorial CompileTutorial(const std::string& path, const std::string& displayName);
