// The grammar compiler: reads the sources of a data folder and makes the
// eight grammar files, the same bytes for the same sources.
#pragma once

#include <string>
#include <vector>

#include "tools/grammarc/GrammarModel.h"

struct GrammarFile {
  const char* name;  // as in the "bin" folder
  std::vector<unsigned char> bytes;
};

// Reads data/registry.txt and the table sources; throws SourceError.
GrammarModel ReadGrammarSources(const std::string& dataFolder);

// The eight files in the order verbpat, verbtbl, verbdata, nounpat, nountbl,
// noundata, adjpat, adjtbl. Throws SourceError when a text block outgrows
// the offsets that address it.
std::vector<GrammarFile> WriteGrammarFiles(const GrammarModel& model);

// The header of named class id ranges (ClassIdHeader.h) of the folder's
// registry.txt; throws SourceError.
std::string ReadClassIdHeader(const std::string& dataFolder);
