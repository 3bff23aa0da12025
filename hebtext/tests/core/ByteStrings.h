// Test helpers for the conversions: text written as lists of byte codes, and
// strings shown as code lists when an expectation fails.
#pragma once

#include <initializer_list>
#include <string>
#include <vector>

#include "classlib/core/CString.h"

namespace bytes {

typedef std::vector<int> Codes;

inline CString Text(const Codes& codes) {
  std::string s;
  for (int c : codes) s += static_cast<char>(c);
  return CString(s.data(), static_cast<int>(s.size()));
}

inline Codes CodesOf(const CString& text) {
  Codes codes;
  for (int i = 0; i < text.GetLength(); ++i) codes.push_back(static_cast<unsigned char>(text[i]));
  return codes;
}

template <typename Unit>
Codes CodesOf(const std::basic_string<Unit>& text) {
  Codes codes;
  for (Unit u : text) codes.push_back(static_cast<int>(u));
  return codes;
}

}  // namespace bytes
