#include "hebtext/core/PreferenceTexts.h"

#include <cstdlib>

#include "hebtext/core/NumberText.h"

namespace {

constexpr int kStoredTextMax = 255;

// The text split at every '|', at most maxParts parts (the last takes the rest).
int SplitAtBars(const CString& text, CString* parts, int maxParts) {
  int count = 0;
  int start = 0;
  while (count < maxParts - 1) {
    int bar = text.Find('|', start);
    if (bar < 0) break;
    parts[count++] = text.Mid(start, bar - start);
    start = bar + 1;
  }
  parts[count++] = text.Mid(start);
  return count;
}

BOOL HasHexDigit(const CString& text) {
  for (int i = 0; i < text.GetLength(); ++i)
    if (IsHexDigitChar(text[i])) return TRUE;
  return FALSE;
}

void TakeColor(const CString& part, COLORREF& color) {
  if (HasHexDigit(part)) color = ParseHex(part);
}

}  // namespace

CString FormatFontText(const EditorFontSpec& font) {
  CString text;
  text.Format("%s|%u|%u", static_cast<LPCSTR>(font.face), font.pointSize, font.style);
  return text;
}

void ParseFontText(LPCSTR text, EditorFontSpec& font) {
  CString parts[3];
  int count = SplitAtBars(CutStoredText(text, kStoredTextMax), parts, 3);
  if (count < 2) return;
  if (!parts[0].IsEmpty()) font.face = parts[0].Left(kFaceNameMax);
  if (count < 3) return;
  int size = ParseSignedInt(parts[1]);
  if (size > 0 && size <= 0xFFFF) font.pointSize = static_cast<WORD>(size);
  font.style = static_cast<BYTE>(ParseSignedInt(parts[2]));
}

CString FormatColorsText(const EditorColors& colors) {
  CString text;
  text.Format("%x|%x|%x|%x", static_cast<unsigned>(colors.text),
              static_cast<unsigned>(colors.background), static_cast<unsigned>(colors.selectedText),
              static_cast<unsigned>(colors.selectionBackground));
  return text;
}

void ParseColorsText(LPCSTR text, EditorColors& colors) {
  CString parts[4];
  int count = SplitAtBars(CutStoredText(text, kStoredTextMax), parts, 4);
  if (count >= 2) TakeColor(parts[0], colors.text);
  if (count >= 3) TakeColor(parts[1], colors.background);
  if (count >= 4) {
    TakeColor(parts[2], colors.selectedText);
    TakeColor(parts[3], colors.selectionBackground);
  }
}

CString FormatRectText(const RECT& rect) {
  CString text;
  text.Format("%d %d %d %d", static_cast<int>(rect.left), static_cast<int>(rect.top),
              static_cast<int>(rect.right), static_cast<int>(rect.bottom));
  return text;
}

BOOL ParseRectText(LPCSTR text, RECT& rect) {
  CString stored = CutStoredText(text, 511);
  if (stored.IsEmpty()) return FALSE;
  BlankFieldReader reader(stored);
  rect.left = reader.NextInt();
  rect.top = reader.NextInt();
  rect.right = reader.NextInt();
  rect.bottom = reader.NextInt();
  return TRUE;
}

CString FormatTabStopsText(const CDWordArray& stops) {
  CString text;
  for (int i = 0; i < stops.GetSize(); ++i) {
    CString stop;
    stop.Format("%d%c", static_cast<int>(stops[i]), '|');
    text += stop;
  }
  return text;
}

void ParseTabStopsText(LPCSTR text, CDWordArray& stops) {
  stops.RemoveAll();
  CString stored(text);
  int start = 0;
  for (int bar = stored.Find('|'); bar >= 0; bar = stored.Find('|', start)) {
    stops.Add(static_cast<DWORD>(atoi(stored.Mid(start, bar - start))));
    start = bar + 1;
  }
}

CString FormatTranslitWordText(const TranslitWordSettings& word) {
  CString text;
  text.Format("%u %u %x %u %u %u", static_cast<unsigned>(word.capitalizeWords),
              static_cast<unsigned>(word.syllableHyphens), static_cast<unsigned>(word.background),
              static_cast<unsigned>(word.extraWordSpacing),
              static_cast<unsigned>(word.capitalizeLines), static_cast<unsigned>(word.keepNumbers));
  return text;
}

void ParseTranslitWordText(LPCSTR text, TranslitWordSettings& word) {
  CString stored = CutStoredText(text, kStoredTextMax);
  if (stored.IsEmpty()) return;
  BlankFieldReader reader(stored);
  word.capitalizeWords = static_cast<DWORD>(reader.NextInt());
  word.syllableHyphens = static_cast<DWORD>(reader.NextInt());
  word.background = reader.NextHex();
  word.extraWordSpacing = static_cast<DWORD>(reader.NextInt());
  word.capitalizeLines = static_cast<DWORD>(reader.NextInt());
  word.keepNumbers = static_cast<DWORD>(reader.NextInt());
}

CString FormatTranslitStyleText(const TranslitTextStyle& style) {
  CString text;
  text.Format("%u %x %x %u %u %s", static_cast<unsigned>(style.allUpperCase),
              static_cast<unsigned>(style.textColor), static_cast<unsigned>(style.backColor),
              style.pointSize, style.style, static_cast<LPCSTR>(style.face));
  return text;
}

void ParseTranslitStyleText(LPCSTR text, TranslitTextStyle& style) {
  CString stored = CutStoredText(text, kStoredTextMax);
  if (stored.IsEmpty()) return;
  BlankFieldReader reader(stored);
  style.allUpperCase = static_cast<DWORD>(reader.NextInt());
  style.textColor = reader.NextHex();
  style.backColor = reader.NextHex();
  style.pointSize = static_cast<WORD>(reader.NextInt());
  style.style = static_cast<BYTE>(reader.NextInt());
  CString face(reader.Rest());
  if (!face.IsEmpty()) style.face = face.Left(kFaceNameMax);
}
