#include "shell/core/MulDiv.h"

#include <cstdint>
#include <cstdlib>

namespace shellcore {

int MulDiv(int a, int b, int c) {
  if (c == 0) return -1;
  const std::int64_t product = static_cast<std::int64_t>(a) * b;
  const std::int64_t magnitude =
      (std::llabs(product) + std::llabs(static_cast<std::int64_t>(c)) / 2) /
      std::llabs(static_cast<std::int64_t>(c));
  return static_cast<int>((product < 0) != (c < 0) ? -magnitude : magnitude);
}

}  // namespace shellcore
