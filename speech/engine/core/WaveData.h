// 16-bit mono PCM sound: read from espeak-ng's WAV output, brought to the
// sample rate asked for, measured and written back as a WAV file.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

struct Pcm {
  int rate = 0;
  std::vector<int16_t> samples;
};

// Reads a RIFF WAVE file of 16-bit mono PCM. A data size beyond the end (a
// stream that could not rewind to write it) means "up to the end". False for
// anything else, which is then left empty.
bool ParseWav(const std::vector<uint8_t>& bytes, Pcm& out);
std::vector<uint8_t> EncodeWav(const Pcm& pcm);

// Linear interpolation to another rate; the same sound when it already has it.
Pcm Resample(const Pcm& pcm, int rate);

// Where the sound is louder than a whisper: [begin, end) in samples; an
// empty range at 0 for silence.
struct SampleSpan {
  size_t begin = 0;
  size_t end = 0;
};
SampleSpan VoicedSpan(const std::vector<int16_t>& samples);

// The sound with its quiet ends cut to at most the given lengths (in
// samples); silence becomes no sound at all. espeak-ng ends each piece it
// speaks with a sentence's pause, too long between words.
Pcm TrimSilence(const Pcm& pcm, size_t keepBefore, size_t keepAfter);
