#include "toolkit/core/IniBinaryText.h"

#include <cstring>

namespace {

constexpr char kFirstLetter = 'A';
constexpr int kNibbleBits = 4;
constexpr BYTE kNibbleMask = 0x0F;
constexpr int kLettersPerByte = 2;

// The four bits a letter stands for, or -1 for a letter that is not one.
int NibbleOf(char letter) {
  int nibble = letter - kFirstLetter;
  return nibble >= 0 && nibble <= kNibbleMask ? nibble : -1;
}

}  // namespace

CString EncodeIniBinary(const BYTE* data, UINT count) {
  CString text;
  char* letters = text.GetBufferSetLength(static_cast<int>(count) * kLettersPerByte);
  for (UINT i = 0; i < count; ++i) {
    *letters++ = static_cast<char>(kFirstLetter + (data[i] & kNibbleMask));
    *letters++ = static_cast<char>(kFirstLetter + (data[i] >> kNibbleBits));
  }
  text.ReleaseBuffer(static_cast<int>(count) * kLettersPerByte);
  return text;
}

bool DecodeIniBinary(const char* text, std::vector<BYTE>& bytes) {
  bytes.clear();
  size_t length = text == nullptr ? 0 : std::strlen(text);
  if (length % kLettersPerByte != 0) return false;
  std::vector<BYTE> decoded;
  decoded.reserve(length / kLettersPerByte);
  for (size_t i = 0; i < length; i += kLettersPerByte) {
    int low = NibbleOf(text[i]), high = NibbleOf(text[i + 1]);
    if (low < 0 || high < 0) return false;
    decoded.push_back(static_cast<BYTE>(high << kNibbleBits | low));
  }
  bytes.swap(decoded);
  return true;
}
