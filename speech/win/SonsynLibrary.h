// The speech engine library: found through its registry key, loaded, and
// its functions bound by ordinal.
#pragma once

#include <windows.h>

#include "speech/engine/SonsynApi.h"

// The library from the folder the engine's registry key names; nullptr when
// the key, its value or the library is missing (nothing is said).
HMODULE LoadSonsynLibrary();

// The engine's functions. A table is whole or empty: a library that lacks
// one of them gives no engine, never a call through a null pointer.
struct SonsynCalls {
  TtsCreateFn create = nullptr;
  TtsDestroyFn destroy = nullptr;
  TtsSetOptionFn setOption = nullptr;
  TtsSetVoiceValueFn setVoiceValue = nullptr;
  TtsQueueTextFn queueText = nullptr;
  TtsQueueMarkerFn queueMarker = nullptr;
  TtsStartOutputFn startOutput = nullptr;
  TtsAbortFn abort = nullptr;
  TtsIsBusyFn isBusy = nullptr;
  TtsSetNotifierFn setNotifier = nullptr;

  bool IsWhole() const;
};

// The library's functions; an empty table for a null module or when an
// ordinal is missing.
SonsynCalls BindSonsynCalls(HMODULE hLibrary);
