// The grammar sources: UTF-8 text files of lines, each split into blank-
// separated tokens; "#" starts a comment and a token in double quotes may
// hold blanks. Mistakes are reported as "file:line: message".
#pragma once

#include <stdexcept>
#include <string>
#include <vector>

struct SourceLine {
  std::string file;
  int number = 0;
  bool indented = false;  // begins with a blank: belongs to the block above
  std::vector<std::string> tokens;
};

class SourceError : public std::runtime_error {
 public:
  SourceError(const SourceLine& line, const std::string& message)
      : std::runtime_error(line.file + ":" + std::to_string(line.number) + ": " + message) {}
  explicit SourceError(const std::string& message) : std::runtime_error(message) {}
};

// The non-empty lines of the file, named in messages by displayName.
std::vector<SourceLine> ReadSourceLines(const std::string& path, const std::string& displayName);

// True when the token is a quoted text; text then receives it unquoted.
bool IsQuoted(const std::string& token, std::string* text = nullptr);

// A whole number in decimal or 0x hexadecimal, within [low, high].
long ParseNumber(const SourceLine& line, const std::string& token, long low, long high);

// "name=value": true with both parts when the token has that shape.
bool SplitKeyValue(const std::string& token, std::string& key, std::string& value);

// A comma-separated list of numbers and ranges "a-b" within [low, high].
std::vector<long> ParseNumberList(const SourceLine& line, const std::string& token, long low,
                                  long high);

// A header line and the indented lines under it.
struct SourceBlock {
  SourceLine header;
  std::vector<SourceLine> body;
};

std::vector<SourceBlock> SplitBlocks(const std::vector<SourceLine>& lines);

// Throws unless the line has between min and max tokens.
void ExpectTokens(const SourceLine& line, size_t min, size_t max, const char* shape);
