// Texts transcribed whole: separators and line breaks, end characters,
// acronyms, numbers, letter names, words and numbers of any length.
#include "speech/transcription/core/Transcription.h"

#include <gtest/gtest.h>

#include <string>

#include "speech/transcription/tests/TranscriptionTestWords.h"

namespace Transcription_test {

TranscriptionResult Transcribe(const TestText& text, TranscriptionRequest request = {}) {
  TranscriptionContext context;
  TranscriptionResult result;
  TranscribeText(text.letters.data(), text.vowels.data(), request, context, result);
  return result;
}

std::string Phonetic(const TranscriptionResult& r) { return static_cast<LPCSTR>(r.phonetic); }
std::string Display(const TranscriptionResult& r) { return static_cast<LPCSTR>(r.display); }

struct TextCase {
  const char* gloss;
  std::vector<const char*> pieces;
  bool forDocument;
  const char* phonetic;
  const char* display;
};

class TranscribeTextTable : public ::testing::TestWithParam<TextCase> {};

TEST_P(TranscribeTextTable, WritesPhoneticAndDisplayText) {
  const TextCase& c = GetParam();
  TestText text;
  for (const char* piece : c.pieces) text << piece;
  TranscriptionRequest request;
  request.forDocument = c.forDocument;
  const TranscriptionResult r = Transcribe(text, request);
  EXPECT_EQ(Phonetic(r), c.phonetic) << c.gloss;
  EXPECT_EQ(Display(r), c.display) << c.gloss;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, TranscribeTextTable,
    ::testing::Values(
        TextCase{"one word", {u8"שָׁלוֹם"}, false, "`[S0Al1Om]", "-Sa*lom"},
        TextCase{"two words", {u8"שָׁלוֹם עוֹלָם"}, false, "`[S0Al1Om] `[0Ol1Am]",
                 "-Sa*lom  -qo*lam"},  // the blank that ended the word, then the separator
        TextCase{"a carriage return, in the popup",
                 {u8"שָׁלוֹם", "\r", u8"עוֹלָם"}, false, "`[S0Al1Om] `[0Ol1Am]",
                 "-Sa*lom\r\r-qo*lam"},
        TextCase{"a carriage return, in the document",
                 {u8"שָׁלוֹם", "\r", u8"עוֹלָם"}, true, "`[S0Al1Om] `[0Ol1Am]",
                 "-Sa*lom\r \r\n-qo*lam"},
        TextCase{"returns before the first word are dropped",
                 {"\r", "\r", u8"שָׁלוֹם"}, false, "`[S0Al1Om]", "-Sa*lom"},
        TextCase{"the end character stays behind the word", {u8"שָׁלוֹם?"}, false,
                 "`[S0Al1Om]", "-Sa*lom?"},
        TextCase{"an acronym", {u8"צה\"ל"}, false, kAcronymNotice, "****"},
        TextCase{"a letter with a vowel is an ordinary word", {u8"צַה\"ל"}, false, "`[T1Al]",
                 "-cal"},
        TextCase{"bet with dagesh is named bet", {u8"בּ"}, false, "`[b1Et]", "-bEt"},
        TextCase{"plain bet is named vet", {u8"ב"}, false, "`[v1Et]", "-vEt"},
        TextCase{"a single letter with a vowel stays", {u8"בָּ"}, false, "`[b1A]", "-ba"},
        TextCase{"a word of commas is skipped, its separators stay",
                 {u8"שָׁלוֹם ,, עוֹלָם"}, false, "`[S0Al1Om]  `[0Ol1Am]", "-Sa*lom   -qo*lam"},
        TextCase{"a number behind a prefix is one group",
                 {u8"ב5"}, false, "\x01`[b0Ax0Am0IS1A]\x01", "-ba-x3-mi*Sa"},
        TextCase{"a number stored last digit first",
                 {"001"}, false, "\x01`[m0E.1A]\x01", "-mE*qa"}));

TEST(TranscribeText, KeepsTheDigitsOfANumberForTheDocument) {
  TestText text;
  text << u8"ב" << "\x05" << "2";  // "be-25" read 52 with its last digit first
  text.letters[1] = '5';
  TranscriptionRequest request;
  request.forDocument = true;
  request.keepNumbers = true;
  const TranscriptionResult r = Transcribe(text, request);
  EXPECT_EQ(Display(r), "-bI-25");  // the prefix pointed before the spelled number
  EXPECT_EQ(Display(r).find('*'), std::string::npos);
}

TEST(TranscribeText, ReadsTheFirstTwelveDigitsOfALongerNumber) {
  TestText twelve, thirteen;
  twelve << "210987654321";   // 123,456,789,012 in reading order
  thirteen << "3210987654321";  // one more digit at the end of reading order
  EXPECT_EQ(Phonetic(Transcribe(thirteen)), Phonetic(Transcribe(twelve)));
}

TEST(TranscribeText, TakesWordsAndNumbersOfAnyLength) {
  std::string longWord;
  for (int i = 0; i < 150; ++i) longWord += u8"בָּ";
  std::string digits(400, '7');
  TestText text;
  text << longWord.c_str() << " " << digits.c_str() << " " << u8"צה\"ל";
  const TranscriptionResult r = Transcribe(text);
  // Runs longer than a word record are read in record-sized parts: the
  // long word in three, the digits as six numbers of two group marks each.
  const std::string display = Display(r);
  EXPECT_EQ(display.find("-b", 0), 0u);
  EXPECT_NE(display.find(" -b", display.find(" -b") + 1), std::string::npos);
  const std::string phonetic = Phonetic(r);
  EXPECT_EQ(std::count(phonetic.begin(), phonetic.end(), kPhoneticGroup), 12);
  EXPECT_NE(phonetic.find(kAcronymNotice), std::string::npos);
}

TEST(TranscribeText, WithNothingToSayWritesNothing) {
  TestText text;
  text << ",.?";
  const TranscriptionResult r = Transcribe(text);
  EXPECT_TRUE(r.phonetic.IsEmpty());
  EXPECT_TRUE(r.display.IsEmpty());
}

}  // namespace Transcription_test
