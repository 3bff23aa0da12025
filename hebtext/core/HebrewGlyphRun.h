// Lays out a run of pointed Hebrew glyph by glyph, right to left, for the
// program's Hebrew fonts: which glyph goes where, in which colour. The
// Windows half draws what this hands out; measuring is the same walk without
// drawing, so measured and drawn widths always agree.
#pragma once

#include "classlib/core/WinTypes.h"

// The font as the layout sees it: the width of every glyph code and the
// face's families (HebrewFontFamily.h).
struct HebrewRunFont {
  const DWORD* extents = nullptr;  // 256 entries, the width in the low 16 bits
  int family = 0;
  int stressFamily = 0;

  int Width(int code) const { return LOWORD(extents[code & 0xFF]); }
};

constexpr COLORREF kQamatsQatanByPrefs = 0xFFFFFFFF;  // KAMStyle/KAMColor decide
constexpr COLORREF kQamatsQatanAsText = 0xEFFFFFFF;   // the vowel colour
constexpr int kNoHighlight = -1;
constexpr int kHighlightWholeRun = 65535;

struct HebrewRunColors {
  COLORREF letter = 0;
  COLORREF vowel = 0;
  COLORREF qamatsQatan = kQamatsQatanByPrefs;  // or a colour of its own
  COLORREF highlightLetter = 0;
  COLORREF highlightVowel = 0;
  int highlightIndex = kNoHighlight;
};

struct HebrewRunOptions {
  BOOL withVowels = TRUE;
  // Unpointed runs keep the dots of shin and sin (drawing only).
  BOOL keepShinDots = FALSE;
};

// Receives the glyphs of a run in drawing order.
class HebrewGlyphSink {
 public:
  // x is the glyph's left edge; a stress mark is the meteg of a stressed
  // vowel, which is drawn the same way whatever output the run uses.
  virtual void Glyph(int code, int x, COLORREF color, BOOL stressMark) = 0;

 protected:
  ~HebrewGlyphSink() = default;
};

// Lays out letters/vowels (count, or -1 for the letters' length) from the
// right edge x = right and returns the width the run takes. Hands each glyph
// to sink unless it is null. Returns 0 and hands out nothing when the working
// copy of the run cannot be allocated.
int LayOutHebrewRun(const HebrewRunFont& font, int right, const BYTE* letters, const BYTE* vowels,
                    int count, const HebrewRunOptions& options, const HebrewRunColors& colors,
                    HebrewGlyphSink* sink);

// The meteg of a stressed vowel under a letter of the given width whose right
// edge is at right; nothing for other vowels.
void LayOutStressMark(const HebrewRunFont& font, int right, int vowel, int letterWidth, int letter,
                      COLORREF color, HebrewGlyphSink* sink);
