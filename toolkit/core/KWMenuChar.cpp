#include "toolkit/core/KWMenuChar.h"

#include <cctype>

namespace {

constexpr DWORD kMncExecute = 2;
constexpr DWORD kMncSelect = 3;
constexpr int kCommandShift = 16;

unsigned char Folded(unsigned char ch) {
  return static_cast<unsigned char>(std::toupper(ch));
}

DWORD Result(DWORD command, int position) {
  return (command << kCommandShift) | static_cast<DWORD>(position);
}

}  // namespace

unsigned char KWMnemonicOf(const CString& text) {
  const char* p = text;
  for (; *p != '\0'; ++p) {
    if (*p != '&') continue;
    if (p[1] != '&') return static_cast<unsigned char>(p[1]);
    ++p;  // a literal ampersand
  }
  return 0;
}

DWORD KWChooseMenuChar(const std::vector<KWMenuCharItem>& items, unsigned char typed) {
  if (typed == 0) return 0;
  std::vector<int> matches;
  int highlighted = -1;
  for (int i = 0; i < static_cast<int>(items.size()); ++i) {
    if (items[i].highlighted) highlighted = i;
    if (!items[i].ownerDrawn) continue;
    unsigned char mnemonic = KWMnemonicOf(items[i].text);
    if (mnemonic != 0 && Folded(mnemonic) == Folded(typed)) matches.push_back(i);
  }
  if (matches.empty()) return 0;
  if (matches.size() == 1) return Result(kMncExecute, matches[0]);
  for (int position : matches)
    if (position > highlighted) return Result(kMncSelect, position);
  return Result(kMncSelect, matches[0]);
}
