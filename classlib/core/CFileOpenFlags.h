// CFile's open flags read once for both platforms; each passes the values its
// own open call takes.
#pragma once

#include "classlib/core/CFile.h"

// The value for the access the flags ask: modeRead, modeWrite or modeReadWrite.
template <class T>
T AccessFor(UINT nOpenFlags, T read, T write, T readWrite) {
  switch (nOpenFlags & 3) {
    case CFile::modeRead: return read;
    case CFile::modeWrite: return write;
    default: return readWrite;
  }
}

// The value for what opening does when the file is missing or present:
// without modeCreate it must exist; with it, it is made, and emptied unless
// modeNoTruncate.
template <class T>
T CreationFor(UINT nOpenFlags, T openExisting, T openAlways, T createAlways) {
  if (!(nOpenFlags & CFile::modeCreate)) return openExisting;
  return (nOpenFlags & CFile::modeNoTruncate) ? openAlways : createAlways;
}
