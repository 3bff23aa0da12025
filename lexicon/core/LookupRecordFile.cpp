#include "lexicon/core/LookupRecordFile.h"

#include <cstring>

#include "classlib/core/CFileException.h"
#include "lexicon/core/RecordFiles.h"

LookupRecordFile::LookupRecordFile(int recordSize, DWORD blockBytes)
    : m_recordSize(recordSize), m_blockBytes(blockBytes) {}

LookupRecordFile::~LookupRecordFile() { Close(); }

bool LookupRecordFile::Open(LPCSTR dataPath, LPCSTR indexPath) {
  Close();
  m_indexPath = indexPath;
  if (!m_data.Open(dataPath, CFile::modeRead | CFile::shareDenyWrite)) return false;
  m_open = true;
  try {
    m_recordCount = m_data.GetLength() / m_recordSize;
  } catch (CFileException* e) {
    e->Delete();
    Close();
  }
  return m_open;
}

void LookupRecordFile::Close() {
  if (m_open) m_data.Abort();
  m_open = false;
  m_recordCount = 0;
  m_indexLoaded = false;
  m_index.clear();
}

bool LookupRecordFile::ReadBytes(DWORD offset, BYTE* bytes, UINT count) {
  if (!m_open) return false;
  try {
    m_data.Seek(static_cast<LONG>(offset), CFile::begin);
    return m_data.Read(bytes, count) == count;
  } catch (CFileException* e) {
    e->Delete();
    return false;
  }
}

bool LookupRecordFile::ReadRecord(DWORD row, BYTE* record) {
  if (row < m_recordCount &&
      ReadBytes(row * m_recordSize, record, static_cast<UINT>(m_recordSize)))
    return true;
  std::memset(record, 0, m_recordSize);
  return false;
}

bool LookupRecordFile::LoadIndex() {
  if (!m_indexLoaded) {
    m_indexLoaded = true;
    if (!ReadRecordFile(m_indexPath, m_index)) m_index.clear();
  }
  return m_index.size() >= static_cast<size_t>(m_recordSize);
}

long LookupRecordFile::FindRow(const LookupRecordOrder& order) {
  if (!m_open || !LoadIndex()) return -1;
  const DWORD entries = static_cast<DWORD>(m_index.size() / m_recordSize);
  // The last block whose first record does not sort after the text.
  DWORD low = 0;
  DWORD high = entries;
  while (low < high) {
    const DWORD middle = (low + high) / 2;
    if (order.Compare(&m_index[middle * m_recordSize], false) <= 0)
      low = middle + 1;
    else
      high = middle;
  }
  const DWORD block = low > 0 ? low - 1 : 0;
  const bool exact = order.Compare(&m_index[block * m_recordSize], false) == 0;
  // Equal records may begin in the block before, within its last half.
  const DWORD blockStart = block * m_blockBytes;
  const DWORD start = exact && block > 0 ? blockStart - m_blockBytes / 2 : blockStart;
  const DWORD fileBytes = m_recordCount * m_recordSize;
  const DWORD end = blockStart + m_blockBytes < fileBytes ? blockStart + m_blockBytes : fileBytes;
  if (start >= end) return -1;
  std::vector<BYTE> window(end - start);
  if (!ReadBytes(start, window.data(), static_cast<UINT>(window.size()))) return -1;

  const DWORD count = static_cast<DWORD>(window.size() / m_recordSize);
  low = 0;
  high = count;
  while (low < high) {
    const DWORD middle = (low + high) / 2;
    if (order.Compare(&window[middle * m_recordSize], false) < 0)
      low = middle + 1;
    else
      high = middle;
  }
  // Among records of the same key, the first the finer order puts at or
  // after the text.
  while (low < count && order.Compare(&window[low * m_recordSize], false) == 0 &&
         order.Compare(&window[low * m_recordSize], true) < 0)
    ++low;
  const DWORD row = start / m_recordSize + low;
  return row < m_recordCount ? static_cast<long>(row) : -1;
}
