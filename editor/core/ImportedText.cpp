#include "editor/core/ImportedText.h"

#include <algorithm>

#include "editor/core/CharAttr.h"
#include "editor/core/LetterPoints.h"
#include "hebtext/core/AnsiImport.h"
#include "hebtext/core/HebChar.h"
#include "hebtext/core/HebrewFontFamily.h"
#include "hebtext/core/ProgressDlgInterface.h"
#include "hebtext/core/SortedStrings.h"
#include "hebtext/core/UnicodeHebrew.h"
#include "hebtext/core/VavOrder.h"

namespace {

int SideOfCounts(size_t hebrew, size_t length) { return hebrew >= length - hebrew ? 1 : 0; }

// Converts each run of bytes with one tag that isHebrew takes for
// Windows-1255 Hebrew into HebChar text; the tags follow the bytes. A cancel
// in the progress dialog empties the text.
template <class Tag, class IsHebrew>
void ConvertHebrewRuns(std::string& text, std::vector<Tag>& tags, IsHebrew isHebrew) {
  std::string out;
  std::vector<Tag> outTags;
  size_t i = 0;
  while (i < text.size()) {
    size_t end = i + 1;
    while (end < text.size() && tags[end] == tags[i]) ++end;
    if (isHebrew(tags[i])) {
      CString run(text.data() + i, static_cast<int>(end - i));
      NormalizeMarkOrder(run);
      ConvertImportedText(run, kVavThenHolam);
      if (g_pProgressDlg != nullptr && g_pProgressDlg->IsCancelled()) {
        text.clear();
        tags.clear();
        return;
      }
      out.append(run, run.GetLength());
      outTags.insert(outTags.end(), run.GetLength(), tags[i]);
    } else {
      out.append(text, i, end - i);
      outTags.insert(outTags.end(), end - i, tags[i]);
    }
    i = end;
  }
  text.swap(out);
  tags.swap(outTags);
}

bool IsLineBreak(char32_t c) {
  constexpr char32_t kLineSeparator = 0x2028, kParagraphSeparator = 0x2029;
  return c == '\n' || c == kLineSeparator || c == kParagraphSeparator;
}

// The characters as the bytes the document holds them in, with the script
// of each byte; every line end becomes a carriage return.
void HoldText(const std::u32string& chars, std::string& text, std::vector<TextScript>& scripts) {
  for (size_t i = 0; i < chars.size(); ++i) {
    char32_t c = chars[i];
    if (c == '\n' && i > 0 && chars[i - 1] == '\r') continue;
    if (IsLineBreak(c)) c = '\r';
    const HeldChar held = HoldCharacter(c);
    text.append(reinterpret_cast<const char*>(held.bytes), held.length);
    scripts.insert(scripts.end(), held.length, held.script);
  }
}

// Blanks, digits and ASCII punctuation take the script of the text on both
// sides of them when it is the same, else the side's own: a Hebrew phrase
// in English text stays one run, its full stop goes with the English.
void ResolveNeutrals(std::vector<TextScript>& scripts, TextScript own) {
  size_t i = 0;
  TextScript before = own;
  while (i < scripts.size()) {
    if (scripts[i] != TextScript::Neutral) {
      before = scripts[i++];
      continue;
    }
    size_t end = i;
    while (end < scripts.size() && scripts[end] == TextScript::Neutral) ++end;
    const TextScript after = end < scripts.size() ? scripts[end] : own;
    std::fill(scripts.begin() + i, scripts.begin() + end, before == after ? before : own);
    i = end;
  }
}

// The attribute word that sets a character in the face, its font table
// entry added when missing; 0 (the side's face) when the table is full.
DWORD FaceAttr(ZultaDocData& doc, const CString& face) {
  CStringArray& names = doc.styles.fontNames;
  doc.styles.AddDefaultEntries();
  int index = 1;
  while (index < names.GetSize() && names[index].CompareNoCase(face) != 0) ++index;
  if (index == names.GetSize()) {
    if (index >= DocStyleTables::kLimits[kFontNames]) return 0;
    names.Add(face);
  }
  return SetAttrField(0, CharAttrBits::kFontShift, CharAttrBits::kFontMask, index);
}

// The face Hebrew text takes on the English side: the Hebrew side's, when
// it is one of the program's Hebrew faces.
CString HebrewFace(const ZultaDocData& doc) {
  const CString& face = doc.sides[1].face;
  return IsProgramHebrewFont(face) ? face : CString(g_hebrewFontFaces[0]);
}

}  // namespace

int ChooseImportSide(const std::string& text, const std::vector<DWORD>& attrs,
                     const DocStyleTables& faces) {
  size_t hebrew = 0;
  for (size_t i = 0; i < text.size() && i < attrs.size(); ++i) {
    UINT font = AttrFont(attrs[i]);
    BYTE c = static_cast<BYTE>(text[i]);
    if (font < static_cast<UINT>(faces.fontNames.GetSize()) &&
        IsProgramHebrewFont(faces.fontNames[font]) && (IsHebrewLetter(c) || IsVowelCode(c)))
      ++hebrew;
  }
  return SideOfCounts(hebrew, text.size());
}

void ConvertImportedRuns(const ZultaDocData& doc, int side, std::string& text,
                         std::vector<DWORD>& attrs) {
  ConvertHebrewRuns(text, attrs, [&](DWORD attr) { return doc.IsHebrewFontAttr(side, attr); });
}

void ImportPlainText(ZultaDocData& doc, const std::u32string& chars) {
  std::string text;
  std::vector<TextScript> scripts;
  HoldText(chars, text, scripts);
  ConvertHebrewRuns(text, scripts, [](TextScript s) { return s == TextScript::Hebrew; });
  if (text.empty()) return;
  size_t hebrew = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    const BYTE c = static_cast<BYTE>(text[i]);
    if (scripts[i] == TextScript::Hebrew && (IsHebrewLetter(c) || IsVowelCode(c))) ++hebrew;
  }
  const int sideIndex = SideOfCounts(hebrew, text.size());
  const TextScript own = sideIndex == 1 ? TextScript::Hebrew : TextScript::Latin;
  ResolveNeutrals(scripts, own);

  // A script takes the side's own face (attribute 0) when that face holds it.
  const auto attrFor = [&](TextScript script) -> DWORD {
    if (std::find(scripts.begin(), scripts.end(), script) == scripts.end()) return 0;
    if (script == TextScript::Latin) return sideIndex == 0 ? 0 : FaceAttr(doc, doc.sides[0].face);
    if (sideIndex == 1 && IsProgramHebrewFont(doc.sides[1].face)) return 0;
    return FaceAttr(doc, HebrewFace(doc));
  };
  const DWORD hebrewAttr = attrFor(TextScript::Hebrew);
  const DWORD latinAttr = attrFor(TextScript::Latin);
  std::vector<DWORD> attrs(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    attrs[i] = scripts[i] == TextScript::Hebrew ? hebrewAttr : latinAttr;
  }

  ZultaSideData& side = doc.sides[sideIndex];
  SplitLetterPoints(doc, sideIndex, text, side.letters, side.points, attrs);
  side.attrs.swap(attrs);
}
