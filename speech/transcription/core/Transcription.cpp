#include "speech/transcription/core/Transcription.h"

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "hebtext/core/HebChar.h"
#include "hebtext/core/PointedText.h"
#include "lexicon/core/HebWordRec.h"
#include "lexicon/core/NumberWords.h"
#include "speech/core/LetterRules.h"
#include "speech/core/PrefixPointing.h"
#include "speech/core/Transliteration.h"
#include "speech/core/WordStress.h"
#include "speech/transcription/core/DictionaryChoice.h"
#include "speech/transcription/core/SyllableMarkup.h"
#include "speech/transcription/core/WordClasses.h"

namespace {

constexpr int kMaxNumberDigits = 12;
constexpr int kNumberWordsCapacity = 1024;
constexpr int kNoStressMark = 4;  // marks no syllable as stressed
constexpr char kAcronymMark = '*';

int WordLength(const BYTE* letters) {
  return static_cast<int>(strnlen(reinterpret_cast<const char*>(letters), kWordPlaneSize));
}

// Drops the characters the test picks from both planes.
template <typename Pred>
int RemoveChars(HebWordRec& word, Pred drop) {
  int write = 0;
  for (int read = 0; read < kWordPlaneSize && word.letters[read] != 0; ++read) {
    if (drop(word.letters[read])) continue;
    word.letters[write] = word.letters[read];
    word.vowels[write] = word.vowels[read];
    ++write;
  }
  memset(word.letters + write, 0, kWordPlaneSize - write);
  memset(word.vowels + write, 0, kWordPlaneSize - write);
  return write;
}

bool CarriesStressMark(const HebWordRec& word) {
  for (int i = 0; i < kWordPlaneSize && word.letters[i] != 0; ++i) {
    if (IsStressedVowel(word.vowels[i])) return true;
  }
  return false;
}

void TrimTrailingSpace(CString& text) { text.TrimRight(" \t\r\n"); }

class Transcriber {
 public:
  Transcriber(const TranscriptionRequest& request, const TranscriptionContext& context,
              TranscriptionResult& result)
      : m_request(request), m_context(context), m_out(result) {}

  void Run(const BYTE* letters, const BYTE* vowels);

 private:
  void WriteSeparators(int skippedReturns);
  void SpeakNumber(const HebWordRec& word, int prefixLength, int endChar);
  void SpeakWord(HebWordRec& word, bool respelled, int endChar);
  // Transliterates one word and appends both texts; the display's stress
  // mark is the placed one unless stressMark is given.
  void AppendWord(const BYTE* letters, const BYTE* vowels, int mode, DWORD prefixKind,
                  int stressMark = -1);
  PronunciationOptions Options(DWORD prefixKind) const {
    PronunciationOptions options = m_context.pronunciation;
    options.prefixKind = prefixKind;
    return options;
  }

  const TranscriptionRequest& m_request;
  const TranscriptionContext& m_context;
  TranscriptionResult& m_out;
  HebWordRec m_previous = {};
  bool m_hasPrevious = false;
};

void Transcriber::Run(const BYTE* letters, const BYTE* vowels) {
  size_t at = 0;
  for (;;) {
    int skippedReturns = 0;
    while (letters[at] != 0 && !IsWordChar(letters[at])) {
      if (letters[at] == HebCode::CarriageReturn) ++skippedReturns;
      ++at;
    }
    if (letters[at] == 0) break;
    // A run longer than a word record goes on as the next word.
    HebWordRec word;
    ClearWordRec(word);
    int length = 0;
    while (letters[at] != 0 && IsWordChar(letters[at]) && length < kWordPlaneSize - 1) {
      word.letters[length] = letters[at];
      word.vowels[length] = vowels[at];
      ++length;
      ++at;
    }
    const int endChar = IsWordChar(letters[at]) ? 0 : letters[at];

    const bool respelled =
        AdjustWordSpelling(word.letters, word.vowels, kWordPlaneSize, m_context.hashemFilter);
    WriteSeparators(skippedReturns);
    int prefixLength = 0;
    if (IsNumberWord(word, prefixLength)) {
      SpeakNumber(word, prefixLength, endChar);
    } else {
      SpeakWord(word, respelled, endChar);
    }
  }
}

void Transcriber::WriteSeparators(int skippedReturns) {
  if (m_out.display.IsEmpty()) return;  // nothing before the first word
  if (m_request.forDocument || skippedReturns == 0) m_out.display += ' ';
  m_out.phonetic += ' ';
  for (int i = 0; i < skippedReturns; ++i) {
    m_out.display += m_request.forDocument ? "\r\n" : "\r";
  }
}

void Transcriber::AppendWord(const BYTE* letters, const BYTE* vowels, int mode, DWORD prefixKind,
                             int stressMark) {
  const PronunciationOptions options = Options(prefixKind);
  CString phonetic, code;
  TransliterateWord(letters, vowels, options, phonetic, code);
  const int last = WordLength(letters) - 1;
  const int stressed = PlaceWordStress(letters, vowels, last, phonetic, options,
                                       static_cast<StressMode>(mode));
  std::string spoken = static_cast<LPCSTR>(phonetic);
  MergeVowellessSyllables(spoken);
  m_out.phonetic += spoken.c_str();
  m_out.display += FormatStressedSyllables(static_cast<LPCSTR>(code),
                                           stressMark >= 0 ? stressMark : stressed,
                                           m_context.phonemes)
                       .c_str();
}

void Transcriber::SpeakNumber(const HebWordRec& word, int p, int endChar) {
  const int length = WordLength(word.letters);
  std::string digits;
  for (int i = length - 1; i >= 0 && static_cast<int>(digits.size()) < kMaxNumberDigits; --i) {
    if (IsDigitCode(word.letters[i])) digits += static_cast<char>(word.letters[i]);
  }
  NumberWordsOptions spelling;
  spelling.language = kNumberHebrew;
  std::vector<char> spelled(kNumberWordsCapacity);
  NumberToWords(spelled.data(), kNumberWordsCapacity, strtod(digits.c_str(), nullptr), spelling);

  // The word's prefix letters, then the number in words (or its digits).
  const int count = SplitLettersAndVowels(spelled.data(), nullptr, nullptr, 0, 0);
  const int room = (count > length ? count : length) + 1;
  std::vector<BYTE> letters(p + room, 0), vowels(p + room, 0);
  memcpy(letters.data(), word.letters, p);
  memcpy(vowels.data(), word.vowels, p);
  SplitLettersAndVowels(spelled.data(), letters.data() + p, vowels.data() + p, room, 0);
  if (p > 0) {
    PointPrefixLetters(letters.data(), vowels.data(), p,
                       IsHe(letters[p - 1]) ? kArticleAbsorbed : kArticleNotAbsorbed);
  }
  std::string digitText;
  int processed = p + count;
  if (m_request.keepNumbers) {
    ReverseDigitRun(std::string(reinterpret_cast<const char*>(word.letters) + p), digitText);
    processed = p;  // the prefix is transliterated, the digits shown as they are
  }

  m_out.phonetic += kPhoneticGroup;
  const int groupStart = m_out.phonetic.GetLength();
  for (int start = 0; start < processed;) {
    int end = start;
    while (end < processed && !IsSpaceHyphenOrMaqaf(letters[end])) ++end;
    if (end > start) {
      std::vector<BYTE> pieceLetters(letters.begin() + start, letters.begin() + end);
      std::vector<BYTE> pieceVowels(vowels.begin() + start, vowels.begin() + end);
      pieceLetters.push_back(0);
      pieceVowels.push_back(0);
      AppendWord(pieceLetters.data(), pieceVowels.data(), kModeMarkedStress, start == 0 ? p : 0,
                 m_request.keepNumbers ? kNoStressMark : -1);
      m_out.phonetic += ' ';
      m_out.display += ' ';
    }
    start = end + 1;
  }
  // The blank after the last word closes the group; a number that gave no
  // word opens none.
  if (m_out.phonetic.GetLength() > groupStart) {
    m_out.phonetic.SetAt(m_out.phonetic.GetLength() - 1, kPhoneticGroup);
  } else {
    m_out.phonetic = m_out.phonetic.Left(groupStart - 1);
  }
  TrimTrailingSpace(m_out.display);
  if (m_request.keepNumbers) {
    if (p > 0) m_out.display += '-';
    m_out.display += digitText.c_str();
  }
  if (endChar != 0) m_out.display += static_cast<char>(endChar);
}

void Transcriber::SpeakWord(HebWordRec& word, bool respelled, int endChar) {
  RemoveChars(word, [](int c) { return IsDigitCode(c) || c == ','; });
  int length = WordLength(word.letters);
  bool hasLetter = false;
  for (int i = 0; i < length; ++i) hasLetter = hasLetter || IsLetterOrShuruk(word.letters[i]);
  if (!hasLetter) return;
  if (IsAcronymWord(word)) {
    for (int i = 0; i < length; ++i) m_out.display += kAcronymMark;
    m_out.phonetic += kAcronymNotice;
    return;
  }
  const bool named = length == 1 && IsNoVowel(word.vowels[0]) &&
                     LetterNameWord(word.letters[0], word) != 0;
  StripWordChars(word.letters, word.vowels, kWordPlaneSize, nullptr);
  length = WordLength(word.letters);

  int mode = m_request.mode;
  DWORD prefixKind = m_request.prefixKind;
  if (!respelled && !named && !CarriesStressMark(word)) {
    if (m_request.mode != kModeFromDictionary) {
      mode = kModeMarkedStress;
    } else if (m_context.dictionary != nullptr) {
      const DictionaryChoice choice = ApplyDictionary(
          *m_context.dictionary, word, m_hasPrevious ? &m_previous : nullptr, prefixKind);
      mode = choice.mode;
      prefixKind = choice.prefixKind;
    }
  }
  AppendWord(word.letters, word.vowels, mode, prefixKind);
  if (endChar != 0) m_out.display += static_cast<char>(endChar);
  m_previous = word;
  m_hasPrevious = true;
}

}  // namespace

void TranscribeText(const BYTE* letters, const BYTE* vowels, const TranscriptionRequest& request,
                    const TranscriptionContext& context, TranscriptionResult& result) {
  Transcriber(request, context, result).Run(letters, vowels);
}
