// Word transcription: pointed Hebrew text made into the phonetic text the
// speech engine speaks and a display transliteration in which each syllable
// is marked '*' (stressed) or '-' (unstressed). Both results grow as needed,
// whatever the length of the words, numbers and acronyms.
#pragma once

#include "classlib/core/CString.h"
#include "classlib/core/WinTypes.h"
#include "speech/core/PronunciationOptions.h"

class PhonemeTable;
class TranscriptionDictionary;

// Word groups of the phonetic text: only the first word of a group is
// marked while it is spoken (the words of one number).
constexpr char kPhoneticGroup = 0x01;

// Spoken for an acronym, which the engine reports as unrecognised.
constexpr char kAcronymNotice[] = "(A`2 `[r0O.S1E] `[t0E.v1Ot] `[l1O] `3 `[m0U.k0A.r1Im] `/)";

// What the caller knows of the text.
enum TranscriptionMode : int {
  kModeFromDictionary = 0,  // the dictionary decides
  kModeVerbForm = 1,
  kModeNounForm = 2,
  kModeAdjectiveForm = 3,
  kModePrepositionForm = 4,
  kModeVocabularyForm = 5,
  kModeMarkedStress = 7,  // the stress of the marks, else the last syllable
};

struct TranscriptionRequest {
  int mode = kModeFromDictionary;
  DWORD prefixKind = 0;       // or kAnyPrefixKind
  bool forDocument = false;   // line breaks "\r\n" instead of carriage returns
  bool keepNumbers = false;   // the document shows numbers in digits
};

// The speaker's preferences and what transcription reads.
struct TranscriptionContext {
  PronunciationOptions pronunciation;  // its prefix kind is the request's
  bool hashemFilter = false;
  TranscriptionDictionary* dictionary = nullptr;  // null: no look-up
  const PhonemeTable* phonemes = nullptr;         // null: the display keeps the codes
};

struct TranscriptionResult {
  CString phonetic;
  CString display;
};

// Transcribes the zero-terminated letters and their parallel vowels,
// appending to the result.
void TranscribeText(const BYTE* letters, const BYTE* vowels, const TranscriptionRequest& request,
                    const TranscriptionContext& context, TranscriptionResult& result);
