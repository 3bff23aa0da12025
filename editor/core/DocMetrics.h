// What the text model needs of fonts and the screen: the device resolution
// and the measures of one character in a font. The Windows half measures with
// the font cache; tests and benchmarks use FixedDocMetrics.
#pragma once

#include "classlib/core/CString.h"
#include "classlib/core/WinTypes.h"

struct DocCharMetrics {
  int width = 0;
  int height = 0;  // text height plus external leading
  int ascent = 0;
  int descent = 0;
};

class IDocMetrics {
 public:
  virtual int GetPixelsPerInchX() const = 0;
  virtual int GetPixelsPerInchY() const = 0;
  // Measures a letter with its vowel point in the font of that face, point
  // size and style bits (1 bold, 2 italic, 4 underline).
  virtual DocCharMetrics MeasureChar(const CString& face, WORD pointSize, UINT style, BYTE letter,
                                     BYTE point) const = 0;

 protected:
  ~IDocMetrics() = default;
};
