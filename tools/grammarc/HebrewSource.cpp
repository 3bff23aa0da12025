#include "tools/grammarc/HebrewSource.h"

#include "classlib/core/CString.h"
#include "hebtext/core/AnsiImport.h"
#include "hebtext/core/HebChar.h"
#include "hebtext/core/PointedText.h"
#include "hebtext/core/UnicodeHebrew.h"
#include "lexicon/core/GrammarKeywords.h"
#include "lexicon/core/GrammarLayout.h"
#include "lexicon/core/TemplateCodes.h"

namespace {

// Code points a source word may hold: the Hebrew block, and the separators
// of compound words and abbreviations.
bool IsWordCodePoint(unsigned cp) {
  return (cp >= 0x591 && cp <= 0x5F4) || cp == ' ' || cp == '-' || cp == '\'' || cp == '"';
}

// Checks that the text is well-formed UTF-8 of word code points.
void CheckWordText(const SourceLine& line, const std::string& utf8) {
  for (size_t i = 0; i < utf8.size();) {
    unsigned char c = utf8[i];
    unsigned cp = 0;
    int extra = 0;
    if (c < 0x80) {
      cp = c;
    } else if ((c & 0xE0) == 0xC0) {
      cp = c & 0x1F;
      extra = 1;
    } else if ((c & 0xF0) == 0xE0) {
      cp = c & 0x0F;
      extra = 2;
    } else {
      throw SourceError(line, "\"" + utf8 + "\" holds a character outside Hebrew");
    }
    if (i + extra >= utf8.size() + (extra ? 0 : 1))
      throw SourceError(line, "\"" + utf8 + "\" is cut off UTF-8");
    for (int k = 1; k <= extra; ++k) {
      unsigned char next = utf8[i + k];
      if ((next & 0xC0) != 0x80) throw SourceError(line, "\"" + utf8 + "\" is not UTF-8");
      cp = (cp << 6) | (next & 0x3F);
    }
    if (!IsWordCodePoint(cp))
      throw SourceError(line, "\"" + utf8 + "\" holds a character outside Hebrew");
    i += 1 + extra;
  }
}

bool IsReference(const std::string& text) {
  return !text.empty() && text[0] >= '1' && text[0] <= '9';
}

}  // namespace

PointedWord ConvertHebrewWord(const SourceLine& line, const std::string& utf8) {
  CheckWordText(line, utf8);
  CString text(utf8.c_str());
  Utf8ToAnsiHebrew(text);
  NormalizeMarkOrder(text);
  ConvertImportedText(text, kVavThenHolam);
  BYTE letters[256], vowels[256];
  int count = SplitLettersAndVowels(text, letters, vowels, sizeof(letters), 0);
  PointedWord word;
  word.letters.assign(reinterpret_cast<char*>(letters), count);
  word.vowels.assign(reinterpret_cast<char*>(vowels), count);
  if (word.letters.empty()) throw SourceError(line, "\"" + utf8 + "\" holds no letter");
  for (char c : word.letters)
    if (!IsHebrewLetter(static_cast<BYTE>(c)) && c != ' ' && c != '-' && c != '\'' && c != '"' &&
        static_cast<BYTE>(c) != HebCode::Maqaf)
      throw SourceError(line, "\"" + utf8 + "\" holds a point without its letter");
  return word;
}

std::string MergedWord(const PointedWord& word) {
  CString merged;
  MergeLettersAndVowels(merged, reinterpret_cast<const BYTE*>(word.letters.data()),
                        reinterpret_cast<const BYTE*>(word.vowels.data()),
                        static_cast<int>(word.letters.size()));
  return std::string(merged, merged.GetLength());
}

TemplatePosition ParseTemplatePosition(const SourceLine& line, const std::string& token,
                                       int maxReference) {
  size_t colon = token.find(':');
  std::string letter = token.substr(0, colon);
  std::string vowel = colon == std::string::npos ? "NV" : token.substr(colon + 1);
  TemplatePosition position{0, 0};

  if (IsReference(letter)) {
    char modifier = letter.size() == 2 ? letter[1] : 0;
    int k = letter[0] - '0';
    int offset = modifier == '-'   ? TemplateCode::kWithoutDagesh
                 : modifier == '+' ? TemplateCode::kWithDagesh
                 : modifier == '~' ? TemplateCode::kBegadkefatDagesh
                                   : 0;
    bool shape = letter.size() == 1 || (letter.size() == 2 && offset);
    if (!shape || k > maxReference || (offset && k > TemplateCode::kLastReference))
      throw SourceError(line, "\"" + letter + "\" is not a letter reference of this table");
    position.letter = static_cast<BYTE>(k + offset);
  } else if (int code = LookupLetterKeyword(letter.c_str())) {
    position.letter = static_cast<BYTE>(code);
  } else {
    PointedWord word = ConvertHebrewWord(line, letter);
    if (word.letters.size() != 1 || word.vowels[0])
      throw SourceError(line, "\"" + letter + "\" is not one letter");
    position.letter = static_cast<BYTE>(word.letters[0]);
  }

  int code = LookupVowelKeyword(vowel.c_str());
  if (code == 0 && vowel != "0")
    throw SourceError(line, "\"" + vowel + "\" is not a vowel keyword");
  position.vowel = static_cast<BYTE>(code);
  return position;
}

std::vector<TemplatePosition> ParseTemplate(const SourceLine& line, size_t first, int maxReference,
                                            int maxLength) {
  std::vector<TemplatePosition> positions;
  for (size_t i = first; i < line.tokens.size(); ++i)
    positions.push_back(ParseTemplatePosition(line, line.tokens[i], maxReference));
  if (static_cast<int>(positions.size()) > maxLength)
    throw SourceError(line, "a template holds at most " + std::to_string(maxLength) + " positions");
  return positions;
}

std::string TemplateRecord(const std::vector<TemplatePosition>& positions, int maxLength) {
  std::string record(2 * maxLength, '\0');
  for (size_t i = 0; i < positions.size(); ++i) {
    record[i] = static_cast<char>(positions[i].letter);
    record[maxLength + i] = static_cast<char>(positions[i].vowel);
  }
  return record;
}
