// What the plain-text and RTF imports share: the side a file's text goes
// to, and the conversion of its Windows-1255 runs into program codes.
#pragma once

#include <string>
#include <vector>

#include "editor/core/ZultaDocData.h"

// The Hebrew side (1) when Hebrew letters and vowel codes make up at least
// half of the text, else the English side (0).
int ChooseImportSide(const char* text, size_t length);

// Windows-1255 runs in one of the program's Hebrew fonts become HebChar
// text; the attribute words follow the shortened runs.
void ConvertImportedRuns(const ZultaDocData& doc, int side, std::string& text,
                         std::vector<DWORD>& attrs);
