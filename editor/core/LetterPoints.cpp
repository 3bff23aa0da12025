#include "editor/core/LetterPoints.h"

#include "hebtext/core/HebChar.h"

namespace {

// The Hebrew-font test of a run of characters, made again only when the
// attribute word changes.
class HebrewFontTest {
 public:
  HebrewFontTest(const ZultaDocData& doc, int side) : m_doc(doc), m_side(side) {}
  BOOL operator()(DWORD attr) {
    if (!m_valid || attr != m_attr) {
      m_attr = attr;
      m_hebrew = m_doc.IsHebrewFontAttr(m_side, attr);
      m_valid = TRUE;
    }
    return m_hebrew;
  }

 private:
  const ZultaDocData& m_doc;
  int m_side;
  DWORD m_attr = 0;
  BOOL m_hebrew = FALSE;
  BOOL m_valid = FALSE;
};

}  // namespace

void MergeLetterPoints(const ZultaDocData& doc, int side, const std::string& letters,
                       const std::vector<BYTE>& points, std::vector<DWORD>& attrs,
                       std::string& out) {
  HebrewFontTest isHebrew(doc, side);
  std::vector<DWORD> merged;
  out.clear();
  out.reserve(letters.size() * 2);
  merged.reserve(letters.size() * 2);
  for (size_t i = 0; i < letters.size(); ++i) {
    BYTE letter = static_cast<BYTE>(letters[i]);
    BYTE point = i < points.size() ? points[i] : 0;
    DWORD attr = i < attrs.size() ? attrs[i] : 0;
    out += static_cast<char>(letter);
    merged.push_back(attr);
    if (isHebrew(attr) && !IsShuruk(letter) && !IsNoVowel(point) && IsVowelCode(point)) {
      out += static_cast<char>(point);
      merged.push_back(attr);
    }
  }
  attrs.swap(merged);
}

void SplitLetterPoints(const ZultaDocData& doc, int side, const std::string& stored,
                       std::string& letters, std::vector<BYTE>& points, std::vector<DWORD>& attrs) {
  HebrewFontTest isHebrew(doc, side);
  std::vector<DWORD> kept;
  letters.clear();
  points.clear();
  letters.reserve(stored.size());
  points.reserve(stored.size());
  kept.reserve(stored.size());
  // The merge stores at most one point, right after a character of a Hebrew
  // font that is not a shuruk, with the character's word, and never a "no
  // vowel" point; any other byte is a character, even one with a vowel's code.
  BOOL takesPoint = FALSE;  // the byte before was such a character
  for (size_t i = 0; i < stored.size(); ++i) {
    BYTE c = static_cast<BYTE>(stored[i]);
    DWORD attr = i < attrs.size() ? attrs[i] : 0;
    if (takesPoint && attr == kept.back() && IsVowelCode(c) && !IsNoVowel(c) &&
        (!IsShuruk(c) || IsHebrewLetter(static_cast<BYTE>(letters.back())))) {
      points.back() = c;
      takesPoint = FALSE;
    } else {
      letters += static_cast<char>(c);
      points.push_back(c == HebCode::Shuruk ? HebCode::Shuruk : 0);
      kept.push_back(attr);
      takesPoint = isHebrew(attr) && !IsShuruk(c);
    }
  }
  attrs.swap(kept);
}
