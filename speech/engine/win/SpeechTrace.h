// For tests: with the environment variable ZULTA_SPEECH_WAV_DIR naming a
// folder, every utterance is written there as a WAV file and every call to
// the library as a line of sonsyn-trace.log.
#pragma once

#include <string>

#include "speech/engine/core/WaveData.h"

bool TraceOn();
void TraceLine(const std::string& line);
// Writes the next utterance file ("utterance-1.wav", ...) and says so in the
// log.
void TraceUtterance(const Pcm& pcm);
