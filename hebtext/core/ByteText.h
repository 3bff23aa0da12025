// Byte access to the class library's string for the conversions, which read
// text as unsigned codes and build their results as plain byte strings.
#pragma once

#include <string>

#include "classlib/core/CString.h"
#include "classlib/core/WinTypes.h"

inline const BYTE* BytesOf(const CString& text) {
  return reinterpret_cast<const BYTE*>(static_cast<LPCTSTR>(text));
}

inline const BYTE* BytesOf(LPCSTR text) { return reinterpret_cast<const BYTE*>(text); }

inline std::string BytesString(const CString& text) {
  return std::string(static_cast<LPCTSTR>(text), text.GetLength());
}

// Sets text to the bytes, zero bytes included.
inline void AssignBytes(CString& text, const std::string& bytes) {
  text = CString(bytes.data(), static_cast<int>(bytes.size()));
}
