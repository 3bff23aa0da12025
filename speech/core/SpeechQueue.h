// What Speak hands the engine for one text: its words in the phonetic
// notation, one at a time, with the markers between them that come back to
// the window that asked when speech reaches them.
#pragma once

#include <vector>

#include "classlib/core/CString.h"
#include "classlib/core/WinTypes.h"

// Marker modes: kSpeakPlain queues no markers; kSpeakWords word markers 0
// and an end marker; kSpeakSentence word markers 1 and an end marker;
// kSpeakSelection word markers 0 and no end marker. kSpeakPendingMode
// (with no text) speaks what was kept while the engine was busy.
enum SpeakMode : int {
  kSpeakPendingMode = -1,
  kSpeakPlain = 0,
  kSpeakWords = 1,
  kSpeakSentence = 2,
  kSpeakSelection = 3
};

// Bits of a marker value.
constexpr DWORD kMarkerSentenceWord = 0x1;
constexpr DWORD kMarkerUnrecognizedWord = 0x10000;
constexpr DWORD kMarkerAcronym = 0x20000;
constexpr DWORD kMarkerEnd = 0x80000000;
// The bits that ask the window for a notice (unrecognised word or acronym).
constexpr DWORD kMarkerNoticeBits = 0x7FFF0000;
constexpr DWORD kMarkerWordBits = 0xFFFF;

// Opens or closes a group of words (a number's words) of which only the
// first gets a marker.
constexpr char kWordGroupMark = '\x01';

// Spoken in place of a word that cannot be spoken.
constexpr const char* kUnrecognizedWordPhrase = "`2 `[m0I.l1A] `[l1O] `3 `[m0U.k1Er.E0t] `/";

struct SpeechQueueItem {
  bool isMarker;
  DWORD marker;  // when isMarker
  CString text;  // otherwise: a word, after a blank for every word but the first
};

// Whether a word of phonetic text has no single stressed syllable to speak:
// no stress digit at all, or several and none of them a '1'. A special item
// ("(" ...) never lacks one.
bool LacksStressMark(LPCSTR word);

// The texts and markers that speak the text in the mode.
std::vector<SpeechQueueItem> BuildSpeechQueue(LPCSTR text, int mode);
