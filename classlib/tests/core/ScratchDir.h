// A fresh folder under the system's temporary folder for tests that need
// real files; it goes, with everything in it, when the object does.
#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>

class ScratchDir {
 public:
  ScratchDir() {
    std::random_device random;
    const std::filesystem::path base = std::filesystem::temp_directory_path();
    do {
      m_path = base / ("zulta-test-" + std::to_string(random()));
    } while (!std::filesystem::create_directory(m_path));
  }
  ~ScratchDir() {
    std::error_code ignored;
    std::filesystem::remove_all(m_path, ignored);
  }
  ScratchDir(const ScratchDir&) = delete;
  ScratchDir& operator=(const ScratchDir&) = delete;

  // The path of an entry of the folder.
  std::string Path(const std::string& name) const { return (m_path / name).string(); }

  std::string Write(const std::string& name, const std::string& bytes) const {
    std::ofstream(Path(name), std::ios::binary) << bytes;
    return Path(name);
  }

  std::string Read(const std::string& name) const {
    std::ifstream in(Path(name), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }

 private:
  std::filesystem::path m_path;
};
