// Sound data: espeak-ng's WAV output read, resampled, measured and written.
#include "speech/engine/core/WaveData.h"

#include <gtest/gtest.h>

namespace WaveData_test {

Pcm Ramp(int rate, size_t n) {
  Pcm pcm;
  pcm.rate = rate;
  for (size_t i = 0; i < n; ++i) pcm.samples.push_back(static_cast<int16_t>(i * 10 - 3000));
  return pcm;
}

TEST(WaveData, WrittenFilesReadBack) {
  const Pcm pcm = Ramp(11025, 61);
  const std::vector<uint8_t> bytes = EncodeWav(pcm);
  EXPECT_EQ(bytes.size(), 44u + 61 * 2);
  Pcm back;
  ASSERT_TRUE(ParseWav(bytes, back));
  EXPECT_EQ(back.rate, 11025);
  EXPECT_EQ(back.samples, pcm.samples);
}

TEST(WaveData, AStreamedFileRunsToItsEnd) {
  // espeak-ng writing to a pipe cannot go back to fill in the sizes.
  std::vector<uint8_t> bytes = EncodeWav(Ramp(22050, 10));
  for (size_t at : {4u, 40u}) bytes[at] = bytes[at + 1] = bytes[at + 2] = 0xff, bytes[at + 3] = 0x7f;
  bytes.push_back(0x10);  // half a sample more
  Pcm back;
  ASSERT_TRUE(ParseWav(bytes, back));
  EXPECT_EQ(back.samples.size(), 10u);
}

TEST(WaveData, RefusesWhatIsNotMono16BitPcm) {
  const std::vector<uint8_t> good = EncodeWav(Ramp(8000, 4));
  struct Damage {
    size_t at;
    uint8_t value;
  };
  const Damage damages[] = {
      {0, 'X'},   // not RIFF
      {8, 'X'},   // not WAVE
      {20, 3},    // float samples
      {22, 2},    // stereo
      {34, 8},    // 8-bit
      {12, 'X'},  // no format chunk before the data
  };
  for (const Damage& d : damages) {
    std::vector<uint8_t> bytes = good;
    bytes[d.at] = d.value;
    Pcm back;
    EXPECT_FALSE(ParseWav(bytes, back)) << d.at;
    EXPECT_TRUE(back.samples.empty());
  }
  Pcm back;
  EXPECT_FALSE(ParseWav(std::vector<uint8_t>(good.begin(), good.begin() + 30), back));
  EXPECT_FALSE(ParseWav({}, back));
}

TEST(WaveData, ResamplingKeepsTheDurationAndTheShape) {
  const Pcm source = Ramp(22050, 2205);  // 100 ms
  for (int rate : {8000, 11025, 22050}) {
    const Pcm out = Resample(source, rate);
    EXPECT_EQ(out.rate, rate);
    EXPECT_EQ(out.samples.size(), static_cast<size_t>(rate / 10)) << rate;
    EXPECT_EQ(out.samples.front(), source.samples.front());
    // a ramp stays a rising ramp
    for (size_t i = 1; i < out.samples.size(); ++i) ASSERT_GE(out.samples[i], out.samples[i - 1]);
  }
  EXPECT_TRUE(Resample(Pcm{22050, {}}, 8000).samples.empty());
  EXPECT_EQ(Resample(Pcm{22050, {}}, 8000).rate, 8000);
}

TEST(WaveData, VoicedSpanSkipsQuietEnds) {
  std::vector<int16_t> samples(100, 5);
  samples[20] = -2000;
  samples[70] = 3000;
  const SampleSpan span = VoicedSpan(samples);
  EXPECT_EQ(span.begin, 20u);
  EXPECT_EQ(span.end, 71u);
  const SampleSpan silent = VoicedSpan(std::vector<int16_t>(50, -10));
  EXPECT_EQ(silent.begin, 0u);
  EXPECT_EQ(silent.end, 0u);
}

TEST(WaveData, TrimmingKeepsTheVoiceAndShortEnds) {
  Pcm pcm{8000, std::vector<int16_t>(1000, 3)};
  for (size_t i = 300; i < 600; ++i) pcm.samples[i] = 5000;
  struct Case {
    size_t before, after, begin, end;
  };
  const Case cases[] = {
      {0, 0, 300, 600},
      {50, 80, 250, 680},
      {400, 500, 0, 1000},  // ends shorter than asked stay whole
  };
  for (const Case& c : cases) {
    const Pcm out = TrimSilence(pcm, c.before, c.after);
    EXPECT_EQ(out.rate, 8000);
    EXPECT_EQ(out.samples,
              std::vector<int16_t>(pcm.samples.begin() + c.begin, pcm.samples.begin() + c.end))
        << c.before;
  }
  EXPECT_TRUE(TrimSilence(Pcm{8000, std::vector<int16_t>(100, 2)}, 10, 10).samples.empty());
}

}  // namespace WaveData_test
