// libFuzzer target over the readers of stored settings texts, which a
// hand-edited registry can fill with anything: page settings, fonts,
// colours, window places, tab stops, transliteration settings, colour
// specifications and the edit-field checks. Besides the sanitizers'
// findings it stops on a broken invariant (a trap).
#include <cstddef>
#include <cstdint>

#include "classlib/core/CString.h"
#include "hebtext/core/ColorSpec.h"
#include "hebtext/core/EditValidation.h"
#include "hebtext/core/NumberText.h"
#include "hebtext/core/PageSettingsRec.h"
#include "hebtext/core/PreferenceTexts.h"

namespace {

void Check(bool invariant) {
  if (!invariant) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  // Stored texts end at their first zero, as the profile gives them.
  CString text(reinterpret_cast<const char*>(data), static_cast<int>(size));
  text = CString(static_cast<LPCSTR>(text));

  PageSettingsRec page;
  if (ParsePageSettingsText(text, page)) {
    Check(page.orientation == 1 || page.orientation == 2);
    Check(page.unit == 1 || page.unit == 2);
    PageSettingsRec again;
    Check(ParsePageSettingsText(FormatPageSettingsText(page), again));
    Check(FormatPageSettingsText(again) == FormatPageSettingsText(page));
  }

  EditorFontSpec font{"Pomlar Sephardi 2", 16, 0};
  ParseFontText(text, font);
  Check(font.face.GetLength() <= kFaceNameMax && !font.face.IsEmpty());
  Check(font.pointSize > 0);

  EditorColors colors;
  ParseColorsText(text, colors);
  RECT rect{-1, -1, -1, -1};
  ParseRectText(text, rect);
  CDWordArray stops;
  ParseTabStopsText(text, stops);
  Check(stops.GetSize() <= text.GetLength());

  TranslitWordSettings word;
  ParseTranslitWordText(text, word);
  TranslitTextStyle style;
  ParseTranslitStyleText(text, style);
  Check(style.face.GetLength() <= kFaceNameMax && !style.face.IsEmpty());

  ParseColorSpec(text);
  ParseSignedInt(text);
  ParseHex(text);
  ValidateEditText(text, 0x7F);
  return 0;
}
