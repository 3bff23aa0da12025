#include "langmodule/core/ModulePath.h"

#include <cstring>

std::size_t FolderPartLength(const char* path) {
  const char* lastBackslash = std::strrchr(path, '\\');
  return lastBackslash ? static_cast<std::size_t>(lastBackslash - path) + 1 : 0;
}
