// What the plain-text and RTF imports share: the side a file's text goes
// to, and the conversion of its Windows-1255 runs into program codes.
#pragma once

#include <string>
#include <vector>

#include "editor/core/ZultaDocData.h"

// The Hebrew side (1) when Hebrew letters and points set in one of the
// program's Hebrew faces (attribute words over faces) make up at least half
// of the text, else the English side (0). The face decides, since Latin
// letters of Windows-1252 share their bytes with Hebrew ones.
int ChooseImportSide(const std::string& text, const std::vector<DWORD>& attrs,
                     const DocStyleTables& faces);

// Windows-1255 runs in one of the program's Hebrew fonts become HebChar
// text, the marks of each letter put in the order the conversion folds
// first; the attribute words follow the shortened runs. A cancel in the
// progress dialog empties the text.
void ConvertImportedRuns(const ZultaDocData& doc, int side, std::string& text,
                         std::vector<DWORD>& attrs);

// Loads the characters of a whole plain-text file into the side most of
// them belong to (as ChooseImportSide), each in a face that holds it: Hebrew
// in the program's Hebrew face, other letters and symbols as Windows-1252
// bytes in the English side's face, blanks, digits and ASCII punctuation in
// the face of the text around them. The face a side does not have by
// default goes into the font table. Nothing is loaded when no character is
// left or the progress dialog is cancelled.
void ImportPlainText(ZultaDocData& doc, const std::u32string& chars);
