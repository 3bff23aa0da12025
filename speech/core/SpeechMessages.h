// The window messages of speech, and the phoneme notice as its message
// carries it: the engine's record is valid only during its callback, so the
// callback copies the bytes the speaking face needs into the message.
#pragma once

#include "classlib/core/WinTypes.h"

// To the window that asked for the speech: lParam is the marker reached.
constexpr UINT WM_SPEECH_INDEX = 1524;
// To the speaking face: lParam is a packed PhonemeNotice.
constexpr UINT WM_SPEECH_PHONEME = 1525;
// To the main window: the speaking face's Cancel.
constexpr UINT WM_SPEECH_CANCEL = 1526;
// To the main window: speak the text kept while the engine was busy.
constexpr UINT WM_SPEECH_RESTART = 1624;

struct PhonemeNotice {
  BYTE code;     // the phoneme's first notation letter; kPhonemeSilence when silent
  BYTE opening;  // mouth opening, 0 closed to 255
  BYTE width;    // mouth width, 0 narrow to 255
};

// The code of a notice that the voice fell silent.
constexpr BYTE kPhonemeSilence = 164;

// The notice's bytes in lParam: code, opening, width from the lowest up.
constexpr int kNoticeByteBits = 8;
constexpr LPARAM kNoticeByteMask = 0xFF;

constexpr LPARAM PackPhonemeNotice(const PhonemeNotice& notice) {
  return static_cast<LPARAM>(notice.code) | static_cast<LPARAM>(notice.opening) << kNoticeByteBits |
         static_cast<LPARAM>(notice.width) << 2 * kNoticeByteBits;
}

constexpr PhonemeNotice UnpackPhonemeNotice(LPARAM lParam) {
  return PhonemeNotice{static_cast<BYTE>(lParam & kNoticeByteMask),
                       static_cast<BYTE>(lParam >> kNoticeByteBits & kNoticeByteMask),
                       static_cast<BYTE>(lParam >> 2 * kNoticeByteBits & kNoticeByteMask)};
}
