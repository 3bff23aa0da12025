#include "speech/engine/core/WaveData.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace {

constexpr size_t kRiffHeaderSize = 12;
constexpr size_t kChunkHeaderSize = 8;
constexpr size_t kFormatSize = 16;
constexpr uint16_t kFormatPcm = 1;
constexpr uint16_t kMono = 1;
constexpr uint16_t kBitsPerSample = 16;
constexpr size_t kBytesPerSample = kBitsPerSample / 8;
// About 1% of full scale: espeak-ng's silence and dither stay below it.
constexpr int kVoicedThreshold = 328;

uint32_t Read32(const uint8_t* p) { return p[0] | p[1] << 8 | p[2] << 16 | uint32_t(p[3]) << 24; }
uint16_t Read16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | p[1] << 8); }

void Put32(std::vector<uint8_t>& out, uint32_t v) {
  for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<uint8_t>(v >> shift));
}
void Put16(std::vector<uint8_t>& out, uint16_t v) {
  out.push_back(static_cast<uint8_t>(v));
  out.push_back(static_cast<uint8_t>(v >> 8));
}
void PutTag(std::vector<uint8_t>& out, const char* tag) { out.insert(out.end(), tag, tag + 4); }

}  // namespace

bool ParseWav(const std::vector<uint8_t>& bytes, Pcm& out) {
  out = Pcm();
  const uint8_t* data = bytes.data();
  if (bytes.size() < kRiffHeaderSize || std::memcmp(data, "RIFF", 4) != 0 ||
      std::memcmp(data + 8, "WAVE", 4) != 0)
    return false;
  bool haveFormat = false;
  int rate = 0;
  size_t at = kRiffHeaderSize;
  while (bytes.size() - at >= kChunkHeaderSize) {
    const uint8_t* chunk = data + at;
    const size_t left = bytes.size() - at - kChunkHeaderSize;
    const size_t size = std::min<size_t>(Read32(chunk + 4), left);
    const uint8_t* body = chunk + kChunkHeaderSize;
    if (std::memcmp(chunk, "fmt ", 4) == 0) {
      if (size < kFormatSize || Read16(body) != kFormatPcm || Read16(body + 2) != kMono ||
          Read16(body + 14) != kBitsPerSample)
        return false;
      rate = static_cast<int>(Read32(body + 4));
      haveFormat = rate > 0;
    } else if (std::memcmp(chunk, "data", 4) == 0) {
      if (!haveFormat) return false;
      out.rate = rate;
      out.samples.resize(size / kBytesPerSample);
      for (size_t i = 0; i < out.samples.size(); ++i)
        out.samples[i] = static_cast<int16_t>(Read16(body + i * kBytesPerSample));
      return true;
    }
    at += kChunkHeaderSize + size + (size & 1);  // chunks are word-aligned
    if (at > bytes.size()) break;
  }
  out = Pcm();
  return false;
}

std::vector<uint8_t> EncodeWav(const Pcm& pcm) {
  const uint32_t dataSize = static_cast<uint32_t>(pcm.samples.size() * kBytesPerSample);
  std::vector<uint8_t> out;
  out.reserve(kRiffHeaderSize + 2 * kChunkHeaderSize + kFormatSize + dataSize);
  PutTag(out, "RIFF");
  Put32(out, static_cast<uint32_t>(4 + 2 * kChunkHeaderSize + kFormatSize + dataSize));
  PutTag(out, "WAVE");
  PutTag(out, "fmt ");
  Put32(out, kFormatSize);
  Put16(out, kFormatPcm);
  Put16(out, kMono);
  Put32(out, static_cast<uint32_t>(pcm.rate));
  Put32(out, static_cast<uint32_t>(pcm.rate * kBytesPerSample));
  Put16(out, kBytesPerSample);
  Put16(out, kBitsPerSample);
  PutTag(out, "data");
  Put32(out, dataSize);
  for (int16_t s : pcm.samples) Put16(out, static_cast<uint16_t>(s));
  return out;
}

Pcm Resample(const Pcm& pcm, int rate) {
  if (pcm.rate == rate || pcm.rate <= 0 || rate <= 0 || pcm.samples.empty()) {
    Pcm same = pcm;
    if (pcm.samples.empty()) same.rate = rate;
    return same;
  }
  Pcm out;
  out.rate = rate;
  const size_t n = static_cast<size_t>(uint64_t(pcm.samples.size()) * rate / pcm.rate);
  out.samples.resize(n);
  const size_t last = pcm.samples.size() - 1;
  for (size_t i = 0; i < n; ++i) {
    // Position in the source, in 1/rate steps of a source sample.
    const uint64_t pos = uint64_t(i) * pcm.rate;
    const size_t at = static_cast<size_t>(pos / rate);
    const int64_t frac = static_cast<int64_t>(pos % rate);
    const int64_t a = pcm.samples[std::min(at, last)];
    const int64_t b = pcm.samples[std::min(at + 1, last)];
    out.samples[i] = static_cast<int16_t>(a + (b - a) * frac / rate);
  }
  return out;
}

SampleSpan VoicedSpan(const std::vector<int16_t>& samples) {
  SampleSpan span;
  for (size_t i = 0; i < samples.size(); ++i) {
    if (std::abs(int(samples[i])) < kVoicedThreshold) continue;
    if (span.end == 0) span.begin = i;
    span.end = i + 1;
  }
  return span;
}

Pcm TrimSilence(const Pcm& pcm, size_t keepBefore, size_t keepAfter) {
  const SampleSpan voiced = VoicedSpan(pcm.samples);
  Pcm out{pcm.rate, {}};
  if (voiced.end == 0) return out;
  const size_t begin = voiced.begin > keepBefore ? voiced.begin - keepBefore : 0;
  const size_t end = std::min(pcm.samples.size(), voiced.end + keepAfter);
  out.samples.assign(pcm.samples.begin() + begin, pcm.samples.begin() + end);
  return out;
}
