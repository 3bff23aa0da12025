// Mouth shapes of phonemes and the notice records that carry them.
#include "speech/engine/core/MouthShape.h"

#include <gtest/gtest.h>

#include <cstring>

namespace MouthShape_test {

NotationPhoneme Phoneme(const char* letters, PhonemeKind kind) {
  NotationPhoneme p;
  p.letters = letters;
  p.kind = kind;
  return p;
}

TEST(MouthShape, OpenVowelsOpenWideAndRoundedOnesNarrow) {
  const MouthShape a = MouthShapeOf(Phoneme("a", PhonemeKind::Vowel));
  const MouthShape i = MouthShapeOf(Phoneme("I", PhonemeKind::Vowel));
  const MouthShape u = MouthShapeOf(Phoneme("u", PhonemeKind::Vowel));
  const MouthShape m = MouthShapeOf(Phoneme("m", PhonemeKind::Consonant));
  EXPECT_GT(a.opening, i.opening);
  EXPECT_GT(a.opening, u.opening);
  EXPECT_GT(i.width, a.width);
  EXPECT_LT(u.width, a.width);
  EXPECT_EQ(m.opening, 0);  // lips closed
  EXPECT_EQ(MouthShapeOf(Phoneme("aj", PhonemeKind::Vowel)),
            MouthShapeOf(Phoneme("Y", PhonemeKind::Vowel)));
  EXPECT_EQ(MouthShapeOf(Phoneme("", PhonemeKind::Vowel)), kRestingMouth);
}

TEST(MouthShape, RecordsCarryCodeLettersAndShapeAtTheirBytes) {
  const SonsynPhonemeRecord record = PhonemeRecordOf(Phoneme("aj", PhonemeKind::Vowel));
  const uint8_t* bytes = reinterpret_cast<const uint8_t*>(&record);
  EXPECT_EQ(bytes[0], 'a');
  EXPECT_STREQ(record.letters, "aj");
  const MouthShape shape = MouthShapeOf(Phoneme("aj", PhonemeKind::Vowel));
  EXPECT_EQ(bytes[14], shape.opening);
  EXPECT_EQ(bytes[15], shape.width);

  const SonsynPhonemeRecord silence = SilenceRecord();
  EXPECT_EQ(reinterpret_cast<const uint8_t*>(&silence)[0], kSonsynPhonemeSilence);
  EXPECT_EQ(silence.opening, kRestingMouth.opening);

  // Letters longer than the record are cut and stay terminated.
  const SonsynPhonemeRecord longOne =
      PhonemeRecordOf(Phoneme("abcdefghijklmnopq", PhonemeKind::Vowel));
  EXPECT_EQ(std::strlen(longOne.letters), sizeof(longOne.letters) - 1);
}

}  // namespace MouthShape_test
