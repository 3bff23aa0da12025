// Test helpers for the reference data under hebtext/tests/core/data, found
// through the source folder the test runner names (ZULTA_SOURCE_DIR).
#pragma once

#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "classlib/core/WinTypes.h"

namespace fixture {

// The lines of the file that are not comments; empty when it is missing,
// which the caller reports.
inline std::vector<std::string> DataLines(const std::string& name) {
  const char* root = std::getenv("ZULTA_SOURCE_DIR");
  std::ifstream in(std::string(root ? root : ".") + "/hebtext/tests/core/data/" + name);
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line[0] != '#') lines.push_back(line);
  }
  return lines;
}

// "05D0 05B8" as UTF-16 text.
inline std::basic_string<WCHAR> HexUnits(const std::string& hex) {
  std::basic_string<WCHAR> units;
  std::istringstream in(hex);
  for (std::string unit; in >> unit;) {
    units += static_cast<WCHAR>(std::stoul(unit, nullptr, 16));
  }
  return units;
}

inline std::vector<std::string> Split(const std::string& line, char separator) {
  std::vector<std::string> fields;
  std::istringstream in(line);
  for (std::string field; std::getline(in, field, separator);) fields.push_back(field);
  return fields;
}

// A code page table of data/make-fixtures.py ("cp1255.txt"): each byte's
// character by Python's codec; bytes the codec leaves undefined are absent.
inline std::map<int, UINT> CodePageUnits(const std::string& name) {
  std::map<int, UINT> units;
  for (const std::string& line : DataLines(name)) {
    const auto fields = Split(line, ' ');
    if (fields.at(1) != "-") {
      units[std::stoi(fields.at(0), nullptr, 16)] = std::stoul(fields.at(1), nullptr, 16);
    }
  }
  return units;
}

}  // namespace fixture
