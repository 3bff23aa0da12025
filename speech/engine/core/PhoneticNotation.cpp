#include "speech/engine/core/PhoneticNotation.h"

#include <algorithm>

namespace {

constexpr char kCommand = '`';
constexpr char kOpen = '[';
constexpr char kClose = ']';
constexpr char kSyllableBreak = '.';
constexpr char kQuote = '\'';
constexpr char kBlank = ' ';

// Each notation letter and the espeak-ng phoneme it is spoken as.
struct LetterSound {
  const char* letters;
  const char* espeak;
};
const LetterSound kConsonants[] = {
    {"b", "b"}, {"d", "d"}, {"f", "f"}, {"g", "g"},  {"h", "h"},  {"j", "j"},
    {"k", "k"}, {"l", "l"}, {"m", "m"}, {"n", "n"},  {"p", "p"},  {"r", "r"},
    {"s", "s"}, {"t", "t"}, {"v", "v"}, {"w", "w"},  {"x", "X"},  {"z", "z"},
    {"G", "N"}, {"J", "dZ"}, {"S", "S"}, {"C", "tS"}, {"T", "ts"}, {"Z", "Z"},
    {"q", "?"},
};
// The two vowel spellings (long clear, Israeli) sound alike here.
const LetterSound kVowels[] = {
    {"a", "a"}, {"A", "a"}, {"e", "e"}, {"E", "e"}, {"i", "i"}, {"I", "i"},
    {"o", "o"}, {"O", "o"}, {"u", "u"}, {"U", "u"}, {"@", "@"}, {"Y", "aj"},
    {"aj", "aj"}, {"oj", "oj"}, {"o~", "o"},
};

template <size_t N>
const char* Find(const LetterSound (&table)[N], const std::string& letters) {
  for (const LetterSound& row : table)
    if (letters == row.letters) return row.espeak;
  return nullptr;
}

Stress StressOfDigit(char digit) {
  if (digit == '1') return Stress::Primary;
  if (digit == '2') return Stress::Secondary;
  return Stress::None;  // 0, and 9 (unstressed, never chosen)
}

bool IsStressDigit(char c) { return c == '0' || c == '1' || c == '2' || c == '9'; }

class Parser {
 public:
  explicit Parser(const std::string& text) : m_text(text) {}

  std::vector<NotationPhoneme> Run() {
    while (m_at < m_text.size()) {
      const char c = m_text[m_at];
      if (c == kBlank) {
        m_wordStart = true;
        ++m_at;
      } else if (c == kCommand && Peek(1) == kOpen) {
        m_at += 2;
        Brackets();
      } else if (c == kCommand) {
        SkipCommand();
      } else {
        ++m_at;  // free text is not the engine's input
      }
    }
    return std::move(m_out);
  }

 private:
  char Peek(size_t ahead) const {
    return m_at + ahead < m_text.size() ? m_text[m_at + ahead] : '\0';
  }

  // A command runs up to the next blank or backquote.
  void SkipCommand() {
    ++m_at;
    while (m_at < m_text.size() && m_text[m_at] != kBlank && m_text[m_at] != kCommand) ++m_at;
  }

  void Brackets() {
    StartSyllable();
    while (m_at < m_text.size()) {
      const char c = m_text[m_at];
      if (c == kClose || c == kBlank || c == kCommand) break;
      ++m_at;
      if (c == kSyllableBreak) {
        StartSyllable();
      } else if (IsStressDigit(c)) {
        m_stress = StressOfDigit(c);
        ApplyStress();
      } else if (c == kQuote) {
        QuotedVowel();
      } else {
        Letter(std::string(1, c));
      }
    }
    if (m_at < m_text.size() && m_text[m_at] == kClose) ++m_at;
    m_wordStart = false;
  }

  void QuotedVowel() {
    const size_t end = m_text.find(kQuote, m_at);
    const size_t stop = std::min(end, m_text.find_first_of("] `", m_at));
    if (stop == std::string::npos || stop != end) {
      m_at = stop == std::string::npos ? m_text.size() : stop;  // unclosed: dropped
      return;
    }
    Letter(m_text.substr(m_at, end - m_at));
    m_at = end + 1;
  }

  void Letter(const std::string& letters) {
    PhonemeKind kind;
    if (Find(kConsonants, letters)) {
      kind = PhonemeKind::Consonant;
    } else if (Find(kVowels, letters)) {
      kind = PhonemeKind::Vowel;
    } else {
      return;
    }
    NotationPhoneme p;
    p.letters = letters;
    p.kind = kind;
    p.stress = kind == PhonemeKind::Vowel ? m_stress : Stress::None;
    p.syllableStart = m_syllableStart;
    p.wordStart = m_wordStart && m_syllableStart;
    m_out.push_back(std::move(p));
    m_syllableStart = false;
    m_wordStart = false;
  }

  void StartSyllable() {
    m_syllableStart = true;
    m_stress = Stress::None;
    m_syllableBegin = m_out.size();
  }

  // The digit may stand before or after the syllable's vowel.
  void ApplyStress() {
    for (size_t i = m_syllableBegin; i < m_out.size(); ++i)
      if (m_out[i].kind == PhonemeKind::Vowel) m_out[i].stress = m_stress;
  }

  const std::string& m_text;
  size_t m_at = 0;
  std::vector<NotationPhoneme> m_out;
  size_t m_syllableBegin = 0;
  Stress m_stress = Stress::None;
  bool m_syllableStart = false;
  bool m_wordStart = true;
};

const char* EspeakStressMark(Stress stress) {
  switch (stress) {
    case Stress::Primary: return "'";
    case Stress::Secondary: return ",";
    case Stress::None: break;
  }
  return "%";
}

// The stress of the syllable that begins at phoneme i.
Stress SyllableStress(const std::vector<NotationPhoneme>& phonemes, size_t i) {
  for (size_t j = i; j < phonemes.size() && (j == i || !phonemes[j].syllableStart); ++j)
    if (phonemes[j].kind == PhonemeKind::Vowel) return phonemes[j].stress;
  return Stress::None;
}

}  // namespace

std::vector<NotationPhoneme> ParseNotation(const std::string& text) { return Parser(text).Run(); }

std::string EspeakPhonemeInput(const std::vector<NotationPhoneme>& phonemes) {
  if (phonemes.empty()) return std::string();
  std::string out = "[[";
  for (size_t i = 0; i < phonemes.size(); ++i) {
    const NotationPhoneme& p = phonemes[i];
    if (p.wordStart && i > 0) out += kBlank;
    if (p.syllableStart) out += EspeakStressMark(SyllableStress(phonemes, i));
    const char* sound = p.kind == PhonemeKind::Vowel ? Find(kVowels, p.letters)
                                                      : Find(kConsonants, p.letters);
    out += sound;
  }
  out += "]]";
  return out;
}
