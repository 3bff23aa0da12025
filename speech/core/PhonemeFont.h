// The transliteration font, kept as the 60 bytes of a Windows logical font
// in the profile value "Phonemes"/"LogFont Data".
#pragma once

#include <functional>
#include <string>

#include "classlib/core/WinTypes.h"

class IProfileStore;

#ifdef _WIN32
using LogFontRecord = LOGFONTA;
#else
// The layout of LOGFONTA, for the portable build.
struct LogFontRecord {
  LONG lfHeight;
  LONG lfWidth;
  LONG lfEscapement;
  LONG lfOrientation;
  LONG lfWeight;
  BYTE lfItalic;
  BYTE lfUnderline;
  BYTE lfStrikeOut;
  BYTE lfCharSet;
  BYTE lfOutPrecision;
  BYTE lfClipPrecision;
  BYTE lfQuality;
  BYTE lfPitchAndFamily;
  char lfFaceName[32];
};
#endif
static_assert(sizeof(LogFontRecord) == 60, "the stored font record is 60 bytes");

// The stored font, or the default (bold Arial of 22 points at screenDpiY)
// when none of exactly 60 bytes is stored.
void LoadPhonemeFont(IProfileStore& profile, int screenDpiY, LogFontRecord& font);
// The default: bold Arial of 22 points at screenDpiY.
void DefaultPhonemeFont(int screenDpiY, LogFontRecord& font);
void SavePhonemeFont(IProfileStore& profile, const LogFontRecord& font);

// "%s %d pt." with the face and the size in points, then " Bold" for a
// weight of 700 or more and " Italic".
std::string DescribePhonemeFont(const char* face, int points, int weight, bool italic);

// The size from 1 point up whose line height (lineHeightAt) is the largest
// not above limit: the search stops at the first size whose line height
// reaches limit. 0 when even 1 point is taller.
int FitPointSize(int limit, const std::function<int(int points)>& lineHeightAt);
