#include "tools/tutorc/ReferenceText.h"

#include "hebtext/core/HebChar.h"
#include "lexicon/core/GrammarKeywords.h"
#include "tools/grammarc/HebrewSource.h"

namespace {

constexpr char kHebrewMark = '$';
constexpr char kDageshKeyword[] = "DAG";
constexpr char kFirstPrintable = ' ';
constexpr char kLastPrintable = '~';

// The escapes a quoted text may hold, since it is one source line.
std::string Unescape(const SourceLine& line, const std::string& text) {
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\\') {
      out += text[i];
    } else if (i + 1 < text.size() && (text[i + 1] == 'n' || text[i + 1] == 't')) {
      out += text[++i] == 'n' ? '\n' : '\t';
    } else {
      throw SourceError(line, "a backslash stands for \\n or \\t only");
    }
  }
  return out;
}

constexpr char kQamatsQatanUtf8[] = "\xD7\x87";  // U+05C7
constexpr char kQamatsUtf8[] = "\xD6\xB8";       // U+05B8

struct TickLetter {
  BYTE letter;
  BYTE withTick;
};
constexpr TickLetter kTickLetters[] = {
    {HebCode::Gimel, HebCode::GimelGeresh},
    {HebCode::Zayin, HebCode::ZayinGeresh},
    {HebCode::Tsadi, HebCode::TsadiGeresh},
    {HebCode::FinalTsadi, HebCode::FinalTsadiGeresh},
};

// The Unicode conversion keeps a geresh as a letter of its own: after gimel,
// zayin or tsadi it makes the letter's foreign-sound form, which takes the
// vowel written on either side of the geresh.
void JoinTicks(PointedWord& word) {
  for (size_t i = 1; i < word.letters.size(); ++i) {
    if (word.letters[i] != HebCode::Geresh) continue;
    for (const TickLetter& tick : kTickLetters) {
      if (static_cast<BYTE>(word.letters[i - 1]) != tick.letter) continue;
      word.letters[i - 1] = static_cast<char>(tick.withTick);
      if (word.vowels[i - 1] == 0) word.vowels[i - 1] = word.vowels[i];
      word.letters.erase(i, 1);
      word.vowels.erase(i, 1);
      break;
    }
  }
}

// The Unicode conversion reads qamats qatan (U+05C7) as qamats: the qamats
// signs of the source, in order, tell which of the word's qamats are qatan.
PointedWord ConvertWithQamatsQatan(const SourceLine& line, std::string utf8) {
  std::vector<bool> qatan;
  for (size_t at = 0; at + 1 < utf8.size(); ++at) {
    if (utf8.compare(at, 2, kQamatsQatanUtf8) == 0) {
      qatan.push_back(true);
      utf8.replace(at, 2, kQamatsUtf8);
    } else if (utf8.compare(at, 2, kQamatsUtf8) == 0) {
      qatan.push_back(false);
    }
  }
  PointedWord word = ConvertHebrewWord(line, utf8);
  size_t next = 0;
  for (char& vowel : word.vowels) {
    const BYTE code = static_cast<BYTE>(vowel);
    if (code != HebCode::Qamats && code != HebCode::StressedQamats) continue;
    if (next < qatan.size() && qatan[next]) {
      vowel = static_cast<char>(code == HebCode::Qamats ? HebCode::QamatsQatan
                                                        : HebCode::StressedQamatsQatan);
    }
    ++next;
  }
  return word;
}

}  // namespace

PointedWord ConvertReferenceWord(const SourceLine& line, const std::string& utf8) {
  PointedWord word = ConvertWithQamatsQatan(line, utf8);
  JoinTicks(word);
  return word;
}

std::string ConvertPointedWord(const SourceLine& line, const std::string& utf8) {
  return MergedWord(ConvertReferenceWord(line, utf8));
}

std::string ConvertReferenceText(const SourceLine& line, const std::string& token) {
  std::string text;
  if (!IsQuoted(token, &text)) throw SourceError(line, token + " is not a quoted text");
  text = Unescape(line, text);
  std::string out;
  size_t pos = 0;
  while (pos < text.size()) {
    if (text[pos] == kHebrewMark) {
      const size_t end = text.find(kHebrewMark, pos + 1);
      if (end == std::string::npos) throw SourceError(line, "a Hebrew run has no closing $");
      const std::string run = text.substr(pos + 1, end - pos - 1);
      const bool conversion = run == "%s" || run == "%c";
      out += kHebrewMark + (conversion ? run : ConvertPointedWord(line, run)) + kHebrewMark;
      pos = end + 1;
    } else {
      const char c = text[pos++];
      if ((c < kFirstPrintable || c > kLastPrintable) && c != '\n' && c != '\t') {
        throw SourceError(line, "Hebrew stands between $ marks only");
      }
      out += c;
    }
  }
  return out;
}

BYTE ParseItem(const SourceLine& line, const std::string& token) {
  if (token == kDageshKeyword) return HebCode::Dagesh;
  if (const int vowel = LookupVowelKeyword(token.c_str())) {
    if ((IsVowelCode(vowel) && vowel != HebCode::ExplicitNoVowel) || IsDageshOrMeteg(vowel)) {
      return static_cast<BYTE>(vowel);
    }
  }
  if (static_cast<unsigned char>(token[0]) >= 0x80) {
    const PointedWord word = ConvertReferenceWord(line, token);
    if (word.letters.size() == 1 && word.vowels[0] == 0 &&
        IsHebrewLetter(static_cast<BYTE>(word.letters[0]))) {
      return static_cast<BYTE>(word.letters[0]);
    }
  }
  throw SourceError(line, "\"" + token + "\" is not a letter, vowel or mark");
}
