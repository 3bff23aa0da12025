// The call contract between Zulta and its speech engine library, sonsyn.dll.
// Both sides include this header: the library exports these functions by
// ordinal (sonsyn.def) and the program binds them by the same ordinals.
// Plain C types only, so that the header needs neither windows.h nor the
// class library.
#pragma once

#include <stdint.h>

#if defined(_WIN32)
#define SONSYN_CALL __stdcall
#else
#define SONSYN_CALL
#endif

// An engine instance; 0 is no instance.
typedef uint32_t SonsynHandle;

// Called by the engine, on a thread of its own, with a notice kind and its
// value: a queued marker's value (kind 2), or the address of a phoneme record
// that is valid only during the call (kind 3). The result is ignored.
typedef int(SONSYN_CALL* SonsynNotifier)(SonsynHandle engine, int32_t kind, intptr_t value,
                                         void* userData);

// The exported functions, by ordinal.
enum SonsynOrdinal {
  kSonsynOrdCreate = 1,
  kSonsynOrdDestroy = 2,
  kSonsynOrdSetOption = 11,
  kSonsynOrdSetVoiceValue = 16,
  kSonsynOrdQueueText = 17,
  kSonsynOrdQueueMarker = 18,
  kSonsynOrdStartOutput = 19,
  kSonsynOrdAbort = 24,
  kSonsynOrdIsBusy = 25,
  kSonsynOrdSetNotifier = 32,
};

typedef SonsynHandle(SONSYN_CALL* TtsCreateFn)(void);
typedef void(SONSYN_CALL* TtsDestroyFn)(SonsynHandle engine);
// -1 when the option or its value is refused.
typedef int32_t(SONSYN_CALL* TtsSetOptionFn)(SonsynHandle engine, int32_t option, int32_t value);
// bank is always 0; index is a SonsynVoiceValue.
typedef int32_t(SONSYN_CALL* TtsSetVoiceValueFn)(SonsynHandle engine, int32_t bank, int32_t index,
                                                 int32_t value);
// text: one word of the phonetic notation, zero-terminated, copied at once.
typedef int32_t(SONSYN_CALL* TtsQueueTextFn)(SonsynHandle engine, const char* text);
typedef int32_t(SONSYN_CALL* TtsQueueMarkerFn)(SonsynHandle engine, uint32_t marker);
// Returns at once; the queued text is spoken in the background.
typedef int32_t(SONSYN_CALL* TtsStartOutputFn)(SonsynHandle engine);
typedef int32_t(SONSYN_CALL* TtsAbortFn)(SonsynHandle engine);
// Non-zero while output is in progress.
typedef int32_t(SONSYN_CALL* TtsIsBusyFn)(SonsynHandle engine);
typedef int32_t(SONSYN_CALL* TtsSetNotifierFn)(SonsynHandle engine, SonsynNotifier notifier,
                                               void* userData);

enum SonsynOption {
  kSonsynOptionInputType = 1,
  kSonsynOptionSampleRate = 5,
  kSonsynOptionPhonemeNotices = 7,
  kSonsynOptionDialect = 9,
};
enum { kSonsynOptionRefused = -1 };
// The only dialect and input type the engine takes: Hebrew, phonetic notation.
enum { kSonsynDialectHebrew = 0x40000, kSonsynInputPhonetic = 1 };
// Sample rate values: 8000, 11025 and 22050 Hz.
enum SonsynSampleRate {
  kSonsynRate8000 = 0,
  kSonsynRate11025 = 1,
  kSonsynRate22050 = 2,
};

enum SonsynVoiceValue {
  kSonsynVoiceTract = 0,  // 0 male, 1 female
  kSonsynVoiceHeadSize = 1,
  kSonsynVoicePitch = 2,
  kSonsynVoicePitchFluctuation = 3,
  kSonsynVoiceRoughness = 4,
  kSonsynVoiceBreathiness = 5,
  kSonsynVoiceSpeed = 6,
  kSonsynVoiceVolume = 7,
  kSonsynVoiceValues = 8,
};

enum SonsynNoticeKind {
  kSonsynNoticeMarker = 2,
  kSonsynNoticePhoneme = 3,
};

// A phoneme notice points at one of these. code is the phoneme's first
// notation letter, or kSonsynPhonemeSilence when the voice falls silent
// (end of output or abort); letters holds the phoneme's notation letters;
// opening and width give the mouth's shape, 0 closed/narrow to 255.
enum { kSonsynPhonemeSilence = 164, kSonsynPhonemeLetters = 13 };
struct SonsynPhonemeRecord {
  uint8_t code;
  char letters[kSonsynPhonemeLetters];
  uint8_t opening;
  uint8_t width;
};
static_assert(sizeof(SonsynPhonemeRecord) == 16, "opening at byte 14, width at byte 15");

// The library's registry entry: HKLM key, value holding the folder of sonsyn.dll.
#define SONSYN_REGISTRY_KEY "Software\\Norvane\\Vocarin TTS"
#define SONSYN_REGISTRY_VALUE "Path"
#define SONSYN_LIBRARY_NAME "sonsyn.dll"
