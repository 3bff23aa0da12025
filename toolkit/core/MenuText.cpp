#include "toolkit/core/MenuText.h"

namespace {

constexpr char kAmpersand = '&';

}  // namespace

// One pass, so that no other text of the item can be mistaken for a doubled ampersand.
void StripMnemonics(CString& text) {
  CString stripped;
  for (int i = 0; i < text.GetLength(); ++i) {
    if (text[i] != kAmpersand) {
      stripped += text[i];
    } else if (i + 1 < text.GetLength() && text[i + 1] == kAmpersand) {
      stripped += "&&";
      ++i;
    }
  }
  text = stripped;
}
