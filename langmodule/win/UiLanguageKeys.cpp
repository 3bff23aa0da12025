#include "langmodule/win/UiLanguageKeys.h"

#include "langmodule/core/LanguageIndex.h"
#include "langmodule/core/UiLanguageRecord.h"
#include "langmodule/win/RegistryKey.h"

#include <string>

namespace {

const char kProductKeyPath[] = "Software\\Norvane\\Vocarin Spokwell 5.0";
const char kUiLanguagesKeyPath[] =
    "Software\\Norvane\\Vocarin Spokwell 5.0\\UserInterfaceLanguages";

bool WriteUiLanguageKey(const UiLanguageRecord& record) {
  LanguageIndex index = LangIdToLanguageIndex(record.langId);
  RegistryKey languages, language, dialect;
  if (!languages.Create(HKEY_LOCAL_MACHINE, kUiLanguagesKeyPath) ||
      !language.Create(languages, std::to_string(index.language).c_str()) ||
      !dialect.Create(language, std::to_string(index.dialect).c_str())) {
    return false;
  }
  for (const UiLanguageText& value : record.texts) {
    // The engine reads the stored length, which counts the terminating zero.
    if (RegSetValueExA(dialect, value.name, 0, REG_SZ,
                       reinterpret_cast<const BYTE*>(value.text.c_str()),
                       static_cast<DWORD>(value.text.size() + 1)) != ERROR_SUCCESS) {
      return false;
    }
  }
  std::array<std::uint8_t, 2> langId = LangIdBytes(record.langId);
  return RegSetValueExA(dialect, "LANGID", 0, REG_BINARY, langId.data(),
                        static_cast<DWORD>(langId.size())) == ERROR_SUCCESS;
}

// Deletes parent\name, open as `key`, when it holds neither subkeys nor values,
// so other languages' keys and the engine's own values survive; closes `key`.
// False when the key cannot be asked or deleted.
bool RemoveIfEmpty(RegistryKey& key, HKEY parent, const char* name) {
  DWORD subkeys = 0;
  DWORD values = 0;
  if (RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, &subkeys, nullptr, nullptr, &values, nullptr,
                       nullptr, nullptr, nullptr) != ERROR_SUCCESS) {
    return false;
  }
  key.Close();
  return subkeys != 0 || values != 0 || RegDeleteKeyA(parent, name) == ERROR_SUCCESS;
}

bool DeleteDialectKey(HKEY languages, const std::string& language, const std::string& dialect) {
  RegistryKey languageKey;
  if (!languageKey.Open(languages, language.c_str())) return true;
  // A dialect key that cannot be deleted, most often because it is not there,
  // leaves nothing of ours to remove.
  if (RegDeleteKeyA(languageKey, dialect.c_str()) != ERROR_SUCCESS) return true;
  return RemoveIfEmpty(languageKey, languages, language.c_str());
}

bool DeleteUiLanguageKeys(std::uint16_t langId) {
  LanguageIndex index = LangIdToLanguageIndex(langId);
  RegistryKey languages;
  if (!languages.Open(HKEY_LOCAL_MACHINE, kUiLanguagesKeyPath)) return true;
  bool deleted =
      DeleteDialectKey(languages, std::to_string(index.language), std::to_string(index.dialect));
  // Whether the list itself could go does not change the outcome.
  RemoveIfEmpty(languages, HKEY_LOCAL_MACHINE, kUiLanguagesKeyPath);
  return deleted;
}

}  // namespace

bool RegisterUiLanguage(const char* folder) {
  return WriteUiLanguageKey(MakeGermanUiLanguageRecord(folder));
}

bool UnregisterUiLanguage() {
  if (!DeleteUiLanguageKeys(kGermanLangId)) return false;
  RegistryKey product;
  if (product.Open(HKEY_LOCAL_MACHINE, kProductKeyPath)) {
    RemoveIfEmpty(product, HKEY_LOCAL_MACHINE, kProductKeyPath);
  }
  return true;
}
