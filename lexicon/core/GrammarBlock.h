// One loaded table of the grammar files: its bytes in a buffer it owns, and
// absent (the empty table) when nothing is loaded.
#pragma once

#include <cstddef>
#include <vector>

#include "classlib/core/WinTypes.h"

class GrammarBlock {
 public:
  bool IsPresent() const { return !m_bytes.empty(); }
  const BYTE* Data() const { return m_bytes.empty() ? nullptr : m_bytes.data(); }
  size_t Size() const { return m_bytes.size(); }

  void Assign(const BYTE* bytes, size_t size) { m_bytes.assign(bytes, bytes + size); }
  // Zero-filled room for size bytes, for a table with spare records.
  BYTE* Allocate(size_t size) {
    m_bytes.assign(size, 0);
    return m_bytes.data();
  }
  void Free() { std::vector<BYTE>().swap(m_bytes); }

 private:
  std::vector<BYTE> m_bytes;
};
