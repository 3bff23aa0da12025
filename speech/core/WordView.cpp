#include "speech/core/WordView.h"

int LastLetterIndex(const BYTE* letters, int maxLength) {
  int length = 0;
  while (length < maxLength && letters[length] != 0) ++length;
  return length - 1;
}
