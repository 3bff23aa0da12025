#include "toolkit/core/MenuText.h"

namespace {

constexpr char kDoubledAmpersand[] = "&&";
// Stands in for a doubled ampersand while the single ones are removed.
constexpr char kDoubledPlaceholder[] = "^^";

}  // namespace

void StripMnemonics(CString& text) {
  if (text.Find(kDoubledAmpersand) < 0) {
    text.Remove('&');
    return;
  }
  text.Replace(kDoubledAmpersand, kDoubledPlaceholder);
  text.Remove('&');
  text.Replace(kDoubledPlaceholder, kDoubledAmpersand);
}
