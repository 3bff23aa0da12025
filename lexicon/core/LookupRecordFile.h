// One list database (HLCDB or HLCDEF) as the lookup list reads it: the data
// file kept open on one handle for reading rows at their offsets, and its
// index loaded whole on the first positioning, which finds the row at which
// a typed text would stand by one index bisection and one block read.
#pragma once

#include <vector>

#include "classlib/core/CFile.h"
#include "classlib/core/CString.h"
#include "classlib/core/WinTypes.h"

// How a record sorts against the typed text: below 0 when the record comes
// first. fine asks for the finer order among records of the same key.
class LookupRecordOrder {
 public:
  virtual ~LookupRecordOrder() = default;
  virtual int Compare(const BYTE* record, bool fine) const = 0;
};

class LookupRecordFile {
 public:
  LookupRecordFile(int recordSize, DWORD blockBytes);
  ~LookupRecordFile();
  LookupRecordFile(const LookupRecordFile&) = delete;
  LookupRecordFile& operator=(const LookupRecordFile&) = delete;

  // Opens the data file (closing any open one) and forgets the index; false
  // when it cannot be opened, which leaves no rows.
  bool Open(LPCSTR dataPath, LPCSTR indexPath);
  void Close();
  DWORD RecordCount() const { return m_recordCount; }

  // The record of the row; false, with the record zeroed, when it cannot
  // be read.
  bool ReadRecord(DWORD row, BYTE* record);

  // The first row whose record does not sort below the typed text, or -1
  // when the index cannot be read or the text sorts after every record.
  long FindRow(const LookupRecordOrder& order);

 private:
  bool LoadIndex();
  bool ReadBytes(DWORD offset, BYTE* bytes, UINT count);

  const int m_recordSize;
  const DWORD m_blockBytes;
  CFile m_data;
  bool m_open = false;
  DWORD m_recordCount = 0;
  CString m_indexPath;
  bool m_indexLoaded = false;
  std::vector<BYTE> m_index;
};
