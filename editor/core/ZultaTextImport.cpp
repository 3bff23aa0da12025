// Whole plain-text files opened as a document.
#include "editor/core/ImportedText.h"
#include "editor/core/ZultaFile.h"
#include "hebtext/core/UnicodeHebrew.h"

BOOL CZultaFile::ImportPlainTextFile(ZultaDocData& doc) {
  ImportPlainText(doc, DecodeTextFile(m_data, m_size));
  return TRUE;
}
