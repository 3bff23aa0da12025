// Whole-file reads and writes of the database record files, and the files
// derived from them: an index (the record at the start of every block) and
// a filtered copy.
#pragma once

#include <functional>
#include <vector>

#include "classlib/core/WinTypes.h"
#include "hebtext/core/UserMessage.h"

// False when the file cannot be opened or read whole.
bool ReadRecordFile(LPCSTR path, std::vector<BYTE>& bytes);
// False with a message when the file cannot be created or written whole.
bool WriteRecordFile(LPCSTR path, const BYTE* bytes, size_t size, UserMessageList& messages);

// The records at byte offsets 0, blockBytes, 2 x blockBytes ... of data: one
// for each block that begins before its end.
std::vector<BYTE> IndexOfRecords(const std::vector<BYTE>& data, int recordSize, DWORD blockBytes);

// Writes indexPath from dataPath. False with a message when the data file
// cannot be read, is not a whole number of records, or the index cannot
// be written.
bool WriteIndexFile(LPCSTR dataPath, LPCSTR indexPath, int recordSize, DWORD blockBytes,
                    UserMessageList& messages);

// Writes the records of sourcePath that keep accepts, in file order, to
// targetPath. False with a message as WriteIndexFile.
bool WriteFilteredFile(LPCSTR sourcePath, LPCSTR targetPath, int recordSize,
                       const std::function<bool(const BYTE*)>& keep, UserMessageList& messages);
