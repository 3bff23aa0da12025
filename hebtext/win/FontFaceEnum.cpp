#include "hebtext/win/FontFaceEnum.h"

#include "hebtext/core/SortedStrings.h"

int CALLBACK AddFontFaceProc(const LOGFONTA* logFont, const TEXTMETRICA*, DWORD fontType,
                             LPARAM context) {
  auto* pContext = reinterpret_cast<FontFaceEnumContext*>(context);
  if (!(fontType & TRUETYPE_FONTTYPE)) return 1;
  BOOL hebrew = IsProgramHebrewFont(logFont->lfFaceName);
  if ((pContext->mode == kFontListHebrewFirst && !hebrew) ||
      (pContext->mode == kFontListOthersFirst && hebrew))
    return 1;
  // A face comes once for each character set it has: list it once.
  CStringArray& faces = *pContext->faces;
  for (int i = 0; i < faces.GetSize(); ++i)
    if (faces[i].CompareNoCase(logFont->lfFaceName) == 0) return 1;
  faces.Add(logFont->lfFaceName);
  return 1;
}

void EnumerateFontFaces(HDC hDC, CStringArray& faces, int mode) {
  faces.RemoveAll();
  FontFaceEnumContext context{kFontListSorted, &faces};
  ::EnumFontFamiliesA(hDC, nullptr, reinterpret_cast<FONTENUMPROCA>(AddFontFaceProc),
                      reinterpret_cast<LPARAM>(&context));
  BuildFontFaceList(faces, mode);
}
