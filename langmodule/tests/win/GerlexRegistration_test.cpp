#include "langmodule/tests/win/GerlexTestSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

constexpr HRESULT kUnexpected = static_cast<HRESULT>(0x8000FFFF);

struct ExpectedValue {
  const char* name;
  DWORD type;
  std::vector<BYTE> data;
};

// Everything the German entry holds for a module in `folder`.
std::vector<ExpectedValue> GermanEntry(const std::string& folder) {
  return {
      {"Path", REG_SZ, TextData(folder + "gerlex.uil")},
      {"SAPI Help", REG_SZ, TextData(folder + "gerlexsapi.hlp")},
      {"Ref Help", REG_SZ, TextData(folder + "gerlexref.hlp")},
      {"Gen Help", REG_SZ, TextData(folder + "gerlexgen.hlp")},
      {"Lex Help", REG_SZ, TextData(folder + "gerlexlex.hlp")},
      {"LANGID", REG_BINARY, {0x07, 0x04}},
  };
}

void ExpectGermanEntry(const std::string& folder) {
  ASSERT_TRUE(KeyExists(kGermanDialectKey));
  for (const ExpectedValue& expected : GermanEntry(folder)) {
    RegistryValue value = ReadValue(kGermanDialectKey, expected.name);
    ASSERT_TRUE(value.found) << expected.name;
    EXPECT_EQ(value.type, expected.type) << expected.name;
    EXPECT_EQ(value.data, expected.data) << expected.name;
  }
  EXPECT_EQ(CountValues(kGermanDialectKey), 6u);
  EXPECT_EQ(CountSubkeys(kGermanDialectKey), 0u);
}

class GerlexRegistration : public testing::Test {
 protected:
  void SetUp() override {
    DeleteProductTree();
    ASSERT_TRUE(module_.Loaded()) << modulePath_;
  }
  void TearDown() override { DeleteProductTree(); }

  const std::string modulePath_ = BuiltModulePath();
  const LoadedModule module_{modulePath_};
};

TEST_F(GerlexRegistration, RegisterWritesEveryValueWithItsTypeAndLength) {
  ASSERT_EQ(module_.Register(), S_OK);
  ExpectGermanEntry(FolderOf(modulePath_));
  EXPECT_EQ(CountSubkeys(kUiLanguagesKey), 1u);
  EXPECT_EQ(CountSubkeys(std::string(kUiLanguagesKey) + "\\4"), 1u);
}

TEST_F(GerlexRegistration, RegisteringAgainOverwritesTheEntry) {
  ASSERT_EQ(module_.Register(), S_OK);
  SetTextValue(kGermanDialectKey, "Path", "C:\\stale\\gerlex.uil");
  SetTextValue(kGermanDialectKey, "LANGID", "x");
  ASSERT_EQ(module_.Register(), S_OK);
  ExpectGermanEntry(FolderOf(modulePath_));
  EXPECT_EQ(CountSubkeys(kUiLanguagesKey), 1u);
}

TEST_F(GerlexRegistration, UnregisterRemovesTheTreeWhenNothingElseIsLeft) {
  CreateKey("Software\\Norvane");
  ASSERT_EQ(module_.Register(), S_OK);
  ASSERT_EQ(module_.Unregister(), S_OK);
  EXPECT_FALSE(KeyExists(kUiLanguagesKey));
  EXPECT_FALSE(KeyExists(kProductKey));
  // The maker's key is not the module's to remove.
  EXPECT_TRUE(KeyExists("Software\\Norvane"));
}

TEST_F(GerlexRegistration, UnregisterSucceedsWhenNothingIsRegistered) {
  EXPECT_EQ(module_.Unregister(), S_OK);
  ASSERT_EQ(module_.Register(), S_OK);
  EXPECT_EQ(module_.Unregister(), S_OK);
  EXPECT_EQ(module_.Unregister(), S_OK);
  EXPECT_FALSE(KeyExists(kProductKey));
}

TEST_F(GerlexRegistration, RegisterFailsWhenTheLanguageKeyCannotBeCreated) {
  // A volatile key cannot hold lasting subkeys, so the language key fails.
  CreateKey(kUiLanguagesKey, nullptr, REG_OPTION_VOLATILE);
  EXPECT_EQ(module_.Register(), kUnexpected);
  EXPECT_FALSE(KeyExists(std::string(kUiLanguagesKey) + "\\4"));
}

// Keys and values of others under the engine's tree, present before the module
// registers; unregistering must leave every one of them.
struct OthersCase {
  const char* description;
  std::vector<std::pair<std::string, const char*>> others;  // key, value name or none
  std::vector<std::string> gone;                            // besides the German dialect key
};

void PrintTo(const OthersCase& othersCase, std::ostream* out) { *out << othersCase.description; }

class GerlexUnregisterAmongOthers : public GerlexRegistration,
                                    public testing::WithParamInterface<OthersCase> {};

TEST_P(GerlexUnregisterAmongOthers, RemovesOnlyTheGermanKeys) {
  for (const auto& other : GetParam().others) CreateKey(other.first, other.second);
  ASSERT_EQ(module_.Register(), S_OK);
  ASSERT_EQ(module_.Unregister(), S_OK);

  EXPECT_FALSE(KeyExists(kGermanDialectKey));
  for (const std::string& key : GetParam().gone) EXPECT_FALSE(KeyExists(key)) << key;
  for (const auto& other : GetParam().others) {
    EXPECT_TRUE(KeyExists(other.first)) << other.first;
    if (other.second) {
      EXPECT_EQ(ReadValue(other.first, other.second).data, TextData("other")) << other.first;
    }
  }
}

const std::string kUi = kUiLanguagesKey;
const std::string kProduct = kProductKey;

INSTANTIATE_TEST_SUITE_P(
    Cases, GerlexUnregisterAmongOthers,
    testing::Values(OthersCase{"another language", {{kUi + "\\1\\0", "Path"}}, {kUi + "\\4"}},
                    OthersCase{"another German dialect", {{kUi + "\\4\\1", "Path"}}, {}},
                    OthersCase{"a value of the German language key", {{kUi + "\\4", "Note"}}, {}},
                    OthersCase{"a value of the language list", {{kUi, "Default"}}, {kUi + "\\4"}},
                    OthersCase{
                        "another key of the product", {{kProduct + "\\Voices", nullptr}}, {kUi}},
                    OthersCase{"a value of the product", {{kProduct, "InstallDir"}}, {kUi}}),
    [](const testing::TestParamInfo<OthersCase>& info) {
      std::string name;
      for (const char* c = info.param.description; *c; ++c) {
        if (*c != ' ') name += *c;
      }
      return name;
    });

// The entry must name the folder the module really lies in, whatever the
// module's own file is called.
class GerlexRenamedModule : public GerlexRegistration,
                            public testing::WithParamInterface<const char*> {};

TEST_P(GerlexRenamedModule, RecordsItsOwnFolder) {
  std::string copy = TemporaryPath("gerlex renamed", GetParam());
  ASSERT_TRUE(CopyFileA(modulePath_.c_str(), copy.c_str(), FALSE)) << copy;
  {
    LoadedModule renamed(copy);
    ASSERT_TRUE(renamed.Loaded()) << copy;
    ASSERT_EQ(renamed.Register(), S_OK);
  }
  ExpectGermanEntry(FolderOf(copy));
  DeleteFileA(copy.c_str());
  RemoveDirectoryA(FolderOf(copy).c_str());
}

INSTANTIATE_TEST_SUITE_P(Names, GerlexRenamedModule,
                         testing::Values("de.uil", "gerlex-deutsch-sprachmodul.uil", "g.dll"));

}  // namespace
