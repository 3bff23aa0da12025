// The module as a setup program meets it: through regsvr32.
#include "langmodule/tests/win/GerlexTestSupport.h"

#include <gtest/gtest.h>

namespace {

class GerlexRegsvr32 : public testing::Test {
 protected:
  void SetUp() override { DeleteProductTree(); }
  void TearDown() override { DeleteProductTree(); }

  const std::string modulePath_ = BuiltModulePath();
};

TEST_F(GerlexRegsvr32, RegistersAndUnregistersSilently) {
  ASSERT_EQ(RunRegsvr32("/s \"" + modulePath_ + "\""), 0u);
  EXPECT_EQ(ReadValue(kGermanDialectKey, "Path").data, TextData(modulePath_));
  EXPECT_EQ(ReadValue(kGermanDialectKey, "LANGID").data, (std::vector<BYTE>{0x07, 0x04}));

  ASSERT_EQ(RunRegsvr32("/u /s \"" + modulePath_ + "\""), 0u);
  EXPECT_FALSE(KeyExists(kProductKey));
}

TEST_F(GerlexRegsvr32, ReportsAFailedRegistration) {
  CreateKey(kUiLanguagesKey, nullptr, REG_OPTION_VOLATILE);
  EXPECT_NE(RunRegsvr32("/s \"" + modulePath_ + "\""), 0u);
  EXPECT_FALSE(KeyExists(kGermanDialectKey));
}

}  // namespace
