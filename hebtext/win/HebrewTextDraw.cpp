#include "hebtext/win/HebrewTextDraw.h"

#include "classlib/win/CDC.h"
#include "hebtext/core/HebrewFontFamily.h"
#include "hebtext/win/CFontInfo.h"

namespace {

HebrewRunFont RunFont(const CFontInfo& font) {
  HebrewRunFont runFont;
  runFont.extents = font.GetExtentTable();
  runFont.family = HebrewFontFamilyOfFace(font.GetFaceName());
  runFont.stressFamily = StressMarkFamilyOfFace(font.GetFaceName());
  return runFont;
}

// Draws each glyph as one character in its own colour.
class GlyphPainter : public HebrewGlyphSink {
 public:
  GlyphPainter(CDC* pDC, int y, const RECT* pClip, BOOL plainOutput)
      : dc_(pDC), y_(y), clip_(pClip), plain_(plainOutput) {}

  void Glyph(int code, int x, COLORREF color, BOOL stressMark) override {
    const char text[1] = {static_cast<char>(code)};
    dc_->SetTextColor(color);
    if (plain_ && !stressMark) {
      dc_->TextOut(x, y_, text, 1);
    } else {
      dc_->ExtTextOut(x, y_, clip_ != nullptr ? ETO_CLIPPED : 0, clip_, text, 1, nullptr);
    }
  }

 private:
  CDC* dc_;
  int y_;
  const RECT* clip_;
  BOOL plain_;
};

}  // namespace

int GetHebrewFontFamily(const CFontInfo& font) {
  return HebrewFontFamilyOfFace(font.GetFaceName());
}

void DrawHebrewText(CDC* pDC, CFontInfo* pFont, int x, int y, const BYTE* letters,
                    const BYTE* vowels, int count, COLORREF letterColor, COLORREF vowelColor,
                    BOOL withVowels, COLORREF qamatsQatanColor, const RECT* pClip, BOOL plainOutput,
                    COLORREF highlightLetterColor, COLORREF highlightVowelColor, int highlightIndex,
                    BOOL keepShinDots) {
  HebrewRunOptions options;
  options.withVowels = withVowels;
  options.keepShinDots = keepShinDots;
  HebrewRunColors colors;
  colors.letter = letterColor;
  colors.vowel = vowelColor;
  colors.qamatsQatan = qamatsQatanColor;
  colors.highlightLetter = highlightLetterColor;
  colors.highlightVowel = highlightVowelColor;
  colors.highlightIndex = highlightIndex;
  GlyphPainter painter(pDC, y, pClip, plainOutput);
  LayOutHebrewRun(RunFont(*pFont), x, letters, vowels, count, options, colors, &painter);
}

int MeasureHebrewText(const CFontInfo& font, const BYTE* letters, const BYTE* vowels, int count,
                      BOOL withVowels) {
  HebrewRunOptions options;
  options.withVowels = withVowels;
  return LayOutHebrewRun(RunFont(font), 0, letters, vowels, count, options, HebrewRunColors(),
                         nullptr);
}

void DrawStressMark(CDC* pDC, const CFontInfo& font, int x, int y, int vowel, int letterWidth,
                    int letter, COLORREF color, const RECT* pClip) {
  GlyphPainter painter(pDC, y, pClip, FALSE);
  LayOutStressMark(RunFont(font), x, vowel, letterWidth, letter, color, &painter);
}
