#include "editor/core/FileBytes.h"

#include <cstring>

BOOL ByteReader::GetCString(std::string& text, size_t maxLength) {
  text.clear();
  if (m_failed) return FALSE;
  size_t limit = Remaining() < maxLength + 1 ? Remaining() : maxLength + 1;
  const void* end = std::memchr(m_data + m_pos, 0, limit);
  if (!end) {
    m_failed = TRUE;
    return FALSE;
  }
  size_t length = static_cast<const BYTE*>(end) - (m_data + m_pos);
  text.assign(reinterpret_cast<const char*>(m_data + m_pos), length);
  m_pos += length + 1;
  return TRUE;
}
