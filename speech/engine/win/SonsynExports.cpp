// The library's exported functions (ordinals in sonsyn.def): engine
// instances by handle. A handle that names no instance is ignored.
#include <windows.h>

#include <map>
#include <memory>
#include <mutex>

#include "speech/engine/SonsynApi.h"
#include "speech/engine/win/EspeakProcess.h"
#include "speech/engine/win/SonsynEngine.h"
#include "speech/engine/win/SpeechTrace.h"

namespace {

std::mutex g_instancesLock;
std::map<SonsynHandle, std::shared_ptr<SonsynEngine>> g_instances;
SonsynHandle g_lastHandle = 0;

// The instance stays alive while a call uses it, even if another thread
// destroys it meanwhile.
std::shared_ptr<SonsynEngine> Find(SonsynHandle handle) {
  std::lock_guard<std::mutex> hold(g_instancesLock);
  const auto found = g_instances.find(handle);
  return found == g_instances.end() ? nullptr : found->second;
}

constexpr int32_t kDone = 0;
constexpr int32_t kFailed = -1;

// Runs a call on the instance of a handle: kFailed for a handle that names
// none, or when the call fails. Nothing may escape to the caller but the
// result: a failed allocation is one more failure.
template <typename Call>
int32_t WithEngine(SonsynHandle handle, Call call) {
  try {
    const auto engine = Find(handle);
    if (!engine) return kFailed;
    call(*engine);
    return kDone;
  } catch (...) {
    return kFailed;
  }
}

}  // namespace

// Nothing may escape to the caller but the result: a failed allocation is an
// engine that cannot be made.
extern "C" SonsynHandle SONSYN_CALL TtsCreate() {
  try {
    // Without espeak-ng the instance could not speak.
    if (!EspeakAvailable()) {
      TraceLine("create: espeak-ng is missing");
      return 0;
    }
    std::lock_guard<std::mutex> hold(g_instancesLock);
    const SonsynHandle handle = ++g_lastHandle;
    g_instances[handle] = std::make_shared<SonsynEngine>(handle);
    TraceLine("create " + std::to_string(handle));
    return handle;
  } catch (...) {
    return 0;
  }
}

extern "C" void SONSYN_CALL TtsDestroy(SonsynHandle handle) {
  try {
    std::shared_ptr<SonsynEngine> engine;
    {
      std::lock_guard<std::mutex> hold(g_instancesLock);
      const auto found = g_instances.find(handle);
      if (found == g_instances.end()) return;
      engine = std::move(found->second);
      g_instances.erase(found);
    }
    TraceLine("destroy " + std::to_string(handle));
    engine->Abort();
  } catch (...) {
    // The instance is gone from the table; its output ends with it.
  }
}

extern "C" int32_t SONSYN_CALL TtsSetOption(SonsynHandle handle, int32_t option, int32_t value) {
  int32_t result = kSonsynOptionRefused;
  WithEngine(handle, [&](SonsynEngine& engine) { result = engine.SetOption(option, value); });
  return result;
}

extern "C" int32_t SONSYN_CALL TtsSetVoiceValue(SonsynHandle handle, int32_t bank, int32_t index,
                                                int32_t value) {
  bool stored = false;
  WithEngine(handle, [&](SonsynEngine& engine) { stored = engine.SetVoiceValue(bank, index, value); });
  return stored ? kDone : kFailed;
}

extern "C" int32_t SONSYN_CALL TtsQueueText(SonsynHandle handle, const char* text) {
  return WithEngine(handle, [&](SonsynEngine& engine) { engine.QueueText(text); });
}

extern "C" int32_t SONSYN_CALL TtsQueueMarker(SonsynHandle handle, uint32_t marker) {
  return WithEngine(handle, [&](SonsynEngine& engine) { engine.QueueMarker(marker); });
}

extern "C" int32_t SONSYN_CALL TtsStartOutput(SonsynHandle handle) {
  return WithEngine(handle, [](SonsynEngine& engine) { engine.StartOutput(); });
}

extern "C" int32_t SONSYN_CALL TtsAbort(SonsynHandle handle) {
  return WithEngine(handle, [](SonsynEngine& engine) { engine.Abort(); });
}

extern "C" int32_t SONSYN_CALL TtsIsBusy(SonsynHandle handle) {
  bool busy = false;
  WithEngine(handle, [&](SonsynEngine& engine) { busy = engine.IsBusy(); });
  return busy ? 1 : 0;
}

extern "C" int32_t SONSYN_CALL TtsSetNotifier(SonsynHandle handle, SonsynNotifier notifier,
                                              void* userData) {
  return WithEngine(handle,
                    [&](SonsynEngine& engine) { engine.SetNotifier(notifier, userData); });
}
