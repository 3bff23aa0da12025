// What the module's Windows tests share: where the built module is, the
// engine's registry tree, and the module loaded with its two exports.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

extern const char kProductKey[];
extern const char kUiLanguagesKey[];
extern const char kGermanDialectKey[];

// The module built beside the test program.
std::string BuiltModulePath();

// The folder part of a path, its trailing backslash included.
std::string FolderOf(const std::string& path);

// A file's path in a fresh folder of its own under the temporary folder.
std::string TemporaryPath(const char* folderName, const char* fileName);

// Registry access under HKEY_LOCAL_MACHINE.
struct RegistryValue {
  bool found = false;
  DWORD type = REG_NONE;
  std::vector<BYTE> data;
};
bool KeyExists(const std::string& path);
RegistryValue ReadValue(const std::string& keyPath, const char* name);
DWORD CountValues(const std::string& keyPath);
DWORD CountSubkeys(const std::string& keyPath);
// Creates the key (and its path); sets a text value when `valueName` is given.
void CreateKey(const std::string& path, const char* valueName = nullptr, DWORD options = 0);
void SetTextValue(const std::string& keyPath, const char* name, const std::string& text);
void DeleteProductTree();

// The text as REG_SZ data, terminating zero included.
std::vector<BYTE> TextData(const std::string& text);

// The module loaded from a path, with its exports.
class LoadedModule {
 public:
  explicit LoadedModule(const std::string& path);
  ~LoadedModule();
  LoadedModule(const LoadedModule&) = delete;
  LoadedModule& operator=(const LoadedModule&) = delete;

  bool Loaded() const { return module_ != nullptr; }
  HRESULT Register() const;
  HRESULT Unregister() const;

 private:
  HRESULT Call(const char* exportName) const;
  HMODULE module_;
};

// Runs regsvr32 with the arguments and returns its exit code.
DWORD RunRegsvr32(const std::string& arguments);
