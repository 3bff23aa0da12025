// The eight dictionary files in the program's "bin" folder: their names,
// record sizes and index strides. No file has a header; a file's record
// count is its length divided by its record size.
#pragma once

#include "classlib/core/CString.h"
#include "classlib/core/WinTypes.h"

namespace DictionaryFile {

// The word databases hold 5-byte packed word records, the definition
// databases 4-byte definition records.
constexpr LPCSTR kWordData = "MSPKDB.BIN";
constexpr LPCSTR kWordIndex = "MSPKDB.IDX";
constexpr LPCSTR kListWordData = "HLCDB.BIN";
constexpr LPCSTR kListWordIndex = "HLCDB.IDX";
constexpr LPCSTR kDefinitionData = "DEFIN.BIN";
constexpr LPCSTR kDefinitionIndex = "DEFIN.IDX";
constexpr LPCSTR kListDefinitionData = "HLCDEF.BIN";
constexpr LPCSTR kListDefinitionIndex = "HLCDEF.IDX";

// An index holds a copy of the record at the start of every block.
constexpr DWORD kWordBlockBytes = 5000;
constexpr DWORD kDefinitionBlockBytes = 1000;

}  // namespace DictionaryFile

// The file's path in the folder that holds the database files.
CString DictionaryFilePath(LPCSTR binFolder, LPCSTR name);
