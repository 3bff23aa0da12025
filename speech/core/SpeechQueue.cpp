#include "speech/core/SpeechQueue.h"

#include <cstring>

namespace {

constexpr char kBlank = ' ';
constexpr char kItemOpen = '(';
constexpr char kItemClose = ')';
constexpr char kAcronymType = 'A';
// A special item's content starts behind "(" and its type character.
constexpr int kItemContentStart = 2;

// Where a word of the text ends and the next begins.
struct WordSpan {
  CString word;
  const char* next;  // nullptr for the last word
  bool acronym = false;
  bool special = false;
};

const char* SkipBlanks(const char* p) {
  while (*p == kBlank) ++p;
  return p;
}

const char* AfterBlank(const char* p) {
  const char* blank = strchr(p, kBlank);
  return blank ? blank + 1 : nullptr;
}

WordSpan NextWord(const char* rest) {
  WordSpan span;
  const char* close = rest[0] == kItemOpen ? strchr(rest, kItemClose) : nullptr;
  if (close != nullptr) {
    span.special = true;
    span.acronym = rest[1] == kAcronymType;
    // "()" and "(x)" have no content.
    const char* content = close - rest >= kItemContentStart ? rest + kItemContentStart : close;
    span.word = CString(content, static_cast<int>(close - content));
    span.next = AfterBlank(close);
    return span;
  }
  span.next = AfterBlank(rest);
  span.word = span.next ? CString(rest, static_cast<int>(span.next - 1 - rest)) : CString(rest);
  return span;
}

struct GroupMarks {
  bool opens = false;
  bool closes = false;
};

// Reads and removes the word's group marks.
GroupMarks TakeGroupMarks(CString& word, bool groupOpen) {
  GroupMarks marks;
  const int count = word.Remove(kWordGroupMark);
  if (count >= 1) (groupOpen ? marks.closes : marks.opens) = true;
  if (count >= 2) marks.closes = true;
  return marks;
}

}  // namespace

bool LacksStressMark(LPCSTR word) {
  if (word[0] == kItemOpen) return false;
  int digits = 0;
  bool stressed = false;
  for (const char* p = word; *p; ++p) {
    if (*p == '0' || *p == '1' || *p == '2') ++digits;
    if (*p == '1') stressed = true;
  }
  return digits == 0 || (digits >= 2 && !stressed);
}

std::vector<SpeechQueueItem> BuildSpeechQueue(LPCSTR text, int mode) {
  std::vector<SpeechQueueItem> queue;
  CString trimmed(SkipBlanks(text));
  trimmed.TrimRight(kBlank);
  const bool wordMarkers = mode >= kSpeakWords && mode <= kSpeakSelection;
  const DWORD wordMarker = mode == kSpeakSentence ? kMarkerSentenceWord : 0;
  bool groupOpen = false;
  const char* rest = trimmed;
  for (int counter = 1; rest != nullptr; ++counter) {
    WordSpan span = NextWord(rest);
    bool unrecognized = false;
    if (!span.special && LacksStressMark(span.word)) {
      span.word = kUnrecognizedWordPhrase;
      unrecognized = true;
    }
    const GroupMarks marks = TakeGroupMarks(span.word, groupOpen);
    if (wordMarkers && !groupOpen) {
      const DWORD notice =
          unrecognized ? kMarkerUnrecognizedWord : (span.acronym ? kMarkerAcronym : 0);
      queue.push_back({true, wordMarker | notice, CString()});
    }
    if (marks.opens) groupOpen = true;
    if (marks.closes) groupOpen = false;
    if (!span.word.IsEmpty())
      queue.push_back({false, 0, (counter == 1 ? CString() : CString(kBlank, 1)) + span.word});
    rest = span.next ? SkipBlanks(span.next) : nullptr;
  }
  if (mode == kSpeakWords || mode == kSpeakSentence) queue.push_back({true, kMarkerEnd, CString()});
  return queue;
}
