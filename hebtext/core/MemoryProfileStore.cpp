#include "hebtext/core/MemoryProfileStore.h"

#include <cstdlib>

const MemoryProfileStore::Value* MemoryProfileStore::Find(LPCSTR section, LPCSTR entry) const {
  const auto it = m_values.find(Key(section, entry));
  return it == m_values.end() ? nullptr : &it->second;
}

UINT MemoryProfileStore::GetProfileInt(LPCSTR section, LPCSTR entry, int defaultValue) {
  const Value* value = Find(section, entry);
  if (value == nullptr || value->kind == Value::Binary) return static_cast<UINT>(defaultValue);
  if (value->kind == Value::String) return static_cast<UINT>(atoi(value->bytes.c_str()));
  return static_cast<UINT>(value->number);
}

BOOL MemoryProfileStore::WriteProfileInt(LPCSTR section, LPCSTR entry, int value) {
  m_values[Key(section, entry)] = Value{Value::Int, value, std::string()};
  return TRUE;
}

CString MemoryProfileStore::GetProfileString(LPCSTR section, LPCSTR entry, LPCSTR defaultValue) {
  const Value* value = Find(section, entry);
  if (value == nullptr || value->kind != Value::String) return CString(defaultValue);
  return CString(value->bytes.data(), static_cast<int>(value->bytes.size()));
}

BOOL MemoryProfileStore::WriteProfileString(LPCSTR section, LPCSTR entry, LPCSTR value) {
  // As in the registry, writing no value deletes the entry.
  if (value == nullptr)
    m_values.erase(Key(section, entry));
  else
    m_values[Key(section, entry)] = Value{Value::String, 0, std::string(value)};
  return TRUE;
}

BOOL MemoryProfileStore::GetProfileBinary(LPCSTR section, LPCSTR entry, std::vector<BYTE>& data) {
  data.clear();
  const Value* value = Find(section, entry);
  if (value == nullptr || value->kind != Value::Binary) return FALSE;
  data.assign(value->bytes.begin(), value->bytes.end());
  return TRUE;
}

BOOL MemoryProfileStore::WriteProfileBinary(LPCSTR section, LPCSTR entry, const BYTE* data,
                                            UINT size) {
  m_values[Key(section, entry)] =
      Value{Value::Binary, 0, std::string(reinterpret_cast<const char*>(data), size)};
  return TRUE;
}
