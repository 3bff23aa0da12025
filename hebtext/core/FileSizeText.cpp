#include "hebtext/core/FileSizeText.h"

void FormatKBytes(DWORD size, CString& text) {
  if (size < 1024) {
    text = "1KB";
    return;
  }
  // Rounded half up: 512 bytes over a whole kilobyte count as one more.
  unsigned kBytes = static_cast<unsigned>((static_cast<unsigned long long>(size) + 512) / 1024);
  if (size / 1024 < 1000)
    text.Format("%uKB", kBytes);
  else
    text.Format("%u,%03uKB", kBytes / 1000, kBytes % 1000);
}
