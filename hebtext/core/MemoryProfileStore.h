// A profile held in memory, for tests and tools that run without a registry.
#pragma once

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "hebtext/core/ProfileStore.h"

class MemoryProfileStore : public IProfileStore {
 public:
  UINT GetProfileInt(LPCSTR section, LPCSTR entry, int defaultValue) override;
  BOOL WriteProfileInt(LPCSTR section, LPCSTR entry, int value) override;
  CString GetProfileString(LPCSTR section, LPCSTR entry, LPCSTR defaultValue) override;
  BOOL WriteProfileString(LPCSTR section, LPCSTR entry, LPCSTR value) override;
  BOOL GetProfileBinary(LPCSTR section, LPCSTR entry, std::vector<BYTE>& data) override;
  BOOL WriteProfileBinary(LPCSTR section, LPCSTR entry, const BYTE* data, UINT size) override;

 private:
  // Like the registry, one value an entry: integers, strings and binary
  // values share the name space and a write replaces whatever was there.
  struct Value {
    enum Kind { Int, String, Binary } kind;
    int number;
    std::string bytes;
  };
  using Key = std::pair<std::string, std::string>;
  const Value* Find(LPCSTR section, LPCSTR entry) const;
  std::map<Key, Value> m_values;
};
