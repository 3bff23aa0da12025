#include "shell/core/FrameMenuRules.h"

#include <cctype>

namespace framemenu {

bool IsDeveloperMenu(const char* text) {
  if (text == nullptr) return false;
  const char* expected = kDeveloperMenuText;
  for (; *text != '\0' && *expected != '\0'; ++text, ++expected)
    if (std::toupper(static_cast<unsigned char>(*text)) != *expected) return false;
  return *text == '\0' && *expected == '\0';
}

}  // namespace framemenu
