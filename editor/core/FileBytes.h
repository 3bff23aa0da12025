// Little-endian integers of document files, written and read byte by byte so
// that files do not depend on the machine's byte order, and a reader that
// never steps outside the bytes it was given.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "classlib/core/WinTypes.h"

typedef std::vector<BYTE> ByteBuffer;

inline void PutU8(ByteBuffer& out, UINT value) { out.push_back(static_cast<BYTE>(value)); }
inline void PutU16LE(ByteBuffer& out, UINT value) {
  out.push_back(static_cast<BYTE>(value));
  out.push_back(static_cast<BYTE>(value >> 8));
}
inline void PutU32LE(ByteBuffer& out, DWORD value) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<BYTE>(value >> (8 * i)));
}
inline void WriteU16LE(BYTE* bytes, UINT value) {
  bytes[0] = static_cast<BYTE>(value);
  bytes[1] = static_cast<BYTE>(value >> 8);
}
inline void WriteU32LE(BYTE* bytes, DWORD value) {
  for (int i = 0; i < 4; ++i) bytes[i] = static_cast<BYTE>(value >> (8 * i));
}
inline UINT GetU16LE(const BYTE* bytes) { return bytes[0] | (bytes[1] << 8); }
inline DWORD ReadU32LE(const BYTE* bytes) {
  return bytes[0] | (bytes[1] << 8) | (bytes[2] << 16) | (static_cast<DWORD>(bytes[3]) << 24);
}

// Reads from a byte range. A read past the end gives 0 and marks the reader
// failed, so a caller checks once after a group of reads.
class ByteReader {
 public:
  ByteReader() = default;
  ByteReader(const BYTE* data, size_t size) : m_data(data), m_size(size) {}

  BOOL Failed() const { return m_failed; }
  size_t Remaining() const { return m_size - m_pos; }
  BOOL AtEnd() const { return m_pos >= m_size; }
  size_t Position() const { return m_pos; }
  const BYTE* Data() const { return m_data; }
  size_t Size() const { return m_size; }

  // FALSE, marking the reader failed, when n bytes are not left.
  BOOL Need(size_t n) {
    if (m_failed || n > Remaining()) {
      m_failed = TRUE;
      return FALSE;
    }
    return TRUE;
  }
  UINT GetU8() { return Need(1) ? m_data[m_pos++] : 0; }
  UINT GetU16LE() {
    if (!Need(2)) return 0;
    m_pos += 2;
    return ::GetU16LE(m_data + m_pos - 2);
  }
  DWORD GetU32LE() {
    if (!Need(4)) return 0;
    m_pos += 4;
    return ReadU32LE(m_data + m_pos - 4);
  }
  // The next n bytes, null (failed) when they are not there.
  const BYTE* Take(size_t n) {
    if (!Need(n)) return nullptr;
    m_pos += n;
    return m_data + m_pos - n;
  }
  // A NUL-terminated string of at most maxLength bytes; FALSE (failed) when
  // no terminator comes within the bytes left or the limit.
  BOOL GetCString(std::string& text, size_t maxLength);

 private:
  const BYTE* m_data = nullptr;
  size_t m_size = 0;
  size_t m_pos = 0;
  BOOL m_failed = FALSE;
};
