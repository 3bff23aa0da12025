#include "speech/win/SonsynLibrary.h"

#include <string>

namespace {

template <typename Fn>
bool Bind(HMODULE hLibrary, int ordinal, Fn& function) {
  // GetProcAddress takes an ordinal in the low word of the name pointer.
  function = reinterpret_cast<Fn>(reinterpret_cast<void*>(
      ::GetProcAddress(hLibrary, MAKEINTRESOURCEA(static_cast<WORD>(ordinal)))));
  return function != nullptr;
}

}  // namespace

HMODULE LoadSonsynLibrary() {
  HKEY hKey = nullptr;
  if (::RegOpenKeyExA(HKEY_LOCAL_MACHINE, SONSYN_REGISTRY_KEY, 0, KEY_READ, &hKey) != ERROR_SUCCESS)
    return nullptr;
  char folder[MAX_PATH] = {};
  DWORD size = sizeof(folder) - 1;
  DWORD type = 0;
  const LONG result = ::RegQueryValueExA(hKey, SONSYN_REGISTRY_VALUE, nullptr, &type,
                                         reinterpret_cast<BYTE*>(folder), &size);
  ::RegCloseKey(hKey);
  if (result != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ)) return nullptr;
  std::string path(folder);
  if (path.empty()) return nullptr;
  if (path.back() != '\\') path += '\\';
  path += SONSYN_LIBRARY_NAME;
  return ::LoadLibraryA(path.c_str());
}

bool SonsynCalls::IsWhole() const {
  return create && destroy && setOption && setVoiceValue && queueText && queueMarker &&
         startOutput && abort && isBusy && setNotifier;
}

SonsynCalls BindSonsynCalls(HMODULE hLibrary) {
  SonsynCalls calls;
  if (hLibrary == nullptr) return calls;
  const bool whole = Bind(hLibrary, kSonsynOrdCreate, calls.create) &&
                     Bind(hLibrary, kSonsynOrdDestroy, calls.destroy) &&
                     Bind(hLibrary, kSonsynOrdSetOption, calls.setOption) &&
                     Bind(hLibrary, kSonsynOrdSetVoiceValue, calls.setVoiceValue) &&
                     Bind(hLibrary, kSonsynOrdQueueText, calls.queueText) &&
                     Bind(hLibrary, kSonsynOrdQueueMarker, calls.queueMarker) &&
                     Bind(hLibrary, kSonsynOrdStartOutput, calls.startOutput) &&
                     Bind(hLibrary, kSonsynOrdAbort, calls.abort) &&
                     Bind(hLibrary, kSonsynOrdIsBusy, calls.isBusy) &&
                     Bind(hLibrary, kSonsynOrdSetNotifier, calls.setNotifier);
  return whole ? calls : SonsynCalls();
}
