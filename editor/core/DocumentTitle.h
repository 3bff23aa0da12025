// Whether a file is a native document, and its Hebrew title, for the file
// dialogs' lists. Only the signature, the header and the title block are
// read, and the title only up to a bound, so neither a large nor a crafted
// file costs more than a few hundred bytes.
#pragma once

#include <cstddef>

#include "classlib/core/CString.h"

// Byte ranges of a file.
class IFileRangeSource {
 public:
  virtual ~IFileRangeSource() = default;
  virtual DWORD GetSize() = 0;
  // FALSE when the range cannot be read whole.
  virtual BOOL ReadRange(DWORD offset, size_t length, BYTE* out) = 0;
};

// A file already in memory.
class MemoryRangeSource : public IFileRangeSource {
 public:
  MemoryRangeSource(const BYTE* data, size_t size) : m_data(data), m_size(size) {}
  DWORD GetSize() override;
  BOOL ReadRange(DWORD offset, size_t length, BYTE* out) override;

 private:
  const BYTE* m_data;
  size_t m_size;
};

enum DocumentProbe {
  kProbeOtherFile,       // not a native document, or not readable at all
  kProbeNativeDocument,  // a native signature with a version other than 0
};

// The title a native document shows when its own cannot be read: the first
// five letters, alef to he, in the program's character code.
extern const char kPlaceholderDocumentTitle[];
// Longer titles are cut to this many bytes; the dialogs show far fewer.
const size_t kMaxListedTitleBytes = 1024;

// The kind of the file; title is the document's title when its header and
// title block read, else the placeholder (and for other files too).
DocumentProbe ReadDocumentTitle(IFileRangeSource& file, CString& title);
// The same for a file on disk, opened read-only; a file that cannot be
// opened is another file.
DocumentProbe ReadDocumentTitleFromFile(LPCSTR path, CString& title);
