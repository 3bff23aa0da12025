#include "speech/win/SpeechStop.h"

namespace {
SpeechStopper g_stop = nullptr;
}  // namespace

void SetSpeechStopper(SpeechStopper stop) { g_stop = stop; }

BOOL StopSpeechOutput() { return g_stop != nullptr ? g_stop() : FALSE; }
