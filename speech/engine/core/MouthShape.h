// How far the mouth opens and how wide it stretches for each phoneme, as the
// speaking face draws it: 0 closed or narrow to 255 wide open or wide.
#pragma once

#include <cstdint>

#include "speech/engine/SonsynApi.h"
#include "speech/engine/core/PhoneticNotation.h"

struct MouthShape {
  uint8_t opening = 0;
  uint8_t width = 0;
  bool operator==(const MouthShape& o) const { return opening == o.opening && width == o.width; }
};

// The rest position, for silence.
constexpr MouthShape kRestingMouth{0, 128};

MouthShape MouthShapeOf(const NotationPhoneme& phoneme);

// The notice record of a phoneme, and the one that says the voice fell silent.
SonsynPhonemeRecord PhonemeRecordOf(const NotationPhoneme& phoneme);
SonsynPhonemeRecord SilenceRecord();
