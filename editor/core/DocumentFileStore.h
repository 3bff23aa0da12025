// Whole document files to and from memory for the file codecs. A save goes
// through a temporary file beside the target, which it replaces only once
// the new contents are completely written.
#pragma once

#include "classlib/core/CString.h"
#include "editor/core/FileBytes.h"

// Documents beyond this size are refused rather than read into memory.
constexpr DWORD kMaxDocumentFileSize = 256u * 1024 * 1024;

// FALSE, with the reason in error, when the file cannot be read whole.
BOOL LoadWholeFile(LPCSTR path, ByteBuffer& bytes, CString& error);
// FALSE, with the reason in error and the target untouched, when the
// contents cannot be written.
BOOL StoreFileReplacing(LPCSTR path, const ByteBuffer& bytes, CString& error);
