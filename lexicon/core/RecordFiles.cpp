#include "lexicon/core/RecordFiles.h"

#include "classlib/core/CFile.h"
#include "classlib/core/CFileException.h"
#include "lexicon/core/DatabaseBuildState.h"

namespace {

UserMessage FileNotReadMessage(LPCSTR path) {
  UserMessage message;
  message.text.Format("The file %s could not be read.", path);
  return message;
}

// The data file, which must hold whole records.
bool ReadWholeRecords(LPCSTR path, int recordSize, std::vector<BYTE>& bytes,
                      UserMessageList& messages) {
  if (ReadRecordFile(path, bytes) && bytes.size() % recordSize == 0) return true;
  messages.push_back(FileNotReadMessage(path));
  return false;
}

}  // namespace

bool ReadRecordFile(LPCSTR path, std::vector<BYTE>& bytes) {
  CFile file;
  if (!file.Open(path, CFile::modeRead | CFile::shareDenyWrite)) return false;
  try {
    const DWORD length = file.GetLength();
    bytes.assign(length, 0);
    return length == 0 || file.Read(bytes.data(), length) == length;
  } catch (CFileException* e) {
    e->Delete();
    return false;
  }
}

bool WriteRecordFile(LPCSTR path, const BYTE* bytes, size_t size, UserMessageList& messages) {
  CFile file;
  if (!file.Open(path, CFile::modeCreate | CFile::modeWrite | CFile::shareDenyWrite)) {
    messages.push_back(FileNotWrittenMessage(path));
    return false;
  }
  try {
    if (size != 0) file.Write(bytes, static_cast<UINT>(size));
    file.Close();
    return true;
  } catch (CFileException* e) {
    e->Delete();
    messages.push_back(FileNotWrittenMessage(path));
    return false;
  }
}

std::vector<BYTE> IndexOfRecords(const std::vector<BYTE>& data, int recordSize, DWORD blockBytes) {
  std::vector<BYTE> index;
  for (size_t offset = 0; offset + recordSize <= data.size(); offset += blockBytes) {
    index.insert(index.end(), data.begin() + offset, data.begin() + offset + recordSize);
  }
  return index;
}

bool WriteIndexFile(LPCSTR dataPath, LPCSTR indexPath, int recordSize, DWORD blockBytes,
                    UserMessageList& messages) {
  std::vector<BYTE> data;
  if (!ReadWholeRecords(dataPath, recordSize, data, messages)) return false;
  const std::vector<BYTE> index = IndexOfRecords(data, recordSize, blockBytes);
  return WriteRecordFile(indexPath, index.data(), index.size(), messages);
}

bool WriteFilteredFile(LPCSTR sourcePath, LPCSTR targetPath, int recordSize,
                       const std::function<bool(const BYTE*)>& keep, UserMessageList& messages) {
  std::vector<BYTE> data;
  if (!ReadWholeRecords(sourcePath, recordSize, data, messages)) return false;
  std::vector<BYTE> kept;
  for (size_t offset = 0; offset < data.size(); offset += recordSize) {
    if (keep(&data[offset])) kept.insert(kept.end(), &data[offset], &data[offset] + recordSize);
  }
  return WriteRecordFile(targetPath, kept.data(), kept.size(), messages);
}
