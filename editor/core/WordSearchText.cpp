#include "editor/core/WordSearchText.h"

#include "hebtext/core/HebChar.h"
#include "hebtext/core/PointedText.h"

BOOL HasVowelPoint(const CByteArray& points) {
  for (int i = 0; i < points.GetSize(); ++i) {
    if (points[i] > HebCode::ExplicitNoVowel) return TRUE;
  }
  return FALSE;
}

CString RemovePointsPlene(const CString& letters, const CByteArray& points) {
  CString plain;
  for (int i = 0; i < letters.GetLength(); ++i) {
    int letter = static_cast<BYTE>(letters[i]);
    int point = i < points.GetSize() ? points[i] : HebCode::NoVowel;
    if (IsDageshLetter(letter)) {
      letter = RemoveDagesh(letter);
    } else if (IsShuruk(letter)) {
      // The shuruk is the vav itself here, no vowel of a letter before.
      letter = HebCode::Vav;
      point = HebCode::NoVowel;
    }
    plain += static_cast<TCHAR>(letter);
    if (IsVavVowel(point) || IsQubutsForm(point)) plain += static_cast<TCHAR>(HebCode::Vav);
  }
  return plain;
}

CString WordSearchText(const CString& letters, const CByteArray& points, BOOL noVowels) {
  if (noVowels) return RemovePointsPlene(letters, points);
  CString text;
  MergeLettersAndVowels(text, reinterpret_cast<const BYTE*>(static_cast<LPCSTR>(letters)),
                        points.GetData(), letters.GetLength());
  return text;
}
