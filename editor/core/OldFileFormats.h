// Conversions of the data of older native files.
#pragma once

#include "classlib/core/CString.h"

// The 16-bit logical font of version 1.2 headers: the fields the reader
// takes.
struct LogFont16 {
  SHORT height = 0;
  SHORT weight = 0;
  BYTE italic = 0;
  BYTE underline = 0;
  CString face;
};

// Rewrites the older two-character punctuation codes before the older
// character set is converted.
CString RemapOldPunctuation(const CString& text);
// record holds the 50 bytes of the stored font.
void ConvertLogFont16(const BYTE* record, LogFont16& font);
