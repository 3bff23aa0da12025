#include "hebtext/core/TextLines.h"

#include <algorithm>
#include <string>

#include "hebtext/core/ByteText.h"
#include "hebtext/core/HebChar.h"

namespace {

void MovePointsInPlace(std::string& line) {
  for (size_t i = 0; i + 1 < line.size(); ++i) {
    if (IsHebrewLetter(static_cast<BYTE>(line[i])) && IsVowelCode(static_cast<BYTE>(line[i + 1]))) {
      std::swap(line[i], line[i + 1]);
      ++i;
    }
  }
}

}  // namespace

void CrToCrLf(CString& text) {
  std::string out;
  for (char c : BytesString(text)) {
    out += c;
    if (c == '\r') out += '\n';
  }
  AssignBytes(text, out);
}

void NormalizeLineEndsToCr(CString& text) {
  const std::string in = BytesString(text);
  std::string out;
  for (size_t i = 0; i < in.size(); ++i) {
    if (in[i] == '\r' && i + 1 < in.size() && in[i + 1] == '\n') ++i;
    out += in[i] == '\n' ? '\r' : in[i];
  }
  AssignBytes(text, out);
}

void ControlCharsToBlanks(CString& text) {
  std::string out = BytesString(text);
  for (char& c : out) {
    if (c == '\r' || c == '\n' || c == '\f' || c == '\t') c = ' ';
  }
  AssignBytes(text, out);
}

void ReverseTextLines(CString& text, BOOL movePoints) {
  std::string out = BytesString(text);
  // A carriage return is neither letter nor vowel, so the points can be
  // moved over the whole text at once.
  if (movePoints) MovePointsInPlace(out);
  for (auto start = out.begin();; ++start) {
    const auto end = std::find(start, out.end(), '\r');
    std::reverse(start, end);
    if (end == out.end()) break;
    start = end;
  }
  AssignBytes(text, out);
}

void MovePointsBeforeLetters(CString& text) {
  std::string out = BytesString(text);
  MovePointsInPlace(out);
  AssignBytes(text, out);
}
