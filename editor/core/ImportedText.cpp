#include "editor/core/ImportedText.h"

#include "hebtext/core/AnsiImport.h"
#include "hebtext/core/HebChar.h"
#include "hebtext/core/VavOrder.h"

int ChooseImportSide(const char* text, size_t length) {
  size_t hebrew = 0;
  for (size_t i = 0; i < length; ++i) {
    BYTE c = static_cast<BYTE>(text[i]);
    if (IsHebrewLetter(c) || IsVowelCode(c)) ++hebrew;
  }
  return hebrew >= length - hebrew ? 1 : 0;
}

void ConvertImportedRuns(const ZultaDocData& doc, int side, std::string& text,
                         std::vector<DWORD>& attrs) {
  std::string out;
  std::vector<DWORD> words;
  size_t i = 0;
  while (i < text.size()) {
    size_t end = i + 1;
    while (end < text.size() && attrs[end] == attrs[i]) ++end;
    if (doc.IsHebrewFontAttr(side, attrs[i])) {
      CString run(text.data() + i, static_cast<int>(end - i));
      ConvertImportedText(run, kVavThenHolam);
      out.append(run, run.GetLength());
      words.insert(words.end(), run.GetLength(), attrs[i]);
    } else {
      out.append(text, i, end - i);
      words.insert(words.end(), end - i, attrs[i]);
    }
    i = end;
  }
  text.swap(out);
  attrs.swap(words);
}
