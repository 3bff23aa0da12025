// espeak-ng, the Linux program that makes the sound: run as a child process
// (Wine starts Linux programs) through the shell, which writes the WAV file
// and then moves it into place whole, for the library to wait for. (A
// Linux child cannot write into a Windows pipe, and Wine gives no handle
// to wait on for it.)
#pragma once

#include <chrono>
#include <functional>
#include <string>
#include <vector>

#include "speech/engine/core/WaveData.h"

// Whether the program is there to be run.
bool EspeakAvailable();

// Waits up to the given time or until the output is aborted; false when aborted.
using EspeakPause = std::function<bool(std::chrono::milliseconds)>;

// Speaks espeak-ng phoneme input with the given voice arguments. False, with
// no sound, when the program cannot be run, gives no WAV in time, or the
// pause says the output was aborted.
bool RunEspeak(const std::vector<std::string>& voiceArguments, const std::string& phonemeInput,
               const EspeakPause& pause, Pcm& out);
