// The text block of a document file keeps a character's vowel point as a
// byte of its own right after the character, and only for characters set in
// one of the program's Hebrew fonts; these turn letters and points into that
// form and back, the attribute words following the bytes.
#pragma once

#include <string>
#include <vector>

#include "editor/core/ZultaDocData.h"

// Sets out to the stored form and attrs to one word per stored byte (a point
// byte carries its letter's word).
void MergeLetterPoints(const ZultaDocData& doc, int side, const std::string& letters,
                       const std::vector<BYTE>& points, std::vector<DWORD>& attrs,
                       std::string& out);

// Splits the stored form (attrs one word per byte) into letters and points;
// attrs keeps the words of the characters only. A byte the merge could not
// have stored as a point (before any character, after a point, or after a
// character that takes none) is a character.
void SplitLetterPoints(const ZultaDocData& doc, int side, const std::string& stored,
                       std::string& letters, std::vector<BYTE>& points, std::vector<DWORD>& attrs);
