// English prose for the typing benchmark: sentences of common words with
// their capitals, commas and full stops, gathered into paragraphs.
#pragma once

#include <cctype>
#include <random>
#include <string>

namespace bench {

// clang-format off
constexpr const char* kEnglishWords[] = {
  "the", "of", "and", "to", "in", "is", "was", "that", "for", "it", "with", "as", "his", "on",
  "be", "at", "by", "had", "this", "not", "but", "from", "have", "they", "which", "one", "you",
  "were", "her", "all", "she", "there", "would", "their", "we", "him", "been", "has", "when",
  "who", "will", "more", "no", "if", "out", "so", "said", "what", "up", "its", "about", "into",
  "than", "them", "can", "only", "other", "new", "some", "could", "time", "these", "two", "may",
  "then", "first", "any", "like", "now", "my", "such", "over", "our", "even", "most", "made",
  "after", "also", "did", "many", "before", "must", "through", "back", "years", "where", "much",
  "your", "way", "well", "down", "should", "because", "each", "just", "those", "people", "how",
  "little", "state", "good", "very", "make", "world", "still", "own", "see", "men", "work",
  "long", "here", "between", "both", "life", "being", "under", "never", "day", "same",
  "another", "know", "while", "last", "might", "great", "old", "year", "off", "come", "since",
  "against", "go", "came", "right", "used", "take", "three", "himself", "few", "house", "use",
  "during", "without", "again", "place", "around", "however", "home", "small", "found",
  "thought", "went", "part", "once", "general", "high", "upon", "school", "every", "week",
  "although", "language", "grammar", "letters", "meaning", "sentence", "question", "morning",
  "evening", "remember", "together", "understand", "different", "important", "especially",
};
// clang-format on
constexpr int kSentenceWordsMin = 6;
constexpr int kSentenceWordsSpread = 17;
constexpr unsigned kCommaOneIn = 9;

// Appends sentences until the paragraph holds about the given number of
// characters, then its break.
inline void AppendEnglishParagraph(std::mt19937& rng, size_t length, std::string& text) {
  constexpr size_t kWordCount = sizeof kEnglishWords / sizeof kEnglishWords[0];
  size_t end = text.size() + length;
  while (text.size() < end) {
    int words = kSentenceWordsMin + static_cast<int>(rng() % kSentenceWordsSpread);
    for (int w = 0; w < words; w++) {
      std::string word = kEnglishWords[rng() % kWordCount];
      if (w == 0) word[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(word[0])));
      text += word;
      if (w + 1 == words)
        text += '.';
      else if (w > 0 && rng() % kCommaOneIn == 0)
        text += ',';
      text += ' ';
    }
  }
  text.back() = '\r';
}

}  // namespace bench
