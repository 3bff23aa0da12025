#include "hebtext/core/HebrewGlyphRun.h"

#include <cstring>
#include <memory>
#include <new>

#include "hebtext/core/HebChar.h"
#include "hebtext/core/HebrewDisplay.h"
#include "hebtext/core/HebrewFontFamily.h"
#include "hebtext/core/QamatsQatanPrefs.h"

namespace {

// The run as it is shown: display glyphs of letters and points, or the
// unpointed spelling with the vav of shuruk and holam male as the vowel.
void PrepareRun(const BYTE* letters, const BYTE* vowels, int count, const HebrewRunOptions& options,
                BYTE* shownLetters, BYTE* shownVowels) {
  for (int i = 0; i < count; ++i) {
    int letter = LetterToDisplayGlyph(letters[i]);
    const int vowel = vowels != nullptr ? vowels[i] : 0;
    if (options.withVowels) {
      const int point = VowelToDisplayPoint(vowel);
      shownLetters[i] = static_cast<BYTE>(letter);
      shownVowels[i] = static_cast<BYTE>(point == HebCode::ExplicitNoVowel ? 0 : point);
      continue;
    }
    letter = RemoveDagesh(letter);
    if (IsFinalKafForm(letter)) letter = HebCode::FinalKaf;
    if (!options.keepShinDots && (IsShinWithShinDot(letter) || IsShinWithSinDot(letter))) {
      letter = HebCode::Shin;
    }
    int shownVowel = IsVavVowel(vowel) ? HebCode::Vav : 0;
    if (IsShuruk(letter)) {
      letter = HebCode::Vav;
      shownVowel = 0;
    }
    shownLetters[i] = static_cast<BYTE>(letter);
    shownVowels[i] = static_cast<BYTE>(shownVowel);
  }
}

// Letters whose holam is a glyph of its own with the letter.
int HolamLigature(int letter) {
  switch (letter) {
    case HebCode::Lamed: return HebCode::LamedHolam;
    case HebCode::LamedDagesh: return HebCode::LamedDageshHolam;
    case HebCode::GimelGeresh: return HebCode::GimelGereshHolam;
    case HebCode::GimelGereshDagesh: return HebCode::GimelGereshDageshHolam;
    case HebCode::ZayinGeresh: return HebCode::ZayinGereshHolam;
    case HebCode::TsadiGeresh: return HebCode::TsadiGereshHolam;
    default: return 0;
  }
}

bool IsShinDotForm(int letter) {
  return letter == HebCode::ShinShinDot || letter == HebCode::ShinShinDotDagesh;
}

class RunLayout {
 public:
  RunLayout(const HebrewRunFont& font, const HebrewRunColors& colors, HebrewGlyphSink* sink)
      : font_(font), colors_(colors), sink_(sink) {}

  // Lays out position i at right edge x and returns its advance.
  int Position(int x, int i, const BYTE* letters, const BYTE* vowels, int count, int callerVowel) {
    const int letter = letters[i];
    const int vowel = vowels[i];
    const int next = i + 1 < count ? letters[i + 1] : 0;
    const bool highlighted =
        i == colors_.highlightIndex || colors_.highlightIndex == kHighlightWholeRun;
    const COLORREF letterColor = highlighted ? colors_.highlightLetter : colors_.letter;
    const COLORREF vowelColor = highlighted ? colors_.highlightVowel : VowelColor(callerVowel);
    const int w = font_.Width(letter);

    if (IsHolamForm(vowel)) {
      return Holam(x, letter, vowel, next, w, letterColor, vowelColor);
    }
    if (IsVavVowel(vowel) || vowel == HebCode::Vav) {
      Emit(letter, x - w, letterColor);
      if (IsShuruk(letter)) return w;
      const int vav = RemoveStressMark(vowel);
      const int vavWidth = font_.Width(vav);
      Emit(vav, x - w - vavWidth, vowelColor);
      LayOutStressMark(font_, x, vowel, w, letter, vowelColor, sink_);
      return w + vavWidth;
    }
    if (IsFinalKafForm(letter)) {
      Emit(FinalKafGlyph(letter, vowel), x - w, letterColor);
      return w;
    }
    return Beside(x, letter, vowel, w, letterColor, vowelColor);
  }

 private:
  COLORREF VowelColor(int callerVowel) const {
    if (colors_.highlightIndex != kNoHighlight || !IsQamatsQatan(callerVowel)) {
      return colors_.vowel;
    }
    if (colors_.qamatsQatan == kQamatsQatanByPrefs) {
      return GetKamStyle() != 0 ? GetKamColor() : colors_.vowel;
    }
    return colors_.qamatsQatan == kQamatsQatanAsText ? colors_.vowel : colors_.qamatsQatan;
  }

  // The holam sits at the letter's upper left: built into the letter where
  // the letter's shape takes that place, left out where a dot is already
  // there (sin's own dot, the shin dot of the letter after).
  int Holam(int x, int letter, int vowel, int next, int w, COLORREF letterColor,
            COLORREF vowelColor) {
    const int ligature = IsShinDotForm(next) ? 0 : HolamLigature(letter);
    if (ligature != 0) {
      w = font_.Width(ligature);
      Emit(ligature, x - w, letterColor);
    } else {
      Emit(letter, x - w, letterColor);
      const bool sinDot = letter == HebCode::ShinSinDot || letter == HebCode::ShinSinDotDagesh;
      if (!sinDot && !IsShinDotForm(next)) Emit(HebCode::Holam, x - w, vowelColor);
    }
    LayOutStressMark(font_, x, vowel, w, letter, vowelColor, sink_);
    return w;
  }

  // The point under the letter: at the face's position for the letter, or
  // the narrower glyph centred on the wider.
  int Beside(int x, int letter, int vowel, int w, COLORREF letterColor, COLORREF vowelColor) {
    const int v = font_.Width(vowel);
    int offset = 0;
    if (v < w && GetVowelOffsetPercent(letter, w, v, &offset, font_.family) != 0) {
      Emit(letter, x - w, letterColor);
      Emit(vowel, x - offset, vowelColor);
      return w;
    }
    const int wide = v < w ? w : v;
    const int narrow = v < w ? v : w;
    if (letter == HebCode::Tab || IsFormFeedOrCR(letter)) return wide;
    const int centred = x - (wide - (wide - narrow) / 2);
    if (v >= w) {
      Emit(vowel, x - wide, vowelColor);
      Emit(letter, centred, letterColor);
    } else {
      Emit(letter, x - wide, letterColor);
      Emit(vowel, centred, vowelColor);
    }
    return wide;
  }

  void Emit(int code, int x, COLORREF color) {
    if (sink_ != nullptr && code != 0) sink_->Glyph(code, x, color, FALSE);
  }

  const HebrewRunFont& font_;
  const HebrewRunColors& colors_;
  HebrewGlyphSink* sink_;
};

}  // namespace

int LayOutHebrewRun(const HebrewRunFont& font, int right, const BYTE* letters, const BYTE* vowels,
                    int count, const HebrewRunOptions& options, const HebrewRunColors& colors,
                    HebrewGlyphSink* sink) {
  if (count < 0) count = static_cast<int>(std::strlen(reinterpret_cast<const char*>(letters)));
  if (count == 0) return 0;
  std::unique_ptr<BYTE[]> work(new (std::nothrow) BYTE[2 * static_cast<size_t>(count)]);
  if (!work) return 0;
  BYTE* shownLetters = work.get();
  BYTE* shownVowels = work.get() + count;
  PrepareRun(letters, vowels, count, options, shownLetters, shownVowels);

  RunLayout layout(font, colors, sink);
  int x = right;
  for (int i = 0; i < count; ++i) {
    x -= layout.Position(x, i, shownLetters, shownVowels, count, vowels != nullptr ? vowels[i] : 0);
  }
  return right - x;
}

void LayOutStressMark(const HebrewRunFont& font, int right, int vowel, int letterWidth, int letter,
                      COLORREF color, HebrewGlyphSink* sink) {
  if (!IsStressedVowel(vowel) || sink == nullptr) return;
  const int metegWidth = font.Width(HebCode::Meteg);
  int offset = 0;
  int x = right - (letterWidth - (letterWidth - metegWidth) / 2);
  if (metegWidth < letterWidth &&
      GetVowelOffsetPercent(letter, letterWidth, metegWidth, &offset, font.stressFamily) != 0) {
    x = right - offset;
  }
  sink->Glyph(HebCode::Meteg, x, color, TRUE);
}
