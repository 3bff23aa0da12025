// An open registry key that closes itself, so every early return of a
// registration step leaves no key open.
#pragma once

#include <windows.h>

class RegistryKey {
 public:
  RegistryKey() = default;
  ~RegistryKey() { Close(); }
  RegistryKey(const RegistryKey&) = delete;
  RegistryKey& operator=(const RegistryKey&) = delete;

  // Opens the key, creating what is missing of its path.
  bool Create(HKEY parent, const char* name) {
    Close();
    return RegCreateKeyExA(parent, name, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS,
                           nullptr, &key_, nullptr) == ERROR_SUCCESS;
  }

  bool Open(HKEY parent, const char* name) {
    Close();
    return RegOpenKeyExA(parent, name, 0, KEY_ALL_ACCESS, &key_) == ERROR_SUCCESS;
  }

  void Close() {
    if (key_) RegCloseKey(key_);
    key_ = nullptr;
  }

  operator HKEY() const { return key_; }

 private:
  HKEY key_ = nullptr;
};
