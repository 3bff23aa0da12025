#include "langmodule/tests/win/GerlexTestSupport.h"

#include <gtest/gtest.h>

const char kProductKey[] = "Software\\Norvane\\Vocarin Spokwell 5.0";
const char kUiLanguagesKey[] = "Software\\Norvane\\Vocarin Spokwell 5.0\\UserInterfaceLanguages";
const char kGermanDialectKey[] =
    "Software\\Norvane\\Vocarin Spokwell 5.0\\UserInterfaceLanguages\\4\\0";

std::string FolderOf(const std::string& path) { return path.substr(0, path.rfind('\\') + 1); }

std::string BuiltModulePath() {
  char program[MAX_PATH];
  DWORD length = GetModuleFileNameA(nullptr, program, sizeof program);
  EXPECT_TRUE(length > 0 && length < sizeof program);
  return FolderOf(std::string(program, length)) + "gerlex.uil";
}

std::string TemporaryPath(const char* folderName, const char* fileName) {
  char temp[MAX_PATH];
  GetTempPathA(sizeof temp, temp);
  std::string folder = std::string(temp) + folderName;
  CreateDirectoryA(folder.c_str(), nullptr);
  return folder + "\\" + fileName;
}

bool KeyExists(const std::string& path) {
  HKEY key;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) {
    return false;
  }
  RegCloseKey(key);
  return true;
}

RegistryValue ReadValue(const std::string& keyPath, const char* name) {
  RegistryValue value;
  HKEY key;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, keyPath.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) {
    return value;
  }
  DWORD size = 0;
  if (RegQueryValueExA(key, name, nullptr, &value.type, nullptr, &size) == ERROR_SUCCESS) {
    value.data.resize(size);
    value.found = RegQueryValueExA(key, name, nullptr, &value.type, value.data.data(), &size) ==
                  ERROR_SUCCESS;
    value.data.resize(size);
  }
  RegCloseKey(key);
  return value;
}

namespace {

void QueryCounts(const std::string& keyPath, DWORD* subkeys, DWORD* values) {
  HKEY key;
  ASSERT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, keyPath.c_str(), 0, KEY_READ, &key), ERROR_SUCCESS)
      << keyPath;
  EXPECT_EQ(RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, subkeys, nullptr, nullptr, values,
                             nullptr, nullptr, nullptr, nullptr),
            ERROR_SUCCESS);
  RegCloseKey(key);
}

}  // namespace

DWORD CountValues(const std::string& keyPath) {
  DWORD subkeys = 0, values = 0;
  QueryCounts(keyPath, &subkeys, &values);
  return values;
}

DWORD CountSubkeys(const std::string& keyPath) {
  DWORD subkeys = 0, values = 0;
  QueryCounts(keyPath, &subkeys, &values);
  return subkeys;
}

void CreateKey(const std::string& path, const char* valueName, DWORD options) {
  HKEY key;
  ASSERT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, nullptr, options, KEY_ALL_ACCESS,
                            nullptr, &key, nullptr),
            ERROR_SUCCESS)
      << path;
  RegCloseKey(key);
  if (valueName) SetTextValue(path, valueName, "other");
}

void SetTextValue(const std::string& keyPath, const char* name, const std::string& text) {
  HKEY key;
  ASSERT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, keyPath.c_str(), 0, KEY_SET_VALUE, &key),
            ERROR_SUCCESS);
  EXPECT_EQ(RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                           static_cast<DWORD>(text.size() + 1)),
            ERROR_SUCCESS);
  RegCloseKey(key);
}

void DeleteProductTree() {
  RegDeleteTreeA(HKEY_LOCAL_MACHINE, kProductKey);
  RegDeleteKeyA(HKEY_LOCAL_MACHINE, kProductKey);
  ASSERT_FALSE(KeyExists(kProductKey));
}

std::vector<BYTE> TextData(const std::string& text) {
  return std::vector<BYTE>(text.c_str(), text.c_str() + text.size() + 1);
}

LoadedModule::LoadedModule(const std::string& path) : module_(LoadLibraryA(path.c_str())) {}

LoadedModule::~LoadedModule() {
  if (module_) FreeLibrary(module_);
}

HRESULT LoadedModule::Register() const { return Call("DllRegisterServer"); }

HRESULT LoadedModule::Unregister() const { return Call("DllUnregisterServer"); }

HRESULT LoadedModule::Call(const char* exportName) const {
  using Registration = HRESULT(STDAPICALLTYPE*)();
  auto function =
      reinterpret_cast<Registration>(reinterpret_cast<void*>(GetProcAddress(module_, exportName)));
  EXPECT_NE(function, nullptr) << exportName;
  return function ? function() : E_FAIL;
}

DWORD RunRegsvr32(const std::string& arguments) {
  std::string commandLine = "regsvr32.exe " + arguments;
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process = {};
  if (!CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &process)) {
    ADD_FAILURE() << "regsvr32 did not start: " << GetLastError();
    return DWORD(-1);
  }
  WaitForSingleObject(process.hProcess, INFINITE);
  DWORD exitCode = DWORD(-1);
  GetExitCodeProcess(process.hProcess, &exitCode);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return exitCode;
}
