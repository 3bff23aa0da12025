#include "hebtext/core/EditValidation.h"

#include <cctype>

#include "classlib/core/CString.h"
#include "hebtext/core/NumberText.h"

BOOL IsMeasureUnitSuffix(LPCSTR text) {
  static const char* const kSuffixes[] = {"\"", " \"", " cm", " cm.", " mm", " mm."};
  CString suffix(text);
  for (const char* known : kSuffixes)
    if (suffix.CompareNoCase(known) == 0) return TRUE;
  return FALSE;
}

BOOL ValidateEditText(LPCSTR text, UINT flags) {
  bool punctSeen = false;
  for (const char* p = text; *p != '\0'; ++p) {
    int c = static_cast<unsigned char>(*p);
    if (IsDigitChar(c)) {
      if (!(flags & kEditAllowDigits)) return FALSE;
    } else if (c < 0x80 && isalpha(c)) {
      if (!(flags & kEditAllowLetters)) return FALSE;
    } else if (c == '-') {
      if (!(flags & kEditAllowDash)) return FALSE;
    } else if (c == '/') {
      if (!(flags & kEditAllowSlash)) return FALSE;
    } else if (IsMeasureUnitSuffix(p)) {
      return (flags & kEditAllowUnitSuffix) != 0;
    } else if (IsPunctNotDashSlash(c)) {
      if (!(flags & kEditAllowOnePunct) || punctSeen) return FALSE;
      punctSeen = true;
    }
  }
  return TRUE;
}
