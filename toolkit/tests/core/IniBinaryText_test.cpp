#include "toolkit/core/IniBinaryText.h"

#include <gtest/gtest.h>

namespace {

struct EncodingCase {
  std::vector<BYTE> bytes;
  const char* text;
};

const EncodingCase kEncodings[] = {
    {{0x12, 0xAB}, "CBLK"},
    {{}, ""},
    {{0x00, 0xFF, 0x0F, 0xF0}, "AAPPPAAP"},
    {{0x5A}, "KF"},
};

TEST(IniBinaryText, EncodesTwoLettersPerByteLowNibbleFirst) {
  for (const EncodingCase& c : kEncodings) {
    CString text = EncodeIniBinary(c.bytes.data(), static_cast<UINT>(c.bytes.size()));
    EXPECT_STREQ(text, c.text);
  }
}

TEST(IniBinaryText, DecodesWhatItEncodes) {
  for (const EncodingCase& c : kEncodings) {
    std::vector<BYTE> bytes = {0x99};
    EXPECT_TRUE(DecodeIniBinary(c.text, bytes)) << c.text;
    EXPECT_EQ(bytes, c.bytes) << c.text;
  }
  std::vector<BYTE> all(256);
  for (int i = 0; i < 256; ++i) all[i] = static_cast<BYTE>(i);
  std::vector<BYTE> decoded;
  ASSERT_TRUE(DecodeIniBinary(EncodeIniBinary(all.data(), 256), decoded));
  EXPECT_EQ(decoded, all);
}

TEST(IniBinaryText, RefusesOddLengthAndForeignLetters) {
  for (const char* text : {"C", "CBL", "CBLQ", "cb", "A@", "AB CD"}) {
    std::vector<BYTE> bytes = {0x99};
    EXPECT_FALSE(DecodeIniBinary(text, bytes)) << text;
    EXPECT_TRUE(bytes.empty()) << text;
  }
  std::vector<BYTE> bytes = {0x99};
  EXPECT_TRUE(DecodeIniBinary(nullptr, bytes));
  EXPECT_TRUE(bytes.empty());
}

}  // namespace
