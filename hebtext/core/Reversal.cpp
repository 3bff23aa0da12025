#include "hebtext/core/Reversal.h"

#include <algorithm>

namespace {

// The range [first, last) within size elements; empty when start is outside.
bool ClampRange(int size, int start, int count, int& first, int& last) {
  if (start < 0 || start >= size) return false;
  first = start;
  last = count < 0 || count > size - start ? size : start + count;
  return true;
}

template <typename Array>
void ReverseArrayRange(Array& values, int start, int count) {
  int first = 0;
  int last = 0;
  if (ClampRange(values.GetSize(), start, count, first, last))
    std::reverse(values.GetData() + first, values.GetData() + last);
}

}  // namespace

void ReverseCStringRange(CString& text, int start, int count) {
  int first = 0;
  int last = 0;
  if (!ClampRange(text.GetLength(), start, count, first, last)) return;
  char* data = text.GetBuffer(text.GetLength());
  std::reverse(data + first, data + last);
  text.ReleaseBuffer(text.GetLength());
}

void ReverseByteArrayRange(CByteArray& bytes, int start, int count) {
  ReverseArrayRange(bytes, start, count);
}

void ReverseDWordArrayRange(CDWordArray& values, int start, int count) {
  ReverseArrayRange(values, start, count);
}
