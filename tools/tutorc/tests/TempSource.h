// A source file of the tests' own in the temporary folder, removed with it,
// and the message of the SourceError a compile of it throws.
#pragma once

#include <filesystem>
#include <fstream>
#include <functional>
#include <random>
#include <string>

#include "tools/grammarc/SourceReader.h"

class TempSource {
 public:
  TempSource()
      : m_path(std::filesystem::temp_directory_path() /
               ("zulta-tutorc-" + std::to_string(std::random_device()()) + ".txt")) {}
  ~TempSource() {
    std::error_code ignored;
    std::filesystem::remove(m_path, ignored);
  }

  // The path of a file now holding text.
  std::string Write(const std::string& text) {
    std::ofstream(m_path) << text;
    return m_path.string();
  }

  // The message of the error compile throws, or "" when it throws none.
  static std::string ErrorOf(const std::function<void()>& compile) {
    try {
      compile();
    } catch (const SourceError& error) {
      return error.what();
    }
    return "";
  }

 private:
  std::filesystem::path m_path;
};
