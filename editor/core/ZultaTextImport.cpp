// Whole plain-text files opened as a document.
#include "editor/core/ImportedText.h"
#include "editor/core/ZultaFile.h"
#include "hebtext/core/AnsiImport.h"
#include "hebtext/core/PointedText.h"
#include "hebtext/core/TextLines.h"

BOOL CZultaFile::ImportPlainTextFile(ZultaDocData& doc) {
  if (m_size == 0) return TRUE;
  CString text(reinterpret_cast<const char*>(m_data), static_cast<int>(m_size));
  NormalizeLineEndsToCr(text);
  NormalizeMarkOrder(text);
  ConvertImportedText(text, kVavThenHolam);
  int sideIndex = ChooseImportSide(text, text.GetLength());
  ZultaSideData& side = doc.sides[sideIndex];
  CString letters;
  CByteArray vowels;
  SeparateConsonantsFromVowels(text, letters, vowels);
  side.letters.assign(static_cast<LPCSTR>(letters), letters.GetLength());
  side.points.assign(vowels.GetData(), vowels.GetData() + vowels.GetSize());
  side.points.resize(side.letters.size());
  side.attrs.assign(side.letters.size(), 0);
  return TRUE;
}
