#include "speech/engine/win/SoundOutput.h"

#include <mmsystem.h>

#include <algorithm>

namespace {

constexpr WORD kBitsPerSample = 16;
constexpr WORD kBytesPerSample = kBitsPerSample / 8;
using Milliseconds = std::chrono::milliseconds;
constexpr long long kMillisecondsPerSecond = 1000;

}  // namespace

void SoundOutput::Start(const Pcm& pcm) {
  Stop();
  m_length = pcm.samples.size();
  m_rate = pcm.rate;
  if (m_length > 0 && m_rate > 0) OpenDevice(pcm);
  // Opening a device may take a while the first time: the clock starts after.
  m_start = std::chrono::steady_clock::now();
}

void SoundOutput::OpenDevice(const Pcm& pcm) {
  WAVEFORMATEX format{};
  format.wFormatTag = WAVE_FORMAT_PCM;
  format.nChannels = 1;
  format.nSamplesPerSec = static_cast<DWORD>(m_rate);
  format.wBitsPerSample = kBitsPerSample;
  format.nBlockAlign = kBytesPerSample;
  format.nAvgBytesPerSec = format.nSamplesPerSec * kBytesPerSample;
  if (waveOutOpen(&m_device, WAVE_MAPPER, &format, 0, 0, CALLBACK_NULL) != MMSYSERR_NOERROR) {
    m_device = nullptr;  // no device: the clock alone
    return;
  }
  m_header = WAVEHDR{};
  m_header.lpData = reinterpret_cast<LPSTR>(const_cast<int16_t*>(pcm.samples.data()));
  m_header.dwBufferLength = static_cast<DWORD>(m_length * kBytesPerSample);
  if (waveOutPrepareHeader(m_device, &m_header, sizeof(m_header)) != MMSYSERR_NOERROR ||
      waveOutWrite(m_device, &m_header, sizeof(m_header)) != MMSYSERR_NOERROR) {
    waveOutUnprepareHeader(m_device, &m_header, sizeof(m_header));
    waveOutClose(m_device);
    m_device = nullptr;
  }
}

size_t SoundOutput::Position() const {
  if (m_device) {
    if (m_header.dwFlags & WHDR_DONE) return m_length;
    MMTIME time{};
    time.wType = TIME_SAMPLES;
    if (waveOutGetPosition(m_device, &time, sizeof(time)) == MMSYSERR_NOERROR) {
      const size_t played = time.wType == TIME_SAMPLES ? time.u.sample
                            : time.wType == TIME_BYTES ? time.u.cb / kBytesPerSample
                                                       : 0;
      return std::min(played, m_length);
    }
  }
  const auto elapsed = std::chrono::duration_cast<Milliseconds>(std::chrono::steady_clock::now() - m_start);
  const size_t byClock = static_cast<size_t>(elapsed.count() * m_rate / kMillisecondsPerSecond);
  return std::min(byClock, m_length);
}

std::chrono::milliseconds SoundOutput::TimeUntil(size_t sample) const {
  const size_t now = Position();
  if (sample <= now || m_rate <= 0) return Milliseconds(0);
  // Rounded up, so that waiting that long reaches the sample.
  return Milliseconds((static_cast<long long>(sample - now) * kMillisecondsPerSecond + m_rate - 1) /
                      m_rate);
}

void SoundOutput::Stop() {
  if (m_device) {
    waveOutReset(m_device);
    waveOutUnprepareHeader(m_device, &m_header, sizeof(m_header));
    waveOutClose(m_device);
    m_device = nullptr;
  }
  m_length = 0;
}
