// libFuzzer target over the conversions that read text from outside the
// program: the Windows-1255, UTF-16, UTF-8, English-layout and older
// character set imports, the decoding of whole text files, and the exports
// and line helpers that follow them.
// Built and run by scripts/checks/fuzz-hebtext. Besides the sanitizers'
// findings it stops on a broken invariant (a trap).
#include <cstddef>
#include <cstdint>
#include <string>

#include "classlib/core/CString.h"
#include "hebtext/core/AnsiExport.h"
#include "hebtext/core/AnsiImport.h"
#include "hebtext/core/ByteText.h"
#include "hebtext/core/EnglishLayoutImport.h"
#include "hebtext/core/LegacyCharsets.h"
#include "hebtext/core/TextLines.h"
#include "hebtext/core/UnicodeHebrew.h"

namespace {

void Check(bool invariant) {
  if (!invariant) __builtin_trap();
}

CString Raw(const uint8_t* data, size_t size) {
  return CString(reinterpret_cast<const char*>(data), static_cast<int>(size));
}

void FuzzWindows1255Import(const CString& raw) {
  for (VavOrder vavOrder : {kVavThenHolam, kHolamThenVav}) {
    // The reversal's two ways ride along with the two vav orders.
    const BOOL movePoints = vavOrder == kHolamThenVav;
    CString text = raw;
    NormalizeMarkOrder(text);
    Check(text.GetLength() <= raw.GetLength());
    ConvertImportedText(text, vavOrder);
    // An ellipsis gives three dots, a Yiddish ligature two letters.
    Check(text.GetLength() <= 3 * raw.GetLength());
    ControlCharsToBlanks(text);
    ReverseTextLines(text, movePoints);
    // Export, as Copy Special does.
    CString out = text;
    ConvertToStandardPoints(out, vavOrder);
    Check(out.GetLength() <= 3 * text.GetLength());
    CrToCrLf(out);
    AnsiHebrewToUtf8(out);
  }
}

void FuzzUtf8Import(const CString& raw) {
  CString text = raw;
  Utf8ToAnsiHebrew(text);
  Check(text.GetLength() <= raw.GetLength());
  // Whatever the decoder gives, it reads back from its own UTF-8.
  CString again = text;
  AnsiHebrewToUtf8(again);
  Utf8ToAnsiHebrew(again);
  Check(BytesString(again) == BytesString(text));
  NormalizeMarkOrder(text);
  ConvertImportedText(text, kVavThenHolam);
}

void FuzzUtf16Import(const uint8_t* data, size_t size) {
  std::basic_string<WCHAR> units;
  for (size_t i = 0; i + 1 < size; i += 2) {
    const WCHAR unit = static_cast<WCHAR>(data[i] | (data[i + 1] << 8));
    if (unit == 0) break;
    units += unit;
  }
  CString text;
  UnicodeToAnsiHebrew(text, units.c_str());
  Check(text.GetLength() <= kMaxAnsiBytesPerChar * static_cast<int>(units.size()));
  const WideString back = AnsiHebrewToUnicode(text);
  Check(back.size() <= static_cast<size_t>(text.GetLength()));
}

void FuzzTextFile(const uint8_t* data, size_t size) {
  const std::u32string chars = DecodeTextFile(data, size);
  Check(chars.size() <= size);
  for (const char32_t c : chars) {
    Check(c != 0);
    const HeldChar held = HoldCharacter(c);
    Check(held.length >= 0 && held.length <= kMaxAnsiBytesPerChar);
    Check((held.script == TextScript::Dropped) == (held.length == 0));
    if (held.script == TextScript::Latin) {
      Check(held.length == 1 && Windows1252ToUnicode(held.bytes[0]) != kReplacementCharacter);
    }
  }
}

void FuzzEnglishLayoutImport(const CString& raw) {
  CString text = raw;
  EnglishLayoutToHebrew(text);
  ControlCharsToBlanks(text);
  ReorderVowelSequences(text);
  Check(text.GetLength() <= 2 * raw.GetLength());
}

void FuzzLegacyCodes(const CString& raw) {
  const std::string zeroTerminated = BytesString(raw);
  CString result;
  ConvertOldHebrewCharset(zeroTerminated.c_str(), result);
  RemapCodeVariantsA(zeroTerminated.c_str(), result);
  RemapCodeVariantsB(zeroTerminated.c_str(), result);
}

void FuzzLines(const CString& raw) {
  CString text = raw;
  ReverseTextLines(text, FALSE);
  ReverseTextLines(text, FALSE);
  Check(BytesString(text) == BytesString(raw));
  NormalizeLineEndsToCr(text);
  MovePointsBeforeLetters(text);
  Check(text.GetLength() <= raw.GetLength());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const CString raw = Raw(data, size);
  FuzzWindows1255Import(raw);
  FuzzUtf8Import(raw);
  FuzzUtf16Import(data, size);
  FuzzTextFile(data, size);
  FuzzEnglishLayoutImport(raw);
  FuzzLegacyCodes(raw);
  FuzzLines(raw);
  return 0;
}
